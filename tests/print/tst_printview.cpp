#include "Fprinttestsupport.h"

#include "config/Ctablecolor.h"
#include "files/Cfiledata.h"
#include "files/Falarmlog.h"
#include "files/Falarmrule.h"
#include "print/Fprintwindow.h"
#include "view/Cscale.h"

#include <QTest>

namespace {

constexpr int Day = 1440;

// A view prints every shown channel, those of printer 2 too.
ChannelDefs Channels(int count) {
    ChannelDefs c = NoChannels();
    for (int i = 0; i < count; ++i)
        c[i] = PrintChannel("K" + QByteArray::number(i + 1), uint8_t(i % 2));
    return c;
}

// A window of width x height pixels at a time zoom, from minute first, and
// the conversions of its page as the engine stretches them.
struct TViewPage {
    int L, T, vertRes, horzRes, Ws, Hs;

    TViewPage(TPrintFixture& f, int shown, int width, int height, int timeZoom, uint16_t first)
        : L(7 * f.w), T(((shown - 1) / 3 + 5) * f.h),
          vertRes(TPrintFixture::Metrics.heightPx - T - 2 * f.h),
          horzRes(TPrintFixture::Metrics.widthPx - L), Ws(width), Hs(height) {
        TScale scale(&f.doc);
        scale.SetTimeZoom(timeZoom);
        scale.SetValueZoom(1);
        f.doc.display.viewWidth = int16_t(width);
        f.doc.display.viewHeight = int16_t(height);
        f.doc.display.printStartMinute = first;
    }
    int X(int a) const { return int(int64_t(a) * horzRes / Hs) + L; }
    int Y(int a) const { return int(int64_t(a) * vertRes / Ws) + T; }
};

} // namespace

class TestPrintView : public QObject {
    Q_OBJECT

private slots:
    void marginsLegendAndFirstRowFor14Channels() {
        TPrintFixture f(Channels(14));
        for (int m = 0; m < Day; ++m)
            SetRaw(f.doc, m, 0, 100);
        const TViewPage pg(f, 14, 600, 300, 1, 0);
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        QCOMPARE(f.pages->Pages(), QStringList{"ZEDA D2026-03 view, printer 1"});
        QCOMPARE(pg.T, 9 * f.h);
        QCOMPARE(f.FindText("ZEDA-/-Werk Nord: 2026.03.01   0:00")->baseline.x(), pg.L);
        // Five legend lines in 100 mm columns.
        const TRecording::Text* k14 = f.FindText("K14: 0 V");
        QCOMPARE(k14->baseline.x(), 1000 + pg.L);
        QVERIFY(k14->baseline.y() > 6 * f.h && k14->baseline.y() <= 7 * f.h);
        // The first row: midnight's day number and line; the value grid
        // down to two text heights above the bottom edge.
        QVERIFY(f.FindText("1.Tag"));
        int midnight = 0;
        int valueLines = 0;
        for (const TRecording::Line& l : f.Rec().lines) {
            midnight += l.from == QPoint(pg.X(0), pg.T) && l.to == QPoint(pg.X(300), pg.T);
            valueLines += l.from.x() == l.to.x() && l.from.y() == pg.T &&
                          l.to.y() == TPrintFixture::Metrics.heightPx - 2 * f.h;
        }
        QCOMPARE(midnight, 1);
        QCOMPARE(valueLines, 31);
        // A view from minute 0 draws its traces from the first row.
        QCOMPARE(f.Rec().polylines.size(), 14);
        QCOMPARE(f.Rec().polylines.first().points.first(), QPoint(pg.X(100), pg.T));
    }

