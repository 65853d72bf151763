#pragma once

#include "config/Cclock.h"
#include "config/Cenv.h"
#include "support/Crecordingmessages.h"

#include <QObject>
#include <QTemporaryDir>

// What the tests of the main window share: a data directory of their own,
// a clock at 10 March 2026 14:00:30 that moves only when told, the
// messages written down, and the environment that hands them on.
class TMainWindowTest : public QObject {
protected:
    QTemporaryDir dir;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 0, 30}), 1000};
    TRecordingMessages messages;
    TEnv env;

    // Points the environment at them, without notices, and forgets the
    // messages so far.
    void ResetEnv() {
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        env.notices = nullptr;
        messages.Clear();
    }
};
