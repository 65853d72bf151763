#include "Crecordingdevice.h"
#include "Fviewtestsupport.h"

#include "config/Ffont.h"
#include "files/Fexceptionstate.h"
#include "support/Fscriptedminutes.h"
#include "view/Cdiagram.h"
#include "view/Cpaintarea.h"
#include "view/Cscale.h"
#include "view/Fviewchannel.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

constexpr int W = 600;
constexpr int H = 300;

QList<QPoint> Points(std::initializer_list<std::pair<int, int>> xy) {
    QList<QPoint> out;
    for (auto [x, y] : xy)
        out.append(QPoint(x, y));
    return out;
}

using Spans = QList<std::pair<int, int>>;

// The runs of rows, top and bottom, whose pixel in column x has colour c.
Spans ColumnSpans(const QImage& image, int x, const QColor& c) {
    Spans out;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) != c)
            continue;
        if (!out.isEmpty() && out.last().second == y - 1)
            out.last().second = y;
        else
            out.append({y, y});
    }
    return out;
}

const QColor Red(255, 0, 0);

} // namespace

class TestDiagram : public QObject {
    Q_OBJECT

    MonthDocument doc;
    std::unique_ptr<TScale> scale;
    TFixedArea area{W, H};
    std::unique_ptr<TDiagram> diagram;

    void Fresh(ChannelDefs channels, uint16_t endSlot, int timeZoom = 1, int valueZoom = 1) {
        doc = MonthDocument();
        InitDocument(doc, channels, endSlot);
        scale = std::make_unique<TScale>(&doc);
        scale->SetTimeZoom(timeZoom);
        scale->SetValueZoom(valueZoom);
        diagram = std::make_unique<TDiagram>(&area, scale.get());
    }

    // Channel 0 in use with the given display offset, the others unused.
    void FreshOne(uint16_t endSlot, uint16_t dispOffset = 0, int timeZoom = 1) {
        ChannelDefs c = NoChannels();
        c[0] = Channel(dispOffset, 1);
        Fresh(c, endSlot, timeZoom);
        doc.display.channelVisible.fill(0);
        doc.display.channelVisible[0] = 1;
    }

    TRecording Month(int first, int last) {
        TRecordingDevice dev(W, H);
        QPainter p(&dev);
        const QPen before = p.pen();
        diagram->PlotMonth(p, first, last, doc);
        [&] { QCOMPARE(p.pen(), before); }();
        p.end();
        return dev.Recording();
    }

