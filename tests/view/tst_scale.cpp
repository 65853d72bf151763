#include "files/Cmonthdocument.h"
#include "view/Cscale.h"

#include <QTest>

class TestScale : public QObject {
    Q_OBJECT

private slots:
    void timeRatios_data() {
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<uint>("units");
        QTest::addColumn<QString>("levels"); // day, hour, quarter, five
        QTest::addColumn<int>("step");
        QTest::newRow("1:20") << -20 << 60000 << 3000 << 150u << "1000" << 1440;
        QTest::newRow("1:10") << -10 << 30000 << 3000 << 300u << "1000" << 1440;
        QTest::newRow("1:5") << -5 << 15000 << 3000 << 600u << "1000" << 1440;
        QTest::newRow("1:4") << -4 << 12000 << 3000 << 750u << "1000" << 1440;
        QTest::newRow("1:3") << -3 << 9000 << 3000 << 1000u << "1000" << 1440;
        QTest::newRow("1:2") << -2 << 6000 << 3000 << 1500u << "1100" << 60;
        QTest::newRow("1:1") << 1 << 3000 << 3000 << 3000u << "1100" << 60;
        QTest::newRow("2:1") << 2 << 3000 << 6000 << 6000u << "1110" << 15;
        QTest::newRow("3:1") << 3 << 3000 << 9000 << 9000u << "1110" << 15;
        QTest::newRow("4:1") << 4 << 3000 << 12000 << 12000u << "1110" << 15;
        QTest::newRow("5:1 no five-minute lines at 25 px")
            << 5 << 3000 << 15000 << 15000u << "1110" << 15;
        QTest::newRow("10:1") << 10 << 3000 << 30000 << 30000u << "1111" << 5;
        QTest::newRow("0 acts as 1") << 0 << 3000 << 3000 << 3000u << "1100" << 60;
    }
    void timeRatios() {
        QFETCH(int, factor);
        QFETCH(int, minutes);
        QFETCH(int, pixels);
        QFETCH(uint, units);
        QFETCH(QString, levels);
        QFETCH(int, step);
        MonthDocument d;
        TScale s(&d);
        s.SetTimeZoom(factor);
        QCOMPARE(s.timeMinutes, minutes);
        QCOMPARE(s.timePixels, pixels);
        QCOMPARE(d.display.timeZoomUnits, units);
        const QString got = QString("%1%2%3%4")
                                .arg(s.dayLines)
                                .arg(s.hourLines)
                                .arg(s.quarterLines)
                                .arg(s.fiveMinuteLines);
        QCOMPARE(got, levels);
        const QString doc = QString("%1%2%3%4")
                                .arg(d.display.showDayLines)
                                .arg(d.display.showHourLines)
                                .arg(d.display.showQuarterLines)
                                .arg(d.display.showFiveMinuteLines);
        QCOMPARE(doc, levels);
        QCOMPARE(s.timeStep, step);
        QCOMPARE(s.TimeZoomFactor(), factor == 0 ? 1 : factor);
    }

    void valueRatios_data() {
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<int>("lineStep");
        QTest::newRow("1") << 1 << 3000 << 33;
        QTest::newRow("2") << 2 << 6000 << 16;
        QTest::newRow("5") << 5 << 15000 << 6;
        QTest::newRow("10") << 10 << 30000 << 3;
        QTest::newRow("20") << 20 << 60000 << 1;
    }
    void valueRatios() {
        QFETCH(int, factor);
        QFETCH(int, pixels);
        QFETCH(int, lineStep);
        MonthDocument d;
        TScale s(&d);
        s.SetValueZoom(factor);
        s.SetExtent(0, 300);
        QCOMPARE(s.valueUnits, 3000);
        QCOMPARE(s.valuePixels, pixels);
        QCOMPARE(d.display.valueZoomUnits, 3000 * factor);
        QCOMPARE(s.valueStep, 50u);
        QCOMPARE(s.pixelHeight, 300 * factor);
        QCOMPARE(100000 / s.valuePixels, lineStep);
        QCOMPARE(s.ValueZoomFactor(), factor);
    }

