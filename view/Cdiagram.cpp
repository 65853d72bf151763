#include "view/Cdiagram.h"

#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "config/Fforpeople.h"
#include "files/Cmonthdata.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "view/Cpaintarea.h"
#include "view/Crecall.h"
#include "view/Cscale.h"
#include "view/Cspanimage.h"
#include "view/Fdraw.h"
#include "view/Ftimesteps.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>
#include <cstring>

namespace {

constexpr int BandStep = 200;

// The plot position of a channel at a slot: raw value plus display offset.
// (An empty slot's raw values are 0.)
int PlotValue(TMonthReader& minutes, const ChannelDef& c, int slot, int channel) {
    return slot < 0 ? int(c.dispOffset)
                    : int(minutes.Raw(uint32_t(slot), channel)) + int(c.dispOffset);
}

int RunBase(int a) {
    return a / BandStep * BandStep;
}

// The base before the first slot: the band that holds the first value,
// one band lower when the value lies in the lowest 50 units of it.
int InitialBase(int a) {
    int base = RunBase(a);
    if (base > 0 && a % BandStep < 50)
        base -= BandStep;
    return base;
}

bool InBand(int a, int base) {
    return a - base >= 0 && a - base <= TDiagram::BandHeight;
}

// How the plotters step through slots: columns of n slots one pixel apart
// at compression 1:n, single slots n pixels apart at magnification n:1.
struct Sampling {
    int slotStep;
    int dx;
};

Sampling SamplingOf(const TScale& s) {
    if (s.timePixels > 0 && s.timeMinutes / s.timePixels >= 1)
        return {s.timeMinutes / s.timePixels, 1};
    return {1, s.timeMinutes > 0 ? s.timePixels / s.timeMinutes : 1};
}

// The points of one curve run out of the plotter's buffer. When the buffer
// is full the points so far are drawn and the last of them starts the next
// piece, so the pieces join exactly.
class TRun {
public:
    TRun(QPainter& p, std::vector<QPoint>& buffer) : FPainter(p), FBuffer(buffer) {}

    int Counted() const { return FCounted; }
    void Start(const QPen& pen) {
        FPen = pen;
        FCount = 0;
        FCounted = 0;
    }
    void Add(QPoint pt) {
        Append(pt);
        ++FCounted;
    }
    // A point drawn with the run that does not count towards its length.
    void AddUncounted(QPoint pt) { Append(pt); }
    // Draws the run when it has at least two points, then empties it.
    void Finish() {
        if (FCounted >= 2 && FCount >= 2)
            Draw();
        FCount = 0;
        FCounted = 0;
    }
    // A curve is drawn as its runs finish.
    void EndChannel(const QColor&) { Finish(); }

private:
    void Append(QPoint pt) {
        if (FCount == int(FBuffer.size())) {
            Draw();
            FBuffer[0] = FBuffer[FCount - 1];
            FCount = 1;
        }
        FBuffer[FCount++] = pt;
    }
    void Draw() {
        FPainter.setPen(FPen);
        FPainter.drawPolyline(FBuffer.data(), FCount);
    }

    QPainter& FPainter;
    std::vector<QPoint>& FBuffer;
    QPen FPen;
    int FCount = 0;
    int FCounted = 0;
};

// Fills rects in one colour, without an outline.
void FillSpans(QPainter& p, const std::vector<QRect>& rects, const QColor& colour) {
    const TPenRecall pen(p);
    const TBrushRecall brush(p);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRects(rects.data(), int(rects.size()));
}

// The same points as a curve run, drawn as one vertical span per pixel
// column at compression: a column covers its own points and reaches the
// last point of the column before it in the run, so neighbouring columns
// join as the polyline's segment between them would. Filling the spans of
// a channel at once costs a fraction of rasterising as many short lines;
// handing them to the kept picture of the spans costs less again.
class TSpans {
public:
    TSpans(QPainter& p, std::vector<QRect>& rects, TSpanImage* image)
        : FPainter(p), FRects(rects), FImage(image) {
        FRects.clear();
    }

