#include "view/Uchildbase.h"

#include "comm/Cacquisition.h"
#include "comm/Ccommbase.h"
#include "comm/Flinkstate.h"

#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Ctablecolor.h"
#include "config/Fcodec.h"
#include "config/Ffilestamp.h"
#include "config/Ffont.h"
#include "files/Cfileact.h"
#include "files/Cfiledata.h"
#include "files/Csamplerecord.h"
#include "files/Fexceptionlist.h"
#include "files/Fexceptions.h"
#include "files/Fmonthfile.h"
#include "view/Cchildhooks.h"
#include "view/Cviewbase.h"
#include "view/Fviewchannel.h"
#include "view/Uplotwidgets.h"
#include "view/Uviewchannel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

TfmChildAct* fmChildAct = nullptr;

namespace {

constexpr int TimeStripHeight = 30;
constexpr int ValueStripWidth = 20;
// Quiet before the pictures of the pages either side are painted: less
// than a deliberate key press takes, more than a resize step.
constexpr int PictureQuietMs = 50;

} // namespace

TfmChildBase::TfmChildBase(TEnv& env, TChildHooks* hooks, QWidget* parent)
    : QMdiSubWindow(parent), FEnv(env), FHooks(hooks) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Child"));
    setFont(NamedFont("MS Sans Serif", 8));

    // The main window's close command owns Ctrl+W and Ctrl+F4; the same
    // keys on the window's own menu would make both do nothing.
    if (QMenu* menu = systemMenu()) {
        for (QAction* a : menu->actions()) {
            if (!a->shortcuts().isEmpty() &&
                QKeySequence::keyBindings(QKeySequence::Close).contains(a->shortcut()))
                a->setShortcuts(QList<QKeySequence>());
        }
    }

    QWidget* client = new QWidget(this);
    auto* grid = new QGridLayout(client);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    px = new TPaintStrip(client);
    px->setObjectName("px");
    px->setFixedHeight(TimeStripHeight);
    py = new TPaintStrip(client);
    py->setObjectName("py");
    py->setFixedWidth(ValueStripWidth);
    sb = new TPlotScrollArea(client);
    sb->setObjectName("sb");
    pw = sb->viewport();
    pw->setObjectName("pw");
    grid->addWidget(px, 0, 0, 1, 2);
    grid->addWidget(py, 1, 0);
    grid->addWidget(sb, 1, 1);
    setWidget(client);

    FTimeArea = std::make_unique<TWidgetArea>(px);
    FValueArea = std::make_unique<TWidgetArea>(py);
    FPlotArea = std::make_unique<TScrolledPlotArea>(sb, [this] {
        FPictures.Forget();
        pw->repaint();
    });

    // The document's display: nothing printed yet, no marks.
    FDocument.display.printStartMinute = 0;
    FDocument.display.valueOrigin = 0;
    FDocument.display.ClearMarks();
    SetBackgroundColour(Config ? Config->backgroundColour : 0xFFFFFF);

    px->onPaint = [this](QPainter& p) { pxPaint(p); };
    py->onPaint = [this](QPainter& p) { pyPaint(p); };
    sb->onPaint = [this](QPainter& p, const QRect& r) { pwPaint(p, r); };
    sb->onMouseDown = [this](Qt::MouseButton b, QPoint pt) { pwMouseDown(b, pt.x()); };
    sb->onMouseMove = [this](QPoint pt) { pwMouseMove(pt.x()); };
    sb->onMouseUp = [this](Qt::MouseButton b, QPoint pt) { pwMouseUp(b, pt.x()); };
    sb->onScroll = [this](Qt::Orientation o) { ScrollHook(o); };
    sb->onWheel = [this](QPoint delta, Qt::KeyboardModifiers mods, QPoint pos) {
        return pwWheel(delta, mods, pos);
    };
    sb->onResize = [this] { FormResize(); };
    // Pictures are painted one at a time once the window has been quiet
    // for a moment: not while it is resized or its cursor dragged.
    FPrepareTimer.setSingleShot(true);
    connect(&FPrepareTimer, &QTimer::timeout, this, [this] {
        if (PreparePictures(1) > 0)
            FPrepareTimer.start(0);
    });

    FStateConnection = connect(this, &QMdiSubWindow::windowStateChanged, this,
                               [this](Qt::WindowStates oldState, Qt::WindowStates newState) {
                                   const bool was = oldState.testFlag(Qt::WindowActive);
                                   const bool is = newState.testFlag(Qt::WindowActive);
                                   if (is && !was)
                                       FormActivate();
                                   else if (was && !is)
                                       FormDeactivate();
                               });
}

