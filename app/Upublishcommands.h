#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>

class QAction;
class TfmMain;

// Admin › Publishing (MQTT): its settings; a change restarts publishing,
// whose state the status bar shows (TPublishing).
class TPublishCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TPublishCommands)
public:
    explicit TPublishCommands(TfmMain& main);

    // Publishing reads what the acquisition stored: always enabled.
    void UpdateEnabled(const TCommandState&) override {}

    void PublishingExecute();

    QAction* Publishing = nullptr; // in the Admin menu

private:
    TfmMain& FMain;
};
