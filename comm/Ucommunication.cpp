#include "comm/Ucommunication.h"

#include "comm/Ccommbase.h"
#include "comm/Fcommlink.h"
#include "comm/Fserialports.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Fsettingkeys.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr const char* SpeedCaptions[] = {
    QT_TRANSLATE_NOOP("Ucommunication", "  600 Baud"), QT_TRANSLATE_NOOP("Ucommunication", " 1200 Baud"),
    QT_TRANSLATE_NOOP("Ucommunication", " 2400 Baud"), QT_TRANSLATE_NOOP("Ucommunication", " 4800 Baud"),
    QT_TRANSLATE_NOOP("Ucommunication", " 9600 Baud"), QT_TRANSLATE_NOOP("Ucommunication", "19200 Baud")};

// The port search shown as a progress dialog with Cancel; the window keeps
// serving its events through the waits.
class TDetectProgress : public TDetectObserver {
public:
    explicit TDetectProgress(QWidget* parent)
        : FDialog(QCoreApplication::translate("Ucommunication", "Auto Detect"),
                  QCoreApplication::translate("Ucommunication", "&Cancel"), 0,
                  int(4 * DetectSpeeds.size()), parent) {
        FDialog.setObjectName("pdDetect");
        FDialog.setWindowTitle(QCoreApplication::translate("Ucommunication", "Auto Detect"));
        FDialog.setWindowModality(Qt::WindowModal);
        FDialog.setAutoClose(false);
        FDialog.setAutoReset(false);
        FDialog.setMinimumDuration(0);
        FDialog.show();
    }

    bool Trying(const QString& portName, uint32_t speed) override {
        FDialog.setLabelText(
            QCoreApplication::translate("Ucommunication", "Trying %1 at %2 Baud ...")
                .arg(portName)
                .arg(speed));
        FDialog.setValue(++FStep);
        return !FDialog.wasCanceled();
    }

    bool Wait(uint32_t ms) override {
        if (FDialog.wasCanceled())
            return false;
        QEventLoop loop;
        QTimer::singleShot(int(ms), &loop, &QEventLoop::quit);
        QObject::connect(&FDialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
        loop.exec();
        return !FDialog.wasCanceled();
    }

    bool Cancelled() const { return FDialog.wasCanceled(); }

private:
    QProgressDialog FDialog;
    int FStep = 0;
};

QGroupBox* RadioGroup(QWidget* parent, const char* name, const QString& caption,
                      const QStringList& items, QButtonGroup*& group) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        b->setObjectName(QStringLiteral("%1Item%2").arg(QString::fromLatin1(name)).arg(i));
        group->addButton(b, i);
        layout->addWidget(b);
    }
    return box;
}

} // namespace

