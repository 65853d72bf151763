#include "app/Upublishcommands.h"

#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "app/Upublishing.h"
#include "dialogs/Upublishsettings.h"

#include <QAction>

TPublishCommands::TPublishCommands(TfmMain& main) : FMain(main) {
    Publishing = MakeItem(&main, tr("Publishing (MQTT)..."), "Publishing", 0);
    QObject::connect(Publishing, &QAction::triggered, &main, [this] { PublishingExecute(); });
}

void TPublishCommands::PublishingExecute() {
    TfmPublishSettings dialog(FMain.Env(), &FMain);
    if (FMain.ExecDialog(dialog) == QDialog::Accepted && FMain.Publishing())
        FMain.Publishing()->Restart();
}
