#include "Fviewtestsupport.h"

#include "view/Cpaintarea.h"
#include "view/Cviewbase.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

constexpr int FullW = 700;
constexpr int FullH = 420;
constexpr int Days = 31;
const int TimeZooms[] = {-20, -10, -5, -4, -3, -2, 1, 2, 3, 4, 5, 10};

// One diagram window's view, painted as the window paints its plot area.
template <typename View> struct TWindow {
    TScrollModel sb{FullW, FullH, 16};
    TScrolledPlotArea plot{&sb};
    TFixedArea timeStrip{FullW, 30};
    TFixedArea valueStrip{40, FullH};
    View view;

    TWindow(MonthDocument* d, bool keep) : view(d, &sb) {
        view.CreatePlotters(&plot, &timeStrip, &valueStrip);
        view.diagram->keepSpanImage = keep;
        view.scale.SetFitHeight(sb.ClientHeight());
        view.UpdateVertRange();
    }

    QImage Paint() {
        QImage image(sb.ClientWidth(), sb.ClientHeight(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.translate(-sb.HorzPosition(), -sb.VertPosition());
        view.Paint(p);
        return image;
    }
};

// Where two pictures differ first, for the failure message.
QByteArray FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return QByteArray("first at ") + QByteArray::number(x) + "," +
                       QByteArray::number(y);
        }
    }
    return {};
}

} // namespace

class TestSpanImage : public QObject {
    Q_OBJECT

    MonthDocument FDoc;

    template <typename View>
    void Same(TWindow<View>& kept, TWindow<View>& fresh, const char* step) {
        const QImage a = kept.Paint();
        const QImage b = fresh.Paint();
        QVERIFY2(a == b, (QByteArray(step) + ": " + FirstDifference(a, b)).constData());
    }

    // Both windows scrolled to the same place.
    static void ScrollBoth(TWindow<TViewData>& a, TWindow<TViewData>& b, int horz, int vert) {
        for (TWindow<TViewData>* w : {&a, &b}) {
            w->sb.SetHorzPosition(horz);
            w->sb.SetVertPosition(vert);
        }
    }

private slots:
    void initTestCase() { FillNoisyMonth(FDoc, Days * SlotsPerDay); }

    void zooms_data() {
        QTest::addColumn<int>("zoom");
        for (int z : TimeZooms)
            QTest::newRow(QByteArray("1:" + QByteArray::number(z)).constData()) << z;
    }

    // The kept picture shows what filling every span afresh shows: at the
    // start, after scrolls by a column, a line, a page and back, and after
    // changes of the value zoom, the shown channels and a colour.
    void keptPictureMatchesAFreshPaintInTheMonthWindow_data() { zooms_data(); }
    void keptPictureMatchesAFreshPaintInTheMonthWindow() {
        QFETCH(int, zoom);
        MonthDocument doc = FDoc;
        TWindow<TViewData> kept(&doc, true);
        TWindow<TViewData> fresh(&doc, false);
        for (auto* w : {&kept, &fresh}) {
            w->view.DataLoaded();
            w->view.SetTimeZoom(zoom);
        }
        Same(kept, fresh, "start");
        const int page = kept.sb.ClientWidth();
        const int end = kept.sb.HorzMaxPosition();
        int pos = 0;
        for (int step : {1, 1, 13, page, -7, page / 2, -page, 2 * page, end, -1, -3 * page}) {
            pos = std::clamp(pos + step, 0, end);
            ScrollBoth(kept, fresh, pos, 0);
            Same(kept, fresh, "scrolled");
        }
        for (auto* w : {&kept, &fresh})
            w->view.SetValueZoom(2);
        ScrollBoth(kept, fresh, pos, 150);
        Same(kept, fresh, "value zoom 2, scrolled down");
        for (auto* w : {&kept, &fresh})
            w->view.SetChannelVisible(12, false);
        Same(kept, fresh, "a channel hidden");
        ChannelDefs c{};
        for (int ch = 0; ch < ChannelCount; ++ch)
            c[ch] = HeaderChannel(doc.header, ch);
        c[3].colourChoice = 9;
        SetHeaderChannelBytes(doc.header, ChannelDefsImage(c));
        Same(kept, fresh, "a colour changed");
        const int shown = kept.view.scale.PixelToMinute(kept.sb.HorzPosition() + 40);
        SetRaw(doc, shown, 3, 290);
        Same(kept, fresh, "a minute's value changed");
        AddException(doc, uint16_t(shown + 30), uint16_t(shown + 90), 0x0008, "!NEW");
        Same(kept, fresh, "a period added");
        for (auto* w : {&kept, &fresh})
            w->view.SetValueZoom(1);
        ScrollBoth(kept, fresh, pos / 3, 0);
        Same(kept, fresh, "value zoom 1 again");
    }

