#pragma once

#include "comm/Cacquisitionservice.h"
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

class QAction;
class QDialog;
class QActionGroup;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class QLabel;
class TChannelPanel;
class TfmChildBase;
class TfmHelp;
class TRangePanel;
class TfmChildData;
class TfmPrintPreview;
struct TPrintRequest;
class TDataDirLock;
class TLinkStatus;
class TPublishing;
class TAlarming;
struct TEnv;

// Runs the access-level login in the given mode (0 start, 1 close) and
// returns 0 cancelled, 1 operator, 2 administrator.
using TLoginRunner = std::function<int(int mode)>;

// The main window: an MDI frame with the running-month window and the
// windows of opened month files, the acquisition service it creates and
// hands to its listeners (none beside a service of its own: then it is a
// viewer), the menu commands with their enabling rules, and the close
// sequence that stores the window settings.
class TfmMain : public QMainWindow, public TChildHooks {
    Q_OBJECT
public:
    // Shows the start-up login (through login, or the login dialog when it
    // is empty), then builds the global objects.
    explicit TfmMain(TEnv& env, TLoginRunner login = {}, QWidget* parent = nullptr);
    ~TfmMain() override;

    int AccessLevel() const { return FAccessLevel; }
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

    // The help file "<program>.chm" in the data directory or next to the
    // program; empty when there is none (Help then shows the built-in
    // guide in the help window).
    QString HelpPath() const;

    // Opens a month file in a new diagram window (tag 0), or activates the
    // window that already shows it. Null when the file does not exist.
    TfmChildData* OpenMonthFile(const QString& path);

    void CheckZoomItems(int timeZoom, int sizeZoom);
    void SetViewMenuEnabled(bool on);
    void FillChannelMenu(const MonthDocument& document);
    // Kind 0 governs TrmClear (one mark is enough), kind 1 TrmExport and
    // kind 2 mnExcept (both need the two marks).
    void SetMarkCommandsEnabled(bool on, int kind);

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
    void ShowNewestValues(TfmChildBase* w);
    TRangePanel* RangePanel() const { return FRangePanel; }
    TChannelPanel* ChannelPanel() const { return FChannelPanel; }
    // The help window, once Help › Contents has opened it.
    TfmHelp* HelpWindow() const { return FHelp; }
    void UpdateOperatorCommands();
    void UpdateAdminCommands();
    // Publishing to the MQTT broker, once the global objects exist.
    TPublishing* Publishing() const { return FPublishing.get(); }
    TAlarming* Alarming() const { return FAlarming.get(); }

public slots:
    void Timer1Timer();
    void FileOpen1Execute();
    void FileClose1Execute();
    void FileSave1Execute();
    void BackupExecute();
    void Import1Click();
    void FileExit1Execute();
    void PrinterSetupExecute();
    void PrintDayExecute();
    void PrintMonthExecute(QAction* item);
    void PrintCopyExecute();
    void PrintPreviewExecute();
    // Data › Export report as PDF: the preview's choices, written into a
    // PDF file instead of sent to a printer.
    void ExportReportExecute();
    void ExportReportOf(TfmChildBase* w, const TPrintRequest& request, int printer);
    void PrinterExecute();
    void EditCut1Execute();
    void EditCopy1Execute();
    void EditPaste1Execute();
    void SetXExecute(QAction* item);
    void SetYExecute(QAction* item);
    void KanaleOneExecute(QAction* item);
    void KanaleAllExecute();
    void KanaleZeroExecute();
    void TrmClearExecute();
    void TrmExportExecute();
    void TrmClearDataExecute();
    // An exception-description item: a new period with that description.
    void ExceptionItemExecute(const QString& description);
    void ColorChangeExecute(QAction* item);
    void WindowCascade1Execute();
    void WindowTileHorizontal1Execute();
    void WindowTileVertical1Execute();
    void WindowMinimizeAll1Execute();
    void WindowArrangeAll1Execute();
    void Help2Click();
    void LoginAdminExecute();
    void LoginExecute();
    void UsersExecute();
    void PasswordExecute();
    void LocationExecute();
    void SetKanalExecute(QAction* item);
    void MonthExecute();
    void SummerTimeExecute();
    // The desktop session ends: the program closes without the login, with
    // the close sequence's writes.
    void EndOfSession();
    void LogoffAdminExecute();
    void LogoffExecute();
    void FontScreenExecute();
    void FontPrintExecute();
    void ACQInfoExecute();
    void CHTestExecute();
    void CommunicationExecute();
    void PublishingExecute();
    void AlarmLimitsExecute();
    // Acknowledges the alarms in the name of the operator on duty.
    void AcknowledgeAlarms();
    // Edits AUSNAHME.LST and rebuilds the exception menu from it at once.
    void ExceptionListExecute();
    // Version, licence, the data directory in use and the Qt version.
    void HelpAboutExecute();
    // Cut, Copy and Paste are enabled only for a text field with focus that
    // has something for them.
    void UpdateEditCommands();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildDataMenu();
    void BuildEditMenu();
    void BuildViewMenu();
    void BuildOperatorMenu();
    void BuildTimeMenu();
    void BuildSettingMenu();
    void BuildWindowMenu();
    void BuildHelpMenu();
    void BuildAdminMenu();
    void BuildToolBar();
    void BuildPanels();
    void StartAlarms();
    void InstallDefaultDialogs();
    // The exception descriptions as items of mnExcept, each (caption, tag)
    // with a tag above 0 running ExceptionItemExecute.
    void FillExceptionMenu(const QList<std::pair<QString, int>>& items);
    void LoadExceptionDescriptions();
    void FillWindowList();
    void RefreshExceptionsOfAllWindows();
    // Places the shown windows side by side (columns) or one above another.
    void TileWindows(bool columns);
    // Runs a font dialog; false when cancelled.
    bool ChooseFontOnce(QFont& font);

    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    int RunLoginDialog(int mode);
    void Terminate(int exitCode);
    // Takes the data directory's lock, or becomes a viewer beside the
    // service that holds it; false when the program cannot start.
    bool TakeDataDirectory();
    // Beside a service: disables what would write where it writes, with
    // the reason, and says so in the status bar.
    void ApplyViewerRules();

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
    // The one font dialog of both font commands shows the last choice.
    QFont FLastFont;

