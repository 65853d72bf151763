#include "app/Umain.h"

#include "app/Fmainshared.h"
#include "app/Ulanguagemenu.h"
#include "config/Cenv.h"
#include "config/Fcodec.h"
#include "files/Fexceptionlist.h"
#include "files/Fexceptions.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

// The menus, the toolbar and the exception-description items of the main
// window.

namespace {

struct ZoomItem {
    const char* caption;
    int tag;
};

constexpr ZoomItem TimeItems[] = {{" 1 : 20", -20}, {" 1 : 10", -10}, {" 1 : 5", -5},
                                  {" 1 : 4", -4},   {" 1 : 3", -3},   {" 1 : 2", -2},
                                  {" 1 : 1", 1},    {" 2 : 1", 2},    {" 3 : 1", 3},
                                  {" 4 : 1", 4},    {" 5 : 1", 5},    {"10 : 1", 10}};

constexpr ZoomItem SizeItems[] = {{" 1 : 1", 1}, {" 2 : 1", 2},  {" 3 : 1", 3}, {" 4 : 1", 4},
                                  {" 5 : 1", 5}, {"10 : 1", 10}, {"20 : 1", 20}};

// The hint text of a caption: its "&" markers go, "&&" stays one "&".
QString WithoutMnemonics(const QString& caption) {
    QString out;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
                out += caption[++i];
            continue;
        }
        out += caption[i];
    }
    return out;
}

// A menu item; its hint in the status bar is the action's own caption.
QAction* AddItem(QMenu* menu, const QString& caption, const char* name, int tag,
                 const QString& hint = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(tag);
    a->setStatusTip(WithoutMnemonics(hint.isEmpty() ? caption : hint));
    return a;
}

QMenu* AddMenu(QMenu* parent, const QString& caption, const char* name, int tag = 0) {
    QMenu* m = parent->addMenu(caption);
    if (name)
        m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setData(tag);
    return m;
}

QActionGroup* AddZoomMenu(QMenu* menu, const ZoomItem* items, int count, const char* prefix) {
    auto* group = new QActionGroup(menu);
    for (int i = 0; i < count; ++i) {
        QAction* a = AddItem(menu, QString::fromLatin1(items[i].caption),
                             (QByteArray(prefix) + QByteArray::number(items[i].tag)).constData(),
                             items[i].tag);
        a->setCheckable(true);
        a->setChecked(items[i].tag == 1);
        group->addAction(a);
    }
    return group;
}

} // namespace

void TfmMain::BuildMenus() {
    BuildDataMenu();
    BuildEditMenu();
    BuildViewMenu();
    BuildOperatorMenu();
    BuildTimeMenu();
    BuildSettingMenu();
    BuildWindowMenu();
    BuildHelpMenu();
    BuildAdminMenu();
}

