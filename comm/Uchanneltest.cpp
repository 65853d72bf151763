#include "comm/Uchanneltest.h"

#include "comm/Ccommbase.h"
#include "comm/Funitinfo.h"
#include "config/Cconfig.h"
#include "config/Fcodec.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

TfmChannelTest* fmChannelTest = nullptr;

TfmChannelTest::TfmChannelTest(const TEnv&, TCommBase& comm, QWidget* parent)
    : QDialog(parent), FComm(comm) {
    setObjectName("fmChannelTest");
    setWindowTitle(tr("Channel test"));
    auto* grid = new QGridLayout(this);
    for (int k = 0; k < ChannelCount; ++k) {
        auto* caption = new QLabel(tr("Channel %1:").arg(k + 1, 3), this);
        caption->setObjectName(QStringLiteral("lblChannel%1").arg(k + 1));
        auto* value = new QLabel("#INV", this);
        value->setObjectName(QStringLiteral("lblValue%1").arg(k + 1));
        // Every channel's name, in use or not.
        auto* name =
            new QLabel(Config ? FromAnsi(Config->channels[k].name) : tr("Description"), this);
        name->setObjectName(QStringLiteral("lblName%1").arg(k + 1));
        grid->addWidget(caption, k, 0);
        grid->addWidget(value, k, 1);
        grid->addWidget(name, k, 2);
        lblValue << value;
        lblName << name;
    }
    auto* buttons = new QDialogButtonBox(this);
    btnClose = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    btnClose->setObjectName("btnClose");
    grid->addWidget(buttons, ChannelCount, 0, 1, 3);
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(2000);
    connect(Timer1, &QTimer::timeout, this, &TfmChannelTest::Timer1Timer);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    Timer1Timer();
}

void TfmChannelTest::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Timer1->start();
}

void TfmChannelTest::hideEvent(QHideEvent* event) {
    Timer1->stop();
    QDialog::hideEvent(event);
}

void TfmChannelTest::Timer1Timer() {
    // A tick that comes while a slow unit is still answering is skipped.
    if (FReading)
        return;
    FReading = true;
    const QStringList values = CurrentValueTexts(FComm);
    FReading = false;
    // Anything but a reading leaves the values last shown.
    if (values.size() != lblValue.size())
        return;
    for (int k = 0; k < values.size(); ++k)
        lblValue[k]->setText(values[k]);
}

void RunChannelTest(const TEnv& env, TCommBase& comm, QWidget* parent) {
    TfmChannelTest dialog(env, comm, parent);
    fmChannelTest = &dialog;
    dialog.exec();
    fmChannelTest = nullptr;
}