    int Counted() const { return FCounted; }
    void Start(const QPen& pen) {
        // A cosmetic pen is one pixel wide; a wider pen widens the span
        // and reaches half its width beyond the ends, as its line would.
        FWidth = std::max(1, int(std::lround(pen.widthF())));
        FCounted = 0;
        FOpen = false;
        FRunStart = FRects.size();
    }
    void Add(QPoint pt) {
        Append(pt);
        ++FCounted;
    }
    void AddUncounted(QPoint pt) { Append(pt); }
    // Keeps the run's spans when it has at least two points.
    void Finish() {
        if (FOpen)
            Close();
        if (FCounted < 2)
            FRects.resize(FRunStart);
        FCounted = 0;
        FOpen = false;
        FRunStart = FRects.size();
    }
    // Fills the channel's spans in its colour and forgets them.
    void EndChannel(const QColor& colour) {
        Finish();
        if (FImage) {
            for (const QRect& r : FRects)
                FImage->Add(r, colour.rgba());
        } else if (!FRects.empty()) {
            FillSpans(FPainter, FRects, colour);
        }
        FRects.clear();
        FRunStart = 0;
    }

private:
    void Append(QPoint pt) {
        if (FOpen && pt.x() == FX) {
            FTop = std::min(FTop, pt.y());
            FBottom = std::max(FBottom, pt.y());
        } else {
            if (FOpen)
                Close();
            FTop = FOpen ? std::min(FLastY, pt.y()) : pt.y();
            FBottom = FOpen ? std::max(FLastY, pt.y()) : pt.y();
            FX = pt.x();
            FOpen = true;
        }
        FLastY = pt.y();
    }
    void Close() {
        const int half = (FWidth - 1) / 2;
        const QRect r(FX - half, FTop - half, FWidth, FBottom - FTop + 1 + 2 * half);
        // A level stretch becomes one wide span.
        if (FRects.size() > FRunStart) {
            QRect& before = FRects.back();
            if (before.top() == r.top() && before.bottom() == r.bottom() &&
                r.left() <= before.right() + 1) {
                before.setRight(r.right());
                return;
            }
        }
        FRects.push_back(r);
    }
    QPainter& FPainter;
    std::vector<QRect>& FRects;
    TSpanImage* FImage;
    size_t FRunStart = 0;
    int FWidth = 1;
    int FCounted = 0;
    bool FOpen = false;
    int FX = 0;
    int FTop = 0;
    int FBottom = 0;
    int FLastY = 0;
};

// Heights of plot positions within a run's band.
struct TBandHeights {
    int height;
    int vp;
    int vu;
    // The value zooms of the menu are whole factors: a multiplication gives
    // the same heights as the exact ratio, without a division per point.
    int factor;
    int Y(int a, int base) const {
        return height - (factor ? (a - base) * factor : MulDivTrunc(a - base, vp, vu));
    }
};

TBandHeights BandHeightsOf(const TScale& s, int height) {
    const int vp = s.valuePixels;
    const int vu = s.valueUnits;
    return {height, vp, vu, vu > 0 && vp % vu == 0 ? vp / vu : 0};
}

// The minutes of one pixel column collected since the run last broke: the
// column is drawn as its lowest and highest value in the order they
// occurred, so a single-minute spike stays in the picture.
class TColumnExtremes {
public:
    bool Empty() const { return FCount == 0; }
    void Add(int a, int slot) {
        if (FCount++ == 0) {
            FMin = FMax = a;
            FMinAt = FMaxAt = slot;
            return;
        }
        if (a < FMin) {
            FMin = a;
            FMinAt = slot;
        } else if (a > FMax) {
            FMax = a;
            FMaxAt = slot;
        }
    }
    // Adds the column's points to the run and empties it.
    template <typename Run> void MoveInto(Run& run, int x, int base, const TBandHeights& band) {
        if (FCount == 0)
            return;
        FCount = 0;
        const bool minFirst = FMinAt <= FMaxAt;
        run.Add(QPoint(x, band.Y(minFirst ? FMin : FMax, base)));
        if (FMin != FMax)
            run.Add(QPoint(x, band.Y(minFirst ? FMax : FMin, base)));
    }

private:
    int FCount = 0;
    int FMin = 0;
    int FMax = 0;
    int FMinAt = 0;
    int FMaxAt = 0;
};

QPen ThinPen(const QColor& c) {
    return QPen(c, 0, Qt::SolidLine);
}

// Note-only periods: three pixels wide. Round ends and joins make a run
// drawn in pieces look exactly like one polyline.
QPen ThickPen(const QColor& c) {
    return QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// One channel's walk over slots first .. last - 1, column by column; returns
// the base in force after the last slot. Every minute counts: one without
// data or hidden by an ordinary period breaks the run, so does a change of
// exception state or a value that leaves the band; the points collected in
// a column so far are kept before the break.
template <typename Run, typename PenOf>
int WalkChannel(Run& run, TMonthReader& minutes, int channel, int first, int last, int x,
                Sampling smp, const TBandHeights& band, PenOf penOf) {
    const ChannelDef& c = minutes.Channel(channel);
    int base = InitialBase(PlotValue(minutes, c, first, channel));
    int previous = ExceptionNone;
    TColumnExtremes column;
    const int offset = int(c.dispOffset);
    const auto collecting = [&run, &column] { return run.Counted() > 0 || !column.Empty(); };
    for (int from = first; from < last; from += smp.slotStep, x += smp.dx) {
        const int to = std::min(from + smp.slotStep, last);
        for (int s = from; s < to; ++s) {
            // A minute without data leaves a gap like an ordinary period.
            const TChannelMinute m = minutes.At(channel, uint32_t(s));
            const int state = m.stored ? m.exception : int(ExceptionOrdinary);
            if (state != previous && collecting()) {
                column.MoveInto(run, x, base, band);
                run.Finish();
            }
            previous = state;
            if (state == ExceptionOrdinary)
                continue;
            const int a = int(m.raw) + offset;
            if (collecting() && !InBand(a, base)) {
                column.MoveInto(run, x, base, band);
                run.Finish();
            }
            if (!collecting()) {
                base = RunBase(a);
                run.Start(penOf(state));
            }
            column.Add(a, s);
        }
        column.MoveInto(run, x, base, band);
    }
    return base;
}

uint64_t MixKey(uint64_t h, uint64_t v) {
    h = (h ^ v) * 0x9FB21C651E98DF25ull;
    return h ^ (h >> 28);
}

uint64_t MixBytes(uint64_t h, const char* data, qsizetype size) {
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        uint64_t word;
        std::memcpy(&word, data + i, 8);
        h = MixKey(h, word);
    }
    for (; i < size; ++i)
        h = MixKey(h, uint8_t(data[i]));
    return MixKey(h, uint64_t(size));
}

// Everything the month plotter's walk draws from: the slots, the zoom, the
// band, the header's channels, the periods, the shown channels and their
// colours. Hashing the slots' bytes costs a fraction of walking them.
uint64_t MonthKey(const MonthDocument& d, int first, int last, int x0, Sampling smp,
                  const TBandHeights& band) {
    uint64_t h = MixKey(0x2545F4914F6CDD1Dull, uint64_t(uint32_t(first)) << 32 | uint32_t(last));
    h = MixKey(h, uint64_t(uint32_t(x0)) << 32 | uint32_t(smp.slotStep));
    h = MixKey(h, uint64_t(uint32_t(band.height)) << 32 | uint32_t(band.vp));
    h = MixKey(h, uint64_t(uint32_t(band.vu)) << 32 | uint32_t(smp.dx));
    h = MixBytes(h, d.header.constData(), d.header.size());
    h = MixBytes(h, d.exceptions.constData(), d.exceptions.size());
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const QRgb colour = ChannelColour(HeaderChannel(d.header, ch).colourChoice).rgba();
        h = MixKey(h, uint64_t(d.display.channelVisible[ch]) << 32 | colour);
    }
    for (int s = std::max(first, 0); s < last;) {
        const int block = s / SlotsPerDay;
        const int end = std::min(last, (block + 1) * SlotsPerDay);
        if (block >= MaxDayBlocks)
            break;
        const QByteArray& b = d.dayBlocks[block];
        const qsizetype from = qsizetype(s - block * SlotsPerDay) * SlotSize;
        const qsizetype to = std::min(qsizetype(end - block * SlotsPerDay) * SlotSize, b.size());
        h = MixBytes(h, b.constData() + std::min(from, to), std::max<qsizetype>(to - from, 0));
        s = end;
    }
    return h == 0 ? 1 : h;
}