TfmChildBase::~TfmChildBase() {
    // The sub-window's own destructor still changes the window state; by
    // then this window and perhaps the main window are gone.
    disconnect(FStateConnection);
    FHooks = nullptr;
    if (fmViewChannel && fmViewChannel->parent() == this)
        delete fmViewChannel;
    if (FFile)
        FFile->FreeDays();
    FFile.reset();
    FView.reset();
}

void TfmChildBase::Attach(std::unique_ptr<TViewBase> view, std::unique_ptr<TFileBase> file) {
    FFile = std::move(file);
    FView = std::move(view);
    FView->CreatePlotters(FPlotArea.get(), FTimeArea.get(), FValueArea.get());
    FView->timeStripOrigin = ValueStripWidth;
}

void TfmChildBase::ApplyTimeZoom(int zoom) {
    if (!FView)
        return;
    FView->SetTimeZoom(zoom);
    px->update();
    PlotChanged();
}

void TfmChildBase::ApplyValueZoom(int zoom) {
    if (!FView)
        return;
    FView->SetValueZoom(zoom);
    py->update();
    PlotChanged();
}

void TfmChildBase::ShowChannel(int index, bool visible) {
    if (!FView)
        return;
    FView->SetChannelVisible(index, visible);
    PlotChanged();
}

int TfmChildBase::GetTimeZoom() const {
    return FView ? FView->scale.TimeZoomFactor() : 1;
}

int TfmChildBase::GetValueZoom() const {
    return FView ? FView->scale.ValueZoomFactor() : 1;
}

void TfmChildBase::ClearMarks() {
    FDocument.display.ClearMarks();
    if (FView && FView->diagram)
        FView->diagram->Clear();
}

bool TfmChildBase::ExceptionCommand(const QString& caption) {
    if (!FFile)
        return false;
    const QByteArray text =
        caption == QLatin1String(ClearExceptText) ? ClearExceptText : ToAnsi(caption);
    const bool changed = FFile->ApplyException(text);
    RedrawDiagram();
    return changed;
}

bool TfmChildBase::RefreshExceptions() {
    if (!FFile || !FFile->ReloadExceptions())
        return false;
    RedrawDiagram();
    return true;
}

bool TfmChildBase::ExportMarkedRange(const QString& path, const TCsvOptions& options) {
    return FFile && FFile->ExportCsv(path, options);
}

bool TfmChildBase::BackupTo(const QString& dir) {
    return FFile && FFile->BackupTo(dir);
}

bool TfmChildBase::ImportFile(const QString& source, const QString& target) {
    return FFile && FFile->Import(source, target);
}

void TfmChildBase::RedrawDiagram() {
    if (FHooks)
        FHooks->DataChanged(FDocument);
    if (FView && FView->diagram)
        FView->diagram->Clear();
    if (pw)
        PlotChanged();
}

void TfmChildBase::SetBackgroundColour(uint32_t colour) {
    FBackground = colour;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ToQColor(colour));
    setPalette(pal);
    setAutoFillBackground(true);
    if (pw)
        PlotChanged();
}

bool TfmChildBase::LoadExceptionTexts() {
    if (!FView)
        return false;
    // A list that cannot be read names no period: the bands keep their codes.
    const std::vector<QByteArray> before = FView->exceptionTexts;
    ReadExceptionList(ExceptionListPath(FEnv.dataDir), FView->exceptionTexts);
    return FView->exceptionTexts != before;
}

void TfmChildBase::FormActivate() {
    // Periods, and the list that names them, may have been changed in
    // another window meanwhile.
    const bool texts = LoadExceptionTexts();
    // Limits may have been changed, and alarms acknowledged, meanwhile.
    const bool alarms = FView && FView->LoadAlarms(FEnv);
    RefreshExceptions();
    if (FView)
        FView->diagram->KeepSpanImage(true);
    if (pw && (texts || alarms))
        PlotChanged();
    if (FView && FHooks)
        FHooks->ChildActivated(FDocument, GetTimeZoom(), GetValueZoom());
}

