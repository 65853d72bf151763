#include "Crecordingdevice.h"
#include "Fviewtestsupport.h"

#include "view/Cpaintarea.h"
#include "view/Cviewbase.h"

#include <QPainter>
#include <QTest>

namespace {

constexpr int FullW = 980;
constexpr int FullH = 570;
constexpr int Bar = 16;
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor Olive(128, 128, 0);

QList<TRecording::Line> LinesOf(const TRecording& r, const QColor& c) {
    QList<TRecording::Line> out;
    for (const auto& l : r.lines) {
        if (l.pen.color() == c && l.pen.style() == Qt::SolidLine)
            out.append(l);
    }
    return out;
}

} // namespace

// A view with its scroll area, strips and plot area, on a document.
template <typename View> struct TViewRig {
    MonthDocument doc;
    TScrollModel sb{FullW, FullH, Bar};
    std::unique_ptr<View> view;
    TFixedArea timeStrip{FullW + 20, 30};
    TFixedArea valueStrip{20, FullH};
    TScrolledPlotArea plot{&sb};

    explicit TViewRig(uint16_t endSlot) {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1);
        InitDocument(doc, c, endSlot);
        doc.display.minutesShown = 0;
        for (int s = 0; s < endSlot; ++s)
            SetRaw(doc, s, 0, 100);
        view = std::make_unique<View>(&doc, &sb);
        view->CreatePlotters(&plot, &timeStrip, &valueStrip);
    }

    void OnlyFirstChannel() {
        view->SetChannelVisible(-1, false);
        view->SetChannelVisible(0, true);
    }

    TRecording Paint() {
        TRecordingDevice dev(plot.Width(), plot.Height());
        QPainter p(&dev);
        view->Paint(p);
        p.end();
        return dev.Recording();
    }
};

class TestViewModel : public QObject {
    Q_OBJECT

private slots:
    void construction() {
        TViewRig<TViewData> rig(44640);
        QCOMPARE(rig.view->dataReady, 0);
        QCOMPARE(rig.view->scale.TimeZoomFactor(), 1);
        QCOMPARE(rig.view->scale.ValueZoomFactor(), 1);
        for (uint32_t v : rig.doc.display.channelVisible)
            QCOMPARE(v, 1u);
        QCOMPARE(rig.sb.HorzRange(), 1); // empty extent
        QCOMPARE(rig.sb.HorzLineStep(), 33);
        QCOMPARE(rig.sb.VertRange(), 0);
        QCOMPARE(rig.sb.VertLineStep(), 33);
        // Grid only until the data is loaded.
        const TRecording r = rig.Paint();
        QCOMPARE(r.polylines.size(), 0);
        QVERIFY(!r.lines.isEmpty());
    }

    void dataLoadedSetsRanges() {
        TViewRig<TViewData> rig(44640);
        rig.view->DataLoaded();
        QCOMPARE(rig.view->dataReady, 1);
        QCOMPARE(rig.doc.display.minutesShown, uint16_t(44640));
        QCOMPARE(rig.sb.HorzRange(), 44641);
        QCOMPARE(rig.sb.VertRange(), 300);
        QVERIFY(rig.sb.HorzBarShown());
        QVERIFY(!rig.sb.VertBarShown());
        QCOMPARE(rig.sb.ClientWidth(), FullW);
        QCOMPARE(rig.sb.ClientHeight(), FullH - Bar);
        rig.view->SetTimeZoom(10);
        QCOMPARE(rig.sb.HorzRange(), 446401);
        QCOMPARE(rig.sb.HorzLineStep(), 3);
        rig.view->SetTimeZoom(-20);
        QCOMPARE(rig.sb.HorzRange(), 2233);
        rig.view->SetValueZoom(3);
        QCOMPARE(rig.sb.VertRange(), 900);
        QCOMPARE(rig.sb.VertLineStep(), 11);
        QVERIFY(rig.sb.VertBarShown());
        QCOMPARE(rig.sb.ClientWidth(), FullW - Bar);
    }

    void monthViewVisibleRanges() {
        TViewRig<TViewData> rig(44640);
        rig.view->DataLoaded();
        rig.sb.SetHorzPosition(1000);
        int first = 0;
        int count = 0;
        QCOMPARE(rig.view->VisibleMinutes(first, count), 0);
        QCOMPARE(first, 1000);
        QCOMPARE(count, FullW);
        QCOMPARE(rig.view->VisiblePixels(first, count), 0);
        QCOMPARE(first, 1000);
        QCOMPARE(count, FullW);
        int minute = 0;
        QCOMPARE(rig.view->FirstVisibleMinute(minute), 0);
        QCOMPARE(minute, 1000);

        rig.view->SetTimeZoom(-5);
        rig.sb.SetHorzPosition(100000); // kept within the range
        QCOMPARE(rig.sb.HorzPosition(), 44640 / 5 + 1 - FullW);
        rig.view->VisibleMinutes(first, count);
        QCOMPARE(first, (44640 / 5 + 1 - FullW) * 5);
        QCOMPARE(count, FullW * 5);
    }

