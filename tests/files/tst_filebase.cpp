#include "Ffiletestsupport.h"

#include "config/Cinifile.h"
#include "config/Fmemory.h"
#include "files/Cfileact.h"
#include "files/Cfiledata.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

#include <sys/file.h>

namespace {

const QString OpenFailed = QStringLiteral("Fehler beim Versuch eine Datei zu öffnen!");
const QString NoDataFile = QStringLiteral("Diese Datei ist keine gültige Datendatei!");

} // namespace

// Validation, opening, the earlier layouts, and loading the day blocks.
class TestFileBase : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void validFile();
    void nameCaseIsIgnored();
    void renamedFileDoesNotMatch();
    void foreignSignature();
    void missingOrLockedFile_data();
    void missingOrLockedFile();
    void shortFiles_data();
    void shortFiles();
    void invalidHeaderCounts_data();
    void invalidHeaderCounts();
    void openRechecksTheHeader();
    void openReadsTablesAndSummerState();
    void openFailureLeavesNoFile();
    void earlyLayoutWithoutExceptionTable();
    void earlyLayoutWithMovedExceptions();
    void periodEndingAtSlotZeroIsNotMoved();
    void truncatedFileReadsZeros();
    void loadDaysReadsItsOwnDirectory();
    void loadDaysNeedsAnOpenedFile();

private:
    // A March 2026 file with two records and two operators, written by the
    // running-month object.
    QByteArray MakeMarchFile();

    std::unique_ptr<TFilesFixture> fx;
};

void TestFileBase::init() {
    fx = std::make_unique<TFilesFixture>();
}
void TestFileBase::cleanup() {
    fx.reset();
}

QByteArray TestFileBase::MakeMarchFile() {
    MonthDocument doc;
    TFileAct act(&doc, fx->env, *fx->config);
    fx->config->operatorLoggedIn = true;
    fx->config->operatorName = "Meier";
    if (!act.WriteRecord(Record(2026, 3, 10, 14, 0, 100)))
        return {};
    fx->config->operatorName = "Schulze";
    if (!act.WriteRecord(Record(2026, 3, 31, 23, 59, 200)))
        return {};
    fx->config->operatorLoggedIn = false;
    return ReadBytes(fx->MonthPath(2026, 3));
}

void TestFileBase::validFile() {
    QVERIFY(!MakeMarchFile().isEmpty());
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->MonthPath(2026, 3), year, month), 0);
    QCOMPARE(year, Year(2026));
    QCOMPARE(month, 3);
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(data.ValidateWithMessage(fx->MonthPath(2026, 3), year, month));
    QVERIFY(fx->messages.shown.isEmpty());
}

void TestFileBase::nameCaseIsIgnored() {
    const QByteArray file = MakeMarchFile();
    QVERIFY(WriteBytes(fx->Path("d2026-03.zmf"), file));
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->Path("d2026-03.zmf"), year, month), 0);
    QCOMPARE(month, 3);
}

void TestFileBase::renamedFileDoesNotMatch() {
    const QByteArray file = MakeMarchFile();
    QVERIFY(WriteBytes(fx->Path("D2026-04.ZMF"), file));
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->Path("D2026-04.ZMF"), year, month), 3);
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(!data.ValidateWithMessage(fx->Path("D2026-04.ZMF"), year, month));
    QCOMPARE(fx->messages.shown.size(), 1);
    QCOMPARE(fx->messages.shown[0].kind, TMessages::Error);
    QCOMPARE(fx->messages.shown[0].text, NoDataFile);
}

void TestFileBase::foreignSignature() {
    QByteArray file = MakeMarchFile();
    file[5] = '2';
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file));
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->MonthPath(2026, 3), year, month), 2);
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(!data.ValidateWithMessage(fx->MonthPath(2026, 3), year, month));
    QCOMPARE(fx->messages.Texts(), QStringList{NoDataFile});
}

void TestFileBase::missingOrLockedFile_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("missing") << "missing";
    QTest::newRow("locked") << "locked";
    QTest::newRow("directory") << "directory";
}

