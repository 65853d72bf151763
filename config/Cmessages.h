#pragma once

#include <QCoreApplication>
#include <QString>

// Every message to the user goes through one of these. The windowed program
// shows modal message boxes, zedactl prints to stderr, tests record.
class TMessages {
public:
    enum Kind { Error, Warning, Information, Confirmation };

    virtual ~TMessages() = default;
    // Shows the text with an OK button (Yes and No for a confirmation).
    // Returns true for OK or Yes.
    virtual bool Show(Kind kind, const QString& text) = 0;
    // The default system beep.
    virtual void Beep() = 0;
};

// Swallows everything; confirmations are answered No.
class TSilentMessages : public TMessages {
public:
    bool Show(Kind kind, const QString&) override { return kind != Confirmation; }
    void Beep() override {}
};

// "Error - File <path> cannot be written!", the one message of every write
// that failed.
inline QString CannotWriteText(const QString& path) {
    return QCoreApplication::translate("Cmessages", "Error - File %1 cannot be written!").arg(path);
}
