#include "app/Umain.h"

#include "app/Ualarmcommands.h"
#include "app/Ueditcommands.h"
#include "app/Ufilecommands.h"
#include "app/Uhelpcommands.h"
#include "app/Umenuitems.h"
#include "app/Uoperatorcommands.h"
#include "app/Uprintcommands.h"
#include "app/Upublishcommands.h"
#include "app/Usettingcommands.h"
#include "app/Utimecommands.h"
#include "app/Uunitcommands.h"
#include "app/Uviewcommands.h"
#include "app/Uwindowcommands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

// The menu bar and the toolbar, put together from the command modules'
// actions and menus.

void TfmMain::BuildModules() {
    FFile = std::make_unique<TFileCommands>(*this);
    FEdit = std::make_unique<TEditCommands>(this);
    FPrint = std::make_unique<TPrintCommands>(*this);
    FView = std::make_unique<TViewCommands>(*this);
    FOperators = std::make_unique<TOperatorCommands>(*this);
    FTime = std::make_unique<TTimeCommands>(*this);
    FSettings = std::make_unique<TSettingCommands>(*this);
    FUnit = std::make_unique<TUnitCommands>(*this);
    FWindows = std::make_unique<TWindowCommands>(this, FMdi);
    FHelpCommands = std::make_unique<THelpCommands>(*this);
    FPublish = std::make_unique<TPublishCommands>(*this);
    FAlarms = std::make_unique<TAlarmCommands>(*this);
}

void TfmMain::BuildMenus() {
    BuildDataMenu();
    QMenuBar* bar = menuBar();
    bar->addMenu(FEdit->mnEdit);
    bar->addMenu(FView->mnView);
    bar->addMenu(FOperators->mnOperator);
    bar->addMenu(FTime->mnTime);
    bar->addMenu(FSettings->mnSetting);
    bar->addMenu(FWindows->mnWindow);
    bar->addMenu(FHelpCommands->mnHelp);
    BuildAdminMenu();
}

void TfmMain::BuildDataMenu() {
    QMenu* data = menuBar()->addMenu(tr("&Data"));
    data->setObjectName("mnData");
    data->addAction(FFile->FileOpen1);
    data->addMenu(FPrint->mnPrint);
    data->addAction(FPrint->ExportReport);
    data->addAction(FFile->FileClose1);
    data->addSeparator();
    data->addAction(FFile->Import1);
    data->addAction(FFile->Backup);
    data->addSeparator();
    data->addAction(FFile->FileExit1);
    // On the toolbar only; the window keeps its shortcut.
    addAction(FFile->FileSave1);
}

void TfmMain::BuildAdminMenu() {
    Setup1 = menuBar()->addMenu(tr("Admin"));
    Setup1->setObjectName("Setup1");
    // Tag 1: always shown; tag 0: shown at administrator level only.
    Setup1->addAction(FOperators->LoginAdmin);
    Setup1->addAction(FOperators->LogoffAdmin);
    Setup1->addSeparator()->setData(0);
    Setup1->addAction(FSettings->Location);
    Setup1->addMenu(FSettings->mnSetKanal);
    Setup1->addAction(FSettings->Month);
    Setup1->addMenu(FSettings->mnFont);
    Setup1->addAction(FSettings->SummerTime);
    Setup1->addAction(FPrint->Printer);
    Setup1->addAction(FOperators->Password);
    Setup1->addMenu(FUnit->mnSystem);
    Setup1->addAction(FUnit->Communication);
    Setup1->addAction(FPublish->Publishing);
    Setup1->addAction(FAlarms->AlarmLimits);
    Setup1->addAction(FTime->ExceptionList);
}

void TfmMain::BuildToolBar() {
    FToolBar = addToolBar(tr("ToolBar1"));
    FToolBar->setObjectName("ToolBar1");
    FToolBar->addAction(FFile->FileOpen1);
    FToolBar->addAction(FFile->FileSave1);
    FToolBar->addSeparator();
    FToolBar->addAction(FWindows->WindowCascade1);
    FToolBar->addAction(FWindows->WindowTileHorizontal1);
    FToolBar->addAction(FWindows->WindowTileVertical1);
}
