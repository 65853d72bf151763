#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTimer;
class TCommBase;
struct TEnv;

// The present raw value of every channel next to its name, read again
// every two seconds while shown.
class TfmChannelTest : public QDialog {
    Q_OBJECT
public:
    TfmChannelTest(const TEnv& env, TCommBase& comm, QWidget* parent = nullptr);

    QList<QLabel*> lblValue; // channel 1 first
    QList<QLabel*> lblName;
    QPushButton* btnClose;
    QTimer* Timer1;

public slots:
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TCommBase& FComm;
    bool FReading = false; // a reading of the unit is under way
};

extern TfmChannelTest* fmChannelTest;

// The channel test command: the dialog, modal, destroyed afterwards.
void RunChannelTest(const TEnv& env, TCommBase& comm, QWidget* parent = nullptr);