    // A window taller than the band: the frame and scroll bar count into the
    // full height, so the bottom is below zero.
    void visibleValueBand() {
        TViewRig<TViewData> rig(44640);
        rig.view->DataLoaded();
        int bottom = 0;
        int span = 0;
        rig.view->VisibleHeightRange(bottom, span);
        QCOMPARE(bottom, (FullH - Bar) - FullH);
        QCOMPARE(span, 300 + Bar);
        rig.view->VisibleValueRange(bottom, span);
        QCOMPARE(bottom, -16);
        QCOMPARE(span, 316);

        rig.view->SetValueZoom(3); // 900 pixels, scrolled to the top
        rig.view->VisibleHeightRange(bottom, span);
        QCOMPARE(bottom, 900 - FullH);
        QCOMPARE(span, FullH);
        rig.view->VisibleValueRange(bottom, span);
        QCOMPARE(bottom, 110);
        QCOMPARE(span, 190);
        rig.sb.SetVertPosition(10000);
        QCOMPARE(rig.sb.VertPosition(), 900 - (FullH - Bar));
        rig.view->VisibleValueRange(bottom, span);
        QCOMPARE(bottom, -16 / 3);
    }

    void dataEndsAndMarks() {
        TViewRig<TViewData> rig(500);
        rig.view->DataLoaded();
        rig.OnlyFirstChannel();
        rig.doc.display.markStart = 100;
        rig.doc.display.markEnd = 200;
        const TRecording r = rig.Paint();
        const auto red = LinesOf(r, Red);
        QCOMPARE(red.size(), 1);
        const int h = rig.plot.Height();
        // No scroll bar: the full height is the client height.
        QCOMPARE(h, FullH);
        QCOMPARE(red[0].from, QPoint(500, h));
        QCOMPARE(red[0].to, QPoint(500, h - 300));
        const auto green = LinesOf(r, Green);
        QCOMPARE(green.size(), 2);
        QCOMPARE(green[0].from.x(), 1);
        QCOMPARE(green[1].from, QPoint(100, 0));
        QCOMPARE(green[1].to, QPoint(100, h));
        const auto olive = LinesOf(r, Olive);
        QCOMPARE(olive.size(), 1);
        QCOMPARE(olive[0].from.x(), 200);
        // The curve: slots 0 .. 499, the last stored minute included (it
        // once was never drawn).
        QCOMPARE(r.polylines.size(), 1);
        QCOMPARE(r.polylines[0].points.first().x(), 0);
        QCOMPARE(r.polylines[0].points.last().x(), 499);
    }

    void scrolledMonthHasNoEndLines() {
        TViewRig<TViewData> rig(44640);
        rig.view->DataLoaded();
        rig.OnlyFirstChannel();
        rig.sb.SetHorzPosition(1000);
        const TRecording r = rig.Paint();
        QCOMPARE(LinesOf(r, Red).size(), 0);
        QCOMPARE(LinesOf(r, Green).size(), 0);
        QCOMPARE(r.polylines.size(), 1);
        QCOMPARE(r.polylines[0].points.first().x(), 1000);
        // The minute at the right edge is drawn, so the curve reaches it.
        QCOMPARE(r.polylines[0].points.last().x(), 1000 + FullW);
        rig.sb.SetHorzPosition(1000000);
        QCOMPARE(LinesOf(rig.Paint(), Red).size(), 1);
        rig.view->SetChannelVisible(-1, false);
        const TRecording hidden = rig.Paint();
        QCOMPARE(hidden.polylines.size(), 0);
        QVERIFY(!hidden.lines.isEmpty()); // the grid stays
    }

    void runningViewShowsNewestMinutes() {
        TViewRig<TViewAct> rig(2000);
        QVERIFY(!rig.sb.HorzAllowed());
        rig.view->Refresh();
        QCOMPARE(rig.doc.display.minutesShown, uint16_t(2000));
        QCOMPARE(rig.sb.HorzRange(), 2001);
        QCOMPARE(rig.sb.HorzPosition(), 0);
        QCOMPARE(rig.plot.repaints, 1);
        QCOMPARE(rig.timeStrip.repaints, 1);
        QCOMPARE(rig.valueStrip.repaints, 1);
        // The newest minute 1999 stands FullW - 300 pixels right of the
        // first minute shown.
        int first = 0;
        int count = 0;
        QCOMPARE(rig.view->VisibleMinutes(first, count), 1);
        QCOMPARE(first, 1999 - (FullW - 300));
        QCOMPARE(count, FullW - 300 + 1);
        QCOMPARE(rig.view->VisiblePixels(first, count), 1);
        QCOMPARE(first, 1999 - (FullW - 300));
        // Grid only until the first record was stored.
        QCOMPARE(LinesOf(rig.Paint(), Red).size(), 0);
        rig.view->MarkDataReady();
        const TRecording r = rig.Paint();
        const auto red = LinesOf(r, Red);
        QCOMPARE(red.size(), 1);
        QCOMPARE(red[0].from.x(), FullW - 300); // newest - span .. newest
        QCOMPARE(r.polylines.size(), 1);
        QCOMPARE(r.polylines[0].points.first().x(), 0);
        QCOMPARE(r.polylines[0].points.size(), FullW - 300 + 1);
    }

