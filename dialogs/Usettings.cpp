#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "dialogs/Ubuttonrow.h"
#include "dialogs/Ulocation.h"
#include "dialogs/Umonth.h"
#include "dialogs/Unumberedit.h"
#include "dialogs/Usummertime.h"
#include "files/Fmonthfile.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The OK and Cancel buttons under a form, as every settings dialog has them.
void AddButtons(QDialog* d, QFormLayout* form, QPushButton*& ok, QPushButton*& cancel) {
    ok = NewButton(d, "&Ok", "btnOk", true);
    cancel = NewButton(d, "&Cancel", "btnCancel");
    auto* buttons = ButtonRow({ok, cancel});
    auto* layout = new QVBoxLayout(d);
    layout->addLayout(form);
    layout->addLayout(buttons);
    QObject::connect(cancel, &QPushButton::clicked, d, &QDialog::reject);
}

void Inform(const TEnv& env, const QString& text) {
    if (env.messages)
        env.messages->Show(TMessages::Information, text);
}

} // namespace

// --- location ---

TfmLocation::TfmLocation(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmLocation");
    setWindowTitle("Location");
    edtLocation = new QLineEdit(this);
    edtLocation->setObjectName("edtLocation");
    // A month file header keeps no more.
    edtLocation->setMaxLength(int(LocationSize - 1));
    const TIniFile ini(env.IniPath());
    edtLocation->setText(FromAnsi(ini.ReadString(IniSection, "Betriebsort", QByteArray())));
    auto* form = new QFormLayout;
    form->addRow("Location:", edtLocation);
    AddButtons(this, form, btnOk, btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &TfmLocation::btnOkClick);
}

void TfmLocation::btnOkClick() {
    const QByteArray location = ToAnsi(edtLocation->text()).left(LocationSize - 1);
    if (location.isEmpty()) {
        Inform(FEnv, "Empty Betriebsort!");
        return;
    }
    if (!WriteConfigKey(FEnv, "Betriebsort", location))
        return;
    if (Config)
        Config->Reload(0);
    accept();
}

// --- retention period ---

TfmMonth::TfmMonth(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmMonth");
    setWindowTitle("Month");
    edtMonth = new TNumberEdit(0, 12, this);
    edtMonth->setObjectName("edtMonth");
    edtMonth->SetValue(TIniFile(env.IniPath()).ReadInteger(IniSection, "Datenerhaltzeitraum", 0));
    auto* form = new QFormLayout;
    form->addRow("Month", edtMonth);
    AddButtons(this, form, btnOk, btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &TfmMonth::btnOkClick);
}

void TfmMonth::btnOkClick() {
    const long months = edtMonth->Value();
    if (months <= 0) {
        Inform(FEnv, "Month not valid!");
        return;
    }
    if (!WriteConfigKey(FEnv, "Datenerhaltzeitraum", int(months)))
        return;
    if (Config)
        Config->Reload(1);
    accept();
}

// --- summer time ---

bool IsSummerPeriodText(const QByteArray& text) {
    return text.size() == 17 && text[2] == '.' && text[11] == '.' && text[5] == '/' &&
           text[14] == '/' && text[8] == ',';
}

TfmSummerTime::TfmSummerTime(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmSummerTime");
    setWindowTitle("Summer Time");
    edtPeriod = new QLineEdit(this);
    edtPeriod->setObjectName("edtPeriod");
    edtPeriod->setText(
        FromAnsi(TIniFile(env.IniPath()).ReadString(IniSection, Key(), QByteArray())));
    auto* form = new QFormLayout;
    form->addRow("Hour ", edtPeriod);
    AddButtons(this, form, btnOk, btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &TfmSummerTime::btnOkClick);
}

QByteArray TfmSummerTime::Key() const {
    const int year = FEnv.clock ? FEnv.clock->Local().year : TSystemClock().Local().year;
    return "SZ_" + QByteArray::number(year);
}

void TfmSummerTime::btnOkClick() {
    const QByteArray period = ToAnsi(edtPeriod->text());
    if (!IsSummerPeriodText(period)) {
        Inform(FEnv, "Period not valid!");
        return;
    }
    if (!WriteConfigKey(FEnv, Key(), period))
        return;
    if (Config)
        Config->Reload(4);
    accept();
}
