#include "Fmonthtestsupport.h"

#include "files/Fbackup.h"

#include <QDir>
#include <QTest>

// Backing month files up and importing them.
class TestBackup : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void backupIntoDirectory();
    void backupOntoExistingFile();
    void freeSpace_data();
    void freeSpace();
    void systemFreeSpace();
    void failedBackupLeavesNothing_data();
    void failedBackupLeavesNothing();
    void backupOntoDirectoryInTheWay();

    void importAnsweredNo();
    void importAnsweredYes();
    void importRefusedBeforeTheQuestion_data();
    void importRefusedBeforeTheQuestion();
    void importOfAFilePresent();
    void importOverDamagedFile();
    void failedImportKeepsTheOldFile();
    void importTakesTheCanonicalName();

private:
    // Another directory: the backup medium or where imports come from.
    QString Other(const QString& name = QString()) const {
        return name.isEmpty() ? other->path() : other->filePath(name);
    }
    QStringList Entries(const QString& dir) const {
        return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    TRecordingMessages& Messages() { return m->fx.messages; }
    static qint64 Plenty(const QString&) { return qint64(1) << 40; }

    std::unique_ptr<TMonthFixture> m;
    std::unique_ptr<QTemporaryDir> other;
    QByteArray original;
};

void TestBackup::init() {
    m = std::make_unique<TMonthFixture>();
    QVERIFY(m->Make());
    QVERIFY(m->PutValue(At(2, 3, 4), 1234));
    original = m->Bytes();
    QCOMPARE(original.size(), 1432965); // 31 days and two overflow days
    other = std::make_unique<QTemporaryDir>();
    QVERIFY(other->isValid());
}

void TestBackup::cleanup() {
    m.reset();
    other.reset();
}

void TestBackup::backupIntoDirectory() {
    m->file->freeSpace = Plenty;
    QVERIFY(m->file->BackupTo(Other()));
    QCOMPARE(ReadBytes(Other("D2026-03.ZMF")), original);
    QCOMPARE(Entries(Other()), QStringList{"D2026-03.ZMF"});
    QCOMPARE(Messages().Texts(), QStringList{BackupDoneText()});
    QCOMPARE(Messages().shown[0].kind, TMessages::Information);
}

void TestBackup::backupOntoExistingFile() {
    QVERIFY(WriteBytes(Other("D2026-03.ZMF"), "old"));
    QVERIFY(!BackupToDirectory(m->path, Other(), Messages(), Plenty));
    QCOMPARE(Messages().Texts(), QStringList{BackupExistsText()});
    QCOMPARE(Messages().shown[0].kind, TMessages::Error);
    QCOMPARE(ReadBytes(Other("D2026-03.ZMF")), QByteArray("old"));
}

void TestBackup::freeSpace_data() {
    QTest::addColumn<qint64>("space");
    QTest::addColumn<bool>("copied");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("one byte short") << qint64(1432964) << false << QStringList{BackupNoSpaceText()};
    QTest::newRow("exactly enough") << qint64(1432965) << true << QStringList{BackupDoneText()};
    QTest::newRow("not measurable") << qint64(-1) << false << QStringList{};
}

void TestBackup::freeSpace() {
    QFETCH(qint64, space);
    QFETCH(bool, copied);
    QFETCH(QStringList, texts);
    QString asked;
    m->file->freeSpace = [&](const QString& dir) {
        asked = dir;
        return space;
    };
    QCOMPARE(m->file->BackupTo(Other()), copied);
    QCOMPARE(asked, QDir(Other()).absolutePath());
    QCOMPARE(Messages().Texts(), texts);
    QCOMPARE(QFile::exists(Other("D2026-03.ZMF")), copied);
}

void TestBackup::systemFreeSpace() {
    QVERIFY(SystemFreeSpace(Other()) > 0);
    QCOMPARE(SystemFreeSpace(Other("no/such/dir")), qint64(-1));
}

void TestBackup::failedBackupLeavesNothing_data() {
    QTest::addColumn<int>("limit");
    QTest::newRow("first chunk") << 512 * 1024;
    QTest::newRow("last chunk") << 1432965 - 10;
}

void TestBackup::failedBackupLeavesNothing() {
    QFETCH(int, limit);
    {
        TFileSizeLimit sizeLimit{rlim_t(limit)};
        QVERIFY(sizeLimit.Active());
        QVERIFY(!BackupToDirectory(m->path, Other(), Messages(), Plenty));
    }
    QCOMPARE(Messages().Texts(), QStringList{BackupFailedText()});
    QCOMPARE(Messages().shown[0].kind, TMessages::Error);
    QVERIFY(Entries(Other()).isEmpty());
    QCOMPARE(m->Bytes(), original);
}

void TestBackup::backupOntoDirectoryInTheWay() {
    QVERIFY(QDir(Other()).mkdir("D2026-03.ZMF"));
    QVERIFY(!m->file->Backup(m->path, Other("D2026-03.ZMF")));
    QCOMPARE(Messages().Texts(), QStringList{BackupFailedText()});
    QVERIFY(Entries(Other()).isEmpty());
}

