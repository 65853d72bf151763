#include "app/Umain.h"

#include "app/Fmainshared.h"
#include "app/Ualarmcommands.h"
#include "app/Ualarming.h"
#include "app/Ucommandmodule.h"
#include "app/Udialogwidth.h"
#include "app/Ueditcommands.h"
#include "app/Ufilecommands.h"
#include "app/Uhelp.h"
#include "app/Uhelpcommands.h"
#include "app/Ulinkstatus.h"
#include "app/Uoperatorcommands.h"
#include "app/Upanels.h"
#include "app/Uprintcommands.h"
#include "app/Upublishcommands.h"
#include "app/Upublishing.h"
#include "app/Usettingcommands.h"
#include "app/Utimecommands.h"
#include "app/Uunitcommands.h"
#include "app/Uviewcommands.h"
#include "app/Uwindowcommands.h"
#include "comm/Cacquisition.h"
#include "comm/Ccommbase.h"
#include "comm/Fcommlink.h"
#include "config/Cconfig.h"
#include "config/Cdatadirlock.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "config/Ctablecolor.h"
#include "config/Fcodec.h"
#include "config/Fsettingkeys.h"
#include "dialogs/Ucsvexport.h"
#include "files/Fmonthfile.h"
#include "operators/Ulogin.h"
#include "print/Cprintbase.h"
#include "print/Csystemprint.h"
#include "print/Uprintday.h"
#include "print/Uprinter.h"
#include "print/Uprintpreview.h"
#include "view/Uchannelpanel.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <QTimer>

TfmMain* fmMain = nullptr;

namespace {

// The property that keeps the canonical path of an opened month file on its
// window, so that no file is opened twice.
constexpr char PathProperty[] = "zedaCanonicalPath";

} // namespace

TfmMain::TfmMain(TEnv& env, TLoginRunner login, QWidget* parent)
    : QMainWindow(parent), FEnv(env), FLogin(std::move(login)) {
    fmMain = this;
    setObjectName("fmMain");
    // No dialog of the program is narrower than its title.
    qApp->installEventFilter(new TDialogWidthFilter(this));
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
    // A log-out or shutdown must not wait for a password nobody types.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &TfmMain::EndOfSession);
    setWindowIcon(ProgramIcon());
    QApplication::setWindowIcon(ProgramIcon());
    BuildModules();
    BuildMenus();
    BuildToolBar();
    BuildPanels();

    // Settings that cannot be read would be taken for the defaults (the
    // simulator among them): nothing starts on them.
    const QString iniProblem = IniReadProblem(FEnv.IniPath());
    if (!iniProblem.isEmpty()) {
        FEnv.messages->Show(TMessages::Error, UnreadableIniText(FEnv.IniPath(), iniProblem));
        Terminate(1);
        return;
    }
    if (!TakeDataDirectory()) {
        Terminate(1);
        return;
    }
    // The start-up login runs before the global objects are built. A
    // cancelled login opens nothing and writes nothing; the program entry
    // ends without entering the event loop, so no modal message on the way
    // can swallow the end.
    FAccessLevel = RunLoginDialog(0);
    if (FAccessLevel == 0) {
        FEnv.messages->Show(TMessages::Error, tr("Login cancel. Application Terminate!"));
        Terminate(0);
        return;
    }
    FormCreate();
}

