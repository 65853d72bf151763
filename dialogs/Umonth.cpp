#include "dialogs/Umonth.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fsettingkeys.h"
#include "dialogs/Usettingsform.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

TfmMonth::TfmMonth(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmMonth");
    setWindowTitle(tr("Month"));
    edtMonth = new QSpinBox(this);
    edtMonth->setObjectName("edtMonth");
    // A value outside cannot be typed: nothing is changed unseen.
    edtMonth->setRange(0, 12);
    edtMonth->setSuffix(tr(" months"));
    edtMonth->setToolTip(tr("Whole number, 0 … 12"));
    const int stored =
        TIniFile(env.IniPath()).ReadInteger(IniSection, SettingKey::RetentionMonths, 0);
    edtMonth->setValue(std::clamp(stored, 0, 12));
    auto* explanation =
        new QLabel(tr("How many months the month files are kept (1 to 12); 0, the setting of a "
                      "new installation, keeps them all."),
                   this);
    explanation->setObjectName("lblExplanation");
    explanation->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Month"), edtMonth);
    form->addRow(explanation);
    AddButtons(this, form, btnOk, btnCancel);
    connect(btnOk, &QPushButton::clicked, this, &TfmMonth::btnOkClick);
}

void TfmMonth::btnOkClick() {
    // 0 is a choice of its own: keep every month file.
    const int months = edtMonth->value();
    if (!WriteConfigKey(FEnv, SettingKey::RetentionMonths, months))
        return;
    if (Config)
        Config->Reload(TSettingsGroup::RetentionMonths);
    accept();
}