void TestFileBase::missingOrLockedFile() {
    QFETCH(QString, how);
    const QString path = fx->MonthPath(2026, 3);
    std::unique_ptr<TForeignLock> lock;
    if (how == "locked") {
        QVERIFY(!MakeMarchFile().isEmpty());
        lock = std::make_unique<TForeignLock>(path, LOCK_EX);
        QVERIFY(lock->Locked());
    } else if (how == "directory") {
        QVERIFY(QDir(fx->dir.path()).mkdir(QFileInfo(path).fileName()));
    }
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(path, year, month), 1);
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(!data.ValidateWithMessage(path, year, month));
    QCOMPARE(fx->messages.shown.size(), 1);
    QCOMPARE(fx->messages.shown[0].kind, TMessages::Error);
    QCOMPARE(fx->messages.shown[0].text, OpenFailed);
    QVERIFY(!data.Open(path, Year(2026), 3));
}

void TestFileBase::shortFiles_data() {
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("signature only") << 6;
    QTest::newRow("header less one byte") << 764;
}

void TestFileBase::shortFiles() {
    QFETCH(int, length);
    const QByteArray file = MakeMarchFile();
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file.left(length)));
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->MonthPath(2026, 3), year, month), 2);
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(!data.Open(fx->MonthPath(2026, 3), Year(2026), 3));
}

void TestFileBase::invalidHeaderCounts_data() {
    QTest::addColumn<qint64>("at");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("size");
    QTest::newRow("no day block") << qint64(10) << 0 << 1;
    QTest::newRow("34 day blocks") << qint64(10) << 34 << 1;
    QTest::newRow("255 day blocks") << qint64(10) << 255 << 1;
    QTest::newRow("overflow beyond blocks") << qint64(11) << 34 << 1;
    QTest::newRow("501 exceptions") << qint64(6) << 501 << 2;
    QTest::newRow("65535 exceptions") << qint64(6) << 65535 << 2;
    QTest::newRow("101 operators") << qint64(764) << 101 << 1;
    QTest::newRow("255 operators") << qint64(764) << 255 << 1;
}

void TestFileBase::invalidHeaderCounts() {
    QFETCH(qint64, at);
    QFETCH(int, value);
    QFETCH(int, size);
    QByteArray file = MakeMarchFile();
    if (size == 1)
        PutU8(file, at, uint8_t(value));
    else
        PutU16(file, at, uint16_t(value));
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file));
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->MonthPath(2026, 3), year, month), 2);
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(!data.ValidateWithMessage(fx->MonthPath(2026, 3), year, month));
    QCOMPARE(fx->messages.Texts(), QStringList{NoDataFile});
    // Open checks again and touches nothing.
    QVERIFY(!data.Open(fx->MonthPath(2026, 3), Year(2026), 3));
    QVERIFY(!data.opened);
    QCOMPARE(ReadBytes(fx->MonthPath(2026, 3)), file);
}

void TestFileBase::openRechecksTheHeader() {
    QByteArray file = MakeMarchFile();
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->MonthPath(2026, 3), year, month), 0);
    // Changed between validation and opening.
    PutU8(file, 764, 200);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file));
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(!data.Open(fx->MonthPath(2026, 3), year, month));
    QCOMPARE(doc.operators, QByteArray(OperatorTableSize, '\0'));
}

void TestFileBase::openReadsTablesAndSummerState() {
    QByteArray file = MakeMarchFile();
    // Two exception periods, written as the exception commands do.
    QByteArray table(ExceptionTableSize, '\0');
    ExceptionPeriod p{600, 660, 0x0007, {'S', 'T', 'O', 'R'}};
    WriteExceptionPeriod(table, 0, p);
    WriteExceptionPeriod(table, 1, ExceptionPeriod{700, 700, 0x0001, {'!', 'N', 'o', 't'}});
    file.replace(ExceptionTableOffset(33), ExceptionTableSize, table);
    PutU16(file, 6, 2);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file));
    TIniFile(fx->env.IniPath()).WriteString(IniSection, "SZ_2026", "29.03/02,25.10/03");

    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(data.Open(fx->MonthPath(2026, 3), Year(2026), 3));
    QVERIFY(data.opened);
    QVERIFY(!data.daysLoaded);
    QCOMPARE(doc.fileName, QString("D2026-03.ZMF"));
    QCOMPARE(doc.directory, QFileInfo(fx->dir.path()).absoluteFilePath() + "/");
    QCOMPARE(doc.header, file.left(HeaderSize));
    QCOMPARE(doc.exceptions, table);
    QCOMPARE(OperatorName(doc.operators, 0), QByteArray("Meier"));
    QCOMPARE(OperatorName(doc.operators, 1), QByteArray("Schulze"));
    QCOMPARE(doc.operators.mid(32), QByteArray(OperatorTableSize - 32, '\0'));
    QCOMPARE(doc.summerMode, 3);
    QCOMPARE(doc.summerSwitch, 28 * 1440 + 2 * 60);
    // Opening changes nothing on disk.
    QCOMPARE(ReadBytes(fx->MonthPath(2026, 3)), file);
}