    // The running window's newest minutes arrive one by one, and a window
    // scrolled back keeps its minutes while they do.
    void keptPictureMatchesAFreshPaintAsMinutesArrive_data() { zooms_data(); }
    void keptPictureMatchesAFreshPaintAsMinutesArrive() {
        QFETCH(int, zoom);
        MonthDocument doc = FDoc;
        const int start = 5000;
        SetHeaderEndSlot(doc.header, uint16_t(start));
        TWindow<TViewAct> kept(&doc, true);
        TWindow<TViewAct> fresh(&doc, false);
        for (auto* w : {&kept, &fresh}) {
            w->view.SetTimeZoom(zoom);
            w->view.MarkDataReady();
            w->view.Refresh();
        }
        Same(kept, fresh, "start");
        for (int m = 1; m <= 45; ++m) {
            SetHeaderEndSlot(doc.header, uint16_t(start + m));
            for (auto* w : {&kept, &fresh})
                w->view.Refresh();
            Same(kept, fresh, "a minute appended");
            if (m == 30) {
                for (auto* w : {&kept, &fresh})
                    w->view.ScrollBack(700);
                Same(kept, fresh, "scrolled back");
            }
        }
    }

    // A month window painted again unchanged shows its kept picture at
    // every zoom, the polylines of the finer zooms included (kept from
    // their second paint on); a change of the minutes in view paints anew.
    void repaintOfAnUnchangedMonthWindowWritesNothing_data() { zooms_data(); }
    void repaintOfAnUnchangedMonthWindowWritesNothing() {
        QFETCH(int, zoom);
        MonthDocument doc = FDoc;
        TWindow<TViewData> w(&doc, true);
        w.view.DataLoaded();
        w.view.SetTimeZoom(zoom);
        const QImage first = w.Paint();
        QCOMPARE(w.Paint(), first);
        QCOMPARE(w.Paint(), first);
        QCOMPARE(w.view.diagram->SpanColumnsWritten(), 0);
        SetRaw(doc, w.view.scale.PixelToMinute(20), 5, 260);
        const QImage changed = w.Paint();
        QVERIFY(changed != first);
        QCOMPARE(w.Paint(), changed);
    }

    // Painting the same picture again writes no column; scrolling by a few
    // columns writes those columns and the ones whose curves changed with
    // the new start, not the whole picture.
    void scrollWritesOnlyTheNewColumns() {
        MonthDocument doc = FDoc;
        TWindow<TViewData> w(&doc, true);
        w.view.DataLoaded();
        w.view.SetTimeZoom(-10);
        // Every column but the few in the unit's pauses shows a curve.
        const int width = w.sb.ClientWidth();
        w.Paint();
        QVERIFY(w.view.diagram->SpanColumnsWritten() > width - 10);
        w.Paint();
        QCOMPARE(w.view.diagram->SpanColumnsWritten(), 0);
        w.sb.SetHorzPosition(900);
        w.Paint();
        QVERIFY(w.view.diagram->SpanColumnsWritten() > width - 10);
        w.sb.SetHorzPosition(905);
        w.Paint();
        const int written = w.view.diagram->SpanColumnsWritten();
        QVERIFY2(written >= 5 && written < 40, QByteArray::number(written).constData());
    }
};

QTEST_MAIN(TestSpanImage)
#include "tst_spanimage.moc"
