#include "dialogs/Ulocation.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "dialogs/Usettingsform.h"
#include "files/Fmonthfile.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

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
