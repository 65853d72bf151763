#include "app/Umain.h"

#include "comm/Ccommsim.h"
#include "config/Cconfig.h"
#include "config/Cdatadirlock.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Ctablecolor.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "files/Fexceptions.h"
#include "files/Fmonthfile.h"
#include "operators/Ulogin.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

TfmMain* fmMain = nullptr;

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

constexpr int ChannelCount = 14;
// The property that keeps the canonical path of an opened month file on its
// window, so that no file is opened twice.
constexpr char PathProperty[] = "zedaCanonicalPath";
const QString OpenFilter = QStringLiteral("ZMF files (*.zmf)");
const QString CsvFilter = QStringLiteral("CSV files (*.csv)");
const QString GuideName = QStringLiteral("zeda-help.html");

int Tag(const QAction* a) {
    return a->data().toInt();
}

// A menu item; its hint in the status bar is the action's own caption.
QAction* AddItem(QMenu* menu, const QString& caption, const char* name, int tag,
                 const QString& hint = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(tag);
    a->setStatusTip(hint.isEmpty() ? caption : hint);
    return a;
}

QMenu* AddMenu(QMenu* parent, const QString& caption, const char* name, int tag = 0) {
    QMenu* m = parent->addMenu(caption);
    if (name)
        m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setData(tag);
    return m;
}

// Checks the radio item of the group whose tag is given; with no such item
// the previous check mark stays.
void CheckTagged(QActionGroup* group, int tag) {
    for (QAction* a : group->actions()) {
        if (Tag(a) == tag) {
            a->setChecked(true);
            return;
        }
    }
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

// A command whose dialog or operation is not part of the program yet: in
// the menu with its caption and access rule, but not selectable.
void NotYetAvailable(QAction* a) {
    a->setEnabled(false);
}

} // namespace

TfmMain::TfmMain(TEnv& env, TLoginRunner login, QWidget* parent)
    : QMainWindow(parent), FEnv(env), FLogin(std::move(login)) {
    fmMain = this;
    setObjectName("fmMain");
    programDir = QCoreApplication::applicationDirPath();
    programName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    InstallDefaultDialogs();
    FMdi = new QMdiArea(this);
    FMdi->setObjectName("ClientArea");
    setCentralWidget(FMdi);
    statusBar()->setObjectName("StatusBar1");
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &TfmMain::Timer1Timer);
    BuildMenus();
    BuildToolBar();

    // A second writer on the data directory would lose minutes of both.
    FDataLock = std::make_unique<TDataDirLock>(FEnv.dataDir, FEnv.appName);
    if (!FDataLock->TryLock(QFileInfo(QCoreApplication::applicationFilePath()).fileName())) {
        FEnv.messages->Show(TMessages::Error, FDataLock->RefusalText());
        Terminate(1);
        return;
    }
    // The start-up login runs before the global objects are built. A
    // cancelled login opens nothing and writes nothing; the program entry
    // ends without entering the event loop, so no modal message on the way
    // can swallow the end.
    FAccessLevel = RunLoginDialog(0);
    if (FAccessLevel == 0) {
        FEnv.messages->Show(TMessages::Error, "Login cancel. Application Terminate!");
        Terminate(0);
        return;
    }
    FormCreate();
}

TfmMain::~TfmMain() {
    // The diagram windows go while the main window they report to is whole.
    for (QMdiSubWindow* w : FMdi->subWindowList())
        delete w;
    FormDestroy();
    if (fmMain == this)
        fmMain = nullptr;
}

void TfmMain::Terminate(int exitCode) {
    FTerminating = true;
    FExitCode = exitCode;
}

int RunMainWindow(TEnv& env, TLoginRunner login) {
    TfmMain window(env, std::move(login));
    if (window.Terminating())
        return window.ExitCode();
    window.show();
    return QApplication::exec();
}

int TfmMain::RunLoginDialog(int mode) {
    if (FLogin)
        return FLogin(mode);
    return RunLogin(FEnv, mode, this);
}

