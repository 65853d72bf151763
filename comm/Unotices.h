#pragma once

#include "comm/Cnotices.h"

#include <QDialog>
#include <QPointer>

class QPushButton;

// A notice of the acquisition: caption "ZEDA", its lines, and one button.
class TfmNotice : public QDialog {
    Q_OBJECT
public:
    TfmNotice(const QStringList& lines, QWidget* parent);

    QPushButton* btnOk;
};

// A record lay more than 30 days away from the PC clock and was dropped.
class TfmTimeDiff : public TfmNotice {
    Q_OBJECT
public:
    explicit TfmTimeDiff(QWidget* parent = nullptr);
};

// The unit does not answer.
class TfmDisconnect : public TfmNotice {
    Q_OBJECT
public:
    explicit TfmDisconnect(QWidget* parent = nullptr);
};

// Shows the time notice as a modal window over parent. The no-connection
// notice stays beside the work instead, so that acquisition goes on trying
// while it is shown; it goes away by itself when the unit answers again, and
// never shows twice at a time.
class TWindowNotices : public TNotices {
public:
    explicit TWindowNotices(QWidget* parent = nullptr) : FParent(parent) {}
    ~TWindowNotices() override;

    void TimeDiff() override;
    void Disconnect() override;
    void Reconnected() override;

private:
    QWidget* FParent;
    QPointer<TfmDisconnect> FDisconnect;
};