void TfmChildBase::FormDeactivate() {
    // Only the window in use keeps a picture of its curves: ten open
    // windows would hold ten pictures the size of the screen. The others
    // paint afresh when they are uncovered.
    if (FView)
        FView->diagram->KeepSpanImage(false);
    FPrepareTimer.stop();
    FPictures.Drop();
    if (FHooks)
        FHooks->ChildDeactivated();
}

void TfmChildBase::closeEvent(QCloseEvent* event) {
    if (Tag != 0) {
        // The running month stays open while the program runs.
        event->ignore();
        showMinimized();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void TfmChildBase::FormResize() {
    FDocument.display.viewWidth = int16_t(sb->ClientWidth());
    FDocument.display.viewHeight = int16_t(sb->ClientHeight());
    // The value band follows the window's height: a maximised or tiled
    // window shows the whole band at value zoom 1.
    if (FView && FView->scale.fitHeight != sb->ClientHeight()) {
        FView->scale.SetFitHeight(sb->ClientHeight());
        FView->UpdateVertRange();
        py->update();
        PlotChanged();
    }
}

void TfmChildBase::ScrollHook(Qt::Orientation orientation) {
    if (orientation == Qt::Horizontal) {
        px->update();
        pw->update();
    } else {
        py->update();
        pw->update();
    }
}

void TfmChildBase::pxPaint(QPainter& p) {
    if (FView)
        FView->PaintTimeAxis(p);
}

void TfmChildBase::pyPaint(QPainter& p) {
    if (FView)
        FView->PaintValueAxis(p);
}

void TfmChildBase::pwPaint(QPainter& p, const QRect& exposed) {
    if (!ShowPicture(p)) {
        p.save();
        PaintPlot(p, exposed);
        p.restore();
    }
    if (FCursorShown) {
        p.translate(-sb->HorzPosition(), -sb->VertPosition());
        DrawCursor(p);
    }
}

void TfmChildBase::PaintPlot(QPainter& p, const QRect& exposed) {
    p.fillRect(exposed, ToQColor(FBackground));
    if (!FView)
        return;
    // The plotter draws in plot-area coordinates; the viewport shows the
    // part at the scroll positions.
    p.translate(-sb->HorzPosition(), -sb->VertPosition());
    FView->diagram->backgroundChoice =
        Config ? Config->backgroundChoice : (FBackground == 0xFFFFFF ? 1 : 2);
    FView->Paint(p);
}

bool TfmChildBase::ShowPicture(QPainter& p) {
    // The running month changes every minute and never pages; a window
    // not in use keeps no pictures, as it keeps no picture of its curves.
    if (!FView || !FView->dataReady || !dynamic_cast<TViewData*>(FView.get()) ||
        !FView->diagram->keepSpanImage)
        return false;
    FPictureLook = TPictureLook::Of(p);
    if (!FPictureLook)
        return false;
    // Whatever is missing is painted once the window is quiet.
    FPrepareTimer.start(PictureQuietMs);
    const QImage* picture =
        FPictures.Find(QPoint(sb->HorzPosition(), sb->VertPosition()), pw->size());
    if (!picture)
        return false;
    p.drawImage(0, 0, *picture);
    ++FPicturesShown;
    FPictures.KeepOnly(PicturePlaces());
    return true;
}

// A page on first, where one reads on; the position in view last, which
// was just painted on the screen.
std::vector<QPoint> TfmChildBase::PicturePlaces() const {
    const int pos = sb->HorzPosition();
    const int v = sb->VertPosition();
    const int page = std::max(sb->ClientWidth(), 1);
    const int last = std::max(sb->HorzRange() - sb->ClientWidth(), 0);
    std::vector<QPoint> places;
    for (int other : {std::min(pos + page, last), std::max(pos - page, 0)}) {
        if (other != pos)
            places.push_back({other, v});
    }
    places.push_back({pos, v});
    return places;
}

int TfmChildBase::PreparePictures(int limit) {
    if (!FPictureLook || !FView || !FView->diagram->keepSpanImage || !pw->isVisible())
        return 0;
    const std::vector<QPoint> places = PicturePlaces();
    FPictures.KeepOnly(places);
    int painted = 0;
    for (const QPoint& at : places) {
        if (painted == limit)
            break;
        if (FPictures.Find(at, pw->size()))
            continue;
        // Painted as if scrolled there; the kept picture of the curves
        // stays with the position in view.
        const bool away = at != places.back();
        sb->PaintAt(at);
        FView->diagram->spanImageAside = away;
        FPictures.Make(at, pw->size(), *FPictureLook,
                       [this](QPainter& q) { PaintPlot(q, QRect(QPoint(0, 0), pw->size())); });
        FView->diagram->spanImageAside = false;
        sb->PaintAt(std::nullopt);
        ++painted;
    }
    return painted;
}

void TfmChildBase::PlotChanged() {
    FPictures.Forget();
    pw->update();
}

void TfmChildBase::DrawCursor(QPainter& p) const {
    p.save();
    p.setCompositionMode(QPainter::RasterOp_NotDestination);
    p.setPen(QPen(Qt::black, 0, Qt::DotLine));
    p.drawLine(FCursorX, 0, FCursorX, FPlotArea->Height());
    p.restore();
}

void TfmChildBase::RepaintCursorColumn(int x) {
    pw->update(QRect(x - sb->HorzPosition(), 0, 1, pw->height()));
}

void TfmChildBase::OpenValueWindow(int x) {
    if (fmViewChannel) {
        fmViewChannel->raise();
        return;
    }
    auto* w = new TfmViewChannel(this);
    w->noDataSince = FNoDataSince;
    w->SetUp(FDocument);
    PlaceValueWindow(x);
    w->show();
    w->ShowSlot(FDocument, MinuteUnder(x));
}

void TfmChildBase::PlaceValueWindow(int x) {
    if (!fmViewChannel || fmViewChannel->parent() != this)
        return;
    // Inside the plot area, which lies below the menu bar and the toolbar
    // and beside the panels, away from the cursor.
    const QRect area(pw->mapToGlobal(QPoint(0, 0)), pw->size());
    const int cursor = pw->mapToGlobal(QPoint(x - sb->HorzPosition(), 0)).x();
    const QRect place =
        ValueWindowPlace(area, fmViewChannel->size(), cursor, fmViewChannel->geometry());
    if (place != fmViewChannel->geometry())
        fmViewChannel->move(place.topLeft());
}

int TfmChildBase::MinuteUnder(int x) const {
    // Left of the plot area is no minute, not minute 0 (a small negative
    // column would truncate to 0 when zoomed in).
    return x < 0 ? -1 : PixelToMinute(x);
}

void TfmChildBase::WheelZoom(int steps, int viewportX) {
    if (!FView || steps == 0)
        return;
    const int pos = sb->HorzPosition();
    const int minute = FView->scale.PixelToMinute(pos + viewportX);
    ApplyTimeZoom(StepTimeZoom(GetTimeZoom(), steps));
    // The month-file window scrolls; the running month keeps its newest
    // minute at the right.
    if (dynamic_cast<TViewData*>(FView.get()))
        sb->SetHorzPosition(FView->scale.MinutesToPixels(minute) - viewportX);
    if (FHooks)
        FHooks->ZoomChanged(GetTimeZoom(), GetValueZoom());
}

void TfmChildBase::ScrollTime(int angle) {
    const int step = std::max(sb->horizontalScrollBar()->singleStep(), 1);
    const int lines = std::max(QApplication::wheelScrollLines(), 1);
    const int pixels = int(int64_t(angle) * lines * step / 120);
    if (auto* act = dynamic_cast<TViewAct*>(FView.get())) {
        // The running month scrolls by minutes back from the newest one.
        ScrollRunning(act, act->scale.PixelToMinute(pixels));
        return;
    }
    sb->SetHorzPosition(sb->HorzPosition() - pixels);
}

void TfmChildBase::ScrollToStart() {
    if (auto* act = dynamic_cast<TViewAct*>(FView.get())) {
        ScrollRunning(act, int(HeaderEndSlot(FDocument.header)));
        return;
    }
    sb->SetHorzPosition(0);
}

void TfmChildBase::ScrollToNewest() {
    if (auto* act = dynamic_cast<TViewAct*>(FView.get())) {
        ScrollRunning(act, -act->BackMinutes());
        return;
    }
    // The scroll bar stops where the end of the data is in view.
    sb->SetHorzPosition(sb->HorzRange());
}

void TfmChildBase::ScrollRunning(TViewAct* act, int minutes) {
    act->ScrollBack(minutes);
    px->update();
    PlotChanged();
}

bool TfmChildBase::pwWheel(QPoint angleDelta, Qt::KeyboardModifiers modifiers, QPoint viewportPos) {
    if (modifiers.testFlag(Qt::ControlModifier)) {
        FWheelZoomRest += angleDelta.y();
        const int steps = FWheelZoomRest / 120;
        FWheelZoomRest -= steps * 120;
        WheelZoom(steps, viewportPos.x());
        return true;
    }
    int angle = angleDelta.x();
    if (angle == 0 && modifiers.testFlag(Qt::ShiftModifier))
        angle = angleDelta.y();
    if (angle == 0)
        return false;
    ScrollTime(angle);
    return true;
}

void TfmChildBase::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_Home) {
        ScrollToStart();
        return;
    }
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_End) {
        ScrollToNewest();
        return;
    }
    QMdiSubWindow::keyPressEvent(event);
}