    // The grid, the axis, the curve and the mouse once had three origins:
    // at 1:1 a grid line stood 2 pixels left of the curve point of its
    // minute and the cursor on the red line read the next, unstored minute.
    void runningCursorReadsTheMinuteUnderTheCurve_data() {
        QTest::addColumn<int>("zoom");
        QTest::newRow("1:1") << 1;
        QTest::newRow("4:1") << 4;
        QTest::newRow("1:5") << -5;
    }
    void runningCursorReadsTheMinuteUnderTheCurve() {
        QFETCH(int, zoom);
        TViewRig<TViewAct> rig(5000);
        rig.view->Refresh();
        rig.view->MarkDataReady();
        rig.view->SetTimeZoom(zoom);
        // A curve with a step at a whole hour: 100 before minute 4980, 200
        // from it on.
        for (int s = 4980; s < 5000; ++s)
            SetRaw(rig.doc, s, 0, 200);
        const TRecording r = rig.Paint();
        const auto red = LinesOf(r, Red);
        QCOMPARE(red.size(), 1);
        QCOMPARE(rig.view->MinuteAt(red[0].from.x()), 4999); // the newest, stored minute
        int first = 0;
        int count = 0;
        rig.view->VisibleMinutes(first, count);
        QCOMPARE(first + count - 1, 4999);
        int firstShown = -1;
        QCOMPARE(rig.view->FirstVisibleMinute(firstShown), 1);
        QCOMPARE(firstShown, first);
        if (zoom < 0)
            return; // a column holds several minutes and no hour lines
        // The hour's grid line stands where the curve steps, and the mouse
        // there reads that minute.
        const int gridX = rig.view->scale.MinutesToPixels(4980 - first);
        bool gridThere = false;
        for (const auto& l : r.lines)
            gridThere |= l.from.x() == gridX && l.pen.style() == Qt::DashLine;
        QVERIFY(gridThere);
        int stepX = -1;
        for (const auto& l : r.polylines) {
            for (const QPoint& pt : l.points) {
                if (stepX < 0 && pt.y() == rig.plot.Height() - 200)
                    stepX = pt.x();
            }
        }
        QCOMPARE(stepX, gridX);
        QCOMPARE(rig.view->MinuteAt(gridX), 4980);
    }

    void runningViewWithFewMinutes() {
        TViewRig<TViewAct> rig(100);
        rig.view->Refresh();
        rig.view->MarkDataReady();
        int minute = -1;
        QCOMPARE(rig.view->FirstVisibleMinute(minute), 1);
        QCOMPARE(minute, 0);
        const TRecording r = rig.Paint();
        QCOMPARE(LinesOf(r, Red)[0].from.x(), 99);
        QCOMPARE(r.polylines[0].points.first().x(), 0);
        rig.view->SetTimeZoom(2);
        QCOMPARE(LinesOf(rig.Paint(), Red)[0].from.x(), 198);
    }

    void markRule_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        const int none = 0xFFFF;
        QTest::newRow("first mark") << QList<int>{100} << 100 << none;
        QTest::newRow("click on a mark removes it") << QList<int>{100, 100} << none << none;
        QTest::newRow("second mark") << QList<int>{100, 200} << 100 << 200;
        QTest::newRow("second left of first: swapped") << QList<int>{200, 100} << 100 << 200;
        QTest::newRow("nearer start moves") << QList<int>{100, 200, 120} << 120 << 200;
        QTest::newRow("nearer end moves") << QList<int>{100, 200, 180} << 100 << 180;
        QTest::newRow("equal distance: start moves") << QList<int>{100, 200, 150} << 150 << 200;
        QTest::newRow("outside moves nearer") << QList<int>{100, 200, 20} << 20 << 200;
        QTest::newRow("end removed") << QList<int>{100, 200, 200} << 100 << none;
        QTest::newRow("end retaken left: swapped") << QList<int>{100, 200, 200, 50} << 50 << 100;
        QTest::newRow("start removed, start retaken right")
            << QList<int>{100, 200, 100, 300} << 200 << 300;
        QTest::newRow("slot 0") << QList<int>{0, 0, 0} << 0 << none;
    }
    void markRule() {
        QFETCH(QList<int>, clicks);
        QFETCH(int, start);
        QFETCH(int, end);
        MonthDisplay d;
        for (int m : clicks)
            d.ToggleMark(uint16_t(m));
        QCOMPARE(int(d.markStart), start);
        QCOMPARE(int(d.markEnd), end);
    }
};

QTEST_MAIN(TestViewModel)
#include "tst_viewmodel.moc"