    // The month plotter's picture on white.
    QImage MonthImage(int first, int last) {
        QImage image(W, H, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        diagram->PlotMonth(p, first, last, doc);
        return image;
    }

    // Column by column from x = 0: the rows drawn in channel 0's colour.
    static QList<Spans> Columns(const QImage& image, int count, const QColor& c = Red) {
        QList<Spans> out;
        for (int x = 0; x < count; ++x)
            out.append(ColumnSpans(image, x, c));
        return out;
    }

    TRecording Running(int first, int last, int* lineHeight = nullptr) {
        TRecordingDevice dev(W, H);
        QPainter p(&dev);
        p.setFont(NamedFont("MS Sans Serif", 8));
        diagram->PlotRunning(p, first, last, doc);
        p.end();
        if (lineHeight)
            *lineHeight = 17; // 12 points at 96 dpi are 16 pixels, and one
        return dev.Recording();
    }

    // Top of a recorded text line.
    static int Top(const TRecording::Text& t) {
        TRecordingDevice dev(1, 1);
        return t.baseline.y() - QFontMetrics(t.font, &dev).ascent();
    }

private slots:
    // What the screen shows of each scripted minute: the cursor's legend
    // text, and the running plotter's label at the newest minute.
    void scriptedMinutesOnScreen_data() { ScriptedMinuteRows(); }
    void scriptedMinutesOnScreen() {
        QFETCH(int, index);
        const TScriptedMinute& m = ScriptedMinutes[index];
        doc = ScriptedDocument();
        scale = std::make_unique<TScale>(&doc);
        scale->SetTimeZoom(1);
        scale->SetValueZoom(1);
        diagram = std::make_unique<TDiagram>(&area, scale.get());
        const int slot = ScriptedSlot(index);
        QCOMPARE(CursorValueText(doc, 0, slot), QByteArray(m.screen));
        const QStringList labels = Running(slot - 1, slot).TextStrings();
        const QStringList expected =
            m.stored ? QStringList{QString(m.screen) + " bar", "Druck"} : QStringList();
        QCOMPARE(labels, expected);
    }

    void steadyValueInItsBand_data() {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("height");
        QTest::newRow("A = 150") << 100 << 50 << 150;
        QTest::newRow("A = 250, base 200") << 250 << 0 << 50;
        QTest::newRow("A = 320, base 200") << 20 << 300 << 120;
        QTest::newRow("A = 0") << 0 << 0 << 0;
    }
    void steadyValueInItsBand() {
        QFETCH(int, raw);
        QFETCH(int, offset);
        QFETCH(int, height);
        FreshOne(20, uint16_t(offset));
        for (int s = 0; s < 10; ++s)
            SetRaw(doc, s, 0, uint16_t(raw));
        const TRecording r = Month(0, 10);
        QCOMPARE(r.polylines.size(), 1);
        const auto& line = r.polylines[0];
        QCOMPARE(line.points.size(), 10); // slot 10 itself is not plotted
        for (int i = 0; i < 10; ++i)
            QCOMPARE(line.points[i], QPoint(i, H - height));
        QCOMPARE(line.pen.color(), QColor(255, 0, 0)); // colour entry 1
        QCOMPARE(line.pen.widthF(), 0.0);
        QCOMPARE(line.pen.style(), Qt::SolidLine);
    }

    void risingCurveWrapsDown() {
        FreshOne(500);
        for (int s = 0; s <= 400; ++s)
            SetRaw(doc, s, 0, uint16_t(s));
        const TRecording r = Month(0, 401);
        QCOMPARE(r.polylines.size(), 2);
        const auto& a = r.polylines[0].points;
        const auto& b = r.polylines[1].points;
        QCOMPARE(a.size(), 301);
        QCOMPARE(a.first(), QPoint(0, H));
        QCOMPARE(a.last(), QPoint(300, 0));
        QCOMPARE(b.size(), 100);
        QCOMPARE(b.first(), QPoint(301, H - 101));
        QCOMPARE(b.last(), QPoint(400, H - 200));
    }

    void fallingCurveWrapsUp() {
        FreshOne(100);
        for (int s = 0; s < 60; ++s)
            SetRaw(doc, s, 0, uint16_t(250 - s));
        const TRecording r = Month(0, 60);
        QCOMPARE(r.polylines.size(), 2);
        QCOMPARE(r.polylines[0].points.last(), QPoint(50, H - 0)); // 200 on base 200
        QCOMPARE(r.polylines[1].points.first(), QPoint(51, H - 199));
    }

    void ordinaryPeriodLeavesGap() {
        FreshOne(100);
        for (int s = 0; s < 20; ++s)
            SetRaw(doc, s, 0, 100);
        AddException(doc, 5, 7, 0x0001, "AB");
        AddException(doc, 12, 18, 0x0002, "XY"); // another channel: no effect
        const TRecording r = Month(0, 20);
        QCOMPARE(r.polylines.size(), 2);
        QCOMPARE(r.polylines[0].points.size(), 5);
        QCOMPARE(r.polylines[0].points.last().x(), 4);
        QCOMPARE(r.polylines[1].points.first().x(), 8);
        QCOMPARE(r.polylines[1].points.last().x(), 19);
    }

    // A pause of the unit or of the program left empty minutes (state not
    // 1, raw values 0): they once drew as measured zeros, now as a gap.
    void emptyMinutesLeaveAGapNotAZeroLine() {
        FreshOne(100, 50);
        for (int s : {0, 1, 2, 3, 4, 8, 9, 10, 11})
            SetRaw(doc, s, 0, 100);
        const TRecording r = Month(0, 12);
        QCOMPARE(r.polylines.size(), 2);
        QCOMPARE(r.polylines[0].points, Points({{0, 150}, {1, 150}, {2, 150}, {3, 150}, {4, 150}}));
        QCOMPARE(r.polylines[1].points.first(), QPoint(8, 150));
        QCOMPARE(r.polylines[1].points.size(), 4);
        for (const auto& l : r.polylines)
            for (const QPoint& pt : l.points)
                QVERIFY(pt.y() != H - 50); // never the height of raw 0

        // The running plotter too; a newest minute without data closes no
        // curve and gets no label.
        const TRecording running = Running(0, 11);
        QCOMPARE(running.polylines.size(), 2);
        QCOMPARE(running.polylines[0].points.last().x(), 4);
        QCOMPARE(running.texts.size(), 2);
        const TRecording emptyNewest = Running(0, 6);
        QCOMPARE(emptyNewest.polylines.size(), 1);
        QCOMPARE(emptyNewest.polylines[0].points.size(), 5);
        QCOMPARE(emptyNewest.texts.size(), 0);
        QCOMPARE(emptyNewest.lines.size(), 1); // the red line stays
    }

    void singlePointRunsAreNotDrawn() {
        FreshOne(100);
        AddException(doc, 1, 8, 0x0001, "");
        const TRecording r = Month(0, 10); // slot 0 alone, slot 9 alone
        QCOMPARE(r.polylines.size(), 0);
    }

    void noteOnlyPeriodIsThickAndSplit() {
        FreshOne(100);
        for (int s = 0; s < 10; ++s)
            SetRaw(doc, s, 0, 100);
        AddException(doc, 3, 5, 0x0001, "!ABC");
        const TRecording r = Month(0, 10);
        QCOMPARE(r.polylines.size(), 3);
        QCOMPARE(r.polylines[0].points, Points({{0, 200}, {1, 200}, {2, 200}}));
        QCOMPARE(r.polylines[1].points, Points({{3, 200}, {4, 200}, {5, 200}}));
        QCOMPARE(r.polylines[2].points.first(), QPoint(6, 200));
        QCOMPARE(r.polylines[0].pen.widthF(), 0.0);
        QCOMPARE(r.polylines[1].pen.widthF(), 3.0);
        QCOMPARE(r.polylines[1].pen.color(), QColor(255, 0, 0));
        QCOMPARE(r.polylines[2].pen.widthF(), 0.0);
    }

    void firstMatchingPeriodDecides() {
        FreshOne(100);
        AddException(doc, 0, 50, 0x0001, "!NOT");
        AddException(doc, 10, 20, 0x0001, "HIDE");
        char code[5] = {'x', 'x', 'x', 'x', 'x'};
        QCOMPARE(ExceptionAt(doc, 0, 15, code), 2);
        QCOMPARE(QByteArray(code), QByteArray("!NOT"));
        QCOMPARE(ExceptionAt(doc, 1, 15), 0);
        char untouched[5] = {'a', 'b', 'c', 'd', 'e'};
        QCOMPARE(ExceptionAt(doc, 0, 51, untouched), 0);
        QCOMPARE(untouched[0], 'a');
        QCOMPARE(untouched[4], 'e');
        AddException(doc, 60, 60, 0x2000, "");
        QCOMPARE(ExceptionAt(doc, 13, 60, code), 1);
        QCOMPARE(QByteArray(code, 5), QByteArray(5, '\0'));
        QCOMPARE(ExceptionAt(doc, 13, 61), 0);
        QCOMPARE(ExceptionAt(doc, 13, 59), 0);
        // Entries beyond the count do not exist.
        SetHeaderExceptionCount(doc.header, 1);
        QCOMPARE(ExceptionAt(doc, 13, 60), 0);
    }

    // The plotter's index of the periods keeps the same rule: of periods
    // that overlap, the first in the table decides (a slip there was
    // missed). A note-only period first, an ordinary one inside it, and the
    // other way round.
    void firstOverlappingPeriodWinsInTheIndexToo() {
        FreshOne(100);
        AddException(doc, 0, 50, 0x0001, "!NOT");
        AddException(doc, 10, 20, 0x0003, "HIDE");
        AddException(doc, 30, 70, 0x0002, "!TWO");
        const TExceptionIndex index(doc);
        QCOMPARE(index.StateAt(0, 15), int(ExceptionNoteOnly));
        QCOMPARE(index.StateAt(1, 15), int(ExceptionOrdinary));
        QCOMPARE(index.StateAt(1, 35), int(ExceptionNoteOnly));
        QCOMPARE(index.StateAt(0, 60), int(ExceptionNone));
        FreshOne(100);
        AddException(doc, 10, 20, 0x0001, "HIDE");
        AddException(doc, 0, 50, 0x0001, "!NOT");
        const TExceptionIndex reversed(doc);
        QCOMPARE(reversed.StateAt(0, 15), int(ExceptionOrdinary));
        QCOMPARE(reversed.StateAt(0, 25), int(ExceptionNoteOnly));
        for (uint32_t slot = 0; slot < 60; ++slot)
            QCOMPARE(reversed.StateAt(0, slot), ExceptionAt(doc, 0, slot));
    }

    // The stretches the plotter looks up once end where a period of the
    // channel begins or ends, and no earlier change hides inside one.
    void exceptionStretchesEndAtPeriodEdges() {
        FreshOne(100);
        AddException(doc, 10, 20, 0x0001, "HIDE");
        AddException(doc, 0, 50, 0x0001, "!NOT");
        AddException(doc, 30, 40, 0x0002, "TWO");
        const TExceptionIndex index(doc);
        uint32_t until = 0;
        QCOMPARE(index.StateUntil(0, 5, until), int(ExceptionNoteOnly));
        QCOMPARE(until, 10u);
        QCOMPARE(index.StateUntil(0, 12, until), int(ExceptionOrdinary));
        QCOMPARE(until, 21u);
        QCOMPARE(index.StateUntil(0, 21, until), int(ExceptionNoteOnly));
        QCOMPARE(until, 51u);
        QCOMPARE(index.StateUntil(0, 60, until), int(ExceptionNone));
        QCOMPARE(until, UINT32_MAX);
        QCOMPARE(index.StateUntil(1, 5, until), int(ExceptionNone));
        QCOMPARE(until, 30u);
    }

    // At 1:20 each column holds twenty minutes and is drawn as one span
    // from its lowest to its highest value, reaching the last value of the
    // column before: a rising curve covers every row between neighbouring
    // columns, no holes. It once showed only the first minute of a column.
    void compressionSamplesEveryNthSlot() {
        FreshOne(1000, 0, -20);
        for (int s = 0; s < 200; ++s)
            SetRaw(doc, s, 0, uint16_t(s));
        const QList<Spans> c = Columns(MonthImage(40, 141), 9);
        QCOMPARE(c, QList<Spans>({{},
                                  {},
                                  {{241, 260}},
                                  {{221, 241}},
                                  {{201, 221}},
                                  {{181, 201}},
                                  {{161, 181}},
                                  {{160, 161}},
                                  {}}));
    }

    // A single-minute spike between the minutes that the compressed view
    // once sampled (every twentieth) vanished from the picture. The column
    // after it starts from the spike, its column's last point.
    void spikeBetweenSampledMinutesIsDrawn() {
        FreshOne(1000, 0, -20);
        for (int s = 0; s < 200; ++s)
            SetRaw(doc, s, 0, 100);
        SetRaw(doc, 47, 0, 250);
        const QList<Spans> c = Columns(MonthImage(0, 200), 11);
        const Spans level{{200, 200}};
        QCOMPARE(c, QList<Spans>({level,
                                  level,
                                  {{50, 200}},
                                  {{50, 200}},
                                  level,
                                  level,
                                  level,
                                  level,
                                  level,
                                  level,
                                  {}}));
    }

    // Within a column the lowest and highest values are drawn in the order
    // they occurred: a peak then a dip, and a dip then a peak. The next
    // column starts from the later of the two.
    void columnExtremesFollowTime() {
        FreshOne(1000, 0, -20);
        for (int s = 0; s < 100; ++s)
            SetRaw(doc, s, 0, 100);
        SetRaw(doc, 25, 0, 180);
        SetRaw(doc, 33, 0, 20);
        SetRaw(doc, 45, 0, 30);
        SetRaw(doc, 50, 0, 170);
        const QList<Spans> c = Columns(MonthImage(0, 100), 6);
        QCOMPARE(c,
                 QList<Spans>(
                     {{{200, 200}}, {{120, 280}}, {{130, 280}}, {{130, 200}}, {{200, 200}}, {}}));
    }

    // Minutes that draw nothing across the edge of two compressed columns
    // break the curve: the column after the gap starts afresh and does not
    // reach down to the low last value before it.
    void gapStaysAGapAtCompression_data() {
        QTest::addColumn<bool>("noData");
        QTest::newRow("minutes without data") << true;
        QTest::newRow("ordinary exception period") << false;
    }
    void gapStaysAGapAtCompression() {
        QFETCH(bool, noData);
        FreshOne(1000, 0, -20);
        for (int s = 0; s < 100; ++s) {
            if (!noData || s < 38 || s > 41)
                SetRaw(doc, s, 0, 100);
        }
        SetRaw(doc, 30, 0, 20);
        SetRaw(doc, 48, 0, 120);
        if (!noData)
            AddException(doc, 38, 41, 0x0001, "GAP");
        const QList<Spans> c = Columns(MonthImage(0, 100), 6);
        QCOMPARE(c,
                 QList<Spans>(
                     {{{200, 200}}, {{200, 280}}, {{180, 200}}, {{180, 200}}, {{200, 200}}, {}}));
    }

    // A gap over whole columns leaves them without a single pixel, even on
    // the rows that the columns on both sides share.
    void gapOverWholeColumnsIsEmpty_data() { gapStaysAGapAtCompression_data(); }
    void gapOverWholeColumnsIsEmpty() {
        QFETCH(bool, noData);
        FreshOne(1000, 0, -20);
        for (int s = 0; s < 140; ++s) {
            if (!noData || s < 40 || s >= 100)
                SetRaw(doc, s, 0, uint16_t(100 + s % 100 / 20 * 10));
        }
        if (!noData)
            AddException(doc, 40, 99, 0x0001, "GAP");
        const QList<Spans> c = Columns(MonthImage(0, 140), 8);
        QCOMPARE(c, QList<Spans>(
                        {{{200, 200}}, {{190, 200}}, {}, {}, {}, {{200, 200}}, {{190, 200}}, {}}));
    }

    // A curve that leaves its band inside a compressed column: the column
    // shows the end of the old band at the top and the start of the new
    // one lower down, nothing between them.
    void wrapInsideACompressedColumnDrawsBothParts() {
        FreshOne(1000, 0, -20);
        for (int s = 0; s < 400; ++s)
            SetRaw(doc, s, 0, uint16_t(s));
        const QList<Spans> c = Columns(MonthImage(0, 340), 18);
        QCOMPARE(c.mid(13),
                 QList<Spans>({{{21, 41}}, {{1, 21}}, {{0, 1}, {181, 199}}, {{161, 181}}, {}}));
    }

    // A note-only period that begins and ends inside compressed columns:
    // its spans three pixels wide and reaching a pixel beyond their ends,
    // as its three-pixel line would; the thin curve on either side one
    // pixel.
    void noteOnlyPeriodSplitsCompressedColumns() {
        FreshOne(1000, 0, -20);
        for (int s = 0; s < 140; ++s)
            SetRaw(doc, s, 0, 100);
        SetRaw(doc, 30, 0, 140);
        AddException(doc, 25, 65, 0x0001, "!NOT");
        const QList<Spans> c = Columns(MonthImage(0, 140), 8);
        const Spans thick{{159, 201}};
        QCOMPARE(c,
                 QList<Spans>(
                     {thick, thick, thick, thick, {{199, 201}}, {{200, 200}}, {{200, 200}}, {}}));
    }

    // The running plotter walks the same way: spans at compression, the
    // newest minute one column further.
    void runningCurveUsesSpansAtCompression() {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 2, "Temp", "C");
        Fresh(c, 1000, -20);
        for (int s = 0; s <= 100; ++s)
            SetRaw(doc, s, 0, 100);
        SetRaw(doc, 47, 0, 250);
        SetRaw(doc, 100, 0, 60);
        QImage image(W, H, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setFont(NamedFont("MS Sans Serif", 8));
            diagram->PlotRunning(p, 0, 100, doc);
        }
        const QColor blue(0, 0, 255);
        const QList<Spans> cols = Columns(image, 5, blue);
        QCOMPARE(cols, QList<Spans>(
                           {{{200, 200}}, {{200, 200}}, {{50, 200}}, {{50, 200}}, {{200, 200}}}));
        // Column 5 holds the red line of the newest minute over the join.
        QCOMPARE(image.pixelColor(5, 120), QColor(255, 0, 0));
    }

