#include "app/Ufilecommands.h"

#include "app/Fmainshared.h"
#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "config/Cenv.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>

TFileCommands::TFileCommands(TfmMain& main) : FMain(main) {
    FileOpen1 = MakeItem(&main, tr("Open"), "FileOpen1", 0, tr("Ö&ffnen..."));
    FileOpen1->setShortcut(QKeySequence("Ctrl+O"));
    FileOpen1->setIcon(main.style()->standardIcon(QStyle::SP_DialogOpenButton));
    QObject::connect(FileOpen1, &QAction::triggered, &main, [this] { FileOpen1Execute(); });

    FileClose1 =
        MakeItem(&main, tr("Save", "closes the active window"), "FileClose1", 0, tr("&Schließen"));
    // Closes the active window (the running month only minimises).
    FileClose1->setShortcuts({QKeySequence("Ctrl+W"), QKeySequence("Ctrl+F4")});
    QObject::connect(FileClose1, &QAction::triggered, &main, [this] { FileClose1Execute(); });
    Import1 = MakeItem(&main, tr("Import..."), "Import1", 0);
    QObject::connect(Import1, &QAction::triggered, &main, [this] { Import1Click(); });
    Backup = MakeItem(&main, tr("Backup..."), "Backup", 0, tr("Si&chern..."));
    QObject::connect(Backup, &QAction::triggered, &main, [this] { BackupExecute(); });
    FileExit1 = MakeItem(&main, tr("Exit"), "FileExit1", 0, tr("Beenden"));
    QObject::connect(FileExit1, &QAction::triggered, &main, [this] { FileExit1Execute(); });

    FileSave1 = new QAction(tr("&Save"), &main);
    FileSave1->setObjectName("FileSave1");
    FileSave1->setStatusTip(tr("Save", "backs the month file up"));
    FileSave1->setShortcut(QKeySequence("Ctrl+S"));
    FileSave1->setIcon(main.style()->standardIcon(QStyle::SP_DialogSaveButton));
    QObject::connect(FileSave1, &QAction::triggered, &main, [this] { FileSave1Execute(); });
}

void TFileCommands::UpdateEnabled(const TCommandState& state) {
    // An import writes a month file into the data directory.
    EnableUnlessViewer(Import1, state);
}

void TFileCommands::FileOpen1Execute() {
    // A name that does not exist is ignored without a message.
    FMain.OpenMonthFile(FMain.ChooseOpenFile(FMain.Env().dataDir, OpenFilter()));
}

void TFileCommands::FileClose1Execute() {
    // The running-month window only minimises itself on a close.
    if (QMdiSubWindow* w = FMain.MdiArea()->activeSubWindow())
        w->close();
}

void TFileCommands::FileSave1Execute() {
    BackupExecute();
}

void TFileCommands::FileExit1Execute() {
    FMain.close();
}

void TFileCommands::BackupExecute() {
    TfmChildBase* w = FMain.ActiveChild();
    if (!w)
        return;
    // The running month is still being written: its command opens a file
    // instead.
    if (w->Tag == 1) {
        FileOpen1Execute();
        return;
    }
    const QString dir = FMain.ChooseDirectory(FMain.Env().dataDir);
    if (!dir.isEmpty())
        w->BackupTo(dir);
}

void TFileCommands::Import1Click() {
    const QString dataDir = FMain.Env().dataDir;
    const QString source = FMain.ChooseOpenFile(dataDir, OpenFilter());
    if (source.isEmpty())
        return;
    // The directory is asked for, but the file always goes into the data
    // directory.
    if (FMain.ChooseDirectory(dataDir).isEmpty())
        return;
    TfmChildBase* w = FMain.ActiveChild();
    if (!w)
        w = fmChildAct;
    if (w)
        w->ImportFile(source, QDir(dataDir).filePath(QFileInfo(source).fileName()));
}
