#pragma once

#include "files/Cfilebase.h"

// The month-file object of a window that shows a month file opened from disk.
class TFileData : public TFileBase {
public:
    TFileData(MonthDocument* document, const TEnv& env);

    // Validate, and for a file that is not a valid data file the matching
    // error message; true for a valid data file.
    bool ValidateWithMessage(const QString& path, uint8_t& year, uint8_t& month);
};

// The message that tells the user a Validate result other than 0.
QString ValidateMessage(int result);
