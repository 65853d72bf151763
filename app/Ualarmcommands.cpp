#include "app/Ualarmcommands.h"

#include "app/Ualarming.h"
#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "config/Cconfig.h"
#include "config/Fcodec.h"
#include "dialogs/Ualarmlimits.h"

#include <QAction>

TAlarmCommands::TAlarmCommands(TfmMain& main) : FMain(main) {
    AlarmLimits = MakeItem(&main, tr("Alarm limits..."), "AlarmLimits", 0);
    QObject::connect(AlarmLimits, &QAction::triggered, &main, [this] { AlarmLimitsExecute(); });
}

void TAlarmCommands::AlarmLimitsExecute() {
    TfmAlarmLimits dialog(FMain.Env(), &FMain);
    if (FMain.ExecDialog(dialog) == QDialog::Accepted && FMain.Alarming())
        FMain.Alarming()->ReloadLimits();
}

void TAlarmCommands::AcknowledgeAlarms() {
    // Operator level may acknowledge; the log names the operator on duty.
    if (TAlarming* alarming = FMain.Alarming())
        alarming->Acknowledge(Config && Config->operatorLoggedIn ? FromAnsi(Config->operatorName)
                                                                 : QString());
}
