#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>

class QAction;
class TfmMain;

// Admin › Alarm limits, and the acknowledgement the Alarms panel asks for
// (TAlarming owns the panel and its action).
class TAlarmCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TAlarmCommands)
public:
    explicit TAlarmCommands(TfmMain& main);

    void UpdateEnabled(const TCommandState&) override {}

    void AlarmLimitsExecute();
    // Acknowledges the alarms in the name of the operator on duty.
    void AcknowledgeAlarms();

    QAction* AlarmLimits = nullptr; // in the Admin menu

private:
    TfmMain& FMain;
};
