#pragma once

#include "config/Cmessages.h"

// Messages of zedactl: printed to stderr. A confirmation is asked on the
// terminal unless the answer was given on the command line.
class TStderrMessages : public TMessages {
public:
    bool Show(Kind kind, const QString& text) override;
    void Beep() override {}

    bool assumeYes = false;
    int errors = 0; // error messages shown
};