    void magnificationSpreadsSlots() {
        FreshOne(1000, 0, 10);
        for (int s = 0; s < 10; ++s)
            SetRaw(doc, s, 0, uint16_t(10 * s));
        const TRecording r = Month(3, 6);
        QCOMPARE(r.polylines.size(), 1);
        QCOMPARE(r.polylines[0].points, Points({{30, 270}, {40, 260}, {50, 250}}));
    }

    void valueZoomMagnifiesTheBand() {
        FreshOne(100);
        scale->SetValueZoom(3);
        for (int s = 0; s < 3; ++s)
            SetRaw(doc, s, 0, 70);
        const TRecording r = Month(0, 3);
        QCOMPARE(r.polylines[0].points.first(), QPoint(0, H - 210));
    }

    void nothingFromBeyondTheData() {
        FreshOne(10);
        QCOMPARE(Month(10, 20).polylines.size(), 0);
        doc.display.channelVisible[0] = 0;
        QCOMPARE(Month(0, 9).polylines.size(), 0);
    }

    void monthPlotterDrawsUnusedVisibleChannels() {
        FreshOne(100);
        for (int s = 0; s < 12; ++s)
            SetRaw(doc, s, 0, 100);
        doc.display.channelVisible[5] = 1; // not in use
        const TRecording r = Month(0, 10);
        QCOMPARE(r.polylines.size(), 2);
        const TRecording running = Running(0, 9);
        QCOMPARE(running.polylines.size(), 1);
    }

