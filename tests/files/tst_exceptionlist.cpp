#include "files/Fexceptionlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// The exception list as the program edits it: what is read, what is
// refused, and that a write keeps its layout and never half a list.
class TestExceptionList : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Path() const { return ExceptionListPath(dir.path()); }
    bool Write(const QByteArray& bytes) {
        QFile f(Path());
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    QByteArray Read() {
        QFile f(Path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() {
        QDir(Path()).removeRecursively();
        QFile::remove(Path());
    }

    void readsWhatTheMenuShowsAndWritesOneEntryALine() {
        std::vector<QByteArray> list{"stale"};
        QVERIFY(ReadExceptionList(Path(), list)); // missing: empty
        QVERIFY(list.empty());
        QVERIFY(Write("WART Wartung\r\n skipped\r\n!NOTE Hinweis\r\n"));
        QVERIFY(ReadExceptionList(Path(), list));
        QCOMPARE(list, (std::vector<QByteArray>{"WART Wartung", "!NOTE Hinweis"}));
        QVERIFY(WriteExceptionList(Path(), list));
        QCOMPARE(Read(), QByteArray("WART Wartung\n!NOTE Hinweis\n"));
        QVERIFY(WriteExceptionList(Path(), {}));
        QCOMPARE(Read(), QByteArray());
        QVERIFY(ReadExceptionList(Path(), list)); // empty: an empty list
        QVERIFY(list.empty());
    }

    void unreadableListIsNeverTakenForAnEmptyOne() {
        QVERIFY(QDir().mkpath(Path()));
        std::vector<QByteArray> list;
        QVERIFY(!ReadExceptionList(Path(), list));
        QVERIFY(!WriteExceptionList(Path(), {"A"}));
        QVERIFY(QFileInfo(Path()).isDir());
        QCOMPARE(UnreadableExceptionListText("/d/AUSNAHME.LST"),
                 QString("The exception list /d/AUSNAHME.LST cannot be read. It is left as it "
                         "is."));
    }

    void noteOnlyEntriesCarryTheirMark() {
        QCOMPARE(ExceptionEntry("WART", true), QByteArray("!WART"));
        QCOMPARE(ExceptionEntry("WART", false), QByteArray("WART"));
        QVERIFY(IsNoteOnlyEntry("!X"));
        QVERIFY(!IsNoteOnlyEntry("X!"));
        QCOMPARE(ExceptionEntryText("!WART"), QByteArray("WART"));
        QCOMPARE(ExceptionEntryText("WART"), QByteArray("WART"));
    }

    void entriesWithinTheFileLimits_data() {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QString>("refusal");
        const QString tooLong("A description holds at most 70 characters, the \"!\" of a "
                              "note-only one included.");
        QTest::newRow("70") << QByteArray(70, 'x') << QString();
        QTest::newRow("71") << QByteArray(71, 'x') << tooLong;
        QTest::newRow("note-only 70") << "!" + QByteArray(69, 'x') << QString();
        QTest::newRow("note-only 71") << "!" + QByteArray(70, 'x') << tooLong;
        QTest::newRow("empty") << QByteArray() << QString("Type a description first.");
        QTest::newRow("mark alone") << QByteArray("!") << QString("Type a description first.");
        QTest::newRow("blank first")
            << QByteArray(" WART") << QString("A description cannot start with a blank.");
        QTest::newRow("tab inside")
            << QByteArray("WA\tRT") << QString("A description cannot hold tabs or line breaks.");
        QTest::newRow("8-bit") << QByteArray("St\xF6rung") << QString();
    }

    void entriesWithinTheFileLimits() {
        QFETCH(QByteArray, entry);
        QFETCH(QString, refusal);
        QCOMPARE(ExceptionEntryRefusal(entry), refusal);
    }

    void thirtyEntriesAtMost() {
        QCOMPARE(ExceptionListFullRefusal(29), QString());
        QCOMPARE(ExceptionListFullRefusal(30), QString("The list holds at most 30 descriptions."));
    }
};

QTEST_GUILESS_MAIN(TestExceptionList)
#include "tst_exceptionlist.moc"