TfmMain::~TfmMain() {
    // The panels follow no window while the windows go, and the Edit
    // commands no focus while the widgets go.
    disconnect(FMdi, nullptr, this, nullptr);
    disconnect(ChannelPanel(), nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
    // The diagram windows go while the main window they report to is whole.
    for (QMdiSubWindow* w : FMdi->subWindowList())
        delete w;
    FormDestroy();
    if (fmMain == this)
        fmMain = nullptr;
}

bool TfmMain::TakeDataDirectory() {
    // A second writer on the data directory would lose minutes of both.
    FDataLock = std::make_unique<TDataDirLock>(FEnv.dataDir, FEnv.appName);
    if (FDataLock->TryLock(QFileInfo(QCoreApplication::applicationFilePath()).fileName())) {
        RemoveInterruptedCreations(FEnv.dataDir);
        return true;
    }
    // The service writes; this program only reads beside it.
    if (FDataLock->HolderProgram() == QLatin1String(AcquisitionServiceName)) {
        FViewer = true;
        FServiceHolder = FDataLock->HolderText();
        FDataLock.reset();
        return true;
    }
    FEnv.messages->Show(TMessages::Error, FDataLock->RefusalText());
    return false;
}

void TfmMain::ShowViewerStatus() {
    auto* label = new QLabel(tr("Acquisition runs in the service %1.").arg(FServiceHolder), this);
    label->setObjectName("lblService");
    statusBar()->addPermanentWidget(label);
}

void TfmMain::SetBusy(bool busy) {
    if (FService)
        FService->SetBusy(busy);
    FBusy = busy;
}

void TfmMain::Terminate(int exitCode) {
    FTerminating = true;
    FExitCode = exitCode;
}

int RunMainWindow(TEnv& env, TLoginRunner login, const QStringList& files) {
    TfmMain window(env, std::move(login));
    if (window.Terminating())
        return window.ExitCode();
    window.show();
    // The month files named on the command line (a file manager's "Open").
    for (const QString& file : files)
        window.OpenMonthFile(QFileInfo(file).absoluteFilePath());
    return QApplication::exec();
}

int TfmMain::RunLoginDialog(int mode) {
    if (FLogin)
        return FLogin(mode);
    // Before the main window is shown the login stands alone, centred on
    // the screen, not over the window's place-to-be.
    return RunLogin(FEnv, mode, isVisible() ? this : nullptr);
}

void TfmMain::BuildPanels() {
    FPanels = std::make_unique<TPanels>(this);
    FLinkStatus = std::make_unique<TLinkStatus>(statusBar());
    // A box of the panel does what the channel's item of View › Channels
    // does; the menu and the panel follow each other.
    connect(ChannelPanel(), &TChannelPanel::channelToggled, this,
            [this](int channel, bool shown) { FView->ToggleChannel(channel, shown); });
    connect(FMdi, &QMdiArea::subWindowActivated, this, [this] { RefreshPanels(); });
}

void TfmMain::RefreshPanels() {
    FPanels->ShowWindow(ActiveChild(), FAlarming ? FAlarming->Evaluator() : nullptr);
}

TRangePanel* TfmMain::RangePanel() const {
    return FPanels->Range();
}

TChannelPanel* TfmMain::ChannelPanel() const {
    return FPanels->Channels();
}

void TfmMain::ZoomChanged(int timeZoom, int sizeZoom) {
    FView->CheckZoomItems(timeZoom, sizeZoom);
}

void TfmMain::CursorMoved(MonthDocument& document, int slot) {
    TfmChildBase* w = ActiveChild();
    if (w && &w->Document() == &document)
        FPanels->ShowCursor(document, slot);
}

void TfmMain::DataChanged(MonthDocument& document) {
    TfmChildBase* w = ActiveChild();
    if (w && &w->Document() == &document)
        FPanels->ShowData(w);
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
        dialog.setDefaultSuffix(filter == CsvFilter()   ? "csv"
                                : filter == PdfFilter() ? "pdf"
                                                        : "ZMF");
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    ChooseCsvOptions = [this](TCsvOptions& options) {
        TfmCsvExport dialog(this);
        if (ExecDialog(dialog) != QDialog::Accepted)
            return false;
        options = dialog.Options();
        return true;
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
    ExecDialog = [](QDialog& dialog) { return dialog.exec(); };
    ChoosePrintDays = [this](int& first, int& last, int maxDay) {
        return RunPrintDay(first, last, maxDay, this);
    };
    ShowPrinterDialog = [this](const QStringList& printers) {
        RunPrinterDialog(FEnv, printers, this);
    };
    ShowPrintPreview = [](TfmPrintPreview& preview) { preview.exec(); };
}

// ---------------------------------------------------------------- life cycle

void TfmMain::FormCreate() {
    // The help file is looked for by the Help command itself.
    Config = new TConfig(FEnv.IniPath());
    connect(Config, &TConfig::changed, this, &TfmMain::SettingsChanged);
    Colors = new TTableColor();
    UpdateCommands();
    setWindowState(windowState() | Qt::WindowMaximized);
    FSettings->ShowBackgroundChoice(Config->backgroundChoice);
    setWindowTitle(LocationCaption(FromAnsi(Config->location)));
    Prnt = new TPrintBase(FEnv, Config, std::make_unique<TSystemPrintSystem>());
    if (FViewer) {
        // No link: the service holds the unit and its port.
        ShowViewerStatus();
        Timer1->start();
    } else {
        // The INI key "Unit" chooses the simulator or the serial driver.
        Comm = CreateComm(FEnv).release();
        Comm->Start();
        FService = std::make_unique<TAcquisitionService>(FEnv, *Comm, *Config);
        FService->Start();
    }
    FTime->LoadExceptionDescriptions();
    FPublishing = std::make_unique<TPublishing>(FEnv, this, FService.get());
    FPublishing->Restart();
    StartAlarms();
}

void TfmMain::StartAlarms() {
    FAlarming = std::make_unique<TAlarming>(FEnv, this);
    connect(FAlarming.get(), &TAlarming::changed, this,
            [this] { FPanels->ShowAlarmStatus(FAlarming->Evaluator()); });
    connect(FAlarming.get(), &TAlarming::acknowledgeRequested, this,
            [this] { FAlarms->AcknowledgeAlarms(); });
    FAlarming->Start();
    // The service judges every minute it stores; a viewer's service does
    // so in its own process.
    if (FService)
        FService->SetAlarms(FAlarming->Evaluator());
}

void TfmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}

void TfmMain::SettingsChanged(TSettingsGroup group) {
    if (group == TSettingsGroup::Location)
        setWindowTitle(LocationCaption(FromAnsi(Config->location)));
    else if (group == TSettingsGroup::Channels && fmChildAct)
        fmChildAct->ChannelsChanged();
}

void TfmMain::FormShow() {
    auto* child = new TfmChildAct(FEnv, this);
    fmChildAct = child;
    FMdi->addSubWindow(child);
    child->setWindowTitle(NoRecordCaption());
    child->Tag = 1;
    child->SetBackgroundColour(Config->backgroundColour);
    child->showMaximized();
    child->ApplyTimeZoom(Config->timeZoom);
    child->ApplyValueZoom(Config->sizeZoom);
    if (FService)
        FService->AddListener(child);
    FView->CheckZoomItems(Config->timeZoom, Config->sizeZoom);
    RefreshPanels();
    // The unit's waiting records are fetched as soon as the window is up,
    // not on the main timer's first tick.
    QTimer::singleShot(0, this, &TfmMain::Timer1Timer);
}

void TfmMain::Timer1Timer() {
    if (FService)
        FService->Tick();
    else if (fmChildAct)
        fmChildAct->FollowDisk();
    // A viewer's alarms are the service's, as its log tells them.
    if (!FService && FAlarming)
        FAlarming->FollowLog();
    TfmChildBase* w = ActiveChild();
    if (FLinkStatus && FService)
        FLinkStatus->Update(FService->Link(), fmChildAct, ChannelPanel(),
                            w && w == fmChildAct && !w->CursorActive());
}

void TfmMain::closeEvent(QCloseEvent* event) {
    if (FTerminating) {
        event->accept();
        return;
    }
    // A cycle waiting for the serial link serves the event loop; the close
    // comes once it has finished with the running-month window.
    if (FService && FService->InCycle()) {
        event->ignore();
        QTimer::singleShot(100, this, &QWidget::close);
        return;
    }
    if (!FSessionEnding && !FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TfmMain::EndOfSession() {
    FSessionEnding = true;
    close();
}

bool TfmMain::FormCloseQuery() {
    if (FAccessLevel != 1)
        // No login guards the administrator's close; acquisition stops.
        return !FService || !FService->Running() ||
               FEnv.messages->Show(TMessages::Confirmation,
                                   tr("Acquisition stops until ZEDA is started again.\n"
                                      "Close ZEDA?"));
    if (RunLoginDialog(1) == 0) {
        FEnv.messages->Show(TMessages::Error, tr("Cancel close!"));
        return false;
    }
    return true;
}

void TfmMain::FormClose() {
    // The zooms always come from the running-month window, whichever window
    // is active.
    const int timeZoom = fmChildAct ? fmChildAct->GetTimeZoom() : Config->timeZoom;
    const int sizeZoom = fmChildAct ? fmChildAct->GetValueZoom() : Config->sizeZoom;
    WriteConfigKey(FEnv, SettingKey::Background, QByteArray::number(Config->backgroundChoice));
    WriteConfigKey(FEnv, SettingKey::TimeZoom, QByteArray::number(timeZoom));
    WriteConfigKey(FEnv, SettingKey::SizeZoom, QByteArray::number(sizeZoom));
    Timer1->stop();
    if (FService) {
        FService->Stop();
        FService->RemoveListener(fmChildAct);
    }
    if (FPublishing)
        FPublishing->Shutdown();
    for (QMdiSubWindow* w : FMdi->subWindowList()) {
        if (auto* child = qobject_cast<TfmChildBase*>(w))
            child->Tag = 0;
        w->close();
    }
}

void TfmMain::FormDestroy() {
    // The publishing listens to the acquisition: it goes first.
    FPublishing.reset();
    FService.reset();
    delete Comm;
    Comm = nullptr;
    delete Prnt;
    Prnt = nullptr;
    delete Config;
    Config = nullptr;
    delete Colors;
    Colors = nullptr;
}

// ---------------------------------------------------------------- enabling rules

TfmChildBase* TfmMain::ActiveChild() const {
    return qobject_cast<TfmChildBase*>(FMdi->activeSubWindow());
}

void TfmMain::ChildActivated(MonthDocument& document, int timeZoom, int sizeZoom) {
    FView->FillChannelMenu(document);
    FView->CheckZoomItems(timeZoom, sizeZoom);
    FView->SetViewMenuEnabled(true);
    RefreshPanels();
}

void TfmMain::ChildDeactivated() {
    FView->SetViewMenuEnabled(false);
}

void TfmMain::RunningWindowChanged(MonthDocument& document, int timeZoom, int sizeZoom) {
    FView->FillChannelMenu(document);
    FView->SetViewMenuEnabled(true);
    FView->CheckZoomItems(timeZoom, sizeZoom);
    UpdateMarkCommands(document);
    RefreshPanels();
}

void TfmMain::UpdateMarkCommands(MonthDocument& document) {
    const MonthDisplay& d = document.display;
    FTime->SetMarkCommandsEnabled(d.BothMarks(), 1);
    FTime->SetMarkCommandsEnabled(d.BothMarks(), 2);
    FTime->SetMarkCommandsEnabled(d.AnyMark(), 0);
    DataChanged(document);
}

TCommandState TfmMain::CommandState() const {
    TCommandState state;
    state.accessLevel = FAccessLevel;
    state.operatorOnDuty = Config && Config->operatorIndex != -1;
    state.viewer = FViewer;
    // The unit, its port and what goes into the month files belong to the
    // service.
    if (FViewer)
        state.viewerReason =
            tr("Not available: acquisition runs in the service %1.").arg(FServiceHolder);
    return state;
}

QList<TCommandModule*> TfmMain::CommandModules() const {
    return {FFile.get(),      FEdit.get(),         FPrint.get(),    FView.get(),
            FOperators.get(), FTime.get(),         FSettings.get(), FUnit.get(),
            FWindows.get(),   FHelpCommands.get(), FPublish.get(),  FAlarms.get()};
}

void TfmMain::UpdateCommands() {
    const TCommandState state = CommandState();
    for (TCommandModule* m : CommandModules())
        m->UpdateEnabled(state);
    // Tag 1: always shown; tag 0: shown at administrator level only.
    for (QAction* a : Setup1->actions()) {
        if (Tag(a) == 0)
            a->setVisible(FAccessLevel == 2);
    }
}

TfmHelp* TfmMain::HelpWindow() const {
    return FHelpCommands->HelpWindow();
}

// ---------------------------------------------------------------- month files

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
