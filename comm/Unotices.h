#pragma once

#include "comm/Cnotices.h"

#include <QDialog>

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

// Shows the notices as modal windows over parent.
class TWindowNotices : public TNotices {
public:
    explicit TWindowNotices(QWidget* parent = nullptr) : FParent(parent) {}

    void TimeDiff() override;
    void Disconnect() override;

private:
    QWidget* FParent;
};
