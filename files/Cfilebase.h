#pragma once

#include "config/Cfileaccess.h"
#include "files/Ccsvwriter.h"
#include "files/Fbackup.h"

#include <QByteArray>
#include <QString>

#include <cstdint>

struct MonthDocument;
struct TEnv;

// The month-file object of a diagram window: knows where month files live
// and how they are named, tells valid data files from others, opens a file
// into the window's document and loads its day blocks.
class TFileBase {
public:
    // Results of Validate.
    enum ValidateResult { Valid = 0, CannotOpen = 1, NotDataFile = 2, NameMismatch = 3 };

    TFileBase(MonthDocument* document, const TEnv& env);
    virtual ~TFileBase() = default;

    TFileBase(const TFileBase&) = delete;
    TFileBase& operator=(const TFileBase&) = delete;

    // 0 valid data file (year and month set), 1 cannot be opened, 2 not a
    // data file (also a header that does not fit the document's buffers),
    // 3 the name does not match the month in the file (letter case ignored).
    static int Validate(const QString& path, uint8_t& year, uint8_t& month);

    // What Validate finds, with the reason when the file could not be
    // opened (a file another holder keeps locked is busy, not missing) and
    // the day blocks a valid file holds.
    struct Check {
        int result = CannotOpen;
        TFileAccess::Failure why = TFileAccess::NoFailure;
        uint8_t year = 0;
        uint8_t month = 0;
        int daysStored = 0;
        bool shorterThanHeader = false; // opened, but ends before its header does
    };
    static Check CheckFile(const QString& path, int lockWaitMs = TFileAccess::LockWaitMs);

    // Opens the file into the document: header image and both tables, the
    // earlier layouts converted on disk. On failure the document is left
    // without a file.
    bool Open(const QString& path, uint8_t year, uint8_t month);
    // Reads every day block of the opened file.
    bool LoadDays();
    // Releases the day blocks.
    void FreeDays();
    // Re-reads the exception table when the file holds another one than the
    // document (another window or program set or cleared a period); true
    // when it was re-read.
    bool ReloadExceptions();

    // The month file of a month in the data directory.
    QString MonthFilePath(uint8_t year, uint8_t month) const;

    // Sets a period for the marked range and shown channels (text: a menu
    // entry's text) or clears the matching one (text: "ClearExcept").
    bool ApplyException(const QByteArray& text);
    // The marked range of the shown channels as a CSV file.
    bool ExportCsv(const QString& path, const TCsvOptions& options = {});
    // Copies the month file source to target (free-space check, messages).
    bool Backup(const QString& source, const QString& target);
    // Backs the document's file up into a directory (refused when a file of
    // that name is already there).
    bool BackupTo(const QString& directory);
    // Copies a month file from elsewhere to target (checks, question).
    bool Import(const QString& source, const QString& target);

    // Free bytes of the file system holding a directory; replaceable.
    TFreeSpace freeSpace = SystemFreeSpace;

    MonthDocument* document; // owned by the window
    bool opened = false;
    bool daysLoaded = false;

protected:
    // Header zero, tables zero, no name, no day blocks.
    void ForgetFile();

    const TEnv& FEnv;
};

// Reads the operator and exception tables of an open month file as they lie,
// without converting a file of an earlier layout; the exception count (0 for
// the earliest layout). The header must have passed the validation.
int ReadTablesAsStored(TFileAccess& f, const QByteArray& header, QByteArray& operators,
                       QByteArray& exceptions);
