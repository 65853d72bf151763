#pragma once

#include "app/Ucommandmodule.h"

#include <QCoreApplication>

class QAction;
class TfmMain;

// Data menu: opening and closing month files, their backup and import, and
// the end of the program.
class TFileCommands : public TCommandModule {
    Q_DECLARE_TR_FUNCTIONS(TFileCommands)
public:
    explicit TFileCommands(TfmMain& main);

    void UpdateEnabled(const TCommandState& state) override;

    void FileOpen1Execute();
    void FileClose1Execute();
    void FileSave1Execute();
    void BackupExecute();
    void Import1Click();
    void FileExit1Execute();

    QAction* FileOpen1 = nullptr;
    QAction* FileClose1 = nullptr;
    QAction* Import1 = nullptr;
    QAction* Backup = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* FileSave1 = nullptr; // on the toolbar only

private:
    TfmMain& FMain;
};
