#include "Fprinttestsupport.h"

#include "config/Cinifile.h"
#include "print/Fprintwindow.h"

#include <QTest>

namespace {

constexpr int Day = 1440;
const QString FileOpenError = QStringLiteral("Fehler beim Versuch eine Datei zu öffnen!");

QList<int> Ys(const QList<TRecording::Line>& lines) {
    QList<int> out;
    for (const TRecording::Line& l : lines)
        out.append(l.from.y());
    return out;
}

QStringList Headers(const TRecording& r) {
    QStringList out;
    for (const TRecording::Text& t : r.texts) {
        if (t.text.startsWith("ZEDA-/-"))
            out.append(t.text);
    }
    return out;
}

ChannelDefs OneChannel() {
    ChannelDefs c = NoChannels();
    c[0] = PrintChannel("K1");
    return c;
}

// Values of channel 0 for the minutes first .. last of day block b.
void Fill(MonthDocument& d, int block, int first, int last, const std::function<int(int)>& value,
          int channel = 0) {
    for (int m = first; m <= last; ++m)
        SetRaw(d, block * Day + m, channel, uint16_t(value(m)));
}

} // namespace

class TestPrintReport : public QObject {
    Q_OBJECT

private slots:
    void dayPageHeaderHourLinesAndMillimetreGrid() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 3, 0, Day - 1, [](int) { return 100; });
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 3, 1), 1);
        QCOMPARE(f.pages->Pages(), QStringList{"ZEDA D2026-03 day 4, printer 1"});

        const TRecording::Text* header = f.FindText("ZEDA-/-Werk Nord: 2026.03.04");
        QVERIFY(header);
        QCOMPARE(header->baseline.x(), f.X(0));
        QVERIFY(header->baseline.y() < f.Y(-150)); // above the legend

        // Every hour, 10 mm (60 rows) apart, from 0 to 300 mm.
        QList<TRecording::Line> hours;
        for (const TRecording::Line& l : f.LinesWith(Qt::DashLine)) {
            if (l.from.y() == l.to.y() && l.from.x() == f.X(0))
                hours.append(l);
        }
        QCOMPARE(hours.size(), 24);
        for (int k = 0; k < 24; ++k) {
            QCOMPARE(hours[k].from.y(), f.Y(60 * k));
            QCOMPARE(hours[k].to.x(), f.X(300));
            QVERIFY(f.FindText(QString::number(k)));
        }
        // 31 millimetre lines over the whole run, dashed every 50 mm.
        int dashed = 0;
        int dotted = 0;
        for (const TRecording::Line& l : f.Rec().lines) {
            if (l.from.x() != l.to.x() || l.from.y() != f.Y(0) || l.to.y() != f.Y(1440))
                continue;
            QCOMPARE((l.from.x() - f.X(0)) % 100, 0);
            const bool fifty = (l.from.x() - f.X(0)) % 500 == 0;
            QCOMPARE(l.pen.style(), fifty ? Qt::DashLine : Qt::DotLine);
            ++(fifty ? dashed : dotted);
        }
        QCOMPARE(dashed, 7);
        QCOMPARE(dotted, 24);
        QVERIFY(f.FindText("300"));
        // The constant trace: one thin line at 100 mm down the whole day.
        QCOMPARE(f.Rec().polylines.size(), 1);
        const TRecording::Polyline& trace = f.Rec().polylines.first();
        QCOMPARE(trace.points.size(), 1440);
        QCOMPARE(trace.points.first(), QPoint(f.X(100), f.Y(0)));
        QCOMPARE(trace.points.last(), QPoint(f.X(100), f.Y(1439)));
        QCOMPARE(trace.pen.width(), 0);
    }

    void fiveDaysPerPageHourStepFromTwentyToZeroIsEightMillimetres() {
        TPrintFixture f(OneChannel());
        QVERIFY(f.Save());
        PrintMonth(*f.prnt, f.doc, 5);
        QCOMPARE(f.pages->Pages().size(), 7); // 31 days: 1, 6, ... 31
        QCOMPARE(f.pages->Pages().first(), QString("ZEDA D2026-03 days 1-5, printer 1"));
        QCOMPARE(f.pages->Pages().last(), QString("ZEDA D2026-03 days 31-31, printer 1"));
        const QStringList headers = Headers(f.Rec());
        QCOMPARE(headers.first(), QString("ZEDA-/-Werk Nord: 2026.03.01 - 2026.03.05"));
        QCOMPARE(headers.last(), QString("ZEDA-/-Werk Nord: 2026.03.31 - 2026.03.31"));

        // The first page's hour lines: 0, 5, 10, 15, 20 of every day.
        QList<TRecording::Line> hours;
        for (const TRecording::Line& l : f.LinesWith(Qt::DashLine)) {
            if (l.from.y() == l.to.y() && l.from.x() == f.X(0) && l.to.x() == f.X(300))
                hours.append(l);
            if (hours.size() == 25)
                break;
        }
        const QList<int> y = Ys(hours);
        QCOMPARE(y.first(), f.Y(0));
        for (int k = 1; k < 25; ++k)
            QCOMPARE(y[k] - y[k - 1], k % 5 == 0 ? 48 : 60);
        QCOMPARE(y.last(), f.Y(Day * 5 / 5 - 48)); // hour 20 of day 5
    }

    void risingTraceRestartsInTheNextBandWithAValueLabel() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 0, 0, 199, [](int m) { return 190 + m; });
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        const QList<TRecording::Polyline>& traces = f.Rec().polylines;
        QCOMPARE(traces.size(), 2);
        // Band 0 up to its last position not above 300 mm ...
        QCOMPARE(traces[0].points.first(), QPoint(f.X(190), f.Y(0)));
        QCOMPARE(traces[0].points.last(), QPoint(f.X(300), f.Y(110)));
        // ... then band 200, drawn at p - 200, with the value above the start.
        QCOMPARE(traces[1].points.first(), QPoint(f.X(101), f.Y(111)));
        QCOMPARE(traces[1].points.last(), QPoint(f.X(189), f.Y(199)));
        const TRecording::Text* label = f.FindText("301");
        QVERIFY(label);
        const int width = QFontMetrics(f.config->printerFont, &f.device).horizontalAdvance("301");
        QVERIFY(qAbs(label->baseline.x() + width / 2 - f.X(101)) <= 1);
        QVERIFY(label->baseline.y() <= f.Y(111));
        QVERIFY(label->baseline.y() > f.Y(111) - f.h);
    }

    void ordinaryPeriodLeavesAGapNoteOnlyPeriodIsThick() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 0, 0, Day - 1, [](int) { return 120; });
        AddException(f.doc, 600, 660, 1, "WART");
        AddException(f.doc, 840, 900, 1, "!NOT");
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        const QList<TRecording::Polyline>& traces = f.Rec().polylines;
        QCOMPARE(traces.size(), 4);
        const int firstRows[] = {0, 661, 840, 901};
        const int lastRows[] = {599, 839, 900, 1439};
        const int widths[] = {0, 0, 3, 0};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(traces[i].points.first().y(), f.Y(firstRows[i]));
            QCOMPARE(traces[i].points.last().y(), f.Y(lastRows[i]));
            QCOMPARE(traces[i].pen.width(), widths[i]);
        }
        // The codes where the periods begin, the value where the trace
        // comes back after the gap, and nothing else.
        QStringList labels;
        for (const TRecording::Text& t : f.Rec().texts) {
            if (t.text == "WART" || t.text == "!NOT" || t.text == "120")
                labels << t.text + "@" + QString::number(t.baseline.y() <= f.Y(600) ? 600 : 0);
        }
        QCOMPARE(labels.size(), 3);
        QVERIFY(labels.contains("WART@600"));
        QVERIFY(f.FindText("!NOT"));
        QVERIFY(f.FindText("!NOT")->baseline.y() <= f.Y(840));
        QVERIFY(f.FindText("120")->baseline.y() <= f.Y(661));
        QVERIFY(f.FindText("120")->baseline.y() > f.Y(661) - f.h);
    }

    void operatorColumnTickLineAndName() {
        TPrintFixture f(OneChannel());
        AddOperatorName(f.doc, "Meier");
        AddOperatorName(f.doc, "Huber");
        for (int m = 0; m < Day; ++m)
            SetOperator(f.doc, m, m < 480 ? 0 : m < 600 ? NoOperator : 1);
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        QList<QPair<QPoint, QPoint>> column;
        for (const TRecording::Line& l : f.Rec().lines) {
            if (l.from.x() >= f.X(301))
                column.append({l.from, l.to});
        }
        const QList<QPair<QPoint, QPoint>> expected = {
            {{f.X(301), f.Y(0)}, {f.X(302), f.Y(0)}},       // Meier logs in
            {{f.X(302), f.Y(0)}, {f.X(302), f.Y(480)}},     // ... until 8:00
            {{f.X(301), f.Y(480)}, {f.X(302), f.Y(480)}},   // nobody
            {{f.X(301), f.Y(600)}, {f.X(302), f.Y(600)}},   // Huber
            {{f.X(302), f.Y(600)}, {f.X(302), f.Y(1440)}},  // to the end
            {{f.X(301), f.Y(1440)}, {f.X(302), f.Y(1440)}}, // closing tick
        };
        QCOMPARE(column, expected);
        QCOMPARE(f.FindText("Meier")->baseline.x(), f.X(303));
        QVERIFY(f.FindText("Meier")->baseline.y() > f.Y(0));
        QVERIFY(f.FindText("Huber")->baseline.y() > f.Y(600));
    }

    void operatorIndexBeyondTheTableHasNoName() {
        TPrintFixture f(OneChannel());
        AddOperatorName(f.doc, "Meier");
        // A damaged file: index 7 with one name in the table, whose unused
        // entries hold text that must not be printed.
        PutText(f.doc.operators, 7 * OperatorNameSize, OperatorNameSize, "Geist");
        for (int m = 0; m < 60; ++m)
            SetOperator(f.doc, m, 7);
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        QVERIFY(!f.FindText("Geist"));
        int ticks = 0;
        for (const TRecording::Line& l : f.Rec().lines)
            ticks += l.from.x() == f.X(301) ? 1 : 0;
        QCOMPARE(ticks, 2); // its tick and the change back to nobody
    }

    void legendValuesOverflowAndEmptyMinute() {
        ChannelDefs c = NoChannels();
        c[0] = PrintChannel("K1", 0, 2);
        c[1] = PrintChannel("K2");
        c[1].maxValue = 50;
        c[3] = PrintChannel("K4");
        c[3].decimals = 6;
        TPrintFixture f(c);
        SetRaw(f.doc, 0, 0, 5);
        SetRaw(f.doc, 0, 1, 60);
        SetRaw(f.doc, 0, 3, 5);
        f.doc.display.channelVisible.fill(0);
        for (int i : {0, 1, 3})
            f.doc.display.channelVisible[i] = 1;
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        const TRecording::Text* k1 = f.FindText("K1: 5 V");
        QVERIFY(k1);
        QCOMPARE(k1->colour, ColourToQColor(TTableColor().Color(2)));
        QCOMPARE(k1->baseline.x(), f.X(0));
        QVERIFY(f.FindText("K2: #O/L V"));
        QCOMPARE(f.FindText("K2: #O/L V")->baseline.x(), f.X(100));
        QCOMPARE(f.FindText("K4: 0.000005 V")->baseline.x(), f.X(200));

        // An empty first minute reads "-", not a measured 0.
        f.Rec().Clear();
        PutU8(f.doc.dayBlocks[0], 0, SlotEmpty);
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        QVERIFY(f.FindText("K1: - V"));
        QVERIFY(f.FindText("K2: - V"));
    }

    void missingMinutesEndTheTraceWithoutALabel() {
        TPrintFixture f(OneChannel());
        Fill(f.doc, 0, 0, 99, [](int) { return 105; });
        Fill(f.doc, 0, 200, 299, [](int) { return 125; });
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        const QList<TRecording::Polyline>& traces = f.Rec().polylines;
        QCOMPARE(traces.size(), 2);
        QCOMPARE(traces[0].points.last(), QPoint(f.X(105), f.Y(99)));
        QCOMPARE(traces[1].points.first(), QPoint(f.X(125), f.Y(200)));
        // No point at the raw 0 of an empty minute; the value where the
        // trace starts again is the only label.
        for (const TRecording::Polyline& t : traces) {
            for (const QPoint& p : t.points)
                QVERIFY(p.x() != f.X(0));
        }
        QVERIFY(f.FindText("125"));
        QVERIFY(!f.FindText("105"));
    }

    void longValueLabelIsPrintedWhole() {
        ChannelDefs c = OneChannel();
        c[0].decimals = 6;
        TPrintFixture f(c);
        Fill(f.doc, 0, 0, 9, [](int) { return 5; });
        Fill(f.doc, 0, 11, 20, [](int) { return 5; });
        QVERIFY(f.Save());
        QCOMPARE(f.prnt->PrintPeriod(f.doc, 0, 1), 1);
        QVERIFY(f.FindText("0.000005"));
    }

    void unreadableMonthFileIsReportedOncePerRunAndPrintsNothing() {
        TPrintFixture f(OneChannel());
        QVERIFY(f.Save());
        QVERIFY(QFile::remove(f.doc.directory + f.doc.fileName));
        PrintDays(*f.prnt, f.doc, 1, 3);
        QCOMPARE(f.messages.Texts(), QStringList{FileOpenError});
        QVERIFY(f.pages->Pages().isEmpty());
        QVERIFY(f.Rec().polylines.isEmpty() && f.Rec().texts.isEmpty());

        // A file cut short within day 2: day 1 prints, days 2 and 3 do not,
        // and the user hears of it once.
        f.messages.Clear();
        QVERIFY(WriteBytes(f.doc.directory + f.doc.fileName,
                           FileImage(f.doc).left(DayBlockOffset(1) + 1000)));
        PrintDays(*f.prnt, f.doc, 1, 3);
        QCOMPARE(f.messages.Texts(), QStringList{FileOpenError});
        QCOMPARE(f.pages->Pages(), QStringList{"ZEDA D2026-03 day 1, printer 1"});
    }

    void monthReportEndDateIsTheLastDayTheRunCovers() {
        // The running month, written up to day 5, 12:00.
        TPrintFixture f(OneChannel(), 4 * Day + 720);
        QVERIFY(f.Save());
        PrintMonth(*f.prnt, f.doc, 3);
        QCOMPARE(f.pages->Pages().size(), 11);
        const QStringList headers = Headers(f.Rec());
        QCOMPARE(headers[0], QString("ZEDA-/-Werk Nord: 2026.03.01 - 2026.03.03"));
        QCOMPARE(headers[1], QString("ZEDA-/-Werk Nord: 2026.03.04 - 2026.03.05"));
        QCOMPARE(headers[2], QString("ZEDA-/-Werk Nord: 2026.03.07 - 2026.03.07"));
        QCOMPARE(headers[10], QString("ZEDA-/-Werk Nord: 2026.03.31 - 2026.03.31"));
    }

    void pagesGoToTheirPrintersInDayOrder() {
        ChannelDefs c = NoChannels();
        c[0] = PrintChannel("K1", 0);
        c[1] = PrintChannel("K2", 1);
        TPrintFixture f(c);
        QVERIFY(f.Save());
        PrintDays(*f.prnt, f.doc, 3, 4);
        QCOMPARE(f.pages->Pages(),
                 QStringList({"ZEDA D2026-03 day 3, printer 1", "ZEDA D2026-03 day 3, printer 2",
                              "ZEDA D2026-03 day 4, printer 1", "ZEDA D2026-03 day 4, printer 2"}));
        // Printer 2 without shown channels prints nothing; first after last
        // prints nothing at all; a day of the overflow days is dated in
        // the next month.
        f.doc.display.channelVisible[1] = 0;
        PrintDays(*f.prnt, f.doc, 5, 3);
        PrintDays(*f.prnt, f.doc, 32, 32);
        QCOMPARE(f.pages->Pages().size(), 5);
        QCOMPARE(f.pages->Pages().last(), QString("ZEDA D2026-03 day 32, printer 1"));
        QCOMPARE(Headers(f.Rec()).last(), QString("ZEDA-/-Werk Nord: 2026.04.01"));
        QVERIFY(f.messages.shown.isEmpty());
    }

    void printerNotInstalledIsReportedForEveryDay() {
        ChannelDefs c = NoChannels();
        c[0] = PrintChannel("K1", 0);
        c[1] = PrintChannel("K2", 1);
        TPrintFixture f(c);
        QVERIFY(f.Save());
        f.prnt->printer1Name = "Gone";
        PrintDays(*f.prnt, f.doc, 3, 5);
        QCOMPARE(f.messages.Texts(), QStringList(3, CannotPrintText));
        // Printer 2 is not tried in a call that failed on printer 1.
        QVERIFY(f.pages->Pages().isEmpty());
    }

    void readParametersTakesTheIniKeys() {
        TPrintFixture f(OneChannel());
        TIniFile ini(f.env.IniPath());
        ini.WriteString(IniSection, "Druckparameter", "0,1,1");
        ini.WriteString(IniSection, "Druck1", "Queue One");
        f.prnt->ReadParameters();
        QCOMPARE(f.prnt->printer1Enabled, 0);
        QCOMPARE(f.prnt->printer2Enabled, 1);
        QCOMPARE(f.prnt->automaticPrint, 1);
        QCOMPARE(f.prnt->SelectPrinter(0), QString("Queue One"));
        QCOMPARE(f.prnt->SelectPrinter(1), QString()); // "Druck2" empty
        // A malformed value leaves the flags as they were.
        ini.WriteString(IniSection, "Druckparameter", "1,1");
        f.prnt->ReadParameters();
        QCOMPARE(f.prnt->printer2Enabled, 1);
        QCOMPARE(f.prnt->printer1Enabled, 0);
    }
};

QTEST_MAIN(TestPrintReport)
#include "tst_printreport.moc"
