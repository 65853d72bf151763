#pragma once

#include <QStringList>

class TMessages;

// The two notices of the acquisition: a record too far from the PC clock
// was thrown away (the call returns when the user has closed the notice),
// and the unit has stopped answering (this one may stay on the screen while
// acquisition goes on trying, until the unit answers again).
class TNotices {
public:
    virtual ~TNotices() = default;
    virtual void TimeDiff() = 0;
    virtual void Disconnect() = 0;
    // The unit answers again: a no-connection notice still shown goes away.
    virtual void Reconnected() {}
};

// The lines of the two notices, shared by every way of showing them.
QStringList TimeDiffLines();
QStringList DisconnectLines();

// Shows the notices as information messages, one line each, for programs
// without windows.
class TMessageNotices : public TNotices {
public:
    explicit TMessageNotices(TMessages& messages) : FMessages(messages) {}

    void TimeDiff() override;
    void Disconnect() override;

private:
    TMessages& FMessages;
};
