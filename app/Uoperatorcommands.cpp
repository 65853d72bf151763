#include "app/Uoperatorcommands.h"

#include "app/Fmainshared.h"
#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "config/Cconfig.h"
#include "config/Fcodec.h"
#include "operators/Ulogin.h"
#include "operators/Upassword.h"
#include "operators/Uusers.h"

#include <QAction>
#include <QMenu>

TOperatorCommands::TOperatorCommands(TfmMain& main) : FMain(main) {
    mnOperator = MakeMenu(&main, tr("&Operator"), "mnOperator");
    Login = AddItem(mnOperator, tr("&Login"), "Login", 0, tr("&Anmelden..."));
    QObject::connect(Login, &QAction::triggered, &main, [this] { LoginExecute(); });
    Logoff = AddItem(mnOperator, tr("Logoff"), "Logoff", 0, tr("Ab&melden"));
    QObject::connect(Logoff, &QAction::triggered, &main, [this] { LogoffExecute(); });
    mnOperator->addSeparator();
    Users = AddItem(mnOperator, tr("&Manage..."), "Users", 0, tr("&Verwaltung..."));
    QObject::connect(Users, &QAction::triggered, &main, [this] { UsersExecute(); });

    // Tag 1: shown at every level.
    LoginAdmin = MakeItem(&main, tr("Login"), "LoginAdmin", 1, tr("&Anmelden admin"));
    LogoffAdmin = MakeItem(&main, tr("Logoff"), "LogoffAdmin", 1, tr("Ab&melden admin"));
    QObject::connect(LoginAdmin, &QAction::triggered, &main, [this] { LoginAdminExecute(); });
    QObject::connect(LogoffAdmin, &QAction::triggered, &main, [this] { LogoffAdminExecute(); });
    Password = MakeItem(&main, tr("Password..."), "Password", 0, tr("&Paßwort ändern..."));
    QObject::connect(Password, &QAction::triggered, &main, [this] { PasswordExecute(); });
}

void TOperatorCommands::UpdateEnabled(const TCommandState& state) {
    Logoff->setEnabled(state.operatorOnDuty);
    LogoffAdmin->setEnabled(state.accessLevel == 2);
}

void TOperatorCommands::LoginExecute() {
    TfmLoginOperator dialog(FMain.Env(), &FMain);
    FMain.ExecDialog(dialog);
    if (!ApplyOperatorLogin(dialog, *Config))
        return;
    FMain.setWindowTitle(tr("ZEDA - Operator:") + FromAnsi(Config->operatorName));
    FMain.UpdateCommands();
}

void TOperatorCommands::LogoffExecute() {
    // The caption loses the location too.
    FMain.setWindowTitle(LocationCaption(QString()));
    Config->operatorIndex = -1;
    Config->operatorLoggedIn = false;
    Config->operatorName.clear();
    FMain.UpdateCommands();
}

void TOperatorCommands::UsersExecute() {
    TfmUsers dialog(FMain.Env(), &FMain);
    FMain.ExecDialog(dialog);
}

void TOperatorCommands::LoginAdminExecute() {
    const int level = FMain.RunLoginDialog(0);
    if (level != 0)
        FMain.SetAccessLevel(level);
    FMain.UpdateCommands();
}

void TOperatorCommands::LogoffAdminExecute() {
    FMain.SetAccessLevel(1);
    FMain.UpdateCommands();
}

void TOperatorCommands::PasswordExecute() {
    TfmPassword dialog(FMain.Env(), &FMain);
    FMain.ExecDialog(dialog);
}
