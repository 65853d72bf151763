#include "comm/Uacqinfo.h"

#include "comm/Ccommbase.h"
#include "comm/Cnotices.h"
#include "comm/Funitinfo.h"
#include "config/Cclock.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "config/Fforpeople.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

TfmACQInfo* fmACQInfo = nullptr;

namespace {

QLabel* Named(QLabel* label, const char* name) {
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

TfmACQInfo::TfmACQInfo(const TEnv& env, TCommBase& comm, QWidget* parent)
    : QDialog(parent), FEnv(env), FComm(comm) {
    setObjectName("fmACQInfo");
    setWindowTitle(tr("System information"));

    auto* info = new QGroupBox(tr(" System information "), this);
    info->setObjectName("GroupBox1");
    lblVersion = Named(new QLabel("#INV", info), "lblVersion");
    lblTime = Named(new QLabel("#INV", info), "lblTime");
    lblCount = Named(new QLabel("#INV", info), "lblCount");
    auto* infoGrid = new QGridLayout(info);
    infoGrid->addWidget(Named(new QLabel(tr("Firmware-Release:"), info), "Label1"), 0, 0);
    infoGrid->addWidget(lblVersion, 0, 1);
    infoGrid->addWidget(Named(new QLabel(tr("System time:"), info), "Label2"), 1, 0);
    infoGrid->addWidget(lblTime, 1, 1);
    infoGrid->addWidget(Named(new QLabel(tr("Channels"), info), "Label3"), 2, 0);
    infoGrid->addWidget(lblCount, 2, 1);

    auto* setting = new QGroupBox(tr(" Installation of time "), this);
    setting->setObjectName("GroupBox2");
    edtDate = new QDateEdit(setting);
    edtDate->setObjectName("edtDate");
    edtDate->setDisplayFormat(DatePatternForPeople());
    // The unit keeps the year in one byte counted from 1980.
    edtDate->setDateRange(QDate(1980, 1, 1), QDate(2235, 12, 31));
    edtTime = new QTimeEdit(setting);
    edtTime->setObjectName("edtTime");
    edtTime->setDisplayFormat("HH:mm:ss");
    btnSetDate = new QPushButton(tr("Set"), setting);
    btnSetDate->setObjectName("btnSetDate");
    auto* setGrid = new QGridLayout(setting);
    setGrid->addWidget(Named(new QLabel(tr("Date:"), setting), "Label4"), 0, 0);
    setGrid->addWidget(edtDate, 0, 1);
    setGrid->addWidget(Named(new QLabel(tr("Time:"), setting), "Label5"), 1, 0);
    setGrid->addWidget(edtTime, 1, 1);
    setGrid->addWidget(btnSetDate, 1, 2);

    auto* buttons = new QDialogButtonBox(this);
    Button2 = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    Button2->setObjectName("Button2");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(setting);
    layout->addWidget(buttons);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfmACQInfo::Timer1Timer);
    connect(btnSetDate, &QPushButton::clicked, this, &TfmACQInfo::btnSetDateClick);
    connect(Button2, &QPushButton::clicked, this, &QDialog::accept);
    const auto edited = [this] {
        if (!FFollowing)
            FEdited = true;
    };
    connect(edtDate, &QDateEdit::dateChanged, this, edited);
    connect(edtTime, &QTimeEdit::timeChanged, this, edited);

    lblVersion->setText(FirmwareText(comm, ReadingFor::People));
    ReadUnit();
    FollowPcClock();
}

void TfmACQInfo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Timer1->start();
}

void TfmACQInfo::hideEvent(QHideEvent* event) {
    // No reading once the dialog is gone.
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TfmACQInfo::ReadUnit() {
    lblCount->setText(RecordCountText(FComm));
    lblTime->setText(UnitClockText(FComm, ReadingFor::People));
}

void TfmACQInfo::FollowPcClock() {
    if (FEdited)
        return;
    const LocalTime t = FEnv.clock->Local();
    FFollowing = true;
    edtDate->setDate(QDate(t.year, t.month, t.day));
    edtTime->setTime(QTime(t.hour, t.minute, t.second));
    FFollowing = false;
}

void TfmACQInfo::Timer1Timer() {
    // A slow or silent serial unit can take longer than a second to answer;
    // a tick that comes meanwhile is skipped instead of piling up.
    if (FReading)
        return;
    FReading = true;
    ReadUnit();
    FReading = false;
    FollowPcClock();
}

void TfmACQInfo::btnSetDateClick() {
    // Untouched pickers stand for the PC clock at this moment, not at the
    // last tick.
    FollowPcClock();
    const QDate d = edtDate->date();
    const QTime t = edtTime->time();
    const LocalTime chosen{d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second()};
    switch (SetUnitClock(FComm, chosen)) {
    case ClockSetting::Set:
        FEdited = false;
        break;
    case ClockSetting::NoConnection:
        FEnv.messages->Show(TMessages::Error,
                            tr("Es besteht keine Verbindung zum Akquisitionssystem!"));
        break;
    case ClockSetting::TooFar:
    case ClockSetting::OutOfRange:
        if (FEnv.notices)
            FEnv.notices->TimeDiff();
        break;
    }
}

void RunACQInfo(const TEnv& env, TCommBase& comm, QWidget* parent) {
    TfmACQInfo dialog(env, comm, parent);
    fmACQInfo = &dialog;
    dialog.exec();
    fmACQInfo = nullptr;
}