void TfmMain::InstallDefaultDialogs() {
    ChooseOpenFile = [this](const QString& dir, const QString& filter) {
        return QFileDialog::getOpenFileName(this, QString(), dir, filter);
    };
    // A CSV export typed without an extension gets ".csv", never ".ZMF", so
    // that it cannot replace a month file of the same name.
    ChooseSaveFile = [this](const QString& dir, const QString& filter) {
        QFileDialog dialog(this, QString(), dir, filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(filter == CsvFilter ? "csv" : "ZMF");
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    // The directory prompt lets the user create a new directory.
    ChooseDirectory = [this](const QString& dir) {
        return QFileDialog::getExistingDirectory(this, QString(), dir);
    };
    ChooseFont = [this](QFont& font) {
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, font, this);
        if (ok)
            font = chosen;
        return ok;
    };
    RunPrinterSetup = [this] {
        QPrinter printer;
        QPrintDialog dialog(&printer, this);
        dialog.exec();
    };
    OpenUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

// ---------------------------------------------------------------- menus

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
    NotYetAvailable(PrintDay);
    QMenu* month = AddMenu(print, "Month print", "mnPrintMonth");
    for (int n : {3, 4, 5}) {
        QAction* a = AddItem(month, QString("&%1 Day on page").arg(n),
                             QByteArray("PrintMonth" + QByteArray::number(n)).constData(), n);
        NotYetAvailable(a);
    }
    PrintCopy = AddItem(print, "Expression of the actual image", "PrintCopy", 0,
                        "&Ausdruck der aktuellen Darstellung");
    NotYetAvailable(PrintCopy);
    print->addSeparator();
    PrinterSetup = AddItem(print, "Print setup", "PrinterSetup", 0, "Drucken setup");
    connect(PrinterSetup, &QAction::triggered, this, &TfmMain::PrinterSetupExecute);

    FileClose1 = AddItem(data, "Save", "FileClose1", 0, QString::fromUtf8("&Schließen"));
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
    FileSave1->setStatusTip("&Save");
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
    SetViewMenuEnabled(false);
}

void TfmMain::BuildOperatorMenu() {
    QMenu* op = menuBar()->addMenu("&Operator");
    op->setObjectName("mnOperator");
    Login = AddItem(op, "&Login", "Login", 0, "&Anmelden...");
    NotYetAvailable(Login);
    Logoff = AddItem(op, "Logoff", "Logoff", 0, "Ab&melden");
    connect(Logoff, &QAction::triggered, this, &TfmMain::LogoffExecute);
    op->addSeparator();
    Users = AddItem(op, "&Manage...", "Users", 0, "&Verwaltung...");
    NotYetAvailable(Users);
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
    QAction* a = AddItem(help, "Help", "Help2", 0);
    connect(a, &QAction::triggered, this, &TfmMain::Help2Click);
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
    NotYetAvailable(AddItem(Setup1, "Location", "Location", 0, "Betriebsort"));
    QMenu* channels = AddMenu(Setup1, "Channels", "mnSetKanal");
    for (int i = 1; i <= ChannelCount; ++i) {
        NotYetAvailable(AddItem(channels, QString("Channel %1").arg(i),
                                ("SetKanal" + QByteArray::number(i)).constData(), i));
    }
    NotYetAvailable(AddItem(Setup1, "Time...", "Month", 0, "Zeit&raum des Datenerhalts..."));
    QMenu* font = AddMenu(Setup1, "Font", "mnFont");
    FontScreen = AddItem(font, "Screen", "FontScreen", 0, "&Bildschirmschrift...");
    connect(FontScreen, &QAction::triggered, this, &TfmMain::FontScreenExecute);
    FontPrint = AddItem(font, "Print", "FontPrint", 0, "&Druckerschrift...");
    connect(FontPrint, &QAction::triggered, this, &TfmMain::FontPrintExecute);
    NotYetAvailable(AddItem(Setup1, "Summer time", "SummerTime", 0, "Sommer&zeit..."));
    NotYetAvailable(AddItem(Setup1, "Printers...", "Printer", 0, "&Druckparameter..."));
    NotYetAvailable(
        AddItem(Setup1, "Password...", "Password", 0, QString::fromUtf8("&Paßwort ändern...")));
    QMenu* system = AddMenu(Setup1, "System", "mnSystem");
    NotYetAvailable(
        AddItem(system, "&System information...", "ACQInfo", 0, "&Systeminformation..."));
    NotYetAvailable(AddItem(system, "Channels group", "CHTest", 0,
                            QString::fromUtf8("&Datenkanalüberprüfung...")));
    NotYetAvailable(AddItem(Setup1, "Communications parameter...", "Communication", 0,
                            "&Kommunikationsparameter..."));
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
    for (const auto& [caption, tag] : items) {
        if (tag <= 0)
            continue;
        // An ampersand of the description is shown, not taken as a mnemonic.
        QAction* a = mnExcept->addAction(QString(caption).replace("&", "&&"));
        a->setData(tag);
        a->setObjectName(QString("Except%1").arg(tag));
        a->setStatusTip(caption);
        connect(a, &QAction::triggered, this,
                [this, description = caption] { ExceptionItemExecute(description); });
    }
}

void TfmMain::LoadExceptionDescriptions() {
    std::vector<ExceptionMenuEntry> entries;
    if (!LoadExceptionMenu(QDir(FEnv.dataDir).filePath("AUSNAHME.LST"), entries))
        return;
    QList<std::pair<QString, int>> items;
    for (const ExceptionMenuEntry& e : entries)
        items.append({FromAnsi(e.text), e.tag});
    FillExceptionMenu(items);
}

// ---------------------------------------------------------------- life cycle

void TfmMain::FormCreate() {
    // The help file is looked for by the Help command itself.
    Config = new TConfig(FEnv.IniPath());
    Colors = new TTableColor();
    UpdateOperatorCommands();
    UpdateAdminCommands();
    setWindowState(windowState() | Qt::WindowMaximized);
    if (Config->backgroundChoice == 1)
        ColorChange1->setChecked(true);
    else if (Config->backgroundChoice == 2)
        ColorChange2->setChecked(true);
    setWindowTitle("ZEDA " + FromAnsi(Config->location));
    ReloadChannelDefs(TIniFile(FEnv.IniPath()), Config->channels);
    Comm = new TCommSim(FEnv);
    Comm->Start();
    FCycle.ticksToCycle = 1;
    Timer1->start();
    LoadExceptionDescriptions();
}

void TfmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}

