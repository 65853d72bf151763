#include "dialogs/Usummertime.h"

#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcalendar.h"
#include "config/Fcodec.h"
#include "dialogs/Usettingsform.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

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
