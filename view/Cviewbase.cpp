#include "view/Cviewbase.h"

#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Ffilestamp.h"
#include "files/Cmonthdocument.h"
#include "files/Falarmlog.h"
#include "files/Fmonthfile.h"
#include "view/Cpaintarea.h"
#include "view/Fdraw.h"
#include "view/Fexceptionbands.h"
#include "view/Fviewchannel.h"

#include <QPainter>

#include <algorithm>

namespace {

const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor Olive(128, 128, 0);

} // namespace

TViewBase::TViewBase(MonthDocument* document, TScrollArea* scrollArea)
    : document(document), scale(document), scrollArea(scrollArea) {}

// The axes and the plotter go before the scale they share.
TViewBase::~TViewBase() {
    timeAxis.reset();
    valueAxis.reset();
    diagram.reset();
}

void TViewBase::CreatePlotters(TPaintArea* plotArea, TPaintArea* timeStrip,
                               TPaintArea* valueStrip) {
    timeAxis = std::make_unique<TAxisX>(timeStrip, &scale);
    valueAxis = std::make_unique<TAxisY>(valueStrip, &scale);
    diagram = std::make_unique<TDiagram>(plotArea, &scale);
}

void TViewBase::Reset() {
    SetTimeZoom(1);
    SetValueZoom(1);
    SetChannelVisible(-1, true);
}

void TViewBase::SetTimeZoom(int n) {
    scale.SetTimeZoom(n);
    UpdateHorzRange();
}

void TViewBase::SetValueZoom(int n) {
    scale.SetValueZoom(n);
    UpdateVertRange();
}

void TViewBase::SetExtent(int minutes, int values) {
    scale.SetExtent(minutes, values);
    UpdateRanges();
}

void TViewBase::UpdateRanges() {
    UpdateHorzRange();
    UpdateVertRange();
}

void TViewBase::UpdateVertRange() {
    scrollArea->SetVertLineStep(100000 / scale.valuePixels);
    scrollArea->SetVertRange(scale.pixelHeight);
}

void TViewBase::SetChannelVisible(int index, bool visible) {
    auto& shown = document->display.channelVisible;
    if (index == -1)
        shown.fill(visible ? 1 : 0);
    else if (index >= 0 && index < int(shown.size()))
        shown[index] = visible ? 1 : 0;
}

void TViewBase::TakeWrittenLength() {
    document->display.minutesShown = HeaderEndSlot(document->header);
}

void TViewBase::PaintGrid(QPainter& p) {
    PaintTimeGrid(p);
    PaintValueGrid(p);
}

void TViewBase::PaintTimeAxis(QPainter& p) {
    int first = 0;
    int count = 0;
    VisibleMinutes(first, count);
    timeAxis->Draw(p, first, count, DaysInMonth());
    PaintAlarmBars(p);
}

void TViewBase::PaintAlarmBars(QPainter& p) {
    if (!dataReady || alarmStretches.empty())
        return;
    int first = 0;
    int count = 0;
    VisibleMinutes(first, count);
    int left = 0;
    int width = 0;
    const int shift = timeStripOrigin - (VisiblePixels(left, width) == 1 ? 0 : left);
    const int bottom = timeAxis->area->Height();
    const uint32_t end = document->display.minutesShown;
    for (const AlarmStretch& s : alarmStretches) {
        const int to = int(StretchEnd(s, end));
        if (to <= first || int(s.from) >= first + count + 1)
            continue;
        const QColor colour =
            ChannelColour(HeaderChannel(document->header, s.channel).colourChoice);
        DrawAlarmBar(p, MinuteColumn(std::max(int(s.from), first)) + shift,
                     MinuteColumn(std::min(to, first + count + 1)) + shift, bottom, colour);
    }
}

bool TViewBase::LoadAlarms(const TEnv& env) {
    // Read again only what changed since: after every cycle of a running
    // window the log and the INI file are most often as they were.
    const QString logPath = AlarmLogPath(env.dataDir);
    const QString iniStamp = FileStamp(env.IniPath());
    // Without an INI file the limits read are the defaults, as before.
    const bool limitsChanged = iniStamp != FAlarmStamps.ini;
    if (limitsChanged || iniStamp.isEmpty()) {
        alarmLimits = ReadAlarmLimits(TIniFile(env.IniPath()));
        FAlarmStamps.ini = iniStamp;
    }
    const QString& file = document->fileName;
    const QString logStamp = FileStamp(logPath);
    if (logStamp == FAlarmStamps.log && file == FAlarmStamps.file && !logStamp.isEmpty())
        return limitsChanged;
    std::vector<AlarmLogEntry> log;
    if (!ReadAlarmLog(logPath, log))
        return limitsChanged;
    alarmStretches = AlarmStretchesOf(*document, log);
    FAlarmStamps.log = logStamp;
    FAlarmStamps.file = file;
    return true;
}

