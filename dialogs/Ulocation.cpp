#include "dialogs/Ulocation.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Fsettingkeys.h"
#include "config/Ftextfield.h"
#include "dialogs/Usettingsform.h"
#include "files/Fmonthfile.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfmLocation::TfmLocation(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmLocation");
    setWindowTitle(tr("Location"));
    edtLocation = new QLineEdit(this);
    edtLocation->setObjectName("edtLocation");
    // A month file header keeps no more.
    edtLocation->setMaxLength(int(LocationSize - 1));
    const TIniFile ini(env.IniPath());
    edtLocation->setText(FromAnsi(ini.ReadString(IniSection, SettingKey::Location, QByteArray())));
    edtLocation->setPlaceholderText(tr("At most %1 characters").arg(edtLocation->maxLength()));
    lblLeft = new QLabel(this);
    lblLeft->setObjectName("lblLeft");
    const auto showLeft = [this] {
        lblLeft->setText(
            tr("%1 characters left").arg(edtLocation->maxLength() - edtLocation->text().size()));
    };
    connect(edtLocation, &QLineEdit::textChanged, this, showLeft);
    showLeft();
    auto* form = new QFormLayout;
    form->addRow(tr("Location:"), edtLocation);
    form->addRow(QString(), lblLeft);
    AddButtons(this, form, btnOk, btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &TfmLocation::btnOkClick);
}

void TfmLocation::btnOkClick() {
    const QString refusal = TextFieldRefusal(AnsiField::Location, edtLocation->text());
    if (!refusal.isEmpty()) {
        Inform(FEnv, refusal);
        return;
    }
    const QByteArray location = ToAnsi(edtLocation->text()).left(LocationSize - 1);
    if (location.isEmpty()) {
        Inform(FEnv, tr("Empty Betriebsort!"));
        return;
    }
    if (!WriteConfigKey(FEnv, SettingKey::Location, location))
        return;
    if (Config)
        Config->Reload(TSettingsGroup::Location);
    accept();
}