void TfmMain::BuildDataMenu() {
    QMenu* data = menuBar()->addMenu(tr("&Data"));
    data->setObjectName("mnData");
    FileOpen1 = AddItem(data, tr("Open"), "FileOpen1", 0, tr("Ö&ffnen..."));
    FileOpen1->setShortcut(QKeySequence("Ctrl+O"));
    FileOpen1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    connect(FileOpen1, &QAction::triggered, this, &TfmMain::FileOpen1Execute);

    QMenu* print = AddMenu(data, tr("Print"), "mnPrint");
    PrintDay = AddItem(print, tr("Day print"), "PrintDay", 0, tr("&Tagesdruck..."));
    connect(PrintDay, &QAction::triggered, this, &TfmMain::PrintDayExecute);
    QMenu* month = AddMenu(print, tr("Month print"), "mnPrintMonth");
    for (int n : {3, 4, 5}) {
        QAction* a = AddItem(month, tr("&%1 Day on page").arg(n),
                             QByteArray("PrintMonth" + QByteArray::number(n)).constData(), n);
        connect(a, &QAction::triggered, this, [this, a] { PrintMonthExecute(a); });
    }
    PrintCopy = AddItem(print, tr("Expression of the actual image"), "PrintCopy", 0,
                        tr("&Ausdruck der aktuellen Darstellung"));
    connect(PrintCopy, &QAction::triggered, this, &TfmMain::PrintCopyExecute);
    PrintPreview = AddItem(print, tr("Preview..."), "PrintPreview", 0);
    connect(PrintPreview, &QAction::triggered, this, &TfmMain::PrintPreviewExecute);
    ExportReport = AddItem(data, tr("Export report as PDF..."), "ExportReport", 0);
    connect(ExportReport, &QAction::triggered, this, &TfmMain::ExportReportExecute);
    print->addSeparator();
    PrinterSetup = AddItem(print, tr("Print setup"), "PrinterSetup", 0, tr("Drucken setup"));
    connect(PrinterSetup, &QAction::triggered, this, &TfmMain::PrinterSetupExecute);

    FileClose1 = AddItem(data, tr("Save", "closes the active window"), "FileClose1", 0,
                         tr("&Schließen"));
    // Closes the active window (the running month only minimises).
    FileClose1->setShortcuts({QKeySequence("Ctrl+W"), QKeySequence("Ctrl+F4")});
    connect(FileClose1, &QAction::triggered, this, &TfmMain::FileClose1Execute);
    data->addSeparator();
    Import1 = AddItem(data, tr("Import..."), "Import1", 0);
    connect(Import1, &QAction::triggered, this, &TfmMain::Import1Click);
    Backup = AddItem(data, tr("Backup..."), "Backup", 0, tr("Si&chern..."));
    connect(Backup, &QAction::triggered, this, &TfmMain::BackupExecute);
    data->addSeparator();
    FileExit1 = AddItem(data, tr("Exit"), "FileExit1", 0, tr("Beenden"));
    connect(FileExit1, &QAction::triggered, this, &TfmMain::FileExit1Execute);

    // On the toolbar only.
    FileSave1 = new QAction(tr("&Save"), this);
    FileSave1->setObjectName("FileSave1");
    FileSave1->setStatusTip(tr("Save", "backs the month file up"));
    FileSave1->setShortcut(QKeySequence("Ctrl+S"));
    FileSave1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(FileSave1, &QAction::triggered, this, &TfmMain::FileSave1Execute);
    addAction(FileSave1);
}

void TfmMain::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("mnEdit");
    edit->menuAction()->setStatusTip(tr("Edit commands"));
    EditCut1 = AddItem(edit, tr("Cu&t"), "EditCut1", 0);
    EditCut1->setShortcut(QKeySequence("Ctrl+X"));
    EditCopy1 = AddItem(edit, tr("&Copy"), "EditCopy1", 0);
    EditCopy1->setShortcut(QKeySequence("Ctrl+C"));
    EditPaste1 = AddItem(edit, tr("&Paste"), "EditPaste1", 0);
    EditPaste1->setShortcut(QKeySequence("Ctrl+V"));
    connect(EditCut1, &QAction::triggered, this, &TfmMain::EditCut1Execute);
    connect(EditCopy1, &QAction::triggered, this, &TfmMain::EditCopy1Execute);
    connect(EditPaste1, &QAction::triggered, this, &TfmMain::EditPaste1Execute);
    connect(edit, &QMenu::aboutToShow, this, &TfmMain::UpdateEditCommands);
    connect(qApp, &QApplication::focusChanged, this, &TfmMain::UpdateEditCommands);
    UpdateEditCommands();
}

