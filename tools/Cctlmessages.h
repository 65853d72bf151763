#pragma once

#include "config/Cmessages.h"

// Set to 1 (or by zedactl's --verbose) to have the information of a
// successful command printed too.
inline constexpr char VerboseVariable[] = "ZEDACTL_VERBOSE";

// Messages of zedactl: printed to stderr. A confirmation is asked on the
// terminal unless the answer was given on the command line. Information
// (e.g. "exported") is printed only when asked for, so that a script's
// stderr holds warnings and errors alone.
class TStderrMessages : public TMessages {
public:
    // With informationAlways, information is printed without --verbose (the
    // unit's notices, which are news rather than an echo of success).
    explicit TStderrMessages(bool informationAlways = false);
    bool Show(Kind kind, const QString& text) override;
    void Beep() override {}

    bool assumeYes = false;
    // The month file a command reads: a message that a file cannot be opened
    // or holds no data is followed by "  File: <path>".
    QString reading;
    int errors = 0; // error messages shown

private:
    bool FShowInformation;
};