void TfmMain::FormShow() {
    auto* child = new TfmChildAct(FEnv, this);
    fmChildAct = child;
    FMdi->addSubWindow(child);
    child->setWindowTitle("Aktuell:");
    child->Tag = 1;
    child->SetBackgroundColour(Config->backgroundColour);
    child->showMaximized();
    child->ApplyTimeZoom(Config->timeZoom);
    child->ApplyValueZoom(Config->sizeZoom);
    CheckZoomItems(Config->timeZoom, Config->sizeZoom);
}

void TfmMain::Timer1Timer() {
    FCycle.Tick(Comm, [] { return fmChildAct ? fmChildAct->RunCycle() : 1; });
}

void TfmMain::closeEvent(QCloseEvent* event) {
    if (FTerminating) {
        event->accept();
        return;
    }
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TfmMain::FormCloseQuery() {
    if (FAccessLevel != 1)
        return true;
    if (RunLoginDialog(1) == 0) {
        FEnv.messages->Show(TMessages::Error, "Cancel close!");
        return false;
    }
    return true;
}

void TfmMain::FormClose() {
    // The zooms always come from the running-month window, whichever window
    // is active.
    const int timeZoom = fmChildAct ? fmChildAct->GetTimeZoom() : Config->timeZoom;
    const int sizeZoom = fmChildAct ? fmChildAct->GetValueZoom() : Config->sizeZoom;
    WriteConfigKey(FEnv, "FormsColor", QByteArray::number(Config->backgroundChoice));
    WriteConfigKey(FEnv, "Zeitfaktor", QByteArray::number(timeZoom));
    WriteConfigKey(FEnv, SizeFactorKey, QByteArray::number(sizeZoom));
    Timer1->stop();
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->Tag = 0;
        w->close();
    }
}

void TfmMain::FormDestroy() {
    delete Comm;
    Comm = nullptr;
    delete Config;
    Config = nullptr;
    delete Colors;
    Colors = nullptr;
}

