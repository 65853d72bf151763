#include "operators/Upassword.h"

#include "config/Cconfig.h"
#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "config/Uokcancel.h"
#include "operators/Fpassword.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmPassword::TfmPassword(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmPassword");
    setWindowTitle(tr("Password"));
    cmbUser = new QComboBox(this);
    cmbUser->setObjectName("cmbUser");
    cmbUser->addItems({tr("Operator"), tr("Administrator")});
    edtPassword = new QLineEdit(this);
    edtPassword->setObjectName("edtPassword");
    edtPassword->setEchoMode(QLineEdit::Password);
    edtConfirm = new QLineEdit(this);
    edtConfirm->setObjectName("edtConfirm");
    edtConfirm->setEchoMode(QLineEdit::Password);
    QDialogButtonBox* buttons = OkCancelButtons(this, btnOk, btnCancel);
    auto* form = new QFormLayout;
    form->addRow(tr("User"), cmbUser);
    form->addRow(tr("New password:"), edtPassword);
    form->addRow(tr("Confirm:"), edtConfirm);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    connect(btnOk, &QPushButton::clicked, this, &TfmPassword::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmPassword::btnOkClick() {
    const QByteArray password = ToAnsi(edtPassword->text());
    const QString refusal = TypedPasswordRefusal(edtPassword->text(), edtConfirm->text());
    if (!refusal.isEmpty()) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Information, refusal);
        return;
    }
    if (!StorePassword(FEnv, cmbUser->currentIndex() == 1, password))
        return;
    if (Config)
        Config->Reload(TSettingsGroup::Operators);
    accept();
}
