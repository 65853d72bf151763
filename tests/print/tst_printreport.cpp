#include "Fprinttestsupport.h"

#include "config/Cclock.h"
#include "print/Cpagebuffer.h"
#include "print/Fprintwindow.h"

#include <QRegularExpression>
#include <QTest>

namespace {

constexpr int Day = 1440;
const QString FileOpenError = QStringLiteral("Fehler beim Versuch eine Datei zu öffnen!");

QStringList Headers(const TRecording& r) {
    QStringList out;
    for (const TRecording::Text& t : r.texts) {
        if (t.text.startsWith("ZEDA-/-"))
            out.append(t.text);
    }
    return out;
}

// The y of the hour lines (dashed, 0 to 300 mm across).
QList<int> HourLines(TPrintFixture& f) {
    QList<int> y;
    for (const TRecording::Line& l : f.LinesWith(Qt::DashLine)) {
        if (l.from.y() == l.to.y() && l.from.x() == f.X(0) && l.to.x() == f.X(300))
            y.append(l.from.y());
    }
    return y;
}

ChannelDefs OneChannel(uint8_t decimals = 0) {
    ChannelDefs c = NoChannels();
    c[0] = PrintChannel("K1");
    c[0].decimals = decimals;
    return c;
}

void Fill(MonthDocument& d, int first, int last, const std::function<int(int)>& value) {
    for (int m = first; m <= last; ++m)
        SetRaw(d, m, 0, uint16_t(value(m)));
}

} // namespace

