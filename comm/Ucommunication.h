#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class TCommBase;
struct TEnv;

// The communication parameters: port and speed of the link, chosen by hand
// or found by the port search, stored in the INI file on OK.
class TfmCommunication : public QDialog {
    Q_OBJECT
public:
    TfmCommunication(const TEnv& env, TCommBase& comm, QWidget* parent = nullptr);

    // The selected items: port 0 .. 3 or -1 for none, speed 0 .. 5.
    int PortItem() const;
    int SpeedItem() const;
    void SelectPort(int item);
    void SelectSpeed(int item);

    QGroupBox* rgComm;
    QGroupBox* rgSpeed;
    QLabel* lblUnit;
    QPushButton* btnOk;
    QPushButton* btnDetect;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();
    void btnDetectClick();

private:
    const TEnv& FEnv;
    TCommBase& FComm;
    QButtonGroup* FPorts;
    QButtonGroup* FSpeeds;
};

// The communication command: lets go of the port, runs the dialog, then
// reads the port settings again and opens the port, whichever button
// closed the dialog. The caller keeps the acquisition suspended meanwhile.
void RunCommunicationCommand(const TEnv& env, TCommBase& comm, QWidget* parent = nullptr);
