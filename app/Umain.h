#pragma once

#include "comm/Cacquisitionservice.h"
#include "config/Cconfig.h"
#include "files/Ccsvwriter.h"
#include "view/Cchildhooks.h"

#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <memory>
#include <utility>

class QDialog;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class TChannelPanel;
class TfmChildBase;
class TfmHelp;
class TRangePanel;
class TfmChildData;
class TfmPrintPreview;
class TDataDirLock;
class TLinkStatus;
class TPublishing;
class TAlarming;
class TPanels;
struct TEnv;
struct TCommandState;
class TCommandModule;
class TFileCommands;
class TEditCommands;
class TPrintCommands;
class TViewCommands;
class TOperatorCommands;
class TTimeCommands;
class TSettingCommands;
class TUnitCommands;
class TWindowCommands;
class THelpCommands;
class TPublishCommands;
class TAlarmCommands;

// Runs the access-level login in the given mode (0 start, 1 close) and
// returns 0 cancelled, 1 operator, 2 administrator.
using TLoginRunner = std::function<int(int mode)>;

// The main window: an MDI frame with the running-month window and the
// windows of opened month files, the acquisition service it creates and
// hands to its listeners (none beside a service of its own: then it is a
// viewer), the menu bar and toolbar assembled from the command modules'
// actions (each module owns its commands, their handlers and enabling
// rule), the panels and the status bar, and the close sequence that stores
// the window settings.
class TfmMain : public QMainWindow, public TChildHooks {
    Q_OBJECT
public:
    // Shows the start-up login (through login, or the login dialog when it
    // is empty), then builds the global objects.
    explicit TfmMain(TEnv& env, TLoginRunner login = {}, QWidget* parent = nullptr);
    ~TfmMain() override;

    TEnv& Env() const { return FEnv; }
    int AccessLevel() const { return FAccessLevel; }
    void SetAccessLevel(int level) { FAccessLevel = level; }
    int TicksToCycle() const { return FService ? FService->TicksToCycle() : 0; }
    bool Busy() const { return FService ? FService->Busy() : FBusy; }
    // Commands that must not interleave with acquisition set this around
    // their work.
    void SetBusy(bool busy);
    // The acquisition of the data directory; null while a service of its
    // own runs it (the program is then a viewer).
    TAcquisitionService* Service() const { return FService.get(); }
    // True when a service holds the data directory: the running-month
    // window follows the file from disk and the commands that would write
    // where the service writes are disabled.
    bool Viewer() const { return FViewer; }
    // True when the program ends before it started: the start-up login was
    // cancelled, or another program writes into the data directory.
    bool Terminating() const { return FTerminating; }
    int ExitCode() const { return FExitCode; }

    QMdiArea* MdiArea() const { return FMdi; }
    // The 5-second tick: the acquisition's, or the viewer's that follows
    // the disk.
    QTimer* MainTimer() const { return FService ? &FService->Timer() : Timer1; }
    // The active diagram window, or null.
    TfmChildBase* ActiveChild() const;

    // The modal dialogs, replaceable so that nothing waits for a person.
    // Each returns an empty string (or false) when the user cancels.
    std::function<QString(const QString& dir, const QString& filter)> ChooseOpenFile;
    std::function<QString(const QString& dir, const QString& filter)> ChooseSaveFile;
    std::function<QString(const QString& dir)> ChooseDirectory;
    // The layout of a CSV export; false when cancelled.
    std::function<bool(TCsvOptions& options)> ChooseCsvOptions;
    // Shows the font dialog with font preset; on OK font holds the choice.
    std::function<bool(QFont& font)> ChooseFont;
    std::function<void()> RunPrinterSetup;
    // The day dialog: first and last preset, limited to 1 .. maxDay; false
    // when cancelled.
    std::function<bool(int& first, int& last, int maxDay)> ChoosePrintDays;
    // The printer dialog with the installed printers.
    std::function<void(const QStringList& printers)> ShowPrinterDialog;
    std::function<void(TfmPrintPreview& preview)> ShowPrintPreview;
    std::function<void(const QUrl& url)> OpenUrl;
    // Runs a settings or operator dialog modally and returns its result.
    std::function<int(QDialog& dialog)> ExecDialog;
    // Where the help file and the shipped guide are looked for, and the
    // program's name that the help file carries.
    QString programDir;
    QString programName;

    // Opens a month file in a new diagram window (tag 0), or activates the
    // window that already shows it. Null when the file does not exist.
    TfmChildData* OpenMonthFile(const QString& path);

