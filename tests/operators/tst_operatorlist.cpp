#include "operators/Coperator.h"
#include "support/Cfilesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The operator list "operator.dat": 16-byte records, the short last one,
// names cut to 15 characters, and a write that cannot lose the old list.
class TestOperatorList : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString Path() const { return dir.filePath("operator.dat"); }
    bool Write(const QByteArray& bytes) {
        QFile f(Path());
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    }
    QByteArray Read() {
        QFile f(Path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init() { QFile::remove(Path()); }

    void recordsAsTheyLie() {
        QVERIFY(ReadOperatorList(Path()).empty());
        // Two names, the second made of the single last byte; bytes after a
        // zero are kept as read.
        QVERIFY(Write(QByteArray("Anna\0junk\0\0\0\0\0\0\0", 16) + "B"));
        const TOperatorList list = ReadOperatorList(Path());
        QCOMPARE(list.size(), size_t(2));
        QCOMPARE(list[0].Name(), QByteArray("Anna"));
        QCOMPARE(list[1].Name(), QByteArray("B"));
        QVERIFY(WriteOperatorList(Path(), list));
        QCOMPARE(Read(), QByteArray("Anna\0junk\0\0\0\0\0\0\0", 16) + QByteArray("B\0", 2) +
                             QByteArray(14, '\0'));
    }

    void namesNeverRunPastTheirRecord() {
        const TOperator added = TOperator::FromName("ABCDEFGHIJKLMNOPQ");
        QCOMPARE(added.Name(), QByteArray("ABCDEFGHIJKLMNO"));
        QCOMPARE(added.Record(), QByteArray("ABCDEFGHIJKLMNO\0", 16));
        // A record written elsewhere without a zero byte: 15 characters shown,
        // the 16 bytes written back as read.
        const TOperator foreign = TOperator::FromRecord("0123456789abcdef");
        QCOMPARE(foreign.Name(), QByteArray("0123456789abcde"));
        QVERIFY(WriteOperatorList(Path(), {foreign, added, TOperator::FromName("C")}));
        QCOMPARE(Read().size(), 48);
        QCOMPARE(Read().left(16), QByteArray("0123456789abcdef"));
    }

    // A list over 1 MiB was read as an empty one, and the next Add or OK
    // replaced the whole file.
    void unreadableOperatorListIsNeverWrittenBack() {
        TOperatorList list{TOperator::FromName("stale")};
        QVERIFY(ReadOperatorList(Path(), list)); // missing: an empty list
        QCOMPARE(list.size(), size_t(0));
        QVERIFY(Write(QByteArray(1024 * 1024 + 16, 'A')));
        QVERIFY(!ReadOperatorList(Path(), list));
        QCOMPARE(list.size(), size_t(0));
        QVERIFY(QFile::remove(Path()));
        QVERIFY(QDir().mkpath(Path()));
        QVERIFY(!ReadOperatorList(Path(), list));
        QVERIFY(QDir(Path()).removeRecursively());
        QVERIFY(Write(QByteArray(1024 * 1024, 'A'))); // exactly at the cap: 65536 names
        QVERIFY(ReadOperatorList(Path(), list));
        QCOMPARE(list.size(), size_t(65536));
        QCOMPARE(UnreadableOperatorListText("/d/operator.dat"),
                 QString("The operator list /d/operator.dat cannot be read whole (it is "
                         "unreadable, not a regular file or larger than 1048576 bytes). It is "
                         "left as it is and cannot be changed here."));
    }

    void namesAreTrimmedAndNeverTwice() {
        const TOperatorList list{TOperator::FromName("Anna")};
        QCOMPARE(OperatorNameRefusal(list, "  Anna "),
                 QString("This name is already in the list."));
        QCOMPARE(OperatorNameRefusal(list, "   "), QString("Type a name first."));
        QCOMPARE(OperatorNameRefusal(list, "Bernd"), QString());
        QCOMPARE(TrimmedOperatorName(" Bernd\t"), QByteArray("Bernd"));
    }

    void lostOperatorListOnAFullDisk() {
        QVERIFY(WriteOperatorList(Path(), {TOperator::FromName("Anna"), TOperator::FromName("B")}));
        const QByteArray before = Read();
        {
            TFileSizeLimit limit(20);
            QVERIFY(limit.Active());
            QVERIFY(!WriteOperatorList(Path(), {TOperator::FromName("X"), TOperator::FromName("Y"),
                                                TOperator::FromName("Z")}));
        }
        QCOMPARE(Read(), before);
    }
};

QTEST_GUILESS_MAIN(TestOperatorList)
#include "tst_operatorlist.moc"