// ---------------------------------------------------------------- enabling rules

TfmChildBase* TfmMain::ActiveChild() const {
    return qobject_cast<TfmChildBase*>(FMdi->activeSubWindow());
}

void TfmMain::CheckZoomItems(int timeZoom, int sizeZoom) {
    CheckTagged(FTimeGroup, timeZoom);
    CheckTagged(FSizeGroup, sizeZoom);
}

void TfmMain::SetViewMenuEnabled(bool on) {
    for (QAction* a : mnView->actions())
        a->setEnabled(on);
}

void TfmMain::FillChannelMenu(const MonthDocument& document) {
    for (int i = 0; i < ChannelCount; ++i) {
        QAction* a = FChannelItems[i];
        const ChannelDef c = HeaderChannel(document.header, i);
        const bool used = c.active != 0;
        a->setEnabled(used);
        a->setVisible(used);
        if (!used)
            continue;
        a->setText(FromAnsi(c.name));
        a->setChecked(document.display.channelVisible[i] != 0);
        a->setData(i);
    }
}

void TfmMain::ChildActivated(MonthDocument& document, int timeZoom, int sizeZoom) {
    FillChannelMenu(document);
    CheckZoomItems(timeZoom, sizeZoom);
    SetViewMenuEnabled(true);
}

void TfmMain::ChildDeactivated() {
    SetViewMenuEnabled(false);
}

void TfmMain::RunningWindowChanged(MonthDocument& document, int timeZoom, int sizeZoom) {
    FillChannelMenu(document);
    SetViewMenuEnabled(true);
    CheckZoomItems(timeZoom, sizeZoom);
    UpdateMarkCommands(document);
}

void TfmMain::UpdateMarkCommands(MonthDocument& document) {
    const MonthDisplay& d = document.display;
    SetMarkCommandsEnabled(d.BothMarks(), 1);
    SetMarkCommandsEnabled(d.BothMarks(), 2);
    SetMarkCommandsEnabled(d.AnyMark(), 0);
}

void TfmMain::SetMarkCommandsEnabled(bool on, int kind) {
    // The export and a new exception period need both marks as the bounds
    // of their range; clearing the marks makes sense with either one.
    switch (kind) {
    case 0:
        TrmClear->setEnabled(on);
        break;
    case 1:
        TrmExport->setEnabled(on);
        break;
    case 2:
        mnExcept->menuAction()->setEnabled(on);
        break;
    default:
        break;
    }
}

void TfmMain::UpdateOperatorCommands() {
    Logoff->setEnabled(Config && Config->operatorIndex != -1);
}

void TfmMain::UpdateAdminCommands() {
    LogoffAdmin->setEnabled(FAccessLevel == 2);
    for (QAction* a : Setup1->actions()) {
        if (Tag(a) == 0)
            a->setVisible(FAccessLevel == 2);
    }
}

// ---------------------------------------------------------------- Data menu

TfmChildData* TfmMain::OpenMonthFile(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return nullptr;
    const QString canonical = info.canonicalFilePath();
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        auto* data = qobject_cast<TfmChildData*>(w);
        if (data && data->property(PathProperty).toString() == canonical) {
            FMdi->setActiveSubWindow(data);
            return data;
        }
    }
    auto* child = new TfmChildData(FEnv, canonical, this);
    child->setProperty(PathProperty, canonical);
    child->Tag = 0;
    FMdi->addSubWindow(child);
    if (Config)
        child->SetBackgroundColour(Config->backgroundColour);
    child->show();
    FMdi->setActiveSubWindow(child);
    return child;
}

void TfmMain::FileOpen1Execute() {
    // A name that does not exist is ignored without a message.
    OpenMonthFile(ChooseOpenFile(FEnv.dataDir, OpenFilter));
}

void TfmMain::FileClose1Execute() {
    // The running-month window only minimises itself on a close.
    if (QMdiSubWindow* w = FMdi->activeSubWindow())
        w->close();
}

void TfmMain::FileSave1Execute() {
    BackupExecute();
}

void TfmMain::FileExit1Execute() {
    close();
}

void TfmMain::PrinterSetupExecute() {
    RunPrinterSetup();
}

