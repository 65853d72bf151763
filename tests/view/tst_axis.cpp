#include "Crecordingdevice.h"

#include "config/Ffont.h"
#include "files/Cmonthdocument.h"
#include "view/Caxis.h"
#include "view/Cpaintarea.h"
#include "view/Cscale.h"
#include "view/Fdraw.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTest>

namespace {

struct Label {
    QString text;
    int x;
    int top;
    int points;
};

// The labels a paint wrote, with the top of their line as the platform's
// text output places it.
QList<Label> Labels(const TRecording& r, const QPaintDevice& dev) {
    QList<Label> out;
    for (const TRecording::Text& t : r.texts) {
        const QFontMetrics fm(t.font, &dev);
        out.append({t.text, t.baseline.x(), t.baseline.y() - fm.ascent(), t.font.pointSize()});
    }
    return out;
}

} // namespace

class TestAxis : public QObject {
    Q_OBJECT

    MonthDocument doc;
    TScale scale{&doc};

    QList<Label> DrawTime(int factor, int first, int count, int days, TRecording* rec = nullptr) {
        scale.SetTimeZoom(factor);
        TFixedArea strip(2000, 30);
        TAxisX axis(&strip, &scale);
        TRecordingDevice dev(2000, 30);
        QPainter p(&dev);
        p.setFont(NamedFont("MS Sans Serif", 8));
        const QBrush brush = p.brush();
        axis.Draw(p, first, count, days);
        // Font and brush come back as they were.
        [&] {
            QCOMPARE(p.font().pointSize(), 8);
            QCOMPARE(p.brush(), brush);
        }();
        p.end();
        if (rec)
            *rec = dev.Recording();
        return Labels(dev.Recording(), dev);
    }

    QList<Label> DrawValue(int factor, int bottom, int span, int height) {
        scale.SetValueZoom(factor);
        TFixedArea strip(20, height);
        TAxisY axis(&strip, &scale);
        TRecordingDevice dev(20, height);
        QPainter p(&dev);
        p.setFont(NamedFont("MS Sans Serif", 8));
        axis.Draw(p, bottom, span);
        [&] { QCOMPARE(p.font().pointSize(), 8); }();
        p.end();
        return Labels(dev.Recording(), dev);
    }

private slots:
    void stripIsCreamAndOpaque() {
        TRecording rec;
        DrawTime(1, 0, 100, 31, &rec);
        QCOMPARE(rec.fills.size(), 1);
        QCOMPARE(rec.fills[0].rect, QRect(0, 0, 2000, 30));
        QCOMPARE(rec.fills[0].colour, QColor(255, 251, 240));
        TFixedArea strip(10, 10);
        TAxisY axis(&strip, &scale);
        QVERIFY(strip.opaque);
    }

    void hoursAtOneToOne() {
        const QList<Label> l = DrawTime(1, 0, 1500, 31);
        QCOMPARE(l.size(), 25);
        QCOMPARE(l[0].text, QString("1."));
        QCOMPARE(l[0].points, 14);
        for (int h = 1; h <= 23; ++h) {
            QCOMPARE(l[h].text, QString::number(h));
            QCOMPARE(l[h].points, 12);
            QCOMPARE(l[h].x, 15 + 60 * h);
        }
        QCOMPARE(l[24].text, QString("2."));
        QCOMPARE(l[24].points, 14);
        QCOMPARE(l[24].x, 15 + 1440);
        for (const Label& x : l)
            QCOMPARE(x.top, 10);
    }

    void fiveMinutesAtTenToOne() {
        const QList<Label> l = DrawTime(10, 0, 70, 31);
        QStringList texts;
        for (const Label& x : l)
            texts << x.text;
        QCOMPARE(texts, QStringList({"1.", "5", "10", "15", "20", "25", "30", "35", "40", "45",
                                     "50", "55", "1", "5"}));
        QCOMPARE(l[0].points, 14);
        QCOMPARE(l[1].points, 10);
        QCOMPARE(l[11].points, 10);
        QCOMPARE(l[12].points, 12);
        QCOMPARE(l[12].x, 15 + 600);
        QCOMPARE(l[1].x, 65);
    }