    void fitHeightMakesTheBandTheWindowsHeight() {
        MonthDocument d;
        TScale s(&d);
        s.SetExtent(0, 300);
        s.SetValueZoom(2);
        s.SetFitHeight(600);
        QCOMPARE(s.ValueZoomFactor(), 2);
        QCOMPARE(s.pixelHeight, 1200);
        QCOMPARE(s.ValuesToPixels(150), 600);
        QCOMPARE(s.PixelsToValues(600), 150);
        QCOMPARE(d.display.valueZoomUnits, 12000); // 4 pixels a unit
        s.SetValueZoom(1);
        QCOMPARE(s.pixelHeight, 600);
        // No window: one pixel a unit again.
        s.SetFitHeight(0);
        QCOMPARE(s.pixelHeight, 300);
        QCOMPARE(d.display.valueZoomUnits, 3000);
    }

    // Factors only a hand-edited INI file holds are brought into the menu's
    // range, so a full month never leaves 32 bits.
    void outOfRangeFactorsAreClamped_data() {
        QTest::addColumn<bool>("time");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("expected");
        QTest::newRow("time 11") << true << 11 << 10;
        QTest::newRow("time 100000") << true << 100000 << 10;
        QTest::newRow("time -21") << true << -21 << -20;
        QTest::newRow("time minimum int") << true << INT_MIN << -20;
        QTest::newRow("time -1 acts as 1") << true << -1 << 1;
        QTest::newRow("size 0") << false << 0 << 1;
        QTest::newRow("size -4") << false << -4 << 1;
        QTest::newRow("size 7 kept") << false << 7 << 7;
        QTest::newRow("size 21") << false << 21 << 20;
    }
    void outOfRangeFactorsAreClamped() {
        QFETCH(bool, time);
        QFETCH(int, factor);
        QFETCH(int, expected);
        MonthDocument d;
        TScale s(&d);
        s.SetTimeZoom(1);
        s.SetValueZoom(1);
        if (time) {
            s.SetTimeZoom(factor);
            s.SetExtent(47520, 300);
            QCOMPARE(s.TimeZoomFactor(), expected);
            QVERIFY(s.pixelWidth > 0);
            QVERIFY(s.PixelToMinute(s.pixelWidth) <= 47520);
        } else {
            s.SetValueZoom(factor);
            QCOMPARE(s.ValueZoomFactor(), expected);
        }
    }

    void fullMonthWidths() {
        MonthDocument d;
        TScale s(&d);
        s.SetExtent(47520, 300);
        s.SetTimeZoom(10);
        QCOMPARE(s.pixelWidth, 475200);
        QCOMPARE(100000 / s.timePixels, 3);
        s.SetTimeZoom(-20);
        QCOMPARE(s.pixelWidth, 2376);
        s.SetTimeZoom(1);
        QCOMPARE(s.pixelWidth, 47520);
        QCOMPARE(100000 / s.timePixels, 33);
    }

    void pixelToMinuteTruncates() {
        MonthDocument d;
        TScale s(&d);
        s.SetTimeZoom(-20);
        QCOMPARE(s.PixelToMinute(1), 20);
        QCOMPARE(s.PixelToMinute(0), 0);
        s.SetTimeZoom(10);
        for (int px = 0; px < 10; ++px)
            QCOMPARE(s.PixelToMinute(px), 0);
        QCOMPARE(s.PixelToMinute(10), 1);
        QCOMPARE(s.PixelToMinute(475199), 47519);
    }

    void newScaleIsZero() {
        MonthDocument d;
        TScale s(&d);
        QCOMPARE(s.pixelWidth, 0);
        QCOMPARE(s.timeStep, 0);
        QCOMPARE(s.PixelToMinute(100), 0);
        QCOMPARE(s.TimeZoomFactor(), 1);
    }
};

QTEST_GUILESS_MAIN(TestScale)
#include "tst_scale.moc"