void TViewBase::PaintLimitLines(QPainter& p) {
    int left = 0;
    int width = 0;
    const int rel = VisiblePixels(left, width);
    const std::vector<LimitLine> lines = ShownLimitLines(*document, alarmLimits, ValueExtent);
    DrawLimitLines(p, lines, scale, diagram->area->Height(), rel == 1 ? 0 : left,
                   rel == 1 ? width : left + width);
}

void TViewBase::PaintValueAxis(QPainter& p) {
    int bottom = 0;
    int span = 0;
    VisibleValueRange(bottom, span);
    valueAxis->Draw(p, bottom, span);
}

void TViewBase::PaintTimeGrid(QPainter& p) {
    int first = 0;
    int count = 0;
    const int rel = VisibleMinutes(first, count);
    int bottomPx = 0;
    int heightPx = 0;
    VisibleHeightRange(bottomPx, heightPx);
    diagram->DrawTimeGrid(p, rel, first, count, bottomPx, bottomPx + heightPx);
}

void TViewBase::PaintValueGrid(QPainter& p) {
    int bottom = 0;
    int span = 0;
    VisibleValueRange(bottom, span);
    int left = 0;
    int width = 0;
    const int rel = VisiblePixels(left, width);
    diagram->DrawValueGrid(p, rel, bottom, span, left, left + width);
}

void TViewBase::PaintExceptionBands(QPainter& p) {
    int first = 0;
    int count = 0;
    VisibleMinutes(first, count);
    const int last = first + count;
    const int top = scrollArea->VertPosition();
    for (const ExceptionBand& b : ShownExceptionBands(*document, first, last)) {
        const int from = std::max(int(b.from), first);
        const int to = std::min(int(b.to), last);
        const QString label = FromAnsi(ExceptionBandLabel(b.code, exceptionTexts));
        diagram->ExceptionBand(p, MinuteColumn(from), MinuteColumn(to + 1), top, b.noteOnly, label);
    }
}

void TViewBase::PaintMarks(QPainter& p) {
    const MonthDisplay& d = document->display;
    const int h = diagram->area->Height();
    if (d.HasStart())
        diagram->VerticalLine(p, MinuteColumn(d.markStart), h, 0, Green);
    if (d.HasEnd())
        diagram->VerticalLine(p, MinuteColumn(d.markEnd), h, 0, Olive);
}

void TViewBase::VisibleHeightRange(int& bottomPx, int& heightPx) const {
    // The full height counts the frame and the horizontal scroll bar, so a
    // window taller than the band gets a negative bottom.
    const int full = scrollArea->FullHeight();
    bottomPx = PlotAreaHeight() - scrollArea->VertPosition() - full;
    heightPx = std::min(scrollArea->VertRange() - bottomPx, full);
}

void TViewBase::VisibleValueRange(int& bottom, int& span) const {
    int bottomPx = 0;
    int heightPx = 0;
    VisibleHeightRange(bottomPx, heightPx);
    bottom = scale.PixelsToValues(bottomPx);
    span = scale.PixelsToValues(heightPx);
}

int TViewBase::DaysInMonth() const {
    return int(HeaderDaysStored(document->header)) - int(HeaderOverflowDays(document->header));
}

int TViewBase::PlotAreaHeight() const {
    if (diagram)
        return diagram->area->Height();
    return std::max(scrollArea->VertRange(), scrollArea->ClientHeight());
}

// --- running month ---

TViewAct::TViewAct(MonthDocument* document, TScrollArea* scrollArea)
    : TViewBase(document, scrollArea) {
    Reset();
    dataReady = 0;
}

// One origin for the grid, the axis, the curves and the mouse: the plotter
// draws the newest minute at the end of what fits left of the label room,
// and pixel 0 is the minute `fit` minutes before it (or minute 0).
int TViewAct::NewestMinute() const {
    return int(HeaderEndSlot(document->header)) - 1;
}

int TViewAct::FitMinutes() const {
    return scale.PixelToMinute(scrollArea->FullWidth() - LabelRoom);
}

int TViewAct::NewestOrigin() const {
    return std::max(NewestMinute() - FitMinutes(), 0);
}

int TViewAct::OriginMinute() const {
    return FPinned < 0 ? NewestOrigin() : std::min(FPinned, NewestOrigin());
}

int TViewAct::LastShownMinute() const {
    return std::min(OriginMinute() + FitMinutes(), NewestMinute());
}

int TViewAct::BackMinutes() const {
    return NewestOrigin() - OriginMinute();
}

