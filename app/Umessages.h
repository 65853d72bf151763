#pragma once

#include "config/Cmessages.h"

class QWidget;

// Messages of the windowed program: modal message boxes with an OK button
// (Yes and No for confirmations), captioned with the application title.
class TBoxMessages : public TMessages {
public:
    bool Show(Kind kind, const QString& text) override;
    void Beep() override;
};
