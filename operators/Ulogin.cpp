#include "operators/Ulogin.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "operators/Fpassword.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int OperatorItem = 0;
constexpr int AdministratorItem = 1;

} // namespace

TfmLogin::TfmLogin(const TEnv& env, int mode, QWidget* parent)
    : QDialog(parent), FEnv(env), FMode(mode) {
    setObjectName("fmLogin");
    setWindowTitle("Login");

    cmbUser = new QComboBox(this);
    cmbUser->setObjectName("cmbUser");
    cmbUser->addItems({"Operator", "Administrator"});
    cmbUser->setCurrentIndex(OperatorItem);

    edtPassword = new QLineEdit(this);
    edtPassword->setObjectName("edtPassword");
    edtPassword->setEchoMode(QLineEdit::Password);
    edtPassword->setEnabled(FMode == 1);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");

    auto* form = new QFormLayout;
    form->addRow("User", cmbUser);
    form->addRow("Password:", edtPassword);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblMessage);
    layout->addLayout(buttons);

    connect(cmbUser, &QComboBox::currentIndexChanged, this, &TfmLogin::cmbUserChange);
    connect(btnOk, &QPushButton::clicked, this, &TfmLogin::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TfmLogin::Timer1Timer);
    ShowCountdown();
    Timer1->start();
}

int TfmLogin::Level() const {
    return cmbUser->currentIndex() == AdministratorItem ? 2 : 1;
}

void TfmLogin::ShowCountdown() {
    lblMessage->setText(QString("Remaining time within seconds: %1").arg(FCountdown));
}

void TfmLogin::Timer1Timer() {
    if (FCountdown < 1) {
        // Time is up: the operator level needs no password here, the
        // administrator level is never granted without one.
        if (cmbUser->currentIndex() == AdministratorItem)
            reject();
        else
            accept();
        return;
    }
    ShowCountdown();
    --FCountdown;
}

void TfmLogin::cmbUserChange() {
    edtPassword->clear();
    edtPassword->setEnabled(cmbUser->currentIndex() == AdministratorItem || FMode == 1);
}

bool TfmLogin::PasswordMatches(const QByteArray& key) const {
    const TIniFile ini(FEnv.IniPath());
    const QByteArray stored = UnscramblePassword(PasswordKey, ini.ReadString(IniSection, key, ""));
    return ToAnsi(edtPassword->text()) == stored;
}

void TfmLogin::btnOkClick() {
    QByteArray key;
    if (cmbUser->currentIndex() == AdministratorItem)
        key = "KennwortAdmin";
    else if (FMode == 1)
        key = "KennwortOperator";
    if (!key.isEmpty() && !PasswordMatches(key)) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Warning, "The password is not true!");
        return;
    }
    accept();
}

void TfmLogin::done(int result) {
    Timer1->stop();
    QDialog::done(result);
}

int RunLogin(const TEnv& env, int mode, QWidget* parent) {
    TfmLogin login(env, mode, parent);
    if (login.exec() != QDialog::Accepted)
        return 0;
    return login.Level();
}