TfmCommunication::TfmCommunication(const TEnv& env, TCommBase& comm, QWidget* parent)
    : QDialog(parent), FEnv(env), FComm(comm) {
    setObjectName("fmCommunication");
    setWindowTitle(QCoreApplication::translate("Ucommunication", "Communications parameter"));
    QStringList speeds;
    for (const char* s : SpeedCaptions)
        speeds << QCoreApplication::translate("Ucommunication", s);
    rgUnit = RadioGroup(this, "rgUnit", QCoreApplication::translate("Ucommunication", " Unit "),
                        {QCoreApplication::translate("Ucommunication", "Simulator"),
                         QCoreApplication::translate("Ucommunication", "Serial line")},
                        FUnits);
    rgComm =
        RadioGroup(this, "rgComm", QCoreApplication::translate("Ucommunication", " Interface "),
                   {"COM1", "COM2", "COM3", "COM4"}, FPorts);
    rgSpeed = RadioGroup(this, "rgSpeed", QCoreApplication::translate("Ucommunication", " Speed "),
                         speeds, FSpeeds);
    cmbDevice = new QComboBox(this);
    cmbDevice->setObjectName("cmbDevice");
    cmbDevice->setEditable(true);
    lblUnit = new QLabel(UnitKindText(comm), this);
    lblUnit->setObjectName("lblUnit");
    lblDevice = new QLabel(QCoreApplication::translate("Ucommunication", "Device in use: %1")
                               .arg(PortDevice(TIniFile(env.IniPath()), comm.PortNumber)),
                           this);
    lblDevice->setObjectName("lblDevice");
    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton(QCoreApplication::translate("Ucommunication", "&Ok"),
                               QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnDetect = buttons->addButton(QCoreApplication::translate("Ucommunication", "Auto Detect"),
                                   QDialogButtonBox::ActionRole);
    btnDetect->setObjectName("btnDetect");
    btnCancel = buttons->addButton(QCoreApplication::translate("Ucommunication", "&Cancel"),
                                   QDialogButtonBox::RejectRole);
    btnCancel->setObjectName("btnCancel");

    auto* groups = new QHBoxLayout;
    groups->addWidget(rgUnit);
    groups->addWidget(rgComm);
    groups->addWidget(rgSpeed);
    auto* device = new QFormLayout;
    device->addRow(QCoreApplication::translate("Ucommunication", "Device:"), cmbDevice);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(device);
    layout->addWidget(lblUnit);
    layout->addWidget(lblDevice);
    layout->addWidget(buttons);

    connect(btnOk, &QPushButton::clicked, this, &TfmCommunication::btnOkClick);
    connect(btnDetect, &QPushButton::clicked, this, &TfmCommunication::btnDetectClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(FPorts, &QButtonGroup::idClicked, this, [this] { FillDevices(); });

    if (QAbstractButton* b = FUnits->button(ReadUnitKind(env) == UnitKind::Serial ? 1 : 0))
        b->setChecked(true);
    SelectPort(PortItemFromIni(env));
    SelectSpeed(SpeedItemFromIni(env));
}

void TfmCommunication::FillDevices() {
    // The device the selected port names first, then the devices present.
    cmbDevice->clear();
    const int port = PortItem() + 1;
    if (port < 1)
        return;
    cmbDevice->addItem(PortDevice(TIniFile(FEnv.IniPath()), uint16_t(port)));
    for (const SerialDevice& d : ListSerialDevices())
        cmbDevice->addItem(SerialDeviceLine(d), d.device);
    cmbDevice->setCurrentIndex(0);
}

int TfmCommunication::PortItem() const {
    return FPorts->checkedId();
}

int TfmCommunication::SpeedItem() const {
    return FSpeeds->checkedId();
}

int TfmCommunication::UnitItem() const {
    return FUnits->checkedId();
}

void TfmCommunication::SelectPort(int item) {
    if (QAbstractButton* b = FPorts->button(item))
        b->setChecked(true);
    FillDevices();
}

void TfmCommunication::SelectSpeed(int item) {
    if (QAbstractButton* b = FSpeeds->button(item))
        b->setChecked(true);
}

QString TfmCommunication::Device() const {
    // A listed device carries its name; a typed one is its text.
    const int i = cmbDevice->currentIndex();
    if (i > 0 && cmbDevice->itemText(i) == cmbDevice->currentText())
        return cmbDevice->itemData(i).toString();
    return cmbDevice->currentText().trimmed();
}

void TfmCommunication::SelectDevice(const QString& device) {
    const int i = cmbDevice->findData(device);
    if (i > 0)
        cmbDevice->setCurrentIndex(i);
    else
        cmbDevice->setEditText(device);
}

void TfmCommunication::btnOkClick() {
    const bool serial = UnitItem() == 1;
    const bool changed = serial != (ReadUnitKind(FEnv) == UnitKind::Serial);
    const bool written = WriteCommSettings(FEnv, PortItem(), SpeedItem()) &&
                         (PortItem() < 0 || WritePortDevice(FEnv, PortItem() + 1, Device())) &&
                         WriteConfigKey(FEnv, SettingKey::UnitKind, serial ? "serial" : "sim");
    if (written && changed)
        FEnv.messages->Show(TMessages::Information,
                            QCoreApplication::translate(
                                "Ucommunication", "The unit link changes when ZEDA starts again."));
    accept();
}

bool TfmCommunication::OfferFound(uint16_t port, uint32_t speed) {
    const QString device = PortDevice(TIniFile(FEnv.IniPath()), port);
    const QString text =
        QCoreApplication::translate("Ucommunication", "Auto detect OK!") + '\n' +
        QCoreApplication::translate("Ucommunication",
                                    "The unit answers on COM%1 (%2) at %3 Baud. Use these?")
            .arg(port)
            .arg(device)
            .arg(speed);
    if (!FEnv.messages->Show(TMessages::Confirmation, text))
        return false;
    SelectPort(port - 1);
    for (int i = 0; i < int(DialogSpeeds.size()); ++i) {
        if (DialogSpeeds[i] == speed)
            SelectSpeed(i);
    }
    if (QAbstractButton* b = FUnits->button(1))
        b->setChecked(true);
    return true;
}

void TfmCommunication::btnDetectClick() {
    uint16_t port = 0;
    uint32_t speed = 0;
    bool found = false;
    bool cancelled = false;
    {
        TDetectProgress progress(this);
        found = FComm.AutoDetect(port, speed, &progress);
        cancelled = progress.Cancelled();
    }
    if (cancelled)
        return;
    if (!found) {
        FEnv.messages->Show(TMessages::Warning,
                            AutoDetectFailedText());
        return;
    }
    OfferFound(port, speed);
}

void RunCommunicationCommand(const TEnv& env, TCommBase& comm, QWidget* parent) {
    comm.ClosePort();
    {
        TfmCommunication dialog(env, comm, parent);
        dialog.exec();
    }
    comm.ReadPortSettings();
    comm.OpenPort();
}
