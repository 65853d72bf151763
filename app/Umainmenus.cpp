#include "app/Umain.h"

#include "app/Fmainshared.h"
#include "app/Ulanguagemenu.h"
#include "config/Cenv.h"
#include "config/Fcodec.h"
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
    QMenu* data = menuBar()->addMenu("&Data");
    data->setObjectName("mnData");
    FileOpen1 = AddItem(data, "Open", "FileOpen1", 0, QString::fromUtf8("Ö&ffnen..."));
    FileOpen1->setShortcut(QKeySequence("Ctrl+O"));
    FileOpen1->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    connect(FileOpen1, &QAction::triggered, this, &TfmMain::FileOpen1Execute);

    QMenu* print = AddMenu(data, "Print", "mnPrint");
    PrintDay = AddItem(print, "Day print", "PrintDay", 0, "&Tagesdruck...");
    connect(PrintDay, &QAction::triggered, this, &TfmMain::PrintDayExecute);
    QMenu* month = AddMenu(print, "Month print", "mnPrintMonth");
    for (int n : {3, 4, 5}) {
        QAction* a = AddItem(month, QString("&%1 Day on page").arg(n),
                             QByteArray("PrintMonth" + QByteArray::number(n)).constData(), n);
        connect(a, &QAction::triggered, this, [this, a] { PrintMonthExecute(a); });
    }
    PrintCopy = AddItem(print, "Expression of the actual image", "PrintCopy", 0,
                        "&Ausdruck der aktuellen Darstellung");
    connect(PrintCopy, &QAction::triggered, this, &TfmMain::PrintCopyExecute);
    PrintPreview = AddItem(print, "Preview...", "PrintPreview", 0);
    connect(PrintPreview, &QAction::triggered, this, &TfmMain::PrintPreviewExecute);
    print->addSeparator();
    PrinterSetup = AddItem(print, "Print setup", "PrinterSetup", 0, "Drucken setup");
    connect(PrinterSetup, &QAction::triggered, this, &TfmMain::PrinterSetupExecute);

    FileClose1 = AddItem(data, "Save", "FileClose1", 0, QString::fromUtf8("&Schließen"));
    // Closes the active window (the running month only minimises).
    FileClose1->setShortcuts({QKeySequence("Ctrl+W"), QKeySequence("Ctrl+F4")});
    connect(FileClose1, &QAction::triggered, this, &TfmMain::FileClose1Execute);
    data->addSeparator();
    Import1 = AddItem(data, "Import...", "Import1", 0);
    connect(Import1, &QAction::triggered, this, &TfmMain::Import1Click);
    Backup = AddItem(data, "Backup...", "Backup", 0, "Si&chern...");
    connect(Backup, &QAction::triggered, this, &TfmMain::BackupExecute);
    data->addSeparator();
    FileExit1 = AddItem(data, "Exit", "FileExit1", 0, "Beenden");
    connect(FileExit1, &QAction::triggered, this, &TfmMain::FileExit1Execute);

    // On the toolbar only.
    FileSave1 = new QAction("&Save", this);
    FileSave1->setObjectName("FileSave1");
    FileSave1->setStatusTip("Save");
    FileSave1->setShortcut(QKeySequence("Ctrl+S"));
    FileSave1->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(FileSave1, &QAction::triggered, this, &TfmMain::FileSave1Execute);
    addAction(FileSave1);
}

void TfmMain::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnEdit");
    edit->menuAction()->setStatusTip("Edit commands");
    EditCut1 = AddItem(edit, "Cu&t", "EditCut1", 0);
    EditCut1->setShortcut(QKeySequence("Ctrl+X"));
    EditCopy1 = AddItem(edit, "&Copy", "EditCopy1", 0);
    EditCopy1->setShortcut(QKeySequence("Ctrl+C"));
    EditPaste1 = AddItem(edit, "&Paste", "EditPaste1", 0);
    EditPaste1->setShortcut(QKeySequence("Ctrl+V"));
    connect(EditCut1, &QAction::triggered, this, &TfmMain::EditCut1Execute);
    connect(EditCopy1, &QAction::triggered, this, &TfmMain::EditCopy1Execute);
    connect(EditPaste1, &QAction::triggered, this, &TfmMain::EditPaste1Execute);
    connect(edit, &QMenu::aboutToShow, this, &TfmMain::UpdateEditCommands);
    connect(qApp, &QApplication::focusChanged, this, &TfmMain::UpdateEditCommands);
    UpdateEditCommands();
}

