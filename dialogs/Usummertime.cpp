#include "dialogs/Usummertime.h"

#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcalendar.h"
#include "config/Fcodec.h"
#include "config/Fsettingkeys.h"
#include "dialogs/Usettingsform.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {

// "DD.MM/HH" of a day and hour.
QString DayHourText(const QDate& day, int hour) {
    return QStringLiteral("%1.%2/%3")
        .arg(day.day(), 2, 10, QChar('0'))
        .arg(day.month(), 2, 10, QChar('0'))
        .arg(hour, 2, 10, QChar('0'));
}

QSpinBox* HourField(QWidget* parent, const char* name) {
    auto* e = new QSpinBox(parent);
    e->setObjectName(name);
    e->setRange(0, 23);
    e->setSuffix(":00");
    return e;
}

QDateEdit* DayField(QWidget* parent, const char* name, int year) {
    auto* e = new QDateEdit(parent);
    e->setObjectName(name);
    e->setDisplayFormat("dd.MM.");
    e->setDateRange(QDate(year, 1, 1), QDate(year, 12, 31));
    e->setCalendarPopup(true);
    return e;
}

} // namespace

TfmSummerTime::TfmSummerTime(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmSummerTime");
    setWindowTitle(tr("Summer Time"));
    dtpStart = DayField(this, "dtpStart", Year());
    edtStartHour = HourField(this, "edtStartHour");
    dtpEnd = DayField(this, "dtpEnd", Year());
    edtEndHour = HourField(this, "edtEndHour");
    edtPeriod = new QLineEdit(this);
    edtPeriod->setObjectName("edtPeriod");
    edtPeriod->setToolTip(tr("DD.MM/HH,DD.MM/HH: the start and the end of summer time"));
    edtPeriod->setPlaceholderText("29.03/02,25.10/03");
    // Last Sunday of March, 2 o'clock, to last Sunday of October, 3 o'clock,
    // until the stored text says otherwise.
    dtpStart->setDate(QDate(Year(), 3, 31).addDays(-(QDate(Year(), 3, 31).dayOfWeek() % 7)));
    edtStartHour->setValue(2);
    dtpEnd->setDate(QDate(Year(), 10, 31).addDays(-(QDate(Year(), 10, 31).dayOfWeek() % 7)));
    edtEndHour->setValue(3);
    edtPeriod->setText(
        FromAnsi(TIniFile(env.IniPath()).ReadString(IniSection, Key(), QByteArray())));
    // Nothing stored yet: the proposal of the pickers, to be confirmed.
    if (edtPeriod->text().isEmpty())
        ShowText();
    ShowPickers();

    auto* start = new QHBoxLayout;
    start->addWidget(dtpStart);
    start->addWidget(edtStartHour);
    auto* end = new QHBoxLayout;
    end->addWidget(dtpEnd);
    end->addWidget(edtEndHour);
    auto* form = new QFormLayout;
    form->addRow(tr("Start (day, hour):"), start);
    form->addRow(tr("End (day, hour):"), end);
    form->addRow(tr("Hour "), edtPeriod);
    AddButtons(this, form, btnOk, btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &TfmSummerTime::btnOkClick);
    connect(dtpStart, &QDateEdit::dateChanged, this, &TfmSummerTime::ShowText);
    connect(dtpEnd, &QDateEdit::dateChanged, this, &TfmSummerTime::ShowText);
    connect(edtStartHour, &QSpinBox::valueChanged, this, &TfmSummerTime::ShowText);
    connect(edtEndHour, &QSpinBox::valueChanged, this, &TfmSummerTime::ShowText);
    connect(edtPeriod, &QLineEdit::textEdited, this, &TfmSummerTime::ShowPickers);
}

int TfmSummerTime::Year() const {
    return FEnv.clock ? FEnv.clock->Local().year : TSystemClock().Local().year;
}

QByteArray TfmSummerTime::Key() const {
    return SettingKey::SummerTime(Year());
}

void TfmSummerTime::ShowText() {
    edtPeriod->setText(DayHourText(dtpStart->date(), edtStartHour->value()) + ',' +
                       DayHourText(dtpEnd->date(), edtEndHour->value()));
}

void TfmSummerTime::ShowPickers() {
    // The pickers follow a typed text as soon as it is a rule this dialog
    // would store.
    const QByteArray text = ToAnsi(edtPeriod->text());
    SummerRule rule;
    if (!IsSummerPeriodEntry(text, uint8_t(Year() - 1980)) || !ParseSummerRule(text, rule))
        return;
    const QSignalBlocker b1(dtpStart), b2(dtpEnd), b3(edtStartHour), b4(edtEndHour);
    dtpStart->setDate(QDate(Year(), rule.startMonth, rule.startDay));
    edtStartHour->setValue(rule.startHour);
    dtpEnd->setDate(QDate(Year(), rule.endMonth, rule.endDay));
    edtEndHour->setValue(rule.endHour);
}

void TfmSummerTime::btnOkClick() {
    const QByteArray period = ToAnsi(edtPeriod->text());
    if (!IsSummerPeriodEntry(period, uint8_t(Year() - 1980))) {
        Inform(FEnv, tr("Period not valid!"));
        return;
    }
    if (!WriteConfigKey(FEnv, Key(), period))
        return;
    if (Config)
        Config->Reload(TSettingsGroup::SummerTime);
    accept();
}