    // More points than the buffer holds: pieces that share their ends.
    void longRunIsDrawnInJoinedPieces() {
        FreshOne(6000);
        QList<QPoint> expected;
        for (int s = 0; s < 5000; ++s) {
            const int a = 100 + (s * 37) % 150;
            SetRaw(doc, s, 0, uint16_t(a));
            expected.append(QPoint(s, H - a));
        }
        const TRecording r = Month(0, 5000);
        QCOMPARE(r.polylines.size(), 3);
        QList<QPoint> joined = r.polylines[0].points;
        for (int i = 1; i < r.polylines.size(); ++i) {
            QCOMPARE(r.polylines[i].points.first(), r.polylines[i - 1].points.last());
            joined += r.polylines[i].points.mid(1);
        }
        QCOMPARE(r.polylines[0].points.size(), TDiagram::BufferPoints);
        QCOMPARE(joined, expected);
    }

    void piecesLookLikeOnePolyline_data() {
        QTest::addColumn<bool>("thick");
        QTest::newRow("thin") << false;
        QTest::newRow("note-only, three pixels") << true;
    }
    void piecesLookLikeOnePolyline() {
        QFETCH(bool, thick);
        FreshOne(6000, 0, 1);
        // Three pixels of height per minute and sharp turns at every point.
        QList<QPoint> pts;
        for (int s = 0; s < 4500; ++s) {
            const int a = 20 + (s * 53) % 260;
            SetRaw(doc, s, 0, uint16_t(a));
            pts.append(QPoint(s, H - a));
        }
        if (thick)
            AddException(doc, 0, 5000, 0x0001, "!NOT");
        QImage pieces(4600, H, QImage::Format_RGB32);
        pieces.fill(Qt::white);
        {
            QPainter p(&pieces);
            diagram->PlotMonth(p, 0, 4500, doc);
        }
        QImage whole(4600, H, QImage::Format_RGB32);
        whole.fill(Qt::white);
        {
            QPainter p(&whole);
            const QColor c(255, 0, 0);
            p.setPen(thick ? QPen(c, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                           : QPen(c, 0, Qt::SolidLine));
            p.drawPolyline(pts.data(), int(pts.size()));
        }
        QImage blank(4600, H, QImage::Format_RGB32);
        blank.fill(Qt::white);
        QVERIFY(pieces != blank); // drew something
        QVERIFY(pieces == whole);
    }

    void runningCurveClosesAtNewestMinute() {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 2, "Temp", "C");
        c[0].decimals = 1;
        Fresh(c, 100);
        for (int s = 0; s <= 50; ++s)
            SetRaw(doc, s, 0, 100);
        SetRaw(doc, 50, 0, 123);
        int h = 0;
        const TRecording r = Running(40, 50, &h);
        QCOMPARE(r.polylines.size(), 1);
        const auto& pts = r.polylines[0].points;
        QCOMPARE(pts.size(), 11);
        QCOMPARE(pts.first(), QPoint(0, 200));
        QCOMPARE(pts[9], QPoint(9, 200));
        QCOMPARE(pts.last(), QPoint(10, H - 123));
        QCOMPARE(pts.first(), QPoint(0, 200));
        QCOMPARE(r.polylines[0].pen.color(), QColor(0, 0, 255));
        // The red line over the whole height at the newest minute.
        QCOMPARE(r.lines.size(), 1);
        QCOMPARE(r.lines[0].from, QPoint(10, H));
        QCOMPARE(r.lines[0].to, QPoint(10, 0));
        QCOMPARE(r.lines[0].pen.color(), QColor(255, 0, 0));
        // Value and name to the right, the line of text ending at the point.
        QCOMPARE(r.texts.size(), 2);
        QCOMPARE(r.texts[0].text, QString("12.3 C"));
        QCOMPARE(r.texts[0].baseline.x(), 30);
        QCOMPARE(Top(r.texts[0]), H - 123 - h);
        QCOMPARE(r.texts[0].font.pointSize(), 12);
        QCOMPARE(r.texts[0].colour, QColor(0, 0, 255));
        QCOMPARE(r.texts[1].text, QString("Temp"));
        QCOMPARE(r.texts[1].baseline.x(), 130);
    }

