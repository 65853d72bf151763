#include "Fviewtestsupport.h"

#include "view/Fexceptionbands.h"
#include "view/Fviewchannel.h"
#include "view/Fwindowplaces.h"

#include <QTest>

// Where Cascade and the value window put windows, and which exception
// periods a diagram shows as bands.
class TestWindowPlaces : public QObject {
    Q_OBJECT

private slots:
    void cascadeKeepsTwoThirdsAndSteps() {
        const QRect area(0, 0, 1200, 900);
        // Two windows: the whole area less one step each.
        QCOMPARE(CascadePlaces(area, 2, 30),
                 QList<QRect>({QRect(0, 0, 1170, 870), QRect(30, 30, 1170, 870)}));
        // Twenty windows: never less than 800 x 600, the steps wrap.
        const QList<QRect> many = CascadePlaces(area, 20, 30);
        QCOMPARE(many.size(), 20);
        for (const QRect& r : many) {
            QCOMPARE(r.size(), QSize(800, 600));
            QVERIFY(area.contains(r));
        }
        QCOMPARE(many[10].topLeft(), QPoint(300, 300));
        QCOMPARE(many[11].topLeft(), QPoint(0, 0));
        QVERIFY(CascadePlaces(area, 0, 30).isEmpty());
        QCOMPARE(CascadePlaces(QRect(10, 20, 300, 300), 1, 30),
                 QList<QRect>{QRect(10, 20, 300, 300)});
    }

    void valueWindowGoesAwayFromTheCursor() {
        const QRect area(100, 200, 1000, 600); // columns 100 .. 1099
        const QSize size(250, 400);
        const QRect left(105, 205, 250, 400);
        const QRect right(845, 205, 250, 400);
        QCOMPARE(ValueWindowPlace(area, size, 900, QRect()), left);
        QCOMPARE(ValueWindowPlace(area, size, 300, QRect()), right);
        // Kept while the cursor stays 40 pixels away, moved when nearer.
        QCOMPARE(ValueWindowPlace(area, size, 395, left), left);
        QCOMPARE(ValueWindowPlace(area, size, 394, left), right);
        QCOMPARE(ValueWindowPlace(area, size, 805, right), left);
        // A plot area narrower than the window: its left edge.
        QCOMPARE(ValueWindowPlace(QRect(0, 0, 200, 300), size, 10, QRect()).left(), 0);
    }

    void bandsAreThePeriodsOfShownChannelsInView() {
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel();
        c[1] = Channel();
        InitDocument(d, c, 3000);
        AddException(d, 100, 199, 0b01, "WART");
        AddException(d, 300, 399, 0b10, "!NB");
        AddException(d, 1000, 1099, 0b01, "AB");
        std::vector<ExceptionBand> bands = ShownExceptionBands(d, 150, 350);
        QCOMPARE(int(bands.size()), 2);
        QCOMPARE(bands[0].from, 100u);
        QCOMPARE(bands[0].to, 199u);
        QCOMPARE(bands[0].code, QByteArray("WART"));
        QVERIFY(!bands[0].noteOnly);
        QCOMPARE(bands[1].code, QByteArray("!NB"));
        QVERIFY(bands[1].noteOnly);
        // A hidden channel's period is not shown.
        d.display.channelVisible[1] = 0;
        bands = ShownExceptionBands(d, 0, 3000);
        QCOMPARE(int(bands.size()), 2);
        QCOMPARE(bands[1].code, QByteArray("AB"));
        QVERIFY(ShownExceptionBands(d, 200, 299).empty());
    }

    void bandLabelIsTheListLineThatBeginsWithTheCode() {
        const std::vector<QByteArray> list = {"KAL Kalibrierung", "WART Wartung"};
        QCOMPARE(ExceptionBandLabel("WART", list), QByteArray("WART Wartung"));
        QCOMPARE(ExceptionBandLabel("ZZZ", list), QByteArray("ZZZ"));
        QCOMPARE(ExceptionBandLabel("", list), QByteArray());
    }
};

QTEST_MAIN(TestWindowPlaces)
#include "tst_windowplaces.moc"