void TestBackup::importAnsweredNo() {
    QVERIFY(QFile::copy(m->path, Other("D2026-03.ZMF")));
    QVERIFY(QFile::remove(m->path));
    Messages().answer = false;
    QVERIFY(!m->file->Import(Other("D2026-03.ZMF"), m->path));
    QCOMPARE(Messages().Texts(),
             QStringList{"Wollen Sie die Monatsdatei des Standorts 03/2026 importieren?"});
    QCOMPARE(Messages().shown[0].kind, TMessages::Confirmation);
    QVERIFY(!QFile::exists(m->path));
    QVERIFY(Entries(m->fx.dir.path()).filter(".ZMF", Qt::CaseInsensitive).isEmpty());
}

void TestBackup::importAnsweredYes() {
    QVERIFY(QFile::rename(m->path, Other("D2026-03.ZMF")));
    QVERIFY(ImportMonthFile(Other("D2026-03.ZMF"), m->path, Messages()));
    QCOMPARE(Messages().Texts(),
             (QStringList{"Wollen Sie die Monatsdatei des Standorts 03/2026 importieren?",
                          ImportDoneText()}));
    QCOMPARE(m->Bytes(), original);
}

void TestBackup::importRefusedBeforeTheQuestion_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("renamed") << "D2026-04.ZMF" << QByteArray() << ValidateMessage(3);
    QTest::newRow("not a data file")
        << "D2026-03.ZMF" << QByteArray("no month file") << ValidateMessage(2);
    QTest::newRow("missing") << "D2026-05.ZMF" << QByteArray("-") << ValidateMessage(1);
}

void TestBackup::importRefusedBeforeTheQuestion() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    if (bytes.isEmpty())
        QVERIFY(QFile::copy(m->path, Other(name)));
    else if (bytes != "-")
        QVERIFY(WriteBytes(Other(name), bytes));
    const QString target = m->fx.Path(name);
    QFile::remove(m->path);
    QVERIFY(!ImportMonthFile(Other(name), target, Messages()));
    QCOMPARE(Messages().Texts(), QStringList{text});
    QCOMPARE(Messages().shown[0].kind, TMessages::Error);
    QVERIFY(!QFile::exists(target));
}

void TestBackup::importOfAFilePresent() {
    QVERIFY(QFile::copy(m->path, Other("D2026-03.ZMF")));
    QVERIFY(!ImportMonthFile(Other("D2026-03.ZMF"), m->path, Messages()));
    QCOMPARE(Messages().Texts(),
             (QStringList{"Wollen Sie die Monatsdatei des Standorts 03/2026 importieren?",
                          ImportPresentText()}));
    Messages().Clear();
    // Even when the source is that very file.
    QVERIFY(!ImportMonthFile(m->path, m->path, Messages()));
    QCOMPARE(Messages().Texts().last(), ImportPresentText());
    QCOMPARE(m->Bytes(), original);
}

void TestBackup::importOverDamagedFile() {
    QVERIFY(QFile::copy(m->path, Other("D2026-03.ZMF")));
    QByteArray damaged = original;
    damaged[0] = 'X';
    QVERIFY(WriteBytes(m->path, damaged));
    QVERIFY(ImportMonthFile(Other("D2026-03.ZMF"), m->path, Messages()));
    QCOMPARE(Messages().Texts().last(), ImportDoneText());
    QCOMPARE(m->Bytes(), original);
}

void TestBackup::failedImportKeepsTheOldFile() {
    QVERIFY(QFile::copy(m->path, Other("D2026-03.ZMF")));
    const QByteArray damaged = "damaged";
    QVERIFY(WriteBytes(m->path, damaged));
    {
        TFileSizeLimit limit(256 * 1024);
        QVERIFY(limit.Active());
        QVERIFY(!ImportMonthFile(Other("D2026-03.ZMF"), m->path, Messages()));
    }
    QCOMPARE(Messages().Texts().last(), ImportFailedText());
    QCOMPARE(Messages().shown.last().kind, TMessages::Error);
    QCOMPARE(m->Bytes(), damaged);
    QCOMPARE(Entries(m->fx.dir.path()).filter(".ZMF", Qt::CaseInsensitive),
             QStringList{"D2026-03.ZMF"});
}

void TestBackup::importTakesTheCanonicalName() {
    // A lower-case name would sit next to the file acquisition uses.
    QVERIFY(QFile::copy(m->path, Other("d2026-03.zmf")));
    QVERIFY(!ImportMonthFile(Other("d2026-03.zmf"), m->fx.Path("d2026-03.zmf"), Messages()));
    QCOMPARE(Messages().Texts().last(), ImportPresentText());
    QVERIFY(QFile::remove(m->path));
    QVERIFY(ImportMonthFile(Other("d2026-03.zmf"), m->fx.Path("d2026-03.zmf"), Messages()));
    QCOMPARE(Entries(m->fx.dir.path()).filter(".zmf", Qt::CaseInsensitive),
             QStringList{"D2026-03.ZMF"});
    QCOMPARE(m->Bytes(), original);
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
