#include "app/Uunitcommands.h"

#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "comm/Ccommbase.h"
#include "comm/Uacqinfo.h"
#include "comm/Uchanneltest.h"
#include "comm/Ucommunication.h"

#include <QAction>
#include <QMenu>

TUnitCommands::TUnitCommands(TfmMain& main) : FMain(main) {
    mnSystem = MakeMenu(&main, tr("System"), "mnSystem");
    ACQInfo =
        AddItem(mnSystem, tr("&System information..."), "ACQInfo", 0, tr("&Systeminformation..."));
    QObject::connect(ACQInfo, &QAction::triggered, &main, [this] { ACQInfoExecute(); });
    CHTest = AddItem(mnSystem, tr("Channels group"), "CHTest", 0, tr("&Datenkanalüberprüfung..."));
    QObject::connect(CHTest, &QAction::triggered, &main, [this] { CHTestExecute(); });
    Communication = MakeItem(&main, tr("Communications parameter..."), "Communication", 0,
                             tr("&Kommunikationsparameter..."));
    QObject::connect(Communication, &QAction::triggered, &main, [this] { CommunicationExecute(); });
}

void TUnitCommands::UpdateEnabled(const TCommandState& state) {
    for (QAction* a : {mnSystem->menuAction(), ACQInfo, CHTest, Communication})
        EnableUnlessViewer(a, state);
}

void TUnitCommands::ACQInfoExecute() {
    if (Comm)
        RunACQInfo(FMain.Env(), *Comm, &FMain);
}

void TUnitCommands::CHTestExecute() {
    if (Comm)
        RunChannelTest(FMain.Env(), *Comm, &FMain);
}

void TUnitCommands::CommunicationExecute() {
    // No cycle may use the link while its port is closed or changing.
    if (!Comm)
        return;
    FMain.SetBusy(true);
    RunCommunicationCommand(FMain.Env(), *Comm, &FMain);
    FMain.SetBusy(false);
}
