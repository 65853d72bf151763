#pragma once

#include "config/Falarmlimits.h"
#include "view/Caxis.h"
#include "view/Cdiagram.h"
#include "view/Cscale.h"
#include "view/Falarmmarks.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;
class TPaintArea;
class TScrollArea;
struct MonthDocument;
struct TEnv;

// Sits between a diagram window and its month document: decides which
// minutes and which part of the value band are visible in the window's scroll
// area, keeps the scroll ranges in step with the zoom, and orders the drawing
// of the plot area and the two axis strips. Owns the scale, both axes and the
// plotter.
class TViewBase {
public:
    // The value extent every view shows: the plotter's band.
    static constexpr int ValueExtent = TDiagram::BandHeight;

    virtual ~TViewBase();

    TViewBase(const TViewBase&) = delete;
    TViewBase& operator=(const TViewBase&) = delete;

    // The axes paint the two strips, the plotter the plot area.
    void CreatePlotters(TPaintArea* plotArea, TPaintArea* timeStrip, TPaintArea* valueStrip);

    // The sets and resets of the display.
    void Reset();
    void SetTimeZoom(int n);
    void SetValueZoom(int n);
    void SetExtent(int minutes, int values);
    void UpdateRanges();
    void UpdateVertRange();
    // Index -1 sets all 14 channels.
    void SetChannelVisible(int index, bool visible);
    // The header's end slot becomes the number of minutes shown.
    void TakeWrittenLength();

    // Paints of the plot area and the two strips.
    virtual void Paint(QPainter& p) = 0;
    void PaintGrid(QPainter& p);
    void PaintTimeAxis(QPainter& p);
    void PaintValueAxis(QPainter& p);
    void PaintTimeGrid(QPainter& p);
    void PaintValueGrid(QPainter& p);

    // The visible part, in minutes and in pixels. The result is the relative
    // flag: 1 when x counts from the visible left edge, 0 for absolute
    // plot-area coordinates.
    virtual void UpdateHorzRange() = 0;
    virtual int VisibleMinutes(int& first, int& count) const = 0;
    virtual int VisiblePixels(int& first, int& count) const = 0;
    virtual void PaintData(QPainter& p) = 0;
    virtual int FirstVisibleMinute(int& minute) const = 0;
    // The exception periods over the visible minutes, as labelled bands.
    void PaintExceptionBands(QPainter& p);
    // The two marks: a line at the column of each marked minute.
    void PaintMarks(QPainter& p);
    // The limits of the shown channels as dashed lines across the plot area.
    void PaintLimitLines(QPainter& p);
    // The alarms' stretches as bars along the bottom of the time strip.
    void PaintAlarmBars(QPainter& p);
    // The column of a minute in this view's plot-area coordinates.
    virtual int MinuteColumn(int minute) const = 0;
    // Heights count up from the bottom of the plot area.
    void VisibleHeightRange(int& bottomPx, int& heightPx) const;
    void VisibleValueRange(int& bottom, int& span) const;

    // Days of the document's month, without its overflow days.
    int DaysInMonth() const;

    MonthDocument* document;
    TScale scale;
    TScrollArea* scrollArea;
    std::unique_ptr<TAxisX> timeAxis;
    std::unique_ptr<TAxisY> valueAxis;
    std::unique_ptr<TDiagram> diagram;
    int32_t dataReady = 0;
    // The lines of the exception list, which name the periods' codes.
    std::vector<QByteArray> exceptionTexts;
    // The alarm limits of the channels, and the alarms of the month file.
    ChannelAlarmLimits alarmLimits{};
    std::vector<AlarmStretch> alarmStretches;
    // Takes the limits of the INI file and the alarms of the log over (a
    // file that cannot be read marks nothing: the diagram stays as it is).
    // True when the limits or the alarms shown may have changed.
    bool LoadAlarms(const TEnv& env);
    // What LoadAlarms last read: the stamps of the INI file and the log,
    // and the month file the stretches belong to.
    struct {
        QString ini;
        QString log;
        QString file;
    } FAlarmStamps;
    // Where the plot area's column 0 lies in the time strip.
    int timeStripOrigin = 0;

protected:
    // The scroll ranges depend on the kind of view: the subclass's
    // constructor resets the settings once it is complete.
    TViewBase(MonthDocument* document, TScrollArea* scrollArea);
    int PlotAreaHeight() const;
};

// The running month: shows the newest minutes, ending 300 pixels before the
// right edge, where the current values are written; scrolled back (Home,
// the wheel) it shows older minutes and their values at that place, until
// End follows the newest minute again. It has no horizontal scroll bar.
class TViewAct final : public TViewBase {
public:
    TViewAct(MonthDocument* document, TScrollArea* scrollArea);

    // Room right of the newest minute for the value labels.
    static constexpr int LabelRoom = 300;

    void UpdateHorzRange() override;
    int VisibleMinutes(int& first, int& count) const override;
    int VisiblePixels(int& first, int& count) const override;
    void PaintData(QPainter& p) override;
    int FirstVisibleMinute(int& minute) const override;
    void Paint(QPainter& p) override;
    int MinuteColumn(int minute) const override;

    // After every stored record.
    void MarkDataReady() { dataReady = 1; }
    // After a drained acquisition cycle: takes the new length and repaints
    // the plot area and both strips at once.
    void Refresh();

    // The minute under plot-area column x: the same origin as the grid,
    // the axis and the curves.
    int MinuteAt(int x) const;
    // The minute drawn at column 0.
    int OriginMinute() const;
    // The minute at the right end of the curves: the newest one unless the
    // view was scrolled back.
    int LastShownMinute() const;
    // Scrolls the view by a number of minutes, positive towards the start
    // of the month, between the start and the newest minute.
    void ScrollBack(int minutes);
    // Minutes the view is scrolled back from the newest ones; 0 follows the
    // newest minute. A view scrolled back keeps its minutes while new ones
    // arrive.
    int BackMinutes() const;

private:
    int NewestMinute() const;
    int FitMinutes() const;

    // The origin of the newest minutes.
    int NewestOrigin() const;

    int FPinned = -1; // the origin of a view scrolled back, -1 following
};

// A month file: scrolls over the whole month, shows where the data begins
// (green) and ends (red), and the two marks.
class TViewData final : public TViewBase {
public:
    TViewData(MonthDocument* document, TScrollArea* scrollArea);

    void UpdateHorzRange() override;
    int VisibleMinutes(int& first, int& count) const override;
    int VisiblePixels(int& first, int& count) const override;
    void PaintData(QPainter& p) override;
    int FirstVisibleMinute(int& minute) const override;
    void Paint(QPainter& p) override;

    int MinuteColumn(int minute) const override;

    // After the month file was opened and its days loaded.
    void DataLoaded();
    void PaintDataEnds(QPainter& p);

private:
    int VisibleWidth() const;
};