// ---------------------------------------------------------------- Edit menu

void TfmMain::EditCut1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->cut();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->cut();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->cut();
}

void TfmMain::EditCopy1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->copy();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->copy();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->copy();
}

void TfmMain::EditPaste1Execute() {
    QWidget* w = QApplication::focusWidget();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        line->paste();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->paste();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->paste();
}

// ---------------------------------------------------------------- View menu

void TfmMain::SetXExecute(QAction* item) {
    item->setChecked(true);
    if (TfmChildBase* w = ActiveChild())
        w->ApplyTimeZoom(Tag(item));
}

void TfmMain::SetYExecute(QAction* item) {
    item->setChecked(true);
    if (TfmChildBase* w = ActiveChild())
        w->ApplyValueZoom(Tag(item));
}

void TfmMain::KanaleOneExecute(QAction* item) {
    // A triggered checkable action has already inverted its check mark.
    if (TfmChildBase* w = ActiveChild())
        w->ShowChannel(Tag(item), item->isChecked());
}

void TfmMain::KanaleAllExecute() {
    if (TfmChildBase* w = ActiveChild())
        w->ShowChannel(-1, true);
    for (QAction* a : FChannelItems)
        a->setChecked(true);
}

void TfmMain::KanaleZeroExecute() {
    if (TfmChildBase* w = ActiveChild())
        w->ShowChannel(-1, false);
    for (QAction* a : FChannelItems)
        a->setChecked(false);
}

// ---------------------------------------------------------------- Time menu

void TfmMain::TrmClearExecute() {
    TfmChildBase* w = ActiveChild();
    if (!w || w->Tag != 0)
        return;
    w->ClearMarks();
    for (int kind : {0, 1, 2})
        SetMarkCommandsEnabled(false, kind);
}

// ---------------------------------------------------------------- Setting, Window, Help

void TfmMain::ColorChangeExecute(QAction* item) {
    item->setChecked(true);
    Config->SetBackgroundChoice(Tag(item));
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->SetBackgroundColour(Config->backgroundColour);
    }
}

void TfmMain::WindowCascade1Execute() {
    FMdi->cascadeSubWindows();
}

void TfmMain::WindowTileHorizontal1Execute() {
    TileWindows(false);
}

void TfmMain::WindowTileVertical1Execute() {
    TileWindows(true);
}

void TfmMain::TileWindows(bool columns) {
    QList<QMdiSubWindow*> shown;
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (w->isVisible() && !w->isMinimized())
            shown.append(w);
    }
    if (shown.isEmpty())
        return;
    const QRect area = FMdi->viewport()->rect();
    const int n = int(shown.size());
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = shown[i];
        w->showNormal();
        if (columns) {
            const int left = area.width() * i / n;
            const int right = area.width() * (i + 1) / n;
            w->setGeometry(left, 0, right - left, area.height());
        } else {
            const int top = area.height() * i / n;
            const int bottom = area.height() * (i + 1) / n;
            w->setGeometry(0, top, area.width(), bottom - top);
        }
    }
}

void TfmMain::WindowMinimizeAll1Execute() {
    for (QMdiSubWindow* w : FMdi->subWindowList())
        w->showMinimized();
}

void TfmMain::WindowArrangeAll1Execute() {
    // Lines the minimised windows up along the bottom edge.
    const QRect area = FMdi->viewport()->rect();
    int x = 0;
    int y = area.height();
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (!w->isMinimized())
            continue;
        const QSize size = w->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        w->move(x, y - size.height());
        x += size.width();
    }
}

void TfmMain::FillWindowList() {
    qDeleteAll(FWindowListItems);
    FWindowListItems.clear();
    const QList<QMdiSubWindow*> windows = FMdi->subWindowList();
    if (windows.isEmpty())
        return;
    FWindowListItems.append(FWindowMenu->addSeparator());
    int number = 0;
    for (QMdiSubWindow* w : windows) {
        ++number;
        const QString caption = number < 10 ? QString("&%1 %2").arg(number).arg(w->windowTitle())
                                            : QString("%1 %2").arg(number).arg(w->windowTitle());
        QAction* a = FWindowMenu->addAction(caption);
        a->setCheckable(true);
        a->setChecked(w == FMdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] {
            if (w->isMinimized())
                w->showNormal();
            FMdi->setActiveSubWindow(w);
        });
        FWindowListItems.append(a);
    }
}