    // What the diagram windows tell the main window.
    void ChildActivated(MonthDocument& document, int timeZoom, int sizeZoom) override;
    void ChildDeactivated() override;
    void RunningWindowChanged(MonthDocument& document, int timeZoom, int sizeZoom) override;
    void UpdateMarkCommands(MonthDocument& document) override;
    void ZoomChanged(int timeZoom, int sizeZoom) override;
    void CursorMoved(MonthDocument& document, int slot) override;
    void DataChanged(MonthDocument& document) override;
    // The "Range" and "Channels" panels and the status bar's range line
    // follow the active window.
    void RefreshPanels();
    TRangePanel* RangePanel() const;
    TChannelPanel* ChannelPanel() const;
    // The help window, once Help › Contents has opened it.
    TfmHelp* HelpWindow() const;
    // Runs the access-level login (0 start, 1 close): 0 cancelled, 1
    // operator, 2 administrator.
    int RunLoginDialog(int mode);
    // What the enabling rules look at, and the rules applied: every
    // module's, and the Admin menu's items of the administrator shown at
    // that level only.
    TCommandState CommandState() const;
    void UpdateCommands();
    // Publishing to the MQTT broker, once the global objects exist.
    TPublishing* Publishing() const { return FPublishing.get(); }
    TAlarming* Alarming() const { return FAlarming.get(); }

    // The command modules.
    TFileCommands& FileCommands() const { return *FFile; }
    TEditCommands& EditCommands() const { return *FEdit; }
    TPrintCommands& PrintCommands() const { return *FPrint; }
    TViewCommands& ViewCommands() const { return *FView; }
    TOperatorCommands& OperatorCommands() const { return *FOperators; }
    TTimeCommands& TimeCommands() const { return *FTime; }
    TSettingCommands& SettingCommands() const { return *FSettings; }
    TUnitCommands& UnitCommands() const { return *FUnit; }
    TWindowCommands& WindowCommands() const { return *FWindows; }
    THelpCommands& HelpCommands() const { return *FHelpCommands; }
    TPublishCommands& PublishCommands() const { return *FPublish; }
    TAlarmCommands& AlarmCommands() const { return *FAlarms; }
    // All of them, for the enabling rules.
    QList<TCommandModule*> CommandModules() const;

public slots:
    void Timer1Timer();
    // The desktop session ends: the program closes without the login, with
    // the close sequence's writes.
    void EndOfSession();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildModules();
    void BuildMenus();
    void BuildDataMenu();
    void BuildAdminMenu();
    void BuildToolBar();
    void BuildPanels();
    void StartAlarms();
    void InstallDefaultDialogs();

    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    void Terminate(int exitCode);
    // Takes the data directory's lock, or becomes a viewer beside the
    // service that holds it; false when the program cannot start.
    bool TakeDataDirectory();
    // Beside a service: says so in the status bar (the modules' rules
    // disable what would write where it writes).
    void ShowViewerStatus();
    // A group of settings was written: the caption and the running window
    // show it.
    void SettingsChanged(TSettingsGroup group);

    TEnv& FEnv;
    std::unique_ptr<TDataDirLock> FDataLock;
    int FExitCode = 0;
    TLoginRunner FLogin;
    int FAccessLevel = 1;
    std::unique_ptr<TAcquisitionService> FService;
    bool FViewer = false;
    QString FServiceHolder; // "zeda-acquire (process <pid>)"
    bool FBusy = false;     // of a viewer, which has no cycle
    bool FTerminating = false;
    bool FShown = false;
    bool FSessionEnding = false;

    QMdiArea* FMdi = nullptr;
    QTimer* Timer1 = nullptr;
    QToolBar* FToolBar = nullptr;
    std::unique_ptr<TPanels> FPanels;
    // Declared before what signals them, so that they go after it.
    std::unique_ptr<TFileCommands> FFile;
    std::unique_ptr<TEditCommands> FEdit;
    std::unique_ptr<TPrintCommands> FPrint;
    std::unique_ptr<TViewCommands> FView;
    std::unique_ptr<TOperatorCommands> FOperators;
    std::unique_ptr<TTimeCommands> FTime;
    std::unique_ptr<TSettingCommands> FSettings;
    std::unique_ptr<TUnitCommands> FUnit;
    std::unique_ptr<TWindowCommands> FWindows;
    std::unique_ptr<THelpCommands> FHelpCommands;
    std::unique_ptr<TPublishCommands> FPublish;
    std::unique_ptr<TAlarmCommands> FAlarms;
    std::unique_ptr<TLinkStatus> FLinkStatus;
    std::unique_ptr<TPublishing> FPublishing;
    std::unique_ptr<TAlarming> FAlarming;

    QMenu* Setup1 = nullptr; // the Admin menu
};

extern TfmMain* fmMain;

// The program: the main window, then the event loop unless it ends before
// it started, with the month files named opened. The exit code.
int RunMainWindow(TEnv& env, TLoginRunner login = {}, const QStringList& files = {});
