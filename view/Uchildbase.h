#pragma once

#include "comm/Cacquisitionservice.h"
#include "files/Ccsvwriter.h"
#include "files/Cmonthdocument.h"
#include "view/Cpaintarea.h"
#include "view/Cplotpictures.h"

#include <QMdiSubWindow>
#include <QTimer>

#include <QDateTime>

#include <cstdint>
#include <memory>

class QPainter;
struct LinkState;
class TChildHooks;
class TFileAct;
class TFileBase;
class TFileData;
class TPaintStrip;
class TPlotScrollArea;
class TViewAct;
class TViewBase;
class TViewData;
class TWidgetArea;
struct TEnv;

// A diagram window: the time strip px on top, the value strip py on the
// left and the scrolling plot area pw inside the scroll area sb. It owns its
// month document, the month-file object and the view; holding the right
// button shows a cursor line and the channel value window, left clicks while
// it is held set the two marks.
class TfmChildBase : public QMdiSubWindow {
    Q_OBJECT
public:
    ~TfmChildBase() override;

    // 1 the running-month window (a close only minimises it), 0 a window of
    // an opened month file (a close destroys it).
    int Tag = 0;

    // What the main window's commands call on the active window.
    virtual void ApplyTimeZoom(int zoom);
    virtual void ApplyValueZoom(int zoom);
    void ShowChannel(int index, bool visible);
    int GetTimeZoom() const;
    int GetValueZoom() const;
    void ClearMarks();
    // The minute slot under plot-area column x.
    virtual int PixelToMinute(int x) const = 0;

    // Sets an exception period for the marked range and shown channels from
    // a menu caption, or clears the matching one ("ClearExcept"); the
    // diagram is redrawn. True when the table changed.
    bool ExceptionCommand(const QString& caption);
    // Re-reads the exception table when another window or program changed
    // it on disk, and redraws. True when it was re-read.
    bool RefreshExceptions();
    // The CSV export of the marked range.
    bool ExportMarkedRange(const QString& path, const TCsvOptions& options = {});
    // Copies the window's month file into a directory.
    bool BackupTo(const QString& dir);
    // Copies a month file from elsewhere to target (the data directory).
    bool ImportFile(const QString& source, const QString& target);

    // The background colour (0x00BBGGRR) of the diagram.
    virtual void SetBackgroundColour(uint32_t colour);
    uint32_t BackgroundColour() const { return FBackground; }

    MonthDocument& Document() { return FDocument; }
    TViewBase* View() const { return FView.get(); }
    TFileBase* File() const { return FFile.get(); }

    // The components.
    TPaintStrip* px = nullptr;
    TPaintStrip* py = nullptr;
    TPlotScrollArea* sb = nullptr;
    QWidget* pw = nullptr; // the visible part of the plot area: sb's viewport

    // The mouse on the plot area, x in plot-area coordinates.
    void pwMouseDown(Qt::MouseButton button, int x);
    void pwMouseMove(int x);
    void pwMouseUp(Qt::MouseButton button, int x);
    // The minute slot under plot-area column x; -1 left of the plot area.
    int MinuteUnder(int x) const;
    bool CursorActive() const { return FCursorActive; }
    bool CursorShown() const { return FCursorShown; }
    int CursorX() const { return FCursorX; }

    // The wheel and the keys. `steps` menu steps finer (positive) or coarser
    // time zoom, keeping the minute under viewport column viewportX where it
    // is (the running-month window keeps its newest minute at the right).
    void WheelZoom(int steps, int viewportX);
    // Scrolls in time by a wheel angle (eighths of a degree, 120 a notch):
    // positive towards the start of the month.
    void ScrollTime(int angle);
    // Home: the start of the month; End: the newest data.
    void ScrollToStart();
    void ScrollToNewest();
    // A wheel turn on the plot area; true when it was taken.
    bool pwWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPoint viewportPos);

    // A month-file window in use keeps pictures of its plot area at the
    // position in view and a page either side, painted while the program
    // waits, so that a page scroll shows its page at once. Paints the
    // missing ones now, at most limit; returns how many it painted.
    int PreparePictures(int limit = 3);
    int PicturesKept() const { return FPictures.Count(); }
    // Paints of the plot area that showed a kept picture.
    int PicturesShown() const { return FPicturesShown; }