    QMdiArea* FMdi = nullptr;
    QTimer* Timer1 = nullptr;
    QToolBar* FToolBar = nullptr;
    TRangePanel* FRangePanel = nullptr;
    TChannelPanel* FChannelPanel = nullptr;
    QLabel* FRangeStatus = nullptr;
    std::unique_ptr<TLinkStatus> FLinkStatus;
    TfmHelp* FHelp = nullptr;
    std::unique_ptr<TPublishing> FPublishing;
    std::unique_ptr<TAlarming> FAlarming;

    QAction* FileOpen1 = nullptr;
    QAction* PrintDay = nullptr;
    QAction* PrintCopy = nullptr;
    QAction* PrintPreview = nullptr;
    QAction* ExportReport = nullptr;
    QAction* PrinterSetup = nullptr;
    QAction* FileClose1 = nullptr;
    QAction* Import1 = nullptr;
    QAction* Backup = nullptr;
    QAction* FileSave1 = nullptr;
    QAction* FileExit1 = nullptr;
    QAction* EditCut1 = nullptr;
    QAction* EditCopy1 = nullptr;
    QAction* EditPaste1 = nullptr;

    QMenu* mnView = nullptr;
    QMenu* mnLanguage = nullptr; // View > Language, enabled always
    QMenu* mnScaleX = nullptr;
    QMenu* mnScaleY = nullptr;
    QMenu* mnKanale = nullptr;
    QActionGroup* FTimeGroup = nullptr;
    QActionGroup* FSizeGroup = nullptr;
    QList<QAction*> FChannelItems;
    QAction* KanaleAll = nullptr;
    QAction* KanaleZero = nullptr;

    QAction* Login = nullptr;
    QAction* Logoff = nullptr;
    QAction* Users = nullptr;

    QAction* TrmClear = nullptr;
    QAction* TrmExport = nullptr;
    QMenu* mnExcept = nullptr;
    QAction* TrmClearData = nullptr;
    QActionGroup* FColorGroup = nullptr;
    QAction* ColorChange1 = nullptr;
    QAction* ColorChange2 = nullptr;

    QMenu* FWindowMenu = nullptr;
    QAction* WindowCascade1 = nullptr;
    QAction* WindowTileHorizontal1 = nullptr;
    QAction* WindowTileVertical1 = nullptr;
    QAction* WindowMinimizeAll1 = nullptr;
    QAction* WindowArrangeAll1 = nullptr;
    QList<QAction*> FWindowListItems;

    QMenu* Setup1 = nullptr;
    QAction* LoginAdmin = nullptr;
    QAction* LogoffAdmin = nullptr;
    QAction* FontScreen = nullptr;
    QAction* FontPrint = nullptr;
    QAction* Printer = nullptr;
};

extern TfmMain* fmMain;

// The program: the main window, then the event loop unless it ends before
// it started, with the month files named opened. The exit code.
int RunMainWindow(TEnv& env, TLoginRunner login = {}, const QStringList& files = {});