void TfmMain::BuildViewMenu() {
    mnView = menuBar()->addMenu(tr("&View"));
    mnView->setObjectName("mnView");
    mnScaleX = AddMenu(mnView, tr("&Time"), "mnScaleX");
    FTimeGroup = AddZoomMenu(mnScaleX, TimeItems, std::size(TimeItems), "SetX");
    connect(FTimeGroup, &QActionGroup::triggered, this, &TfmMain::SetXExecute);
    mnScaleY = AddMenu(mnView, tr("&Size"), "mnScaleY");
    FSizeGroup = AddZoomMenu(mnScaleY, SizeItems, std::size(SizeItems), "SetY");
    connect(FSizeGroup, &QActionGroup::triggered, this, &TfmMain::SetYExecute);

    mnKanale = AddMenu(mnView, tr("Channels"), "mnKanale");
    for (int i = 0; i < ChannelCount; ++i) {
        const QByteArray name = "Channel" + QByteArray::number(i + 1);
        QAction* a = AddItem(mnKanale, tr("Channel%1").arg(i + 1), name.constData(), i);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, a] { KanaleOneExecute(a); });
        FChannelItems.append(a);
    }
    mnKanale->addSeparator()->setData(-1);
    KanaleAll = AddItem(mnKanale, tr("All Channels"), "KanaleAll", -1, tr("Alle Anzeigen"));
    connect(KanaleAll, &QAction::triggered, this, &TfmMain::KanaleAllExecute);
    KanaleZero = AddItem(mnKanale, tr("Clear Channels"), "KanaleZero", -1, tr("Keinen Anzeigen"));
    connect(KanaleZero, &QAction::triggered, this, &TfmMain::KanaleZeroExecute);
    mnView->addSeparator();
    mnLanguage = AddLanguageMenu(mnView, FEnv);
    SetViewMenuEnabled(false);
}

void TfmMain::BuildOperatorMenu() {
    QMenu* op = menuBar()->addMenu(tr("&Operator"));
    op->setObjectName("mnOperator");
    Login = AddItem(op, tr("&Login"), "Login", 0, tr("&Anmelden..."));
    connect(Login, &QAction::triggered, this, &TfmMain::LoginExecute);
    Logoff = AddItem(op, tr("Logoff"), "Logoff", 0, tr("Ab&melden"));
    connect(Logoff, &QAction::triggered, this, &TfmMain::LogoffExecute);
    op->addSeparator();
    Users = AddItem(op, tr("&Manage..."), "Users", 0, tr("&Verwaltung..."));
    connect(Users, &QAction::triggered, this, &TfmMain::UsersExecute);
}

void TfmMain::BuildTimeMenu() {
    QMenu* time = menuBar()->addMenu(tr("&Time"));
    time->setObjectName("mnTime");
    TrmClear = AddItem(time, tr("Mark delete"), "TrmClear", 0, tr("Zeitraumdefinition &löschen"));
    connect(TrmClear, &QAction::triggered, this, &TfmMain::TrmClearExecute);
    TrmExport = AddItem(time, tr("Export"), "TrmExport", 0, tr("Daten &exportieren..."));
    connect(TrmExport, &QAction::triggered, this, &TfmMain::TrmExportExecute);
    mnExcept = AddMenu(time, tr("Exclusive description"), "mnExcept");
    TrmClearData = AddItem(mnExcept, tr("Stop"), "TrmClearData", 0, tr("&Aufheben"));
    connect(TrmClearData, &QAction::triggered, this, &TfmMain::TrmClearDataExecute);
    mnExcept->addSeparator();
}

void TfmMain::BuildSettingMenu() {
    QMenu* setting = menuBar()->addMenu(tr("Setting"));
    setting->setObjectName("mnSetting");
    QMenu* background = AddMenu(setting, tr("Background"), "mnBackground");
    FColorGroup = new QActionGroup(this);
    ColorChange1 = AddItem(background, tr("White"), "ColorChange1", 1);
    ColorChange2 = AddItem(background, tr("Grey"), "ColorChange2", 2);
    for (QAction* a : {ColorChange1, ColorChange2}) {
        a->setCheckable(true);
        FColorGroup->addAction(a);
    }
    ColorChange1->setChecked(true);
    connect(FColorGroup, &QActionGroup::triggered, this, &TfmMain::ColorChangeExecute);
}

