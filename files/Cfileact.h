#pragma once

#include "files/Cfilebase.h"

#include <QByteArray>

#include <cstdint>

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

    // True when the slot, the operator table (if touched) and the header were
    // all written completely. On failure the document keeps what the file
    // holds; when the record needed another month's file that could not be
    // created or opened, the document is left without a file, so the next
    // record tries the switch again.
    bool WriteRecord(const SampleRecord& record);
    // True when that month's file in the data directory is a valid data file.
    bool FileValid(uint8_t year, uint8_t month) const;
    // Writes a complete new month file, days 1 and 2 taken over from the
    // previous month's file when there is a valid one. A creation that fails
    // half way removes the file again.
    bool CreateMonthFile(uint8_t year, uint8_t month);
    // Month files are kept: this changes nothing.
    bool PurgeMonth(uint8_t year, uint8_t month);
    // Re-reads the exception table when its count on disk differs from the
    // document's (another window changed it).
    bool ReloadExceptions();

    uint16_t currentSlot = 0; // slot of the record being stored
    QByteArray lastSlot;      // the 30 bytes most recently stored

private:
    bool ChooseFile(const SampleRecord& record);
    bool SwitchFile(const SampleRecord& record);
    bool StoreSlot(const SampleRecord& record);
    bool WriteNewFile(TFileAccess& f, QByteArray& header, uint8_t year, uint8_t month);
    bool TakeOver(TFileAccess& f, QByteArray& header, const QString& previousPath);

    const TConfig& FConfig;
};