QString TfmMain::HelpPath() const {
    // The help file lives in the data directory like the other files of the
    // installation, or next to the program; the shipped guide next to the
    // program.
    const QString chm = programName + ".chm";
    for (const QString& dir : {FEnv.dataDir, programDir}) {
        const QString path = QDir(dir).filePath(chm);
        if (QFileInfo::exists(path))
            return path;
    }
    const QString guide = QDir(programDir).filePath(GuideName);
    return QFileInfo::exists(guide) ? guide : QString();
}

void TfmMain::Help2Click() {
    const QString path = HelpPath();
    if (!path.isEmpty())
        OpenUrl(QUrl::fromLocalFile(path));
}

// ---------------------------------------------------------------- Admin menu

void TfmMain::LoginAdminExecute() {
    const int level = RunLoginDialog(0);
    if (level != 0)
        FAccessLevel = level;
    UpdateAdminCommands();
}

void TfmMain::LogoffExecute() {
    // The caption loses the location too.
    setWindowTitle("ZEDA ");
    Config->operatorIndex = -1;
    Config->operatorLoggedIn = false;
    Config->operatorName.clear();
    UpdateOperatorCommands();
}

void TfmMain::LogoffAdminExecute() {
    FAccessLevel = 1;
    UpdateAdminCommands();
}

bool TfmMain::ChooseFontOnce(QFont& font) {
    // Not preset from the stored fonts: the dialog shows the last choice.
    QFont chosen = FLastFont;
    if (!ChooseFont(chosen))
        return false;
    FLastFont = chosen;
    font = chosen;
    return true;
}

void TfmMain::FontScreenExecute() {
    QFont font;
    if (ChooseFontOnce(font))
        WriteFontKey(FEnv, "Bildschirmschriftdefinition", font);
}

void TfmMain::FontPrintExecute() {
    QFont font;
    if (!ChooseFontOnce(font))
        return;
    Config->printerFont = font;
    Config->printerFontSet = true;
    WriteFontKey(FEnv, "Druckerschriftdefinition", font);
}

// ---------------------------------------------------------------- window operations

void TfmMain::BackupExecute() {
    TfmChildBase* w = ActiveChild();
    if (!w)
        return;
    // The running month is still being written: its command opens a file
    // instead.
    if (w->Tag == 1) {
        FileOpen1Execute();
        return;
    }
    const QString dir = ChooseDirectory(FEnv.dataDir);
    if (!dir.isEmpty())
        w->BackupTo(dir);
}

void TfmMain::Import1Click() {
    const QString source = ChooseOpenFile(FEnv.dataDir, OpenFilter);
    if (source.isEmpty())
        return;
    // The directory is asked for, but the file always goes into the data
    // directory.
    if (ChooseDirectory(FEnv.dataDir).isEmpty())
        return;
    TfmChildBase* w = ActiveChild();
    if (!w)
        w = fmChildAct;
    if (w)
        w->ImportFile(source, QDir(FEnv.dataDir).filePath(QFileInfo(source).fileName()));
}

void TfmMain::TrmExportExecute() {
    TfmChildBase* w = ActiveChild();
    if (!w)
        return;
    const QString path = ChooseSaveFile(FEnv.dataDir, CsvFilter);
    if (!path.isEmpty())
        w->ExportMarkedRange(path);
}

void TfmMain::TrmClearDataExecute() {
    if (TfmChildBase* w = ActiveChild()) {
        w->ExceptionCommand(QString::fromLatin1(ClearExceptText));
        RefreshExceptionsOfAllWindows();
    }
}

void TfmMain::ExceptionItemExecute(const QString& description) {
    if (TfmChildBase* w = ActiveChild()) {
        w->ExceptionCommand(description);
        RefreshExceptionsOfAllWindows();
    }
}

void TfmMain::RefreshExceptionsOfAllWindows() {
    // Every window that shows the changed file re-reads its table, the
    // running-month window too.
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->RefreshExceptions();
    }
}