void TestFileBase::openFailureLeavesNoFile() {
    QVERIFY(!MakeMarchFile().isEmpty());
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(data.Open(fx->MonthPath(2026, 3), Year(2026), 3));
    QVERIFY(data.LoadDays());
    TForeignLock lock(fx->MonthPath(2026, 3), LOCK_SH);
    QVERIFY(lock.Locked());
    QVERIFY(!data.Open(fx->MonthPath(2026, 3), Year(2026), 3));
    QVERIFY(!data.opened);
    QVERIFY(!data.daysLoaded);
    QVERIFY(doc.FilePath().isEmpty());
    QCOMPARE(doc.header, QByteArray(HeaderSize, '\0'));
    QVERIFY(doc.dayBlocks[0].isEmpty());
    QVERIFY(!data.LoadDays());
}

void TestFileBase::earlyLayoutWithoutExceptionTable() {
    // The earliest layout: "00" instead of a count, the operator names end
    // the file.
    const QByteArray current = MakeMarchFile();
    const qint64 names = OperatorTableOffset(33);
    QByteArray early = current.left(names + 2 * OperatorNameSize);
    early.replace(6, 2, "00");
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), early));
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->MonthPath(2026, 3), year, month), 0);

    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(data.Open(fx->MonthPath(2026, 3), year, month));
    QCOMPARE(HeaderExceptionCount(doc.header), 0);
    QCOMPARE(HeaderOperatorCount(doc.header), 2);
    QCOMPARE(OperatorName(doc.operators, 1), QByteArray("Schulze"));
    // Converted on disk: the file now has the current layout.
    const QByteArray converted = ReadBytes(fx->MonthPath(2026, 3));
    QCOMPARE(converted.size(), FileSize(33));
    QCOMPARE(converted, current);
    // A second opening finds nothing to convert.
    QVERIFY(data.Open(fx->MonthPath(2026, 3), year, month));
    QCOMPARE(ReadBytes(fx->MonthPath(2026, 3)), current);
}

void TestFileBase::earlyLayoutWithMovedExceptions() {
    // The second layout: entries right behind the two operator names.
    const QByteArray current = MakeMarchFile();
    QByteArray entries(3 * ExceptionEntrySize, '\0');
    WriteExceptionPeriod(entries, 0, ExceptionPeriod{10, 20, 0x0003, {'A', 'B', 'C', 'D'}});
    WriteExceptionPeriod(entries, 1, ExceptionPeriod{30, 40, 0x0004, {}});
    WriteExceptionPeriod(entries, 2, ExceptionPeriod{50, 65535, 0x3FFF, {'!', 'x', 'y', 'z'}});
    const qint64 names = OperatorTableOffset(33);
    QByteArray old = current.left(names + 2 * OperatorNameSize) + entries;
    PutU16(old, 6, 3);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), old));

    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(data.Open(fx->MonthPath(2026, 3), Year(2026), 3));
    QCOMPARE(HeaderExceptionCount(doc.header), 3);
    QCOMPARE(doc.exceptions.left(entries.size()), entries);
    QCOMPARE(doc.exceptions.mid(entries.size()),
             QByteArray(ExceptionTableSize - entries.size(), '\0'));
    const QByteArray converted = ReadBytes(fx->MonthPath(2026, 3));
    QCOMPARE(converted.size(), FileSize(33));
    QCOMPARE(converted.mid(ExceptionTableOffset(33)), doc.exceptions);
    // The operator names stay, the rest of their table is zero again.
    QCOMPARE(converted.mid(names, OperatorTableSize), current.mid(names, OperatorTableSize));
    QCOMPARE(converted.left(names), old.left(names));
}

