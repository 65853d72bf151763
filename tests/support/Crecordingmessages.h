#pragma once

#include "config/Cmessages.h"

#include <QList>
#include <QString>

// Records every message instead of showing it; confirmations get the
// prepared answer.
class TRecordingMessages : public TMessages {
public:
    struct Entry {
        Kind kind;
        QString text;
    };

    bool Show(Kind kind, const QString& text) override;
    void Beep() override { ++beeps; }

    QList<Entry> shown;
    int beeps = 0;
    bool answer = true; // answer to confirmations

    QStringList Texts() const;
    void Clear() {
        shown.clear();
        beeps = 0;
    }
};