    void quartersAtTwoToOne() {
        const QList<Label> l = DrawTime(2, 1380, 120, 31);
        QStringList texts;
        for (const Label& x : l)
            texts << x.text;
        QCOMPARE(texts, QStringList({"23", "15", "30", "45", "2.", "15", "30", "45"}));
        QCOMPARE(l[4].points, 14);
        QCOMPARE(l[4].x, 15 + 120);
    }

    void onlyDaysWhenCompressed_data() {
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("dx");
        QTest::newRow("1:3") << -3 << 480;
        QTest::newRow("1:4") << -4 << 360;
        QTest::newRow("1:5") << -5 << 288;
        QTest::newRow("1:10") << -10 << 144;
        QTest::newRow("1:20") << -20 << 72;
    }
    void onlyDaysWhenCompressed() {
        QFETCH(int, factor);
        QFETCH(int, dx);
        const QList<Label> l = DrawTime(factor, 0, 33 * 1440, 31);
        QCOMPARE(l.size(), 33);
        for (int i = 0; i < 33; ++i) {
            QCOMPARE(l[i].points, 14);
            QCOMPARE(l[i].x, 15 + dx * i);
        }
        QCOMPARE(l[30].text, QString("31."));
        // The overflow days of the next month read 1. and 2.
        QCOMPARE(l[31].text, QString("1."));
        QCOMPARE(l[32].text, QString("2."));
    }

    void rangeInsideAnHourStartsAtTheNextHour() {
        const QList<Label> l = DrawTime(1, 90, 200, 31);
        QCOMPARE(l[0].text, QString("2"));
        QCOMPARE(l[0].x, 15 + 30);
        QCOMPARE(l[0].points, 12);
    }

    void rangeOnSecondOverflowDay() {
        const QList<Label> l = DrawTime(-3, 32 * 1440, 1440, 31);
        QCOMPARE(l.size(), 1);
        QCOMPARE(l[0].text, QString("2."));
        QCOMPARE(l[0].x, 15);
        // Starting inside the last day of a 28-day month.
        const QList<Label> m = DrawTime(-3, 27 * 1440 + 5, 2 * 1440, 28);
        QCOMPARE(m.size(), 2);
        QCOMPARE(m[0].text, QString("1."));
        QCOMPARE(m[1].text, QString("2."));
    }

    void noLevelLeavesJustCream() {
        scale.SetTimeZoom(-20);
        doc.display.timeZoomUnits = 10;
        scale.ComputeTimeSteps();
        QCOMPARE(scale.timeStep, 1440);
        TFixedArea strip(500, 30);
        TAxisX axis(&strip, &scale);
        TRecordingDevice dev(500, 30);
        QPainter p(&dev);
        axis.Draw(p, 0, 44640, 31);
        p.end();
        QCOMPARE(dev.Recording().texts.size(), 0);
        QCOMPARE(dev.Recording().fills.size(), 1);
    }

    // A window taller than the band: the bottom is slightly negative and the
    // first label is 1.
    void valueLabelsFromNegativeBottom() {
        const QList<Label> l = DrawValue(1, -16, 316, 540);
        QCOMPARE(l.size(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(l[i].text, QString::number(i + 1));
            QCOMPARE(l[i].x, 5);
            QCOMPARE(l[i].top, 540 - 74 - 50 * i);
            QCOMPARE(l[i].points, 10);
        }
    }

    void valueLabelsFromZero() {
        const QList<Label> l = DrawValue(1, 0, 300, 300);
        QCOMPARE(l.size(), 7);
        QCOMPARE(l[0].text, QString("0"));
        QCOMPARE(l[0].top, 300 - 8);
        QCOMPARE(l[6].text, QString("6"));
        QCOMPARE(l[6].top, 300 - 308);
    }

    void valueLabelsMagnified() {
        // Size 2:1 scrolled up by 100 pixels: values 50 .. 300 are in view.
        const QList<Label> l = DrawValue(2, 40, 260, 520);
        QCOMPARE(l.size(), 6);
        QCOMPARE(l[0].text, QString("1"));
        QCOMPARE(l[0].top, 520 - (10 * 2 + 8));
        QCOMPARE(l[1].top, 520 - (10 * 2 + 8) - 100);
    }
};

QTEST_MAIN(TestAxis)
#include "tst_axis.moc"
