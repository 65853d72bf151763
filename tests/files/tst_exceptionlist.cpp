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

    void readsWhatTheMenuShowsAndWritesOnlyWhatChanged() {
        std::vector<QByteArray> list{"stale"};
        QVERIFY(ReadExceptionList(Path(), list)); // missing: empty
        QVERIFY(list.empty());
        QVERIFY(Write("WART Wartung\r\n skipped\r\n!NOTE Hinweis\r\n"));
        QVERIFY(ReadExceptionList(Path(), list));
        QCOMPARE(list, (std::vector<QByteArray>{"WART Wartung", "!NOTE Hinweis"}));
        QVERIFY(WriteExceptionList(Path(), list));
        QCOMPARE(Read(), QByteArray("WART Wartung\r\n skipped\r\n!NOTE Hinweis\r\n"));
        QVERIFY(WriteExceptionList(Path(), {}));
        QCOMPARE(Read(), QByteArray(" skipped\r\n"));
        QVERIFY(ReadExceptionList(Path(), list));
        QVERIFY(list.empty());
        QFile::remove(Path());
        QVERIFY(WriteExceptionList(Path(), {"A", "B"})); // a new list: LF
        QCOMPARE(Read(), QByteArray("A\nB\n"));
    }

    void exceptionEditKeepsTheLinesItDoesNotShow_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArrayList>("entries");
        QTest::addColumn<QByteArray>("after");
        const QByteArray x70(70, 'x');
        QByteArray thirtyOne;
        QByteArrayList edited;
        for (int i = 1; i <= 31; ++i) {
            thirtyOne += "E" + QByteArray::number(i) + "\r\n";
            edited << (i == 2 ? "NEU" : "E" + QByteArray::number(i));
        }
        edited.removeLast(); // the menu shows 30
        QTest::newRow("line 31 stays")
            << thirtyOne << edited << QByteArray(thirtyOne).replace("E2\r\n", "NEU\r\n");
        QTest::newRow("characters after the 70th stay")
            << "A\r\n" + x70 + "yz\r\nC\r\n"
            << QByteArrayList{"C", x70, "A2"} << "C\r\n" + x70 + "yz\r\nA2\r\n";
        QTest::newRow("text after a NUL stays")
            << QByteArray("A\nB\0hidden\nC\n", 13) << QByteArrayList{"A", "B", "D"}
            << QByteArray("A\nB\nD\0hidden\nC\n", 15);
        QTest::newRow("blank and indented lines stay")
            << QByteArray("A\r\n\r\n  indented\r\nB\r\n\r\n") << QByteArrayList{"A2", "B"}
            << QByteArray("A2\r\n\r\n  indented\r\nB\r\n\r\n");
        QTest::newRow("added after a last line without ending")
            << QByteArray("A\r\nB") << QByteArrayList{"A", "B", "C"} << QByteArray("A\r\nB\r\nC");
        QTest::newRow("text after a CR moves with its entry")
            << QByteArray("A\rold\nB\n") << QByteArrayList{"B", "A"} << QByteArray("B\nA\rold\n");
    }

    // Every edit rewrote the list with only what the menu had kept.
    void exceptionEditKeepsTheLinesItDoesNotShow() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArrayList, entries);
        QFETCH(QByteArray, after);
        QVERIFY(Write(before));
        QVERIFY(
            WriteExceptionList(Path(), std::vector<QByteArray>(entries.begin(), entries.end())));
        QCOMPARE(Read(), after);
    }

    void listSaysWhenItHoldsMoreThanTheMenuShows_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("hides");
        QTest::addColumn<int>("capacity");
        QTest::newRow("plain") << QByteArray("A\r\nB\r\n\r\n") << false << 30;
        QTest::newRow("NUL") << QByteArray("A\0B", 3) << true << 30;
        QTest::newRow("31 lines") << QByteArray("A\n").repeated(31) << true << 30;
        QTest::newRow("entry on line 30") << "A\n" + QByteArray("\n").repeated(28) + "B\n"
                                          << false << 2;
    }

    void listSaysWhenItHoldsMoreThanTheMenuShows() {
        QFETCH(QByteArray, text);
        QFETCH(bool, hides);
        QFETCH(int, capacity);
        const ExceptionListShape shape = ExceptionListShapeOf(text);
        QCOMPARE(shape.hidesText, hides);
        QCOMPARE(shape.capacity, capacity);
        // One more than the capacity does not fit.
        QByteArray merged;
        QVERIFY(!MergeExceptionList(text, std::vector<QByteArray>(capacity + 1, "N"), merged));
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

    void addedEntryBeyondTheBytesTheMenuReadsIsRefused() {
        const QByteArray text = (QByteArray(200, 'x') + "\n").repeated(11); // the menu reads 2160
        std::vector<QByteArray> entries(11, QByteArray(70, 'x'));
        entries.push_back("N");
        QByteArray merged;
        QVERIFY(!MergeExceptionList(text, entries, merged));
    }

    void thirtyEntriesAtMost() {
        QCOMPARE(ExceptionListFullRefusal(29), QString());
        QCOMPARE(ExceptionListFullRefusal(30), QString("The list holds at most 30 descriptions."));
        QCOMPARE(ExceptionListFullRefusal(2, 2), QString("The list holds at most 2 descriptions."));
    }
};

QTEST_GUILESS_MAIN(TestExceptionList)
#include "tst_exceptionlist.moc"