void TfmMain::BuildWindowMenu() {
    FWindowMenu = menuBar()->addMenu(tr("&Window"));
    FWindowMenu->setObjectName("mnWindow");
    WindowCascade1 = AddItem(FWindowMenu, tr("Cascade"), "WindowCascade1", 0, tr("Über&lappend"));
    connect(WindowCascade1, &QAction::triggered, this, &TfmMain::WindowCascade1Execute);
    WindowTileHorizontal1 = AddItem(FWindowMenu, tr("Tile Horizontal"), "WindowTileHorizontal1", 0,
                                    tr("&Nebeneinander"));
    connect(WindowTileHorizontal1, &QAction::triggered, this,
            &TfmMain::WindowTileHorizontal1Execute);
    WindowTileVertical1 =
        AddItem(FWindowMenu, tr("Tile Vertical"), "WindowTileVertical1", 0, tr("&Nebeneinander"));
    connect(WindowTileVertical1, &QAction::triggered, this, &TfmMain::WindowTileVertical1Execute);
    WindowMinimizeAll1 = AddItem(FWindowMenu, tr("Minimize"), "WindowMinimizeAll1", 0,
                                 tr("&Alle Fenster schließen"));
    connect(WindowMinimizeAll1, &QAction::triggered, this, &TfmMain::WindowMinimizeAll1Execute);
    WindowArrangeAll1 =
        AddItem(FWindowMenu, tr("Arrange"), "WindowArrangeAll1", 0, tr("Sinn&bilder anordnen"));
    connect(WindowArrangeAll1, &QAction::triggered, this, &TfmMain::WindowArrangeAll1Execute);
    connect(FWindowMenu, &QMenu::aboutToShow, this, &TfmMain::FillWindowList);
}

void TfmMain::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu(tr("Help"));
    help->setObjectName("mnHelp");
    QAction* a = AddItem(help, tr("Contents"), "Help2", 0);
    a->setShortcut(QKeySequence(Qt::Key_F1));
    connect(a, &QAction::triggered, this, &TfmMain::Help2Click);
    connect(AddItem(help, tr("About ZEDA..."), "HelpAbout", 0), &QAction::triggered, this,
            &TfmMain::HelpAboutExecute);
}