void TfmChildBase::pwMouseDown(Qt::MouseButton button, int x) {
    if (button != Qt::RightButton || FCursorActive)
        return;
    OpenValueWindow(x);
    FCursorActive = true;
    FCursorShown = true;
    FCursorX = x;
    RepaintCursorColumn(x);
    if (FHooks)
        FHooks->CursorMoved(FDocument, MinuteUnder(x));
}

void TfmChildBase::pwMouseMove(int x) {
    if (!FCursorActive || x == FCursorX)
        return;
    if (FCursorShown)
        RepaintCursorColumn(FCursorX);
    FCursorShown = true;
    FCursorX = x;
    RepaintCursorColumn(x);
    const int minute = MinuteUnder(x);
    if (fmViewChannel) {
        PlaceValueWindow(x);
        fmViewChannel->ShowSlot(FDocument, minute);
    }
    if (FHooks)
        FHooks->CursorMoved(FDocument, minute);
}

void TfmChildBase::pwMouseUp(Qt::MouseButton button, int x) {
    if (button == Qt::LeftButton) {
        if (!FCursorActive)
            return;
        const int m = MinuteUnder(x);
        if (m >= 0 && m < int(FDocument.display.minutesShown)) {
            FDocument.display.ToggleMark(uint16_t(m));
            if (FHooks)
                FHooks->UpdateMarkCommands(FDocument);
            // The whole plot area is repainted without the cursor line.
            FCursorShown = false;
            PlotChanged();
        }
        return;
    }
    if (button == Qt::RightButton && fmViewChannel) {
        if (FCursorShown)
            RepaintCursorColumn(FCursorX);
        FCursorShown = false;
        FCursorActive = false;
        delete fmViewChannel;
        if (FHooks)
            FHooks->CursorMoved(FDocument, -1);
    }
}

