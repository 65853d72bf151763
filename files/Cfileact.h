#pragma once

#include "files/Cfilebase.h"

#include <QByteArray>

#include <cstdint>
#include <functional>

class TConfig;
class TFileAccess;
struct SampleRecord;

// The month file of the running month. It takes every accepted record,
// picks the month file and slot it belongs to (creating month files as the
// calendar moves on and taking the first two days of a month over from the
// previous month's file), keeps the file's channel definitions and operator
// table current and writes the record.
class TFileAct : public TFileBase {
public:
    TFileAct(MonthDocument* document, const TEnv& env, const TConfig& config);

    // Why the last WriteRecord failed. A transient failure (the file busy,
    // no space, a device error, a file of the month's name that is no data
    // file) can pass: the record waits in the unit. The others never pass:
    // no file can hold the record.
    enum Failure {
        NoFailure,
        Transient,
        NoSuchMinute,   // a time its month does not have
        BeyondDayBlocks // a slot beyond the day blocks of a damaged file
    };
    // What kept a transient failure's record from the disk.
    enum Reason { NoReason, FileBusy, NotAFile, NoPermission, NoSpace, DiskError, NotMovedAside };

    // True when the slot, the operator table (if touched) and the header were
    // all written completely; otherwise `failure` tells why. On failure the
    // document keeps what the file holds and the next record chooses its
    // file afresh. A running file that vanished is created again, with the
    // overflow days taken over, and the record stored there.
    bool WriteRecord(const SampleRecord& record);
    // True when that month's file in the data directory is a valid data file.
    bool FileValid(uint8_t year, uint8_t month) const;
    // Writes a complete new month file, days 1 and 2 taken over from the
    // previous month's file when there is a valid one. The file is written
    // under a temporary name and appears only when complete, and only where
    // no file of that name exists: an existing file is never replaced.
    bool CreateMonthFile(uint8_t year, uint8_t month);
    // Month files are kept: this changes nothing.
    bool PurgeMonth(uint8_t year, uint8_t month);
    // Reads the stored days of the file a record made at `now` would go to,
    // so that the window shows them before the first record arrives. Only
    // reads: the first record still chooses (and creates) its file as
    // usual. False when there is no such valid file.
    bool LoadStoredMonth(const SampleRecord& now);

    // How a store reaches the disk: each write at its offset, in order, then
    // the flush of the file's data to the disk (none when storeSync is
    // empty). Replaceable, so that a test can cut a store short where a
    // crash or a failing disk would.
    std::function<bool(TFileAccess& f, qint64 offset, const QByteArray& bytes)> storeWrite;
    std::function<bool(TFileAccess& f)> storeSync;

    // "Error - File <path> cannot be written: <reason>!" for the last
    // failure that keeps the record in the unit.
    QString WriteFailureText() const;

    uint16_t currentSlot = 0; // slot of the record being stored
    QByteArray lastSlot;      // the 30 bytes most recently stored
    Failure failure = NoFailure;
    QString failedPath; // the month file the last failure concerned
    Reason reason = NoReason;

private:
    enum StoreResult { Stored, FileGone, NotStored };

    bool ChooseFile(const SampleRecord& record);
    bool SwitchFile(const SampleRecord& record);
    // The file and slot a record belongs to: the previous month's file when
    // it holds the record's minute among its overflow days. False when the
    // previous file is busy.
    bool PlaceOf(const SampleRecord& record, uint8_t& year, uint8_t& month, uint32_t& slot,
                 bool& previous);
    // The document's file for the record's own month: an existing valid one
    // or a new one. False (transient) when the file is busy or its name is
    // taken by a file that is no data file.
    bool OwnMonthFile(uint8_t year, uint8_t month);
    // A file of the record's month that cannot hold it (a damaged header, a
    // file that is no month file of that name) keeps its bytes under the
    // name "<name>.damaged-YYYYMMDD-HHMM", so that a new month file can take
    // the record; one message names both and why. False when it could not
    // be moved (reason set).
    bool MoveAside(const QString& path, const QString& why);
    // The reason of a failed open or write of path.
    Reason ReasonOf(TFileAccess::Failure why, const QString& path) const;
    // A month file that ends before its header does holds no minute: when
    // nobody else holds it, a new month file takes its place in one step.
    bool ReplaceShortFile(uint8_t year, uint8_t month);
    // A complete new month file under a temporary name, put into place as a
    // new file or over one that holds nothing (over).
    bool WriteMonthFile(uint8_t year, uint8_t month, bool over);
    StoreResult StoreSlot(const SampleRecord& record);
    // The slot's operator byte for the operator on duty, whose name is added
    // to the table (and written) when it is new; false when that write failed.
    bool StoreOperator(TFileAccess& f, uint8_t& operatorIndex);
    bool WriteHeader(TFileAccess& f, const QByteArray& header);
    bool WriteNewFile(TFileAccess& f, QByteArray& header, uint8_t year, uint8_t month);
    bool TakeOver(TFileAccess& f, QByteArray& header, const QString& previousPath);

    const TConfig& FConfig;
    bool FOnlyShown = false; // the open file was loaded for the window only
    TFileAccess::Failure FWhy = TFileAccess::NoFailure; // of the last failed access
};

// The message of a month file moved aside: the file, why it could not take
// the records, and the name it is kept under.
QString MovedAsideText(const QString& path, const QString& aside, const QString& why);
