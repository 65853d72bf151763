#include "dialogs/Umonth.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "dialogs/Unumberedit.h"
#include "dialogs/Usettingsform.h"

#include <QFormLayout>
#include <QPushButton>

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