struct Label {
    int channel;
    uint32_t value;
    int y;
};

} // namespace

TDiagram::TDiagram(TPaintArea* area, TScale* scale)
    : area(area), scale(scale), FPoints(BufferPoints) {}

TDiagram::~TDiagram() = default;

int TDiagram::SpanColumnsWritten() const {
    return FSpanImage ? FSpanImage->ColumnsWritten() : 0;
}

void TDiagram::KeepSpanImage(bool keep) {
    keepSpanImage = keep;
    if (!keep)
        FSpanImage.reset();
}

TSpanImage* TDiagram::SpanImage() {
    if (spanImageAside)
        return nullptr;
    if (!keepSpanImage) {
        FSpanImage.reset();
        return nullptr;
    }
    if (!FSpanImage)
        FSpanImage = std::make_unique<TSpanImage>();
    return FSpanImage.get();
}

void TDiagram::Repaint() {
    area->Repaint();
}

void TDiagram::Clear() {
    area->Repaint();
}

QColor TDiagram::GridColour(const QPainter&) const {
    return GridIsGrey(backgroundChoice) ? GridGrey : QColor(Qt::black);
}

void TDiagram::DrawTimeGrid(QPainter& p, int rel, int first, int count, int bottom, int top) {
    const TPenRecall recall(p);
    TTimeWalk walk(*scale, first, 0);
    if (walk.level == TTimeLevel::None)
        return;
    const int tm = scale->timeMinutes;
    const int tp = scale->timePixels;
    float x = float(MulDivTrunc(rel == 1 ? walk.offset : first + walk.offset, tp, tm));
    const float dx = float(MulDivTrunc(walk.step, tp, tm));
    const int h = area->Height();
    QPen pen(GridColour(p), 0);
    const int end = first + count;
    // Lines of one style in a row go in one call: a fine zoom has hundreds.
    std::vector<QLine> run;
    Qt::PenStyle runStyle = Qt::NoPen;
    const auto flush = [&] {
        if (run.empty())
            return;
        pen.setStyle(runStyle);
        p.setPen(pen);
        p.drawLines(run.data(), int(run.size()));
        run.clear();
    };
    while (walk.minute < end) {
        const Qt::PenStyle style = walk.level == TTimeLevel::Day    ? Qt::SolidLine
                                   : walk.level == TTimeLevel::Hour ? Qt::DashLine
                                                                    : Qt::DotLine;
        if (style != runStyle)
            flush();
        runStyle = style;
        run.push_back(QLine(int(x), h - bottom, int(x), h - top));
        walk.Advance();
        x += dx;
    }
    flush();
}