// --- running month ---

TfmChildAct::TfmChildAct(TEnv& env, TChildHooks* hooks, QWidget* parent)
    : TfmChildBase(env, hooks, parent) {
    setMinimumWidth(400);
    Attach(std::make_unique<TViewAct>(&FDocument, sb),
           std::make_unique<TFileAct>(&FDocument, env, *Config));
    ShowStoredDays();
    FormActivate();
}

TfmChildAct::~TfmChildAct() {
    if (fmChildAct == this)
        fmChildAct = nullptr;
}

bool TfmChildAct::ShowStoredDays() {
    if (!FEnv.clock || !FileAct())
        return false;
    const SampleTime t = SampleTimeFromLocal(FEnv.clock->Local());
    SampleRecord now;
    now.year = t.year;
    now.month = t.month;
    now.minute = t.minute;
    return LoadFromDisk(now);
}

bool TfmChildAct::LoadFromDisk(const SampleRecord& at) {
    if (!FileAct()->LoadStoredMonth(at))
        return false;
    FDiskStamp = FileStamp(FDocument.FilePath());
    const uint16_t end = HeaderEndSlot(FDocument.header);
    if (end > 0)
        setWindowTitle(RunningCaption(FDocument.Info(), end - 1u));
    ViewAct()->MarkDataReady();
    ViewAct()->LoadAlarms(FEnv);
    ViewAct()->Refresh();
    ReportScale();
    return true;
}

