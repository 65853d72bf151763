#include "operators/Upassword.h"

#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "dialogs/Ubuttonrow.h"
#include "operators/Fpassword.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfmPassword::TfmPassword(const TEnv& env, QWidget* parent) : QDialog(parent), FEnv(env) {
    setObjectName("fmPassword");
    setWindowTitle("Password");
    cmbUser = new QComboBox(this);
    cmbUser->setObjectName("cmbUser");
    cmbUser->addItems({"Operator", "Administrator"});
    edtPassword = new QLineEdit(this);
    edtPassword->setObjectName("edtPassword");
    edtPassword->setEchoMode(QLineEdit::Password);
    edtConfirm = new QLineEdit(this);
    edtConfirm->setObjectName("edtConfirm");
    edtConfirm->setEchoMode(QLineEdit::Password);
    btnOk = NewButton(this, "&Ok", "btnOk", true);
    btnCancel = NewButton(this, "&Cancel", "btnCancel");
    auto* form = new QFormLayout;
    form->addRow("User", cmbUser);
    form->addRow("New password:", edtPassword);
    form->addRow("Confirm:", edtConfirm);
    auto* buttons = ButtonRow({btnOk, btnCancel});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(btnOk, &QPushButton::clicked, this, &TfmPassword::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfmPassword::btnOkClick() {
    const QByteArray password = ToAnsi(edtPassword->text());
    const QString refusal = PasswordRefusal(password, ToAnsi(edtConfirm->text()));
    if (!refusal.isEmpty()) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Information, refusal);
        return;
    }
    if (StorePassword(FEnv, cmbUser->currentIndex() == 1, password))
        accept();
}
