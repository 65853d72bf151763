// The one-writer lock of a data directory.

#include "config/Cdatadirlock.h"

#include "Ftestfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestDataDirLock : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString LockFile() const { return dir.filePath("zeda.lock"); }
    QString Pid() const { return QString::number(QCoreApplication::applicationPid()); }
    QString Refusal(const QString& holder) const {
        return QString("Error - The data directory %1 is in use by %2!").arg(dir.path(), holder);
    }

private slots:
    // Publishing runs beside the writer on the same directory, each with
    // its own lock; two publishers still exclude each other.
    void publishersLockDoesNotTakeTheWritersLock() {
        TDataDirLock writer(dir.path(), "zeda");
        QVERIFY(writer.TryLock("zeda"));
        TDataDirLock publisher(dir.path(), "publish", TDataDirLock::On::LockFile);
        QVERIFY(publisher.TryLock("zeda"));
        TDataDirLock secondPublisher(dir.path(), "publish", TDataDirLock::On::LockFile);
        QVERIFY(!secondPublisher.TryLock("zedactl"));
        QCOMPARE(secondPublisher.HolderText(), "zeda (process " + Pid() + ")");
        TDataDirLock secondWriter(dir.path(), "zeda");
        QVERIFY(!secondWriter.TryLock("zedactl"));
    }

    void init() {
        QFile::remove(LockFile());
        QDir(LockFile()).removeRecursively();
    }

    void secondWriterIsRefusedAndToldTheHolder() {
        TDataDirLock first(dir.path(), "zeda");
        QVERIFY(first.TryLock("zeda"));
        QVERIFY(first.Locked());
        QCOMPARE(ReadBytes(LockFile()), (Pid() + " zeda\n").toUtf8());
        TDataDirLock second(dir.path(), "zeda");
        QVERIFY(!second.TryLock("zedactl"));
        QCOMPARE(second.RefusalText(), Refusal("zeda (process " + Pid() + ")"));
    }

    // The fault: the lock was the file's, so "rm zeda.lock" (or a file put
    // in its place) let a second writer in.
    void deletedLockFileDoesNotAdmitASecondWriter() {
        auto first = std::make_unique<TDataDirLock>(dir.path(), "zeda");
        QVERIFY(first->TryLock("zeda"));
        QVERIFY(QFile::remove(LockFile()));
        TDataDirLock second(dir.path(), "zeda");
        QVERIFY(!second.TryLock("zedactl"));
        QVERIFY(WriteBytes(LockFile(), "1 other\n"));
        QVERIFY(!second.TryLock("zedactl"));
        // Once the first has gone, the next one takes the lock.
        first.reset();
        QVERIFY(second.TryLock("zedactl"));
        QCOMPARE(ReadBytes(LockFile()), (Pid() + " zedactl\n").toUtf8());
    }

    // The fault: a directory of that name refused every writer, naming
    // "process ?" as the holder.
    void lockFileThatIsADirectoryIsNoObstacle() {
        QVERIFY(QDir().mkpath(LockFile()));
        TDataDirLock first(dir.path(), "zeda");
        QVERIFY(first.TryLock("zeda"));
        TDataDirLock second(dir.path(), "zeda");
        QVERIFY(!second.TryLock("zedactl"));
        QCOMPARE(second.RefusalText(), Refusal("another program (process ?)"));
    }

    // The fault: the holder's text was read from the link's target; nothing
    // is written through the link either.
    void lockFileLinkIsNeitherReadNorWrittenThrough() {
        const QString target = dir.filePath("target.txt");
        QVERIFY(WriteBytes(target, "4242 intruder\n"));
        QVERIFY(QFile::link(target, LockFile()));
        TDataDirLock first(dir.path(), "zeda");
        QVERIFY(first.TryLock("zeda"));
        QCOMPARE(ReadBytes(target), QByteArray("4242 intruder\n"));
        TDataDirLock second(dir.path(), "zeda");
        QVERIFY(!second.TryLock("zedactl"));
        QCOMPARE(second.RefusalText(), Refusal("another program (process ?)"));
        QVERIFY(QFile::remove(LockFile()));
        QFile::remove(target);
    }
};

QTEST_GUILESS_MAIN(TestDataDirLock)
#include "tst_datadirlock.moc"