void TViewAct::ScrollBack(int minutes) {
    const int newest = NewestOrigin();
    const int origin = int(std::clamp<int64_t>(int64_t(OriginMinute()) - minutes, 0, newest));
    // Back at the newest minutes, the view follows them again.
    FPinned = origin >= newest ? -1 : origin;
}

int TViewAct::MinuteAt(int x) const {
    return OriginMinute() + scale.PixelToMinute(x);
}

int TViewAct::VisibleMinutes(int& first, int& count) const {
    first = OriginMinute();
    count = std::max(LastShownMinute() - first + 1, 0);
    return 1;
}

int TViewAct::VisiblePixels(int& first, int& count) const {
    const int origin = OriginMinute();
    first = scale.MinutesToPixels(origin);
    count = scale.MinutesToPixels(std::max(LastShownMinute() - origin, 0)) + 1;
    return 1;
}

int TViewAct::FirstVisibleMinute(int& minute) const {
    minute = OriginMinute();
    return 1;
}

void TViewAct::UpdateHorzRange() {
    scrollArea->SetHorzLineStep(100000 / scale.timePixels);
    scrollArea->SetHorzRange(scale.pixelWidth + 1);
    scrollArea->SetHorzVisible(false);
}

void TViewAct::PaintData(QPainter& p) {
    if (NewestMinute() < 0)
        return;
    diagram->PlotRunning(p, OriginMinute(), LastShownMinute(), *document);
}

void TViewAct::Paint(QPainter& p) {
    PaintGrid(p);
    if (dataReady) {
        PaintExceptionBands(p);
        PaintMarks(p);
        PaintLimitLines(p);
        PaintData(p);
    }
}

int TViewAct::MinuteColumn(int minute) const {
    return scale.MinutesToPixels(minute - OriginMinute());
}

void TViewAct::Refresh() {
    TakeWrittenLength();
    SetExtent(document->display.minutesShown, ValueExtent);
    if (diagram)
        diagram->Repaint();
    if (timeAxis)
        timeAxis->Repaint();
    if (valueAxis)
        valueAxis->Repaint();
}

// --- month file ---

TViewData::TViewData(MonthDocument* document, TScrollArea* scrollArea)
    : TViewBase(document, scrollArea) {
    Reset();
    dataReady = 0;
}

int TViewData::VisibleWidth() const {
    return std::min(scrollArea->HorzRange() - scrollArea->HorzPosition(),
                    scrollArea->ClientWidth());
}

int TViewData::VisibleMinutes(int& first, int& count) const {
    first = scale.PixelToMinute(scrollArea->HorzPosition());
    count = scale.PixelToMinute(VisibleWidth());
    return 0;
}

int TViewData::VisiblePixels(int& first, int& count) const {
    first = scrollArea->HorzPosition();
    count = VisibleWidth();
    return 0;
}

int TViewData::FirstVisibleMinute(int& minute) const {
    minute = scale.PixelToMinute(scrollArea->HorzPosition());
    return 0;
}

void TViewData::UpdateHorzRange() {
    scrollArea->SetHorzRange(scale.pixelWidth + 1);
    scrollArea->SetHorzLineStep(100000 / scale.timePixels);
}

void TViewData::PaintData(QPainter& p) {
    const int pos = scrollArea->HorzPosition();
    const int right = std::min(scrollArea->HorzRange(), scrollArea->ClientWidth() + pos);
    const int first = scale.PixelToMinute(pos);
    // Plots slots first .. last - 1: the minute at the right edge is
    // included, and so is the last stored minute of the file.
    const int last = std::min(scale.PixelToMinute(right) + 1, int(document->display.minutesShown));
    diagram->PlotMonth(p, first, last, *document);
}

void TViewData::Paint(QPainter& p) {
    PaintGrid(p);
    PaintDataEnds(p);
    if (dataReady) {
        PaintExceptionBands(p);
        PaintMarks(p);
        PaintLimitLines(p);
        PaintData(p);
    }
}

void TViewData::DataLoaded() {
    // A window opens with the channels in use, as the running one does.
    ShowChannelsInUse(*document);
    TakeWrittenLength();
    SetExtent(document->display.minutesShown, ValueExtent);
    dataReady = 1;
}

int TViewData::MinuteColumn(int minute) const {
    return scale.MinutesToPixels(minute);
}

void TViewData::PaintDataEnds(QPainter& p) {
    int bottomPx = 0;
    int heightPx = 0;
    VisibleHeightRange(bottomPx, heightPx);
    const int range = scrollArea->HorzRange();
    const int pos = scrollArea->HorzPosition();
    if (scrollArea->ClientWidth() >= range - pos)
        diagram->VerticalLine(p, range - 1, bottomPx, bottomPx + heightPx, Red);
    if (pos == 0)
        diagram->VerticalLine(p, 1, bottomPx, bottomPx + heightPx, Green);
}