protected:
    TfmChildBase(TEnv& env, TChildHooks* hooks, QWidget* parent);
    void keyPressEvent(QKeyEvent* event) override;

    // The view and the file object of the kind, then the plotters.
    void Attach(std::unique_ptr<TViewBase> view, std::unique_ptr<TFileBase> file);
    void FormActivate();
    void FormDeactivate();
    void closeEvent(QCloseEvent* event) override;
    // The exception list's lines label the periods' bands.
    // True when the texts changed.
    bool LoadExceptionTexts();
    // Has the curves drawn again (exception periods changed).
    void RedrawDiagram();

    TEnv& FEnv;
    TChildHooks* FHooks;
    MonthDocument FDocument;
    QString FNoDataSince; // for the value window, while the running month is stale
    std::unique_ptr<TViewBase> FView;
    std::unique_ptr<TFileBase> FFile;

private:
    void pxPaint(QPainter& p);
    void pyPaint(QPainter& p);
    void pwPaint(QPainter& p, const QRect& exposed);
    // The plot area as the view draws it at the area's scroll positions.
    void PaintPlot(QPainter& p, const QRect& exposed);
    // Shows the kept picture of the position in view; false when there is
    // none or the painter takes none (the missing ones come when quiet).
    bool ShowPicture(QPainter& p);
    // The positions whose pictures are kept: in view, a page on, a page back.
    std::vector<QPoint> PicturePlaces() const;
    // What the plot area shows changed: the pictures go, a repaint comes.
    void PlotChanged();
    void FormResize();
    void ScrollHook(Qt::Orientation orientation);
    void OpenValueWindow(int x);
    // Keeps the value window inside the plot area, away from the cursor.
    void PlaceValueWindow(int x);
    // Has the plot-area columns of the cursor line repainted.
    void RepaintCursorColumn(int x);
    void DrawCursor(QPainter& p) const;
    // Scrolls the running month's view by minutes towards the start.
    void ScrollRunning(TViewAct* act, int minutes);

    QMetaObject::Connection FStateConnection;
    std::unique_ptr<TWidgetArea> FTimeArea;
    std::unique_ptr<TWidgetArea> FValueArea;
    std::unique_ptr<TScrolledPlotArea> FPlotArea;
    TPlotPictures FPictures;
    // How the window paints, from its last paint: the pictures repeat it.
    std::optional<TPictureLook> FPictureLook;
    QTimer FPrepareTimer;
    int FPicturesShown = 0;
    uint32_t FBackground = 0xFFFFFF;
    bool FCursorActive = false;
    bool FCursorShown = false; // a cursor line is on the screen
    int FCursorX = 0;
    int FWheelZoomRest = 0; // wheel angle not yet a whole zoom step
};

// The running-month window. It listens to the acquisition service of the
// program, or, while a service of its own runs the acquisition, follows the
// month file on disk; it never acquires itself.
class TfmChildAct : public TfmChildBase, public TAcquisitionListener {
    Q_OBJECT
public:
    // Needs the global Config (the running-month file follows it).
    explicit TfmChildAct(TEnv& env, TChildHooks* hooks = nullptr, QWidget* parent = nullptr);
    ~TfmChildAct() override;

    int PixelToMinute(int x) const override;

    // What the acquisition service tells.
    void MinuteStored(const StoredMinute& minute) override;
    void CycleEnded(int stored) override;

    // Beside a service: reads the running month from disk again when the
    // file changed (or the month moved on). True when it was re-read.
    bool FollowDisk();

    // Tells the main window that the running month was (re)loaded.
    void ReportScale();
    // The configuration's channel definitions changed: the window shows the
    // new names, colours and scaling at once; the month file takes them over
    // with the next stored record.
    void ChannelsChanged();

    TViewAct* ViewAct() const;
    TFileAct* FileAct() const;

    // Reads the days already stored for the present month, so that the
    // first paint shows them without waiting for the unit's next record.
    // True when there were any.
    bool ShowStoredDays();

    // Marks the caption and the value window while the unit link is lost.
    void ShowLinkState(const LinkState& state);

private:
    // Reads the days of the month file a record made at `at` goes to.
    bool LoadFromDisk(const SampleRecord& at);
    QString FDiskStamp;
};

extern TfmChildAct* fmChildAct;

// A window of a month file opened from disk. A file that is not a valid data
// file is reported and leaves the window captioned "Child" without data.
class TfmChildData : public TfmChildBase {
    Q_OBJECT
public:
    TfmChildData(TEnv& env, const QString& path, TChildHooks* hooks = nullptr,
                 QWidget* parent = nullptr);

    int PixelToMinute(int x) const override;

    TViewData* ViewData() const;
    TFileData* FileData() const;
    // True when the file was opened and its days loaded.
    bool Loaded() const { return FLoaded; }

private:
    bool FLoaded = false;
};
