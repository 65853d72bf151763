#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>

class QAction;
class QMenu;
class TfmMain;

// The unit's dialogs of the Admin menu: System › System information and
// Channels group, and the communications parameters. They talk to the unit
// over the link, which only the program that acquires holds.
class TUnitCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TUnitCommands)
public:
    explicit TUnitCommands(TfmMain& main);

    void UpdateEnabled(const TCommandState& state) override;

    void ACQInfoExecute();
    void CHTestExecute();
    void CommunicationExecute();

    QMenu* mnSystem = nullptr;
    QAction* ACQInfo = nullptr;
    QAction* CHTest = nullptr;
    QAction* Communication = nullptr;

private:
    TfmMain& FMain;
};