    // An exception period printed exactly like missing minutes.
    void exceptionPeriodsArePrintedAsLabelledBands() {
        TPrintFixture f(Channels(1));
        for (int m = 0; m < Day; ++m)
            SetRaw(f.doc, m, 0, 100);
        AddException(f.doc, 120, 179, 1, "WART");
        AddException(f.doc, 300, 359, 1, "!NB");
        AddException(f.doc, 900, 959, 1, "SPAT"); // after the printed span
        QFile list(f.dir.filePath("AUSNAHME.LST"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("WART Wartung der Pumpe\r\n");
        list.close();
        // 600 minutes at 1:1 from minute 0.
        const TViewPage pg(f, 1, 600, 300, 1, 0);
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        const TRecording::Text* wart = f.FindText("WART Wartung der Pumpe");
        QVERIFY(wart);
        QVERIFY(wart->baseline.y() > pg.Y(120) && wart->baseline.y() <= pg.Y(120) + f.h);
        // A code without a line of the list is labelled with the code.
        const TRecording::Text* note = f.FindText("!NB");
        QVERIFY(note);
        QVERIFY(note->baseline.y() > pg.Y(300) && note->baseline.y() <= pg.Y(300) + f.h);
        QVERIFY(!f.FindText("SPAT"));
        // The ordinary period shaded across the diagram over its minutes;
        // the note-only one drawn as a rectangle without fill.
        const QRect shaded(QPoint(pg.X(0), pg.Y(120)), QPoint(pg.X(300), pg.Y(180) - 1));
        const QRect outlined(QPoint(pg.X(0), pg.Y(300)), QPoint(pg.X(300), pg.Y(360) - 1));
        int shades = 0;
        int outlines = 0;
        for (const auto& fill : f.Rec().fills) {
            shades += fill.rect == shaded && fill.colour == QColor(224, 224, 224);
            outlines += fill.rect == outlined;
        }
        QCOMPARE(shades, 1);
        QCOMPARE(outlines, 1);
    }

    // The bars run down the diagram's left edge in the print colours: a
    // cleared alarm over its minutes, an active one to the minutes shown,
    // both cut to the printed span; another month's alarm is not drawn.
    void alarmsArePrintedAsBarsDownTheLeftEdge_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<QList<int>>("bars"); // channel, first row, end row of each
        QTest::newRow("from midnight") << 0 << QList<int>{0, 120, 180, 1, 480, 600};
        QTest::newRow("from 2:30") << 150 << QList<int>{0, 0, 30, 1, 330, 450};
        QTest::newRow("from 4:00") << 240 << QList<int>{1, 240, 360};
    }
    void alarmsArePrintedAsBarsDownTheLeftEdge() {
        QFETCH(int, first);
        QFETCH(QList<int>, bars);
        ChannelDefs c = Channels(2);
        c[0].printColour = 3;
        c[0].colourChoice = 9; // the screen's colour is not the print's
        c[1].printColour = 5;
        TPrintFixture f(c, 600);
        QVERIFY(f.Save());
        const auto entry = [&f](int channel, const QByteArray& event, const char* raised) {
            AlarmLogEntry e;
            e.event = event;
            e.channel = channel;
            e.kind = AlarmHigh;
            e.raised = raised;
            e.file = f.doc.fileName;
            return e;
        };
        std::vector<AlarmLogEntry> log{entry(1, AlarmRaised, "2026-03-01 02:00"),
                                       entry(2, AlarmRaised, "2026-03-01 08:00"),
                                       entry(1, AlarmCleared, "2026-03-01 02:00"),
                                       entry(2, AlarmRaised, "2026-02-01 08:00")};
        log[2].cleared = "2026-03-01 03:00";
        log[3].file = "D2026-02.ZMF";
        QVERIFY(AppendAlarmLog(AlarmLogPath(f.dir.path()), log));
        const TViewPage pg(f, 2, 600, 300, 1, uint16_t(first));
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        const QColor colours[] = {ColourToQColor(TTableColor().Color(3)),
                                  ColourToQColor(TTableColor().Color(5))};
        QList<int> found;
        for (const auto& fill : f.Rec().fills) {
            if (fill.rect.right() != pg.L - 1)
                continue;
            QCOMPARE(fill.rect.left(), pg.L - std::max(f.w / 2, 2));
            found << int(std::find(colours, colours + 2, fill.colour) - colours)
                  << fill.rect.top() << fill.rect.bottom() + 1;
        }
        for (int i = 0; i < bars.size(); i += 3) {
            bars[i + 1] = pg.Y(bars[i + 1]);
            bars[i + 2] = pg.Y(bars[i + 2]);
        }
        QCOMPARE(found, bars);
    }

    void zeroSizedWindowPrintsNothing() {
        TPrintFixture f(Channels(1));
        TViewPage(f, 1, 0, 300, 1, 0);
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        TViewPage(f, 1, 600, 0, 1, 0);
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        QVERIFY(f.pages->Pages().isEmpty() && f.messages.shown.isEmpty());
    }

    void viewSpanIsNotCutTo16Bits() {
        TPrintFixture f(Channels(1));
        TViewPage(f, 1, 3800, 300, -20, 0); // 1:20 shows the whole month
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        QVERIFY(f.FindText("31.Tag"));
        // ... and stops at the minutes shown.
        f.Rec().Clear();
        f.doc.display.minutesShown = 20 * Day + 1;
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        QVERIFY(f.FindText("21.Tag") && !f.FindText("22.Tag"));
    }

    void minuteStepThatDoesNotDivideADayStaysInItsDayBlocks() {
        TPrintFixture f(Channels(1));
        for (int m = 0; m < 2 * Day; ++m)
            SetRaw(f.doc, m, 0, m < Day ? 100 : 150);
        const TViewPage pg(f, 1, 60, 300, 1, 1400);
        f.doc.display.timeZoomUnits = 428; // a step of 7 minutes
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        const QList<QPoint>& points = f.Rec().polylines.first().points;
        // From one step above the view: minutes 1393, 1400, ... 1820.
        QCOMPARE(points.size(), 62);
        QCOMPARE(points[0].y(), pg.Y(-1));
        for (int i = 0; i < points.size(); ++i)
            QCOMPARE(points[i].x(), 1393 + 7 * i < Day ? pg.X(100) : pg.X(150));
    }

    void wideViewDrawsItsTraceInPiecesThatJoin() {
        TPrintFixture f(Channels(1));
        for (int m = 0; m < 3 * Day; ++m)
            SetRaw(f.doc, m, 0, uint16_t(100 + m % 50));
        const TViewPage pg(f, 1, 3000, 300, 1, 0);
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 1);
        const QList<TRecording::Polyline>& pieces = f.Rec().polylines;
        QCOMPARE(pieces.size(), 2);
        QCOMPARE(pieces[0].points.size(), TPrintBase::PointBufferSize);
        QCOMPARE(pieces[1].points.first(), pieces[0].points.last());
        QCOMPARE(pieces[1].points.size(), 3001 - TPrintBase::PointBufferSize + 1);
        QCOMPARE(pieces[1].points.last(), QPoint(pg.X(100 + 3000 % 50), pg.Y(3000)));
    }

    void viewWithoutDayBlocksLoadsThemOrIsRefused() {
        TPrintFixture f(Channels(1));
        QVERIFY(f.Save());
        TViewPage(f, 1, 600, 300, 1, 0);
        for (QByteArray& b : f.doc.dayBlocks)
            b = QByteArray();
        QCOMPARE(f.prnt->PrintView(f.doc, 0), 0);
        QCOMPARE(f.messages.Texts(),
                 QStringList{QStringLiteral("Fehler beim Versuch eine Datei zu öffnen!")});
        QVERIFY(f.pages->Pages().isEmpty());
        // The window's operation has its file object load them first.
        MonthDocument doc;
        TFileData file(&doc, f.env);
        QVERIFY(file.Open(f.doc.directory + f.doc.fileName, Year(2026), 3));
        doc.display = f.doc.display;
        QCOMPARE(PrintCurrentView(*f.prnt, doc, nullptr, &file), 1);
        QCOMPARE(f.pages->Pages().size(), 1);
    }
};

QTEST_MAIN(TestPrintView)
#include "tst_printview.moc"