void TfmMain::BuildViewMenu() {
    mnView = menuBar()->addMenu("&View");
    mnView->setObjectName("mnView");
    mnScaleX = AddMenu(mnView, "&Time", "mnScaleX");
    FTimeGroup = AddZoomMenu(mnScaleX, TimeItems, std::size(TimeItems), "SetX");
    connect(FTimeGroup, &QActionGroup::triggered, this, &TfmMain::SetXExecute);
    mnScaleY = AddMenu(mnView, "&Size", "mnScaleY");
    FSizeGroup = AddZoomMenu(mnScaleY, SizeItems, std::size(SizeItems), "SetY");
    connect(FSizeGroup, &QActionGroup::triggered, this, &TfmMain::SetYExecute);

    mnKanale = AddMenu(mnView, "Channels", "mnKanale");
    for (int i = 0; i < ChannelCount; ++i) {
        const QByteArray name = "Channel" + QByteArray::number(i + 1);
        QAction* a = AddItem(mnKanale, QString::fromLatin1(name), name.constData(), i);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, a] { KanaleOneExecute(a); });
        FChannelItems.append(a);
    }
    mnKanale->addSeparator()->setData(-1);
    KanaleAll = AddItem(mnKanale, "All Channels", "KanaleAll", -1, "Alle Anzeigen");
    connect(KanaleAll, &QAction::triggered, this, &TfmMain::KanaleAllExecute);
    KanaleZero = AddItem(mnKanale, "Clear Channels", "KanaleZero", -1, "Keinen Anzeigen");
    connect(KanaleZero, &QAction::triggered, this, &TfmMain::KanaleZeroExecute);
    mnView->addSeparator();
    mnLanguage = AddLanguageMenu(mnView, FEnv);
    SetViewMenuEnabled(false);
}

void TfmMain::BuildOperatorMenu() {
    QMenu* op = menuBar()->addMenu("&Operator");
    op->setObjectName("mnOperator");
    Login = AddItem(op, "&Login", "Login", 0, "&Anmelden...");
    connect(Login, &QAction::triggered, this, &TfmMain::LoginExecute);
    Logoff = AddItem(op, "Logoff", "Logoff", 0, "Ab&melden");
    connect(Logoff, &QAction::triggered, this, &TfmMain::LogoffExecute);
    op->addSeparator();
    Users = AddItem(op, "&Manage...", "Users", 0, "&Verwaltung...");
    connect(Users, &QAction::triggered, this, &TfmMain::UsersExecute);
}

void TfmMain::BuildTimeMenu() {
    QMenu* time = menuBar()->addMenu("&Time");
    time->setObjectName("mnTime");
    TrmClear = AddItem(time, "Mark delete", "TrmClear", 0,
                       QString::fromUtf8("Zeitraumdefinition &löschen"));
    connect(TrmClear, &QAction::triggered, this, &TfmMain::TrmClearExecute);
    TrmExport = AddItem(time, "Export", "TrmExport", 0, "Daten &exportieren...");
    connect(TrmExport, &QAction::triggered, this, &TfmMain::TrmExportExecute);
    mnExcept = AddMenu(time, "Exclusive description", "mnExcept");
    TrmClearData = AddItem(mnExcept, "Stop", "TrmClearData", 0, "&Aufheben");
    connect(TrmClearData, &QAction::triggered, this, &TfmMain::TrmClearDataExecute);
    mnExcept->addSeparator();
}

void TfmMain::BuildSettingMenu() {
    QMenu* setting = menuBar()->addMenu("Setting");
    setting->setObjectName("mnSetting");
    QMenu* background = AddMenu(setting, "Background", "mnBackground");
    FColorGroup = new QActionGroup(this);
    ColorChange1 = AddItem(background, "White", "ColorChange1", 1);
    ColorChange2 = AddItem(background, "Grey", "ColorChange2", 2);
    for (QAction* a : {ColorChange1, ColorChange2}) {
        a->setCheckable(true);
        FColorGroup->addAction(a);
    }
    ColorChange1->setChecked(true);
    connect(FColorGroup, &QActionGroup::triggered, this, &TfmMain::ColorChangeExecute);
}

void TfmMain::BuildWindowMenu() {
    FWindowMenu = menuBar()->addMenu("&Window");
    FWindowMenu->setObjectName("mnWindow");
    WindowCascade1 =
        AddItem(FWindowMenu, "Cascade", "WindowCascade1", 0, QString::fromUtf8("Über&lappend"));
    connect(WindowCascade1, &QAction::triggered, this, &TfmMain::WindowCascade1Execute);
    WindowTileHorizontal1 =
        AddItem(FWindowMenu, "Tile Horizontal", "WindowTileHorizontal1", 0, "&Nebeneinander");
    connect(WindowTileHorizontal1, &QAction::triggered, this,
            &TfmMain::WindowTileHorizontal1Execute);
    WindowTileVertical1 =
        AddItem(FWindowMenu, "Tile Vertical", "WindowTileVertical1", 0, "&Nebeneinander");
    connect(WindowTileVertical1, &QAction::triggered, this, &TfmMain::WindowTileVertical1Execute);
    WindowMinimizeAll1 = AddItem(FWindowMenu, "Minimize", "WindowMinimizeAll1", 0,
                                 QString::fromUtf8("&Alle Fenster schließen"));
    connect(WindowMinimizeAll1, &QAction::triggered, this, &TfmMain::WindowMinimizeAll1Execute);
    WindowArrangeAll1 =
        AddItem(FWindowMenu, "Arrange", "WindowArrangeAll1", 0, "Sinn&bilder anordnen");
    connect(WindowArrangeAll1, &QAction::triggered, this, &TfmMain::WindowArrangeAll1Execute);
    connect(FWindowMenu, &QMenu::aboutToShow, this, &TfmMain::FillWindowList);
}