void TestFileBase::periodEndingAtSlotZeroIsNotMoved() {
    // A current file whose only period covers slot 0: its end slot is 0, yet
    // nothing lies behind the operator names.
    QByteArray file = MakeMarchFile();
    QByteArray table(ExceptionTableSize, '\0');
    WriteExceptionPeriod(table, 0, ExceptionPeriod{0, 0, 0x0001, {'A', 'B', 'C', 'D'}});
    file.replace(ExceptionTableOffset(33), ExceptionTableSize, table);
    PutU16(file, 6, 1);
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file));
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(data.Open(fx->MonthPath(2026, 3), Year(2026), 3));
    QCOMPARE(doc.exceptions, table);
    QCOMPARE(ReadBytes(fx->MonthPath(2026, 3)), file);
}

void TestFileBase::truncatedFileReadsZeros() {
    const QByteArray file = MakeMarchFile();
    // Cut in the middle of day 10 (the first record lies there).
    const qint64 cut = SlotOffset(9 * 1440 + 840) + 17;
    QVERIFY(WriteBytes(fx->MonthPath(2026, 3), file.left(cut)));
    uint8_t year = 0, month = 0;
    QCOMPARE(TFileBase::Validate(fx->MonthPath(2026, 3), year, month), 0);
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(data.Open(fx->MonthPath(2026, 3), year, month));
    QCOMPARE(doc.operators, QByteArray(OperatorTableSize, '\0'));
    QVERIFY(data.LoadDays());
    QCOMPARE(doc.dayBlocks[8], file.mid(DayBlockOffset(8), DayBlockSize));
    QCOMPARE(doc.dayBlocks[9].left(840 * 30 + 17), file.mid(DayBlockOffset(9), 840 * 30 + 17));
    QCOMPARE(doc.dayBlocks[9].mid(840 * 30 + 17), QByteArray(DayBlockSize - 840 * 30 - 17, '\0'));
    QCOMPARE(doc.dayBlocks[32], QByteArray(DayBlockSize, '\0'));
    QVERIFY(doc.dayBlocks[9].size() == DayBlockSize);
    // Nothing was written.
    QCOMPARE(ReadBytes(fx->MonthPath(2026, 3)).size(), cut);
}

void TestFileBase::loadDaysReadsItsOwnDirectory() {
    const QByteArray file = MakeMarchFile();
    // The file opened lies in another directory; the data directory and the
    // working directory at load time each hold a different file of that name.
    QTemporaryDir other;
    QTemporaryDir third;
    QByteArray changed = file;
    PutU8(changed, SlotOffset(9 * 1440 + 840) + 2, 0x55);
    QVERIFY(WriteBytes(other.filePath("D2026-03.ZMF"), changed));
    QByteArray another = file;
    PutU8(another, SlotOffset(9 * 1440 + 840) + 2, 0x66);
    QVERIFY(WriteBytes(third.filePath("D2026-03.ZMF"), another));

    const QString previous = QDir::currentPath();
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(QDir::setCurrent(other.path()));
    const bool opened = data.Open("D2026-03.ZMF", Year(2026), 3);
    QDir::setCurrent(third.path());
    const bool loaded = data.LoadDays();
    QDir::setCurrent(previous);
    QVERIFY(opened);
    QVERIFY(loaded);
    QVERIFY(data.daysLoaded);
    QCOMPARE(doc.directory, QFileInfo(other.path()).absoluteFilePath() + "/");
    for (int b = 0; b < 33; ++b)
        QCOMPARE(doc.dayBlocks[b], changed.mid(DayBlockOffset(b), DayBlockSize));
    QCOMPARE(SlotValue(doc.dayBlocks[9], 840, 0), 0x55);
    QCOMPARE(SlotOperator(doc.dayBlocks[30], 1439), 1);

    data.FreeDays();
    QVERIFY(!data.daysLoaded);
    QVERIFY(doc.dayBlocks[9].isEmpty());
}

void TestFileBase::loadDaysNeedsAnOpenedFile() {
    QVERIFY(!MakeMarchFile().isEmpty());
    MonthDocument doc;
    TFileData data(&doc, fx->env);
    QVERIFY(!data.LoadDays());
    QVERIFY(data.Open(fx->MonthPath(2026, 3), Year(2026), 3));
    QVERIFY(QFile::remove(fx->MonthPath(2026, 3)));
    QVERIFY(!data.LoadDays());
    QVERIFY(!data.daysLoaded);
}

QTEST_GUILESS_MAIN(TestFileBase)
#include "tst_filebase.moc"
