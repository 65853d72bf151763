#include "dialogs/Ualarmlimits.h"

#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Falarmlimits.h"
#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "dialogs/Usettingsform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

QLineEdit* ValueEdit(QWidget* parent, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setPlaceholderText(QCoreApplication::translate("Ualarmlimits", "none"));
    return e;
}

QString Value(const std::optional<int64_t>& v) {
    return v ? QString::fromLatin1(FormatAlarmValue(*v)) : QString();
}

} // namespace

TfmAlarmLimits::TfmAlarmLimits(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmAlarmLimits");
    setWindowTitle(tr("Alarm limits"));
    cmbChannel = new QComboBox(this);
    cmbChannel->setObjectName("cmbChannel");
    ChannelDefs defs;
    ReloadChannelDefs(TIniFile(env.IniPath()), defs);
    for (int ch = 1; ch <= ChannelCount; ++ch)
        cmbChannel->addItem(tr("Channel %1 %2").arg(ch).arg(FromAnsi(defs[ch - 1].name)));
    edtHigh = ValueEdit(this, "edtHigh");
    edtLow = ValueEdit(this, "edtLow");
    edtHighHigh = ValueEdit(this, "edtHighHigh");
    edtLowLow = ValueEdit(this, "edtLowLow");
    edtHysteresis = ValueEdit(this, "edtHysteresis");
    spnDelay = new QSpinBox(this);
    spnDelay->setObjectName("spnDelay");
    spnDelay->setRange(0, MaxAlarmDelay);
    chkLatched = new QCheckBox(tr("&Latched: stays until acknowledged"), this);
    chkLatched->setObjectName("chkLatched");
    lblRules = new QLabel(tr("Values in the channel's units, at most six decimals, empty for no "
                             "limit. High-high above high, low-low below low, low below high. "
                             "Delay: minutes with data beyond a limit before it raises (0 to "
                             "1440)."),
                          this);
    lblRules->setObjectName("lblRules");
    lblRules->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Channel:"), cmbChannel);
    form->addRow(tr("&High:"), edtHigh);
    form->addRow(tr("Hi&gh-high:"), edtHighHigh);
    form->addRow(tr("L&ow:"), edtLow);
    form->addRow(tr("Lo&w-low:"), edtLowLow);
    form->addRow(tr("H&ysteresis:"), edtHysteresis);
    form->addRow(tr("&Delay (minutes):"), spnDelay);
    form->addRow(QString(), chkLatched);
    form->addRow(QString(), lblRules);
    AddButtons(this, form, btnOk, btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &TfmAlarmLimits::btnOkClick);
    connect(cmbChannel, &QComboBox::currentIndexChanged, this,
            [this](int index) { ShowChannel(index + 1); });
    ShowChannel(1);
}

void TfmAlarmLimits::ShowChannel(int channel) {
    AlarmLimits l;
    QString refusal;
    ParseAlarmLimits(TIniFile(FEnv.IniPath()).ReadString(AlarmSection, AlarmKey(channel), ""), l,
                     refusal);
    edtHigh->setText(Value(l.high));
    edtLow->setText(Value(l.low));
    edtHighHigh->setText(Value(l.highhigh));
    edtLowLow->setText(Value(l.lowlow));
    edtHysteresis->setText(l.hysteresis ? QString::fromLatin1(FormatAlarmValue(l.hysteresis))
                                        : QString());
    spnDelay->setValue(l.delay);
    chkLatched->setChecked(l.latched);
}

QByteArray TfmAlarmLimits::LimitsText() const {
    const auto field = [](const char* name, const QLineEdit* e) {
        return QByteArray(name) + '=' + e->text().trimmed().toLatin1();
    };
    return field("high", edtHigh) + ',' + field("low", edtLow) + ',' +
           field("highhigh", edtHighHigh) + ',' + field("lowlow", edtLowLow) + ',' +
           field("hysteresis", edtHysteresis) + ",delay=" + QByteArray::number(spnDelay->value()) +
           ",latched=" + (chkLatched->isChecked() ? "1" : "0");
}

void TfmAlarmLimits::btnOkClick() {
    AlarmLimits l;
    QString refusal;
    if (!ParseAlarmLimits(LimitsText(), l, refusal)) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Error, refusal);
        return;
    }
    TIniFile ini(FEnv.IniPath());
    if (!WriteAlarmLimits(ini, cmbChannel->currentIndex() + 1, l)) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Error, CannotWriteText(ini.Path()));
        return;
    }
    accept();
}