    void runningLabelsSortedAndPushedUp() {
        ChannelDefs c = NoChannels();
        for (int i = 0; i < 4; ++i)
            c[i] = Channel(0, uint8_t(i), "K" + QByteArray::number(i + 1), "V");
        c[2].maxValue = 90; // above: #O/L
        c[3].minValue = 60; // below: #U/L
        Fresh(c, 10);
        SetRaw(doc, 5, 0, 100);
        SetRaw(doc, 5, 1, 100);
        SetRaw(doc, 5, 2, 150);
        SetRaw(doc, 5, 3, 50);
        int h = 0;
        const TRecording r = Running(5, 5, &h);
        // first = last: no curve, but the red line and the labels.
        QCOMPARE(r.polylines.size(), 0);
        QCOMPARE(r.lines.size(), 1);
        QCOMPARE(r.lines[0].from.x(), 0);
        QCOMPARE(r.texts.size(), 8);
        // Lowest on screen first: 50, then the two equal 100s a line apart
        // (the later one above), then 150.
        QStringList values;
        QList<int> tops;
        for (int i = 0; i < 8; i += 2) {
            values << r.texts[i].text;
            tops << Top(r.texts[i]);
            QCOMPARE(Top(r.texts[i + 1]), Top(r.texts[i]));
        }
        QCOMPARE(values, QStringList({"#U/L V", "100 V", "100 V", "#O/L V"}));
        // The exchange sort moved channel 1 before channel 2.
        QCOMPARE(r.texts[3].text, QString("K2"));
        QCOMPARE(r.texts[5].text, QString("K1"));
        QCOMPARE(tops[0], H - 50 - h);
        QCOMPARE(tops[1], H - 100 - h);
        QCOMPARE(tops[2], H - 100 - 2 * h);
        QCOMPARE(tops[3], H - 150 - h);
    }