class TestPrintReport : public QObject {
    Q_OBJECT

private slots:
    void dayPageHeaderGridsAndTrace() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 3 * Day, 4 * Day - 1, [](int) { return 100; });
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 3, 1), 1);
        QCOMPARE(f.pages->Pages(), QStringList{"ZEDA D2026-03 day 4, printer 1"});
        QCOMPARE(f.FindText("ZEDA-/-Werk Nord: 2026.03.04")->baseline.x(), f.X(0));
        // Every hour 10 mm (60 rows) apart.
        const QList<int> hours = HourLines(f);
        QCOMPARE(hours.size(), 24);
        for (int k = 0; k < 24; ++k)
            QCOMPARE(hours[k], f.Y(60 * k));
        // 31 millimetre lines over the run, dashed every 50 mm.
        int dashed = 0;
        int dotted = 0;
        for (const TRecording::Line& l : f.Rec().lines) {
            if (l.from.x() == l.to.x() && l.from.y() == f.Y(0) && l.to.y() == f.Y(1440))
                ++((l.from.x() - f.X(0)) % 500 == 0 ? dashed : dotted);
        }
        QCOMPARE(dashed, 7);
        QCOMPARE(dotted, 24);
        const TRecording::Polyline& trace = f.Rec().polylines.first();
        QCOMPARE(f.Rec().polylines.size(), 1);
        QCOMPARE(trace.points.size(), 1440);
        QCOMPARE(trace.points.last(), QPoint(f.X(100), f.Y(1439)));
    }

    void pageKeptForThePrinterDrawsExactlyAsDrawnDirectly() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 0, Day - 1, [](int m) { return 100 + m % 250; });
        AddException(f.doc, 600, 660, 1, "!NOT");
        QVERIFY(f.Save());
        QImage direct(2000, 1740, QImage::Format_RGB32);
        QImage replayed = direct;
        direct.fill(Qt::white);
        replayed.fill(Qt::white);
        TPageBuffer buffer(replayed);
        for (QPaintDevice* device :
             {static_cast<QPaintDevice*>(&direct), static_cast<QPaintDevice*>(&buffer)}) {
            f.prnt->ReplaceSystem(
                std::make_unique<TPageSequence>(*device, QStringList{"Queue One"}));
            QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        }
        f.prnt->ReplaceSystem(nullptr); // ends the painting
        QPainter p(&replayed);
        buffer.Replay(p);
        p.end();
        QVERIFY(buffer.steps.size() > 100);
        QCOMPARE(replayed, direct);
    }

    void fiveDaysPerPageStepFromTwentyToZeroIsEightMillimetres() {
        TPrintFixture f(OneChannel());
        QVERIFY(f.Save());
        PrintMonth(*f.prnt, f.doc, 5);
        QCOMPARE(f.pages->Pages().size(), 7);
        QCOMPARE(f.pages->Pages().last(), QString("ZEDA D2026-03 days 31-31, printer 1"));
        QCOMPARE(Headers(f.Rec()).first(), QString("ZEDA-/-Werk Nord: 2026.03.01 - 2026.03.05"));
        const QList<int> y = HourLines(f);
        for (int k = 1; k < 25; ++k)
            QCOMPARE(y[k] - y[k - 1], k % 5 == 0 ? 48 : 60);
    }

    void risingTraceRestartsInTheNextBandWithAValueLabel() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 0, 199, [](int m) { return 190 + m; });
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        const QList<TRecording::Polyline>& traces = f.Rec().polylines;
        QCOMPARE(traces.size(), 2);
        QCOMPARE(traces[0].points.last(), QPoint(f.X(300), f.Y(110)));
        QCOMPARE(traces[1].points.first(), QPoint(f.X(101), f.Y(111))); // 301 - 200
        const TRecording::Text* label = f.FindText("301");
        const int width = QFontMetrics(PrinterFont(*f.config), &f.device).horizontalAdvance("301");
        QVERIFY(qAbs(label->baseline.x() + width / 2 - f.X(101)) <= 1);
        QVERIFY(label->baseline.y() <= f.Y(111) && label->baseline.y() > f.Y(111) - f.h);
    }

    void ordinaryPeriodLeavesAGapNoteOnlyPeriodIsThick() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 0, Day - 1, [](int) { return 120; });
        AddException(f.doc, 600, 660, 1, "WART");
        AddException(f.doc, 840, 900, 1, "!NOT");
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        const QList<TRecording::Polyline>& traces = f.Rec().polylines;
        QCOMPARE(traces.size(), 4);
        const int rows[4][3] = {{0, 599, 0}, {661, 839, 0}, {840, 900, 3}, {901, 1439, 0}};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(traces[i].points.first().y(), f.Y(rows[i][0]));
            QCOMPARE(traces[i].points.last().y(), f.Y(rows[i][1]));
            QCOMPARE(traces[i].pen.width(), rows[i][2]);
        }
        // The codes where the periods begin, the value where the trace comes
        // back after the gap, nothing else.
        QCOMPARE(f.Rec().TextStrings().filter(QRegularExpression("^(WART|!NOT|120)$")).size(), 3);
        QVERIFY(f.FindText("WART")->baseline.y() <= f.Y(600));
        QVERIFY(f.FindText("!NOT")->baseline.y() <= f.Y(840));
        QVERIFY(f.FindText("120")->baseline.y() <= f.Y(661));
    }

    void operatorColumnTickLineAndName() {
        TPrintFixture f(OneChannel());
        AddOperatorName(f.doc, "Meier");
        // A damaged file's index 7 lies beyond the one name of its table.
        PutText(f.doc.operators, 7 * OperatorNameSize, OperatorNameSize, "Geist");
        for (int m = 0; m < Day; ++m)
            SetOperator(f.doc, m, m < 480 ? 0 : m < 600 ? NoOperator : 7);
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        QList<QLine> column;
        for (const TRecording::Line& l : f.Rec().lines) {
            if (l.from.x() >= f.X(301))
                column.append(QLine(l.from, l.to));
        }
        const QList<QLine> expected = {
            {f.X(301), f.Y(0), f.X(302), f.Y(0)},      {f.X(302), f.Y(0), f.X(302), f.Y(480)},
            {f.X(301), f.Y(480), f.X(302), f.Y(480)},  {f.X(301), f.Y(600), f.X(302), f.Y(600)},
            {f.X(302), f.Y(600), f.X(302), f.Y(1440)}, {f.X(301), f.Y(1440), f.X(302), f.Y(1440)}};
        QCOMPARE(column, expected);
        QCOMPARE(f.FindText("Meier")->baseline.x(), f.X(303));
        QVERIFY(!f.FindText("Geist")); // nothing read outside the table
    }

    void legendValuesOverflowAndEmptyMinute() {
        ChannelDefs c = OneChannel();
        c[0].printColour = 9; // modulo 7
        c[1] = PrintChannel("K2");
        c[1].maxValue = 50;
        TPrintFixture f(c);
        SetRaw(f.doc, 0, 0, 5);
        SetRaw(f.doc, 0, 1, 60);
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        QCOMPARE(f.FindText("K1: 5 V")->colour, ColourToQColor(TTableColor().Color(2)));
        QCOMPARE(f.FindText("K2: #O/L V")->baseline.x(), f.X(100));
        // An empty first minute reads "-", not a measured 0.
        PutU8(f.doc.dayBlocks[0], 0, SlotEmpty);
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        QVERIFY(f.FindText("K1: - V"));
    }

    void missingMinutesEndTheTraceWithoutALabel() {
        TPrintFixture f(OneChannel(6)); // and a value text of 8 characters
        Fill(f.doc, 0, 99, [](int) { return 105; });
        Fill(f.doc, 200, 299, [](int) { return 125; });
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        const QList<TRecording::Polyline>& traces = f.Rec().polylines;
        QCOMPARE(traces.size(), 2);
        QCOMPARE(traces[0].points.last(), QPoint(f.X(105), f.Y(99)));
        QCOMPARE(traces[1].points.first(), QPoint(f.X(125), f.Y(200)));
        // The label where the trace starts again: the whole long value.
        QVERIFY(f.FindText("0.000125"));
        QVERIFY(!f.FindText("0.00012"));
    }

    void unreadableMonthFileIsReportedOncePerRunAndPrintsNothing() {
        TPrintFixture f(OneChannel());
        QVERIFY(f.Save());
        const QString path = f.doc.directory + f.doc.fileName;
        QVERIFY(QFile::remove(path));
        PrintDays(*f.prnt, f.doc, 1, 3);
        QCOMPARE(f.messages.Texts(), QStringList{FileOpenError});
        QVERIFY(f.pages->Pages().isEmpty() && f.Rec().texts.isEmpty());
        // Cut short within day 2: day 1 prints, days 2 and 3 do not.
        f.messages.Clear();
        QVERIFY(WriteBytes(path, FileImage(f.doc).left(DayBlockOffset(1) + 1000)));
        PrintDays(*f.prnt, f.doc, 1, 3);
        QCOMPARE(f.messages.Texts(), QStringList{FileOpenError});
        QCOMPARE(f.pages->Pages(), QStringList{"ZEDA D2026-03 day 1, printer 1"});
    }

    // The running month's pages went on past its last stored day, headed
    // "2026.03.07 - 2026.03.07" and so on to the 31st.
    void monthReportEndDateIsTheLastDayTheRunCovers() {
        TPrintFixture f(OneChannel(), 4 * Day + 720); // running month, day 5, 12:00
        QVERIFY(f.Save());
        PrintMonth(*f.prnt, f.doc, 3);
        QCOMPARE(f.pages->Pages(), QStringList({"ZEDA D2026-03 days 1-3, printer 1",
                                                "ZEDA D2026-03 days 4-5, printer 1"}));
        const QStringList headers = Headers(f.Rec());
        QCOMPARE(headers.size(), 2);
        QCOMPARE(headers[1], QString("ZEDA-/-Werk Nord: 2026.03.04 - 2026.03.05"));
    }

    // A page told neither its number nor when it was printed.
    void pageCarriesItsNumberAndThePrintDateInTheCorner() {
        TPrintFixture f(OneChannel());
        TSimClock clock(SecondsFromLocal({2026, 12, 10, 9, 38, 50}));
        f.env.clock = &clock;
        QVERIFY(f.Save());
        PrintDays(*f.prnt, f.doc, 3, 4);
        QStringList footers;
        for (const TRecording::Text& t : f.Rec().texts) {
            if (t.text.startsWith("Page ")) {
                footers << t.text;
                // Right-aligned at the printable area's right edge, in its
                // last line, below the day's 1440 rows.
                const int width = QFontMetrics(t.font, &f.device).horizontalAdvance(t.text);
                QVERIFY(std::abs(t.baseline.x() + width - TPrintFixture::Metrics.widthPx) <= 2);
                QVERIFY(t.baseline.y() > f.Y(1440) + f.h);
                QVERIFY(t.baseline.y() <= TPrintFixture::Metrics.heightPx);
            }
        }
        QCOMPARE(footers, QStringList({"Page 1, printed 2026.12.10 09:38",
                                       "Page 2, printed 2026.12.10 09:38"}));
    }

    // Slips in these three rules were missed before.

    // Days are counted from 0: a first day equal to the days stored lies
    // behind the file and prints nothing, without a word.
    void dayRangeStartEqualToTheStoredDaysPrintsNothing() {
        TPrintFixture f(OneChannel());
        QVERIFY(f.Save());
        QCOMPARE(HeaderDaysStored(f.doc.header), 33);
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 33, 1), 1);
        QVERIFY(f.pages->Pages().isEmpty());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 32, 1), 1);
        QCOMPARE(f.pages->Pages(), QStringList{"ZEDA D2026-03 day 33, printer 1"});
        QVERIFY(f.messages.Texts().isEmpty());
    }

    // A month report ends with the month: its last page leaves out the
    // overflow days of the next month, however full they are.
    void monthReportLastPageLeavesOutTheOverflowDays() {
        TPrintFixture f(OneChannel(), 33 * Day);
        Fill(f.doc, 30 * Day, 33 * Day - 1, [](int) { return 100; });
        QVERIFY(f.Save());
        PrintMonth(*f.prnt, f.doc, 3);
        const QStringList pages = f.pages->Pages();
        QCOMPARE(pages.size(), 11);
        QCOMPARE(pages.last(), QString("ZEDA D2026-03 days 31-31, printer 1"));
        QCOMPARE(Headers(f.Rec()).last(), QString("ZEDA-/-Werk Nord: 2026.03.31 - 2026.03.31"));
        // One day in rows of three minutes.
        QCOMPARE(f.Rec().polylines.last().points.size(), Day / 3);
    }

    // However often the trace starts again, a page carries 200 value labels.
    void atMostTwoHundredValueLabelsOnAPage() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 0, Day - 1, [](int m) { return m % 2 == 0 ? 130 : 430; });
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        int labels = 0;
        for (const TRecording::Text& t : f.Rec().texts)
            labels += t.text == "130" || t.text == "430" ? 1 : 0;
        QCOMPARE(labels, 200);
    }

    void pagesGoToTheirPrintersInDayOrder() {
        ChannelDefs c = OneChannel();
        c[1] = PrintChannel("K2", 1);
        TPrintFixture f(c);
        QVERIFY(f.Save());
        PrintDays(*f.prnt, f.doc, 3, 4);
        PrintDays(*f.prnt, f.doc, 5, 3);
        QCOMPARE(f.pages->Pages(),
                 QStringList({"ZEDA D2026-03 day 3, printer 1", "ZEDA D2026-03 day 3, printer 2",
                              "ZEDA D2026-03 day 4, printer 1", "ZEDA D2026-03 day 4, printer 2"}));
        // An overflow day is dated in the next month.
        f.doc.display.channelVisible[1] = 0;
        PrintDays(*f.prnt, f.doc, 32, 32);
        QCOMPARE(Headers(f.Rec()).last(), QString("ZEDA-/-Werk Nord: 2026.04.01"));
        QCOMPARE(f.pages->Pages().size(), 5);
        // Printer 1 not installed: a message for every day, and printer 2 is
        // not tried in that call.
        f.doc.display.channelVisible[1] = 1;
        f.prnt->printer1Name = "Gone";
        PrintDays(*f.prnt, f.doc, 3, 5);
        QCOMPARE(f.messages.Texts(), QStringList(3, CannotPrintText));
        QCOMPARE(f.pages->Pages().size(), 5);
    }
};

QTEST_MAIN(TestPrintReport)
#include "tst_printreport.moc"