void TDiagram::DrawValueGrid(QPainter& p, int rel, int bottom, int span, int left, int right) {
    const TPenRecall recall(p);
    const int vu = scale->valueUnits;
    const int vp = scale->valuePixels;
    const int c = bottom % 50;
    const int off = c == 0 ? 0 : 50 - c;
    int v = bottom + off;
    float y = float(MulDivTrunc(v, vp, vu));
    const float dy = float(MulDivTrunc(50, vp, vu));
    const int h = area->Height();
    const int x1 = rel == 1 ? 0 : left;
    const int x2 = rel == 1 ? right - left : right;
    p.setPen(QPen(GridColour(p), 0, Qt::DotLine));
    while (v <= bottom + span) {
        const int yy = int(float(h) - y);
        p.drawLine(x1, yy, x2, yy);
        v += 50;
        y += dy;
    }
}

void TDiagram::VerticalLine(QPainter& p, int x, int from, int to, const QColor& colour) {
    const TPenRecall recall(p);
    const int h = area->Height();
    p.setPen(ThinPen(colour));
    p.drawLine(x, h - from, x, h - to);
}

void TDiagram::ExceptionBand(QPainter& p, int x1, int x2, int top, bool noteOnly,
                             const QString& label) {
    p.save();
    const int h = area->Height();
    const QRect band(x1, 0, std::max(x2 - x1, 1), h);
    // A translucent shade darkens white and grey backgrounds alike and
    // leaves the grid visible under it.
    const QColor ink(0, 0, 128);
    if (noteOnly) {
        p.setPen(QPen(ink, 0, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(band.adjusted(0, 0, -1, -1));
    } else {
        p.fillRect(band, QColor(0, 0, 128, 40));
    }
    if (!label.isEmpty()) {
        p.setPen(QPen(ink, 0));
        SetFontPointSize(p, 8);
        TextOutTopLeft(p, x1 + 3, top + 2, label);
    }
    p.restore();
}

void TDiagram::MarkLine(QPainter& p, int slot, const QColor& colour) {
    VerticalLine(p, scale->MinutesToPixels(slot), area->Height(), 0, colour);
}

// The painted area as plot positions, when the painter puts plot positions
// onto whole pixels of a raster image or window and draws opaque colours
// as they are: then a picture of the spans drawn with one image shows the
// same pixels as filling them.
bool RasterArea(const QPainter& p, QRect& area) {
    const QTransform plot = p.combinedTransform();
    if (!PaintsWholeRasterPixels(p) || !MovesByWholePixels(plot))
        return false;
    area = QRect(-int(plot.dx()), -int(plot.dy()), p.device()->width(), p.device()->height());
    return true;
}

// Calls plot with the drawer of the zoom: vertical spans when a pixel
// column holds more than one minute, a polyline otherwise. The spans go
// into the kept picture when there is one for this painter; so do the
// polylines of a plot with a key, painted whole, once it is painted again.
// A key that is not 0 names everything plot draws from.
template <typename Plot>
void WithRun(QPainter& p, Sampling smp, std::vector<QPoint>& points, std::vector<QRect>& rects,
             TSpanImage* image, int shift, uint64_t key, Plot plot) {
    QRect area;
    if (image && !RasterArea(p, area))
        image = nullptr;
    if (smp.slotStep > 1) {
        if (image && image->Reshow(p, area.size(), area.topLeft(), shift, key))
            return;
        if (image)
            image->Begin(area.size(), area.topLeft(), shift, key);
        TSpans spans(p, rects, image);
        plot(spans);
        if (image)
            image->Finish(p);
    } else if (image && image->Repeats(key)) {
        if (image->Reshow(p, area.size(), area.topLeft(), shift, key))
            return;
        // Opaque lines without antialiasing over a blank picture, moved by
        // whole pixels: the same pixels as drawing them on the device.
        QImage& picture = image->BeginPainted(area.size(), area.topLeft(), key);
        {
            QPainter onPicture(&picture);
            onPicture.setRenderHints(p.renderHints());
            onPicture.translate(-area.topLeft());
            TRun run(onPicture, points);
            plot(run);
        }
        image->FinishPainted(p);
    } else {
        TRun run(p, points);
        plot(run);
    }
}

void TDiagram::PlotMonth(QPainter& p, int first, int last, const MonthDocument& document) {
    const MonthDisplay& display = document.display;
    if (first >= int(display.minutesShown))
        return;
    const TPenRecall recall(p);
    TMemoryDays days(document);
    TMonthReader minutes(document, days);
    const Sampling smp = SamplingOf(*scale);
    const int x0 = scale->MinutesToPixels(first);
    const TBandHeights band = BandHeightsOf(*scale, area->Height());
    const uint64_t key = MonthKey(document, first, last, x0, smp, band);
    WithRun(p, smp, FPoints, FSpans, SpanImage(), 0, key, [&](auto& run) {
        for (int ch = 0; ch < ChannelCount; ++ch) {
            if (!display.channelVisible[ch])
                continue;
            const QColor colour = ChannelColour(minutes.Channel(ch).colourChoice);
            p.setPen(ThinPen(colour));
            WalkChannel(run, minutes, ch, first, last, x0, smp, band, [&colour](int state) {
                return state == ExceptionNoteOnly ? ThickPen(colour) : ThinPen(colour);
            });
            run.EndChannel(colour);
        }
    });
}

void TDiagram::PlotRunning(QPainter& p, int first, int last, const MonthDocument& document) {
    const MonthDisplay& display = document.display;
    if (first >= int(display.minutesShown))
        return;
    const TPenRecall recall(p);
    TMemoryDays days(document);
    TMonthReader minutes(document, days);
    const Sampling smp = SamplingOf(*scale);
    const int vp = scale->valuePixels;
    const int vu = scale->valueUnits;
    const int endX = scale->MinutesToPixels(last - first);
    const int h = area->Height();
    std::vector<Label> labels;
    // Columns count from the first minute, which moves as minutes arrive.
    const int shift = scale->MinutesToPixels(first);
    // Its walk also finds the labels: no key, it walks every time.
    WithRun(p, smp, FPoints, FSpans, SpanImage(), shift, 0, [&](auto& run) {
        for (int ch = 0; ch < ChannelCount; ++ch) {
            const ChannelDef& c = minutes.Channel(ch);
            if (c.active == 0 || !display.channelVisible[ch])
                continue;
            QPen pen = p.pen();
            pen.setColor(ChannelColour(c.colourChoice));
            p.setPen(pen);
            const int base = WalkChannel(run, minutes, ch, first, last, 0, smp,
                                         BandHeightsOf(*scale, h), [&pen](int) { return pen; });
            // A newest minute without data closes no curve and has no value.
            const TChannelMinute newest = minutes.At(ch, uint32_t(std::max(last, 0)));
            if (last < 0 || !newest.stored) {
                run.EndChannel(pen.color());
                continue;
            }
            const int a = int(newest.raw) + int(c.dispOffset);
            const QPoint closing(endX, h - MulDivTrunc(a - base, vp, vu));
            run.AddUncounted(closing);
            run.EndChannel(pen.color());
            labels.push_back({ch, newest.value, closing.y()});
        }
    });

    VerticalLine(p, endX, 0, h, QColor(255, 0, 0));

    // Lowest on screen first.
    for (size_t i = 0; i + 1 < labels.size(); ++i) {
        for (size_t j = i + 1; j < labels.size(); ++j) {
            if (labels[j].y > labels[i].y)
                std::swap(labels[i], labels[j]);
        }
    }
    SetFontPointSize(p, 12);
    const int lineHeight = int(std::lround(12.0 * p.device()->logicalDpiY() / 72.0)) + 1;
    for (size_t k = 1; k < labels.size(); ++k) {
        if (labels[k].y > labels[k - 1].y - lineHeight)
            labels[k].y = labels[k - 1].y - lineHeight;
    }
    for (const Label& l : labels) {
        const ChannelDef c = HeaderChannel(document.header, l.channel);
        QPen pen = p.pen();
        pen.setColor(ChannelColour(c.colourChoice));
        p.setPen(pen);
        const QByteArray text = ValueText(c, l.value, DecimalCommaForPeople()) + ' ' + c.dimension;
        TextOutTopLeft(p, endX + 20, l.y - lineHeight, FromAnsi(text));
        TextOutTopLeft(p, endX + 120, l.y - lineHeight, FromAnsi(c.name));
    }
}