    void runningBaseBeforeTheFirstSlot_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("height");
        QTest::newRow("low in its band: one band lower") << 210 << 210;
        QTest::newRow("otherwise its band") << 260 << 60;
        QTest::newRow("band 0 is not lowered") << 20 << 20;
    }
    void runningBaseBeforeTheFirstSlot() {
        QFETCH(int, a);
        QFETCH(int, height);
        FreshOne(10);
        SetRaw(doc, 3, 0, uint16_t(a));
        const TRecording r = Running(3, 3);
        QCOMPARE(Top(r.texts[0]) + 17, H - height);
    }

    void runningPlotterDoesNotThicken() {
        FreshOne(100);
        for (int s = 0; s < 10; ++s)
            SetRaw(doc, s, 0, 100);
        AddException(doc, 2, 4, 0x0001, "!ABC");
        AddException(doc, 7, 7, 0x0001, "GAP");
        const TRecording r = Running(0, 9);
        QCOMPARE(r.polylines.size(), 3);
        for (const auto& l : r.polylines)
            QVERIFY(l.pen.widthF() <= 1.0);
        QCOMPARE(r.polylines[1].points.size(), 3);
        // After the gap a single counted point and the closing point: the
        // run is too short to draw, so the third polyline is slots 5 and 6.
        QCOMPARE(r.polylines[2].points.last().x(), 6);
    }

    void runningNothingBeyondData() {
        FreshOne(10);
        const TRecording r = Running(10, 12);
        QCOMPARE(r.lines.size(), 0);
        QCOMPARE(r.texts.size(), 0);
    }

    void timeGridStyles() {
        FreshOne(10000);
        TRecordingDevice dev(W, H);
        QPainter p(&dev);
        diagram->DrawTimeGrid(p, 0, 0, 1500, -16, 300);
        p.end();
        const auto& l = dev.Recording().lines;
        QCOMPARE(l.size(), 25);
        QCOMPARE(l[0].pen.style(), Qt::SolidLine);
        QCOMPARE(l[0].from, QPoint(0, H + 16));
        QCOMPARE(l[0].to, QPoint(0, 0));
        QCOMPARE(l[1].pen.style(), Qt::DashLine);
        QCOMPARE(l[1].from.x(), 60);
        QCOMPARE(l[24].pen.style(), Qt::SolidLine);
        QCOMPARE(l[24].from.x(), 1440);
        QCOMPARE(l[0].pen.color(), QColor(128, 128, 128));
    }

    void timeGridRelativeAndAbsolute() {
        FreshOne(10000, 0, 2);
        diagram->backgroundChoice = 2;
        TRecordingDevice dev(W, H);
        QPainter p(&dev);
        diagram->DrawTimeGrid(p, 1, 50, 100, 0, 300);
        diagram->DrawTimeGrid(p, 0, 50, 100, 0, 300);
        p.end();
        const auto& l = dev.Recording().lines;
        // Divisions at 60, 75, 90, 105, 120, 135 (rel: from the left edge).
        QCOMPARE(l.size(), 12);
        QCOMPARE(l[0].from.x(), 20);
        QCOMPARE(l[0].pen.style(), Qt::DashLine);
        QCOMPARE(l[1].from.x(), 50);
        QCOMPARE(l[1].pen.style(), Qt::DotLine);
        QCOMPARE(l[4].pen.style(), Qt::DashLine);
        QCOMPARE(l[6].from.x(), 120);
        QCOMPARE(l[6].pen.color(), QColor(Qt::black));
    }

    void valueGrid() {
        FreshOne(10);
        TRecordingDevice dev(W, H);
        QPainter p(&dev);
        diagram->DrawValueGrid(p, 0, -16, 316, 100, 700);
        diagram->DrawValueGrid(p, 1, 0, 300, 100, 700);
        p.end();
        const auto& l = dev.Recording().lines;
        QCOMPARE(l.size(), 6 + 7);
        QCOMPARE(l[0].from, QPoint(100, H - 50));
        QCOMPARE(l[0].to, QPoint(700, H - 50));
        QCOMPARE(l[5].from.y(), H - 300);
        QCOMPARE(l[0].pen.style(), Qt::DotLine);
        QCOMPARE(l[6].from, QPoint(0, H));
        QCOMPARE(l[6].to, QPoint(600, H));
    }

    void markAndVerticalLines() {
        FreshOne(10, 0, 2);
        TRecordingDevice dev(W, H);
        QPainter p(&dev);
        diagram->MarkLine(p, 100, QColor(0, 128, 0));
        diagram->VerticalLine(p, 7, 10, 20, QColor(1, 2, 3));
        p.end();
        const auto& l = dev.Recording().lines;
        QCOMPARE(l[0].from, QPoint(200, 0));
        QCOMPARE(l[0].to, QPoint(200, H));
        QCOMPARE(l[0].pen.color(), QColor(0, 128, 0));
        QCOMPARE(l[0].pen.style(), Qt::SolidLine);
        QCOMPARE(l[1].from, QPoint(7, H - 10));
        QCOMPARE(l[1].to, QPoint(7, H - 20));
    }
};

QTEST_MAIN(TestDiagram)
#include "tst_diagram.moc"