bool TfmChildAct::FollowDisk() {
    // The month a record made now belongs to may be another file: the
    // file's own stamp alone would not tell.
    const QString before = FDocument.FilePath();
    if (!before.isEmpty() && FileStamp(before) == FDiskStamp && FEnv.clock) {
        const SampleTime t = SampleTimeFromLocal(FEnv.clock->Local());
        if (t.year == HeaderYear(FDocument.header) && t.month == HeaderMonth(FDocument.header))
            return false;
    }
    if (!ShowStoredDays())
        return false;
    if (FHooks)
        FHooks->DataChanged(FDocument);
    return true;
}

void TfmChildAct::MinuteStored(const StoredMinute& minute) {
    const MonthDocument& stored = *minute.document;
    if (FDocument.FilePath() != minute.path || !FileAct()->daysLoaded ||
        !PutSlot(FDocument, minute.slot, minute.bytes)) {
        // Another file: its days come from the disk, as it holds them now.
        LoadFromDisk(minute.record);
    } else {
        // The window shows the minute without reading the file again.
        FDocument.header = stored.header;
        FDocument.operators = stored.operators;
        FDocument.exceptions = stored.exceptions;
        ViewAct()->MarkDataReady();
    }
    setWindowTitle(minute.caption);
}

void TfmChildAct::CycleEnded(int stored) {
    if (stored == 0)
        return;
    // The cycle's minutes may have raised or cleared alarms.
    ViewAct()->LoadAlarms(FEnv);
    ViewAct()->Refresh();
    if (FHooks)
        FHooks->DataChanged(FDocument);
}

void TfmChildAct::ShowLinkState(const LinkState& state) {
    // The caption without an earlier mark, which begins with " — ".
    setWindowTitle(StaleCaption(windowTitle().section(QStringLiteral(" — "), 0, 0), state));
    FNoDataSince = NoDataSinceText(state);
    if (fmViewChannel && fmViewChannel->parent() == this)
        fmViewChannel->noDataSince = FNoDataSince;
}

int TfmChildAct::PixelToMinute(int x) const {
    return ViewAct()->MinuteAt(x);
}

void TfmChildAct::ReportScale() {
    if (FHooks)
        FHooks->RunningWindowChanged(FDocument, GetTimeZoom(), GetValueZoom());
}

void TfmChildAct::ChannelsChanged() {
    if (!Config || !FileAct() || !FileAct()->opened)
        return;
    SetHeaderChannelBytes(FDocument.header, ChannelDefsImage(Config->channels));
    ViewAct()->Refresh();
    py->update();
    ReportScale();
}

TViewAct* TfmChildAct::ViewAct() const {
    return static_cast<TViewAct*>(FView.get());
}

TFileAct* TfmChildAct::FileAct() const {
    return static_cast<TFileAct*>(FFile.get());
}

// --- month file ---

TfmChildData::TfmChildData(TEnv& env, const QString& path, TChildHooks* hooks, QWidget* parent)
    : TfmChildBase(env, hooks, parent) {
    Attach(std::make_unique<TViewData>(&FDocument, sb),
           std::make_unique<TFileData>(&FDocument, env));
    uint8_t year = 0;
    uint8_t month = 0;
    TFileData* file = FileData();
    if (file->ValidateWithMessage(path, year, month) && file->Open(path, year, month) &&
        file->LoadDays()) {
        ViewData()->DataLoaded();
        FLoaded = true;
        const QByteArray& h = FDocument.header;
        setWindowTitle(QString::asprintf("%s: %2u/%4u",
                                         FromAnsi(HeaderLocation(h)).toUtf8().constData(),
                                         unsigned(HeaderMonth(h)), unsigned(HeaderYear(h)) + 1980));
    }
    FormActivate();
}

int TfmChildData::PixelToMinute(int x) const {
    return FView->scale.PixelToMinute(x);
}

TViewData* TfmChildData::ViewData() const {
    return static_cast<TViewData*>(FView.get());
}

TFileData* TfmChildData::FileData() const {
    return static_cast<TFileData*>(FFile.get());
}
