// Month files from disk: validation, opening (with the conversion of the
// earlier layouts), loading the day blocks, and the readers over header,
// tables and slots. The input is the file; it is also read as a raw exception
// table and day block.

#include "Ffuzzsupport.h"

#include "config/Cenv.h"
#include "config/Cfileaccess.h"
#include "config/Fcalendar.h"
#include "config/Fchannel.h"
#include "config/Cmessages.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdata.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <QFileInfo>

namespace {

// The name every input is written under: March 2026.
constexpr uint8_t FileYear = 46;
constexpr uint8_t FileMonth = 3;

const TEnv& Env() {
    static TSilentMessages messages;
    static const TEnv env = [] {
        TEnv e;
        e.dataDir = FuzzDir();
        // Opening a file reads the summer-time rule of its year.
        WriteFuzzFile("zeda.ini", "[ZEDA]\nSZ_2026=29.03/02,25.10/03\n");
        e.messages = &messages;
        e.lockWaitMs = 0; // nobody else holds the file
        return e;
    }();
    return env;
}

// An exception table read entry by entry and written back is the same bytes.
void ReadRawExceptions(const QByteArray& bytes) {
    const int count = int(qMin<qint64>(bytes.size() / ExceptionEntrySize, MaxExceptions));
    QByteArray table(count * ExceptionEntrySize, '\0');
    for (int i = 0; i < count; ++i)
        WriteExceptionPeriod(table, i, ReadExceptionPeriod(bytes, i));
    Check(table == bytes.left(table.size()), "exception entries round-trip");
}

// A stored slot rebuilt from its readers is the same bytes; putting it into a
// day block keeps the block's size.
void ReadRawSlots(const QByteArray& bytes) {
    const int count = int(qMin<qint64>(bytes.size() / SlotSize, SlotsPerDay));
    QByteArray block = EmptyDayBlock();
    for (int minute = 0; minute < count; ++minute) {
        if (SlotState(bytes, minute) != SlotStored)
            continue;
        std::array<uint16_t, 14> values{};
        for (int ch = 0; ch < 14; ++ch)
            values[ch] = SlotValue(bytes, minute, ch);
        const QByteArray slot = BuildSlot(SlotOperator(bytes, minute), values);
        Check(slot == bytes.mid(minute * SlotSize, SlotSize), "slot round-trip");
        PutSlot(block, minute, slot);
    }
    Check(block.size() == DayBlockSize, "day block size after PutSlot");
}

// The tables of a file that passes the header check, read as they lie.
void ReadTablesOfFile(const QString& path) {
    TFileAccess f(path, TFileAccess::ReadShared, 0);
    QByteArray h(HeaderSize, '\0');
    if (!f.IsOpen() || f.ReadInto(0, h, 0, HeaderSize) != HeaderSize || !HeaderFits(h))
        return;
    QByteArray operators;
    QByteArray exceptions;
    const int count = ReadTablesAsStored(f, h, operators, exceptions);
    Check(operators.size() == OperatorTableSize, "operator table size as stored");
    Check(exceptions.size() == ExceptionTableSize, "exception table size as stored");
    Check(count == (HasEarlyLayoutMarker(h) ? 0 : HeaderExceptionCount(h)),
          "exception count as stored");
}

void CheckBuffers(const MonthDocument& d, bool daysLoaded) {
    Check(d.header.size() == HeaderSize, "header size");
    Check(d.exceptions.size() == ExceptionTableSize, "exception table size");
    Check(d.operators.size() == OperatorTableSize, "operator table size");
    const int days = HeaderDaysStored(d.header);
    Check(days <= MaxDayBlocks, "day blocks");
    for (int b = 0; b < MaxDayBlocks; ++b) {
        const qint64 expected = daysLoaded && b < days ? DayBlockSize : 0;
        Check(d.dayBlocks[b].size() == expected, "day block size");
    }
}

// What the windows read of an open document, within the counts the header
// gives.
void ReadDocument(const MonthDocument& d) {
    const QByteArray& h = d.header;
    const MonthInfo info = d.Info();
    // A damaged file's location without its NUL reads to the end of its field.
    Check(HeaderLocation(h).size() <= LocationSize, "location length");
    for (int i = 0; i < 14; ++i) {
        const ChannelDef c = HeaderChannel(h, i);
        Check(c.name.size() <= 20 && c.dimension.size() <= 8, "channel text lengths");
        ValueText(c, ScaledValue(c, 0xFFFF), true);
    }
    const int operators = HeaderOperatorCount(h);
    for (int i = 0; i < operators; ++i)
        Check(OperatorName(d.operators, i).size() <= OperatorNameSize, "operator name length");
    const int found = FindOperator(d.operators, operators, "Fuzz");
    Check(found >= -1 && found < operators, "operator index");
    for (int i = 0; i < HeaderExceptionCount(h); ++i) {
        const ExceptionPeriod p = ReadExceptionPeriod(d.exceptions, i);
        SlotDay(info, p.from);
        SlotMonth(info, p.to);
        SlotYear(info, p.to);
    }
    for (int b = 0; b < HeaderDaysStored(h); ++b) {
        for (const int minute : {0, 719, SlotsPerDay - 1}) {
            SlotOperator(d.dayBlocks[b], minute);
            if (SlotState(d.dayBlocks[b], minute) == SlotStored)
                SlotValue(d.dayBlocks[b], minute, 13);
        }
    }
}

// The month-data core over the file as it lies, before it is opened (and
// converted): a minute it cannot read has no data, and only a file that
// ends inside its day blocks is damaged.
void ReadMinutesOfFile(const QString& path) {
    TMonthFileReader file(path, 0);
    TMonthReader& r = file.Reader();
    Check(file.IsOpen() || r.SlotCount() == 0, "a file that does not open has no slots");
    for (uint32_t b = 0; b * SlotsPerDay < r.SlotCount(); ++b) {
        for (const uint32_t minute : {0u, 719u, uint32_t(SlotsPerDay - 1)}) {
            const uint32_t slot = b * SlotsPerDay + minute;
            const bool readable = r.Readable(slot);
            const TChannelMinute m = r.At(int(slot % ChannelCount), slot);
            Check(readable || m.Kind() == TMinuteKind::NoData, "an unreadable minute has no data");
        }
    }
    Check(r.Failure() != TDaysFailure::Damaged ||
              QFileInfo(path).size() < DayBlockOffset(HeaderDaysStored(file.Document().header)),
          "only a short file is damaged");
}

void OpenAndLoad(const QString& path) {
    uint8_t year = 0;
    uint8_t month = 0;
    const int result = TFileBase::Validate(path, year, month);
    Check(result >= TFileBase::Valid && result <= TFileBase::NameMismatch, "validate result");
    Check(result != TFileBase::Valid || (year == FileYear && month == FileMonth),
          "a valid file has the month of its name");

    // Open takes files whose name does not match; it checks the header again.
    MonthDocument document;
    TFileData file(&document, Env());
    const bool opened = file.Open(path, FileYear, FileMonth);
    Check(opened || result != TFileBase::Valid, "a valid file opens");
    CheckBuffers(document, false);
    if (!opened)
        return;
    Check(HeaderFits(document.header), "an opened header fits");
    Check(!file.ReloadExceptions(), "the opened document holds the file's exception table");
    Check(file.LoadDays(), "the days of an opened file load");
    CheckBuffers(document, true);
    ReadDocument(document);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = InputBytes(data, size);
    ReadRawExceptions(bytes);
    ReadRawSlots(bytes);
    const QString path = WriteFuzzFile(MonthFileName(FileYear, FileMonth), bytes);
    ReadTablesOfFile(path);
    ReadMinutesOfFile(path);
    OpenAndLoad(path);
    return 0;
}