void TfmMain::BuildHelpMenu() {
    QMenu* help = menuBar()->addMenu("Help");
    help->setObjectName("mnHelp");
    QAction* a = AddItem(help, "Contents", "Help2", 0);
    a->setShortcut(QKeySequence(Qt::Key_F1));
    connect(a, &QAction::triggered, this, &TfmMain::Help2Click);
    connect(AddItem(help, tr("About ZEDA..."), "HelpAbout", 0), &QAction::triggered, this,
            &TfmMain::HelpAboutExecute);
}

void TfmMain::BuildAdminMenu() {
    Setup1 = menuBar()->addMenu("Admin");
    Setup1->setObjectName("Setup1");
    // Tag 1: always shown; tag 0: shown at administrator level only.
    LoginAdmin = AddItem(Setup1, "Login", "LoginAdmin", 1, "&Anmelden admin");
    LogoffAdmin = AddItem(Setup1, "Logoff", "LogoffAdmin", 1, "Ab&melden admin");
    connect(LoginAdmin, &QAction::triggered, this, &TfmMain::LoginAdminExecute);
    connect(LogoffAdmin, &QAction::triggered, this, &TfmMain::LogoffAdminExecute);
    Setup1->addSeparator()->setData(0);
    connect(AddItem(Setup1, "Location", "Location", 0, "Betriebsort"), &QAction::triggered, this,
            &TfmMain::LocationExecute);
    QMenu* channels = AddMenu(Setup1, "Channels", "mnSetKanal");
    for (int i = 1; i <= ChannelCount; ++i) {
        QAction* a = AddItem(channels, QString("Channel %1").arg(i),
                             ("SetKanal" + QByteArray::number(i)).constData(), i);
        connect(a, &QAction::triggered, this, [this, a] { SetKanalExecute(a); });
    }
    connect(AddItem(Setup1, "Time...", "Month", 0, "Zeit&raum des Datenerhalts..."),
            &QAction::triggered, this, &TfmMain::MonthExecute);
    QMenu* font = AddMenu(Setup1, "Font", "mnFont");
    FontScreen = AddItem(font, "Screen", "FontScreen", 0, "&Bildschirmschrift...");
    connect(FontScreen, &QAction::triggered, this, &TfmMain::FontScreenExecute);
    FontPrint = AddItem(font, "Print", "FontPrint", 0, "&Druckerschrift...");
    connect(FontPrint, &QAction::triggered, this, &TfmMain::FontPrintExecute);
    connect(AddItem(Setup1, "Summer time", "SummerTime", 0, "Sommer&zeit..."), &QAction::triggered,
            this, &TfmMain::SummerTimeExecute);
    Printer = AddItem(Setup1, "Printers...", "Printer", 0, "&Druckparameter...");
    connect(Printer, &QAction::triggered, this, &TfmMain::PrinterExecute);
    connect(AddItem(Setup1, "Password...", "Password", 0, QString::fromUtf8("&Paßwort ändern...")),
            &QAction::triggered, this, &TfmMain::PasswordExecute);
    QMenu* system = AddMenu(Setup1, "System", "mnSystem");
    connect(AddItem(system, "&System information...", "ACQInfo", 0, "&Systeminformation..."),
            &QAction::triggered, this, &TfmMain::ACQInfoExecute);
    connect(AddItem(system, "Channels group", "CHTest", 0,
                    QString::fromUtf8("&Datenkanalüberprüfung...")),
            &QAction::triggered, this, &TfmMain::CHTestExecute);
    connect(AddItem(Setup1, "Communications parameter...", "Communication", 0,
                    "&Kommunikationsparameter..."),
            &QAction::triggered, this, &TfmMain::CommunicationExecute);
    connect(AddItem(Setup1, tr("Publishing (MQTT)..."), "Publishing", 0), &QAction::triggered, this,
            &TfmMain::PublishingExecute);
    connect(AddItem(Setup1, tr("Exception descriptions..."), "ExceptionList", 0),
            &QAction::triggered, this, &TfmMain::ExceptionListExecute);
}

void TfmMain::BuildToolBar() {
    FToolBar = addToolBar("ToolBar1");
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
    LoadExceptionMenu(QDir(FEnv.dataDir).filePath("AUSNAHME.LST"), entries);
    QList<std::pair<QString, int>> items;
    for (const ExceptionMenuEntry& e : entries)
        items.append({FromAnsi(e.text), e.tag});
    FillExceptionMenu(items);
}
