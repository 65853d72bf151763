#pragma once

#include <QString>

class QAction;

// What the enabling rules of the main window's commands look at.
struct TCommandState {
    int accessLevel = 1;         // 1 operator, 2 administrator
    bool operatorOnDuty = false; // an operator has logged in
    // Beside a service that holds the data directory: what would write
    // where it writes is off, with this reason.
    bool viewer = false;
    QString viewerReason;
};

// A group of the main window's commands: it owns their actions and
// handlers, and sets its actions enabled from the window's state.
class TCommandModule {
public:
    virtual ~TCommandModule() = default;
    virtual void UpdateEnabled(const TCommandState& state) = 0;
};

// A command that writes where an acquisition service writes: off beside
// one, with the reason as its hint.
void EnableUnlessViewer(QAction* a, const TCommandState& state);
