#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>

#include <memory>
#include <vector>

class QPainter;
class TPaintArea;
class TScale;
class TSpanImage;
struct MonthDocument;

// Draws into a diagram window's plot area: the grids, single vertical lines
// (data ends, marks, the newest minute) and the channel curves.
//
// Curves are not scaled to a channel's physical range: a channel is drawn as
// its raw reading shifted by its display offset, inside a band 300 units high
// that wraps in steps of 200 units, so a curve that leaves the band breaks and
// continues 200 units lower or higher. Heights count up from the bottom of
// the plot area: a height h is drawn at y = H - h.
class TDiagram {
public:
    // Points a curve run collects before it is drawn; a longer run is drawn
    // in pieces that share their end points.
    static constexpr int BufferPoints = 2048;
    // Height of the band in value units.
    static constexpr int BandHeight = 300;

    TDiagram(TPaintArea* area, TScale* scale);
    ~TDiagram();

    // Has the plot area repainted at once.
    void Repaint();
    // Blanks the plot area. Its paint always starts from the window
    // background, so a repaint does it.
    void Clear();

    // rel = 1: x counts from the visible left edge (the running view, which
    // never scrolls); rel = 0: absolute plot-area coordinates.
    void DrawTimeGrid(QPainter& p, int rel, int first, int count, int bottom, int top);
    void DrawValueGrid(QPainter& p, int rel, int bottom, int span, int left, int right);
    // A solid line at x from height from to height to.
    void VerticalLine(QPainter& p, int x, int from, int to, const QColor& colour);
    // An exception period's band from column x1 up to x2 over the whole
    // height: lightly shaded when its values are suppressed, outlined when
    // it only notes; its label written at the top, at height top.
    void ExceptionBand(QPainter& p, int x1, int x2, int top, bool noteOnly, const QString& label);
    // A line over the whole height at the column of a slot.
    void MarkLine(QPainter& p, int slot, const QColor& colour);

    // The month plotter: slots first .. last - 1 in absolute coordinates,
    // note-only periods three pixels wide, ordinary periods and empty
    // minutes left out (a gap).
    void PlotMonth(QPainter& p, int first, int last, const MonthDocument& document);
    // The running plotter: slots first .. last relative to the left edge,
    // each curve closed with the newest value, a red line at the newest
    // minute and the current values written to the right of it.
    void PlotRunning(QPainter& p, int first, int last, const MonthDocument& document);

    TPaintArea* area;
    TScale* scale;
    // The configured window background (1 white, 2 grey): grid lines are
    // grey on white.
    int backgroundChoice = 1;
    // At compression the curves' spans are kept as a picture between paints
    // on a window or image, and only what changed is written again. Off,
    // every paint fills the spans afresh (the same pixels).
    bool keepSpanImage = true;
    // Switches keeping on or off; off lets the picture go at once.
    void KeepSpanImage(bool keep);
    // While set, paints fill their spans afresh and leave the kept picture
    // as it is: a picture of another place is painted.
    bool spanImageAside = false;
    // Columns of the kept picture the last paint wrote.
    int SpanColumnsWritten() const;

private:
    QColor GridColour(const QPainter& p) const;
    // The kept picture of the spans, or none when it is switched off.
    TSpanImage* SpanImage();

    std::vector<QPoint> FPoints;
    std::vector<QRect> FSpans;
    std::unique_ptr<TSpanImage> FSpanImage;
};
