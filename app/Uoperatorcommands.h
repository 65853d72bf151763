#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>

class QAction;
class QMenu;
class TfmMain;

// Operator menu: the operator's login and logoff and the operator list;
// in the Admin menu the administrator's login and logoff and the password.
class TOperatorCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TOperatorCommands)
public:
    explicit TOperatorCommands(TfmMain& main);

    // Logoff needs an operator on duty, the administrator's logoff the
    // administrator level.
    void UpdateEnabled(const TCommandState& state) override;

    void LoginExecute();
    void LogoffExecute();
    void UsersExecute();
    void LoginAdminExecute();
    void LogoffAdminExecute();
    void PasswordExecute();

    QMenu* mnOperator = nullptr;
    QAction* Login = nullptr;
    QAction* Logoff = nullptr;
    QAction* Users = nullptr;
    // In the Admin menu.
    QAction* LoginAdmin = nullptr;
    QAction* LogoffAdmin = nullptr;
    QAction* Password = nullptr;

private:
    TfmMain& FMain;
};