void TfmMain::BuildAdminMenu() {
    Setup1 = menuBar()->addMenu(tr("Admin"));
    Setup1->setObjectName("Setup1");
    // Tag 1: always shown; tag 0: shown at administrator level only.
    LoginAdmin = AddItem(Setup1, tr("Login"), "LoginAdmin", 1, tr("&Anmelden admin"));
    LogoffAdmin = AddItem(Setup1, tr("Logoff"), "LogoffAdmin", 1, tr("Ab&melden admin"));
    connect(LoginAdmin, &QAction::triggered, this, &TfmMain::LoginAdminExecute);
    connect(LogoffAdmin, &QAction::triggered, this, &TfmMain::LogoffAdminExecute);
    Setup1->addSeparator()->setData(0);
    connect(AddItem(Setup1, tr("Location"), "Location", 0, tr("Betriebsort")), &QAction::triggered,
            this, &TfmMain::LocationExecute);
    QMenu* channels = AddMenu(Setup1, tr("Channels"), "mnSetKanal");
    for (int i = 1; i <= ChannelCount; ++i) {
        QAction* a = AddItem(channels, tr("Channel %1").arg(i),
                             ("SetKanal" + QByteArray::number(i)).constData(), i);
        connect(a, &QAction::triggered, this, [this, a] { SetKanalExecute(a); });
    }
    connect(AddItem(Setup1, tr("Time..."), "Month", 0, tr("Zeit&raum des Datenerhalts...")),
            &QAction::triggered, this, &TfmMain::MonthExecute);
    QMenu* font = AddMenu(Setup1, tr("Font"), "mnFont");
    FontScreen = AddItem(font, tr("Screen"), "FontScreen", 0, tr("&Bildschirmschrift..."));
    connect(FontScreen, &QAction::triggered, this, &TfmMain::FontScreenExecute);
    FontPrint =
        AddItem(font, tr("Print", "the printer font"), "FontPrint", 0, tr("&Druckerschrift..."));
    connect(FontPrint, &QAction::triggered, this, &TfmMain::FontPrintExecute);
    connect(AddItem(Setup1, tr("Summer time"), "SummerTime", 0, tr("Sommer&zeit...")),
            &QAction::triggered, this, &TfmMain::SummerTimeExecute);
    Printer = AddItem(Setup1, tr("Printers..."), "Printer", 0, tr("&Druckparameter..."));
    connect(Printer, &QAction::triggered, this, &TfmMain::PrinterExecute);
    connect(AddItem(Setup1, tr("Password..."), "Password", 0, tr("&Paßwort ändern...")),
            &QAction::triggered, this, &TfmMain::PasswordExecute);
    QMenu* system = AddMenu(Setup1, tr("System"), "mnSystem");
    connect(
        AddItem(system, tr("&System information..."), "ACQInfo", 0, tr("&Systeminformation...")),
        &QAction::triggered, this, &TfmMain::ACQInfoExecute);
    connect(AddItem(system, tr("Channels group"), "CHTest", 0, tr("&Datenkanalüberprüfung...")),
            &QAction::triggered, this, &TfmMain::CHTestExecute);
    connect(AddItem(Setup1, tr("Communications parameter..."), "Communication", 0,
                    tr("&Kommunikationsparameter...")),
            &QAction::triggered, this, &TfmMain::CommunicationExecute);
    connect(AddItem(Setup1, tr("Publishing (MQTT)..."), "Publishing", 0), &QAction::triggered, this,
            &TfmMain::PublishingExecute);
    connect(AddItem(Setup1, tr("Alarm limits..."), "AlarmLimits", 0), &QAction::triggered, this,
            &TfmMain::AlarmLimitsExecute);
    connect(AddItem(Setup1, tr("Exception descriptions..."), "ExceptionList", 0),
            &QAction::triggered, this, &TfmMain::ExceptionListExecute);
}

void TfmMain::BuildToolBar() {
    FToolBar = addToolBar(tr("ToolBar1"));
    FToolBar->setObjectName("ToolBar1");
    FToolBar->addAction(FileOpen1);
    FToolBar->addAction(FileSave1);
    FToolBar->addSeparator();
    FToolBar->addAction(WindowCascade1);
    FToolBar->addAction(WindowTileHorizontal1);
    FToolBar->addAction(WindowTileVertical1);
}

void TfmMain::FillExceptionMenu(const QList<std::pair<QString, int>>& items) {
    // The items of an earlier list go; the clear command stays.
    for (QAction* a : mnExcept->actions()) {
        if (a->data().toInt() > 0) {
            mnExcept->removeAction(a);
            delete a;
        }
    }
    for (const auto& [caption, tag] : items) {
        if (tag <= 0)
            continue;
        // A note-only description is named so, without its "!"; an
        // ampersand of the description is shown, not taken as a mnemonic.
        const QString shown =
            caption.startsWith('!') ? tr("%1 (note only)").arg(caption.mid(1)) : caption;
        QAction* a = mnExcept->addAction(QString(shown).replace("&", "&&"));
        a->setData(tag);
        a->setObjectName(QString("Except%1").arg(tag));
        a->setStatusTip(caption);
        connect(a, &QAction::triggered, this,
                [this, description = caption] { ExceptionItemExecute(description); });
    }
}

void TfmMain::LoadExceptionDescriptions() {
    std::vector<ExceptionMenuEntry> entries;
    LoadExceptionMenu(ExceptionListPath(FEnv.dataDir), entries);
    QList<std::pair<QString, int>> items;
    for (const ExceptionMenuEntry& e : entries)
        items.append({FromAnsi(e.text), e.tag});
    FillExceptionMenu(items);
}
