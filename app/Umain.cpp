#include "app/Umain.h"

#include "comm/Ccommsim.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Ctablecolor.h"
#include "config/Fcodec.h"
#include "operators/Ulogin.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

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

constexpr ZoomItem SizeItems[] = {{" 1 : 1", 1}, {" 2 : 1", 2},  {" 3 : 1", 3},  {" 4 : 1", 4},
                                  {" 5 : 1", 5}, {"10 : 1", 10}, {"20 : 1", 20}};

int Tag(const QAction* a) { return a->data().toInt(); }

QAction* AddItem(QMenu* menu, const QString& caption, const char* name, int tag) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    a->setData(tag);
    return a;
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

} // namespace

TfmMain::TfmMain(TEnv& env, TLoginRunner login, QWidget* parent)
    : QMainWindow(parent), FEnv(env), FLogin(std::move(login)) {
    fmMain = this;
    setObjectName("fmMain");
    FMdi = new QMdiArea(this);
    setCentralWidget(FMdi);
    statusBar();
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &TfmMain::Timer1Timer);
    BuildMenus();

    // The start-up login runs before the global objects are built.
    FAccessLevel = RunLoginDialog(0);
    if (FAccessLevel == 0) {
        FEnv.messages->Show(TMessages::Error, "Login cancel. Application Terminate!");
        FTerminating = true;
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
    FormCreate();
}

TfmMain::~TfmMain() {
    FormDestroy();
    if (fmMain == this)
        fmMain = nullptr;
}

int TfmMain::RunLoginDialog(int mode) {
    if (FLogin)
        return FLogin(mode);
    return RunLogin(FEnv, mode, this);
}

void TfmMain::BuildMenus() {
    mnView = menuBar()->addMenu("&View");
    mnView->setObjectName("mnView");
    mnScaleX = mnView->addMenu("&Time");
    mnScaleX->setObjectName("mnScaleX");
    FTimeGroup = AddZoomMenu(mnScaleX, TimeItems, std::size(TimeItems), "SetX");
    mnScaleY = mnView->addMenu("&Size");
    mnScaleY->setObjectName("mnScaleY");
    FSizeGroup = AddZoomMenu(mnScaleY, SizeItems, std::size(SizeItems), "SetY");

    QMenu* setting = menuBar()->addMenu("Setting");
    QMenu* background = setting->addMenu("Background");
    FColorGroup = new QActionGroup(this);
    ColorChange1 = AddItem(background, "White", "ColorChange1", 1);
    ColorChange2 = AddItem(background, "Grey", "ColorChange2", 2);
    for (QAction* a : {ColorChange1, ColorChange2}) {
        a->setCheckable(true);
        FColorGroup->addAction(a);
    }
    ColorChange1->setChecked(true);
    connect(FColorGroup, &QActionGroup::triggered, this, &TfmMain::ColorChangeExecute);

    QMenu* operatorMenu = menuBar()->addMenu("&Operator");
    Logoff = AddItem(operatorMenu, "Logoff", "Logoff", 0);
    Logoff->setStatusTip("Ab&melden");

    Setup1 = menuBar()->addMenu("Admin");
    Setup1->setObjectName("Setup1");
    LoginAdmin = AddItem(Setup1, "Login", "LoginAdmin", 1);
    LoginAdmin->setStatusTip("&Anmelden admin");
    LogoffAdmin = AddItem(Setup1, "Logoff", "LogoffAdmin", 1);
    LogoffAdmin->setStatusTip("Ab&melden admin");
    connect(LoginAdmin, &QAction::triggered, this, &TfmMain::LoginAdminExecute);
    connect(LogoffAdmin, &QAction::triggered, this, &TfmMain::LogoffAdminExecute);
}

void TfmMain::FormCreate() {
    // The help file is opened by the Help command when it exists; nothing
    // needs attaching here.
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

void TfmMain::CheckZoomItems(int timeZoom, int sizeZoom) {
    CheckTagged(FTimeGroup, timeZoom);
    CheckTagged(FSizeGroup, sizeZoom);
}

void TfmMain::SetViewMenuEnabled(bool on) {
    for (QAction* a : mnView->actions())
        a->setEnabled(on);
}

void TfmMain::ChildActivated(MonthDocument&, int timeZoom, int sizeZoom) {
    CheckZoomItems(timeZoom, sizeZoom);
    SetViewMenuEnabled(true);
}

void TfmMain::ChildDeactivated() { SetViewMenuEnabled(false); }

void TfmMain::RunningWindowChanged(MonthDocument&, int timeZoom, int sizeZoom) {
    SetViewMenuEnabled(true);
    CheckZoomItems(timeZoom, sizeZoom);
}

void TfmMain::UpdateMarkCommands(MonthDocument&) {}

void TfmMain::UpdateOperatorCommands() { Logoff->setEnabled(Config && Config->operatorIndex != -1); }

void TfmMain::UpdateAdminCommands() {
    LogoffAdmin->setEnabled(FAccessLevel == 2);
    for (QAction* a : Setup1->actions()) {
        if (Tag(a) == 0)
            a->setVisible(FAccessLevel == 2);
    }
}

void TfmMain::ColorChangeExecute(QAction* item) {
    item->setChecked(true);
    Config->SetBackgroundChoice(Tag(item));
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->SetBackgroundColour(Config->backgroundColour);
    }
}

void TfmMain::LoginAdminExecute() {
    const int level = RunLoginDialog(0);
    if (level != 0)
        FAccessLevel = level;
    UpdateAdminCommands();
}

void TfmMain::LogoffAdminExecute() {
    FAccessLevel = 1;
    UpdateAdminCommands();
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
