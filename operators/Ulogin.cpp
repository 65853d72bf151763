#include "operators/Ulogin.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "config/Fsettingkeys.h"
#include "config/Uokcancel.h"
#include "operators/Coperator.h"
#include "operators/Fpassword.h"
#include "operators/Uusers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int OperatorItem = 0;
constexpr int AdministratorItem = 1;

} // namespace

TfmLogin::TfmLogin(const TEnv& env, int mode, QWidget* parent)
    : QDialog(parent), FEnv(env), FMode(mode) {
    setObjectName("fmLogin");
    setWindowTitle(tr("Login"));

    cmbUser = new QComboBox(this);
    cmbUser->setObjectName("cmbUser");
    cmbUser->addItems({tr("Operator"), tr("Administrator")});
    cmbUser->setCurrentIndex(OperatorItem);

    edtPassword = new QLineEdit(this);
    edtPassword->setObjectName("edtPassword");
    edtPassword->setEchoMode(QLineEdit::Password);
    edtPassword->setEnabled(FMode == 1);

    lblMessage = new QLabel(this);
    lblMessage->setObjectName("lblMessage");
    lblExpiry = new QLabel(FMode == 1 ? tr("When the time runs out, ZEDA keeps running.")
                                      : tr("When the time runs out, ZEDA starts at the "
                                           "operator level."),
                           this);
    lblExpiry->setObjectName("lblExpiry");
    lblExpiry->setWordWrap(true);

    QDialogButtonBox* buttons = OkCancelButtons(this, btnOk, btnCancel);

    auto* form = new QFormLayout;
    form->addRow(tr("User"), cmbUser);
    form->addRow(tr("Password:"), edtPassword);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(lblMessage);
    layout->addWidget(lblExpiry);
    layout->addWidget(buttons);

    connect(cmbUser, &QComboBox::currentIndexChanged, this, &TfmLogin::cmbUserChange);
    // Someone at the keyboard gets time; an unattended start still goes on.
    const auto restart = [this] {
        FCountdown = 30;
        ShowCountdown();
    };
    connect(cmbUser, &QComboBox::activated, this, restart);
    connect(edtPassword, &QLineEdit::textEdited, this, restart);
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
    lblMessage->setText(tr("Remaining time within seconds: %1").arg(FCountdown));
}

void TfmLogin::Timer1Timer() {
    if (FCountdown < 1) {
        // Time is up: a close is never granted without the password; a
        // start goes on at the operator level, which needs none, so that
        // nobody's hesitation leaves the installation without acquisition.
        // The administrator level is never granted without its password.
        if (FMode == 1) {
            reject();
            return;
        }
        cmbUser->setCurrentIndex(OperatorItem);
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
    // What was typed, exactly: a character without a byte of the code page
    // would become '?' and match any other such character.
    return FitsAnsi(edtPassword->text()) && ToAnsi(edtPassword->text()) == stored;
}

void TfmLogin::btnOkClick() {
    QByteArray key;
    if (cmbUser->currentIndex() == AdministratorItem)
        key = SettingKey::AdminPassword;
    else if (FMode == 1)
        key = SettingKey::OperatorPassword;
    if (!key.isEmpty() && !PasswordMatches(key)) {
        if (FEnv.messages)
            FEnv.messages->Show(TMessages::Warning, tr("The password is not true!"));
        FCountdown = 30;
        ShowCountdown();
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

TfmLoginOperator::TfmLoginOperator(const TEnv& env, QWidget* parent) : QDialog(parent) {
    setObjectName("fmLoginOperator");
    setWindowTitle(tr("Operator - manager"));
    edtName = new QLineEdit(this);
    edtName->setObjectName("edtName");
    edtName->setReadOnly(true);
    lstOperators = new QListWidget(this);
    lstOperators->setObjectName("lstOperators");
    auto* buttons = new QDialogButtonBox(this);
    btnOk = buttons->addButton(tr("Ok"), QDialogButtonBox::AcceptRole);
    btnOk->setObjectName("btnOk");
    btnOk->setDefault(true);
    btnCansel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    btnCansel->setObjectName("btnCansel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(edtName);
    layout->addWidget(lstOperators);
    layout->addWidget(buttons);

    for (const TOperator& o : ReadOperatorList(OperatorListPath(env))) {
        FNames << o.Name();
        lstOperators->addItem(FromAnsi(o.Name()));
    }
    connect(lstOperators, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            edtName->setText(lstOperators->item(row)->text());
    });
    lstOperators->setCurrentRow(0);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCansel, &QPushButton::clicked, this, &QDialog::reject);
}

QByteArray TfmLoginOperator::ChosenName() const {
    // The bytes of the list, not the text shown: a name in another code page
    // is stored as it was read.
    const int row = lstOperators->currentRow();
    return row >= 0 && row < FNames.size() ? FNames[row]
                                           : ToAnsi(edtName->text()).left(TOperator::MaxNameLength);
}

bool ApplyOperatorLogin(const TfmLoginOperator& dialog, TConfig& config) {
    if (dialog.result() != QDialog::Accepted)
        return false;
    config.operatorName = dialog.ChosenName();
    config.operatorIndex = std::max(0, dialog.lstOperators->currentRow());
    config.operatorLoggedIn = true;
    return true;
}
