#pragma once

#include "comm/Cacquisition.h"
#include "view/Cchildhooks.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QActionGroup;
class QMdiArea;
class QMenu;
class QTimer;
class TfmChildBase;
struct TEnv;

// Runs the access-level login in the given mode (0 start, 1 close) and
// returns 0 cancelled, 1 operator, 2 administrator.
using TLoginRunner = std::function<int(int mode)>;

// The main window: an MDI frame with the running-month window and the
// windows of opened month files, the main timer that paces acquisition, and
// the close sequence that stores the window settings.
class TfmMain : public QMainWindow, public TChildHooks {
    Q_OBJECT
public:
    // Shows the start-up login (through login, or the login dialog when it
    // is empty), then builds the global objects.
    explicit TfmMain(TEnv& env, TLoginRunner login = {}, QWidget* parent = nullptr);
    ~TfmMain() override;

    int AccessLevel() const { return FAccessLevel; }
    int TicksToCycle() const { return FCycle.ticksToCycle; }
    bool Busy() const { return FCycle.busy; }
    // Commands that must not interleave with acquisition set this around
    // their work.
    void SetBusy(bool busy) { FCycle.busy = busy; }
    // True when the start-up login was cancelled and the program is ending.
    bool Terminating() const { return FTerminating; }

    QMdiArea* MdiArea() const { return FMdi; }
    QTimer* MainTimer() const { return Timer1; }

    void CheckZoomItems(int timeZoom, int sizeZoom);
    void SetViewMenuEnabled(bool on);

    // What the diagram windows tell the main window.
    void ChildActivated(MonthDocument& document, int timeZoom, int sizeZoom) override;
    void ChildDeactivated() override;
    void RunningWindowChanged(MonthDocument& document, int timeZoom, int sizeZoom) override;
    void UpdateMarkCommands(MonthDocument& document) override;
    void UpdateOperatorCommands();
    void UpdateAdminCommands();

public slots:
    void Timer1Timer();
    void ColorChangeExecute(QAction* item);
    void LoginAdminExecute();
    void LogoffAdminExecute();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    int RunLoginDialog(int mode);

    TEnv& FEnv;
    TLoginRunner FLogin;
    int FAccessLevel = 1;
    // FTicksToCycle and FBusy of the main timer.
    TCycleTimer FCycle;
    bool FTerminating = false;
    bool FShown = false;

    QMdiArea* FMdi = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* mnView = nullptr;
    QMenu* mnScaleX = nullptr;
    QMenu* mnScaleY = nullptr;
    QActionGroup* FTimeGroup = nullptr;
    QActionGroup* FSizeGroup = nullptr;
    QActionGroup* FColorGroup = nullptr;
    QAction* ColorChange1 = nullptr;
    QAction* ColorChange2 = nullptr;
    QMenu* Setup1 = nullptr;
    QAction* LoginAdmin = nullptr;
    QAction* LogoffAdmin = nullptr;
    QAction* Logoff = nullptr;
};

extern TfmMain* fmMain;
