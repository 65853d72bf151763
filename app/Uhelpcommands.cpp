#include "app/Uhelpcommands.h"

#include "app/Uhelp.h"
#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

THelpCommands::THelpCommands(TfmMain& main) : FMain(main) {
    mnHelp = MakeMenu(&main, tr("Help"), "mnHelp");
    QAction* contents = AddItem(mnHelp, tr("Contents"), "Help2", 0);
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    QObject::connect(contents, &QAction::triggered, &main, [this] { Help2Click(); });
    QObject::connect(AddItem(mnHelp, tr("About ZEDA..."), "HelpAbout", 0), &QAction::triggered,
                     &main, [this] { HelpAboutExecute(); });
}

QString THelpCommands::HelpPath() const {
    // The help file lives in the data directory like the other files of the
    // installation, or next to the program.
    const QString chm = FMain.programName + ".chm";
    for (const QString& dir : {FMain.Env().dataDir, FMain.programDir}) {
        const QString path = QDir(dir).filePath(chm);
        if (QFileInfo::exists(path))
            return path;
    }
    return QString();
}

void THelpCommands::Help2Click() {
    // An installed help file is the system's to show; otherwise the guide
    // built into the program, in its own help window.
    const QString path = HelpPath();
    if (!path.isEmpty()) {
        FMain.OpenUrl(QUrl::fromLocalFile(path));
        return;
    }
    if (!FHelp)
        FHelp = new TfmHelp(&FMain);
    FHelp->show();
    FHelp->raise();
    FHelp->activateWindow();
}

void THelpCommands::HelpAboutExecute() {
    FMain.Env().messages->Show(TMessages::Information,
                               tr("ZEDA %1\nLicence: proprietary\nData directory: %2\nQt %3")
                                   .arg(QStringLiteral(ZEDA_VERSION),
                                        QDir::toNativeSeparators(FMain.Env().dataDir),
                                        QString::fromLatin1(qVersion())));
}
