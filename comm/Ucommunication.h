#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TCommBase;
struct TEnv;

// The communication parameters: simulator or serial line, port, the device
// the port stands for and speed, chosen by hand or found by the port
// search, stored in the INI file on OK.
class TfmCommunication : public QDialog {
    Q_OBJECT
public:
    TfmCommunication(const TEnv& env, TCommBase& comm, QWidget* parent = nullptr);

    // The selected items: port 0 .. 3 or -1 for none, speed 0 .. 5.
    int PortItem() const;
    int SpeedItem() const;
    void SelectPort(int item);
    void SelectSpeed(int item);
    // The device for the selected port: a path or a listed device's name.
    QString Device() const;
    void SelectDevice(const QString& device);
    // 0 simulator, 1 serial line.
    int UnitItem() const;

    QGroupBox* rgUnit;
    QGroupBox* rgComm;
    QGroupBox* rgSpeed;
    QComboBox* cmbDevice;
    QLabel* lblUnit;
    QLabel* lblDevice;
    QPushButton* btnOk;
    QPushButton* btnDetect;
    QPushButton* btnCancel;

public slots:
    void btnOkClick();
    void btnDetectClick();

private:
    void FillDevices();
    // The port the search found, offered to the user; true when taken.
    bool OfferFound(uint16_t port, uint32_t speed);

    const TEnv& FEnv;
    TCommBase& FComm;
    QButtonGroup* FUnits;
    QButtonGroup* FPorts;
    QButtonGroup* FSpeeds;
};

// The communication command: lets go of the port, runs the dialog, then
// reads the port settings again and opens the port, whichever button
// closed the dialog. The caller keeps the acquisition suspended meanwhile.
void RunCommunicationCommand(const TEnv& env, TCommBase& comm, QWidget* parent = nullptr);
