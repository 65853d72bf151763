// The cursor against a broker that withholds acknowledgements: it never
// passes a minute the broker did not acknowledge, whatever came after it.

#include "Fpublishtestsupport.h"
#include "support/Cwithholdingbroker.h"

#include <QSignalSpy>
#include <QTest>

class TestPublishAcks : public QObject {
    Q_OBJECT

private slots:
    void init() { qputenv("TZ", "Europe/Berlin"); }

    void cursorNeverPassesAnUnacknowledgedMinute_data() {
        QTest::addColumn<int>("withheld");
        QTest::newRow("first") << 0;
        QTest::newRow("sixth") << 5;
        QTest::newRow("last of the window") << 19;
    }

    void cursorNeverPassesAnUnacknowledgedMinute() {
        QFETCH(int, withheld);
        TFilesFixture fx;
        const WallMinute first = Wall(2026, 3, 31, 23, 50); // across the month's end
        QVERIFY(FillMinutes(fx, first, 60));
        // Every message gets its PUBACK but one minute's.
        TWithholdingBroker broker([withheld](const QByteArray& topic, int n) {
            return topic != "test/a/minute" || n != withheld;
        });
        const int window = 20;
        TPublisher::Options options = QuickOptions(window);
        options.closeWaitMs = 500;
        TPublisher publisher(fx.dir.path(), BrokerSettings(broker.Port()), "", options);
        QList<qint64> cursors;
        connect(&publisher, &TPublisher::progressed, this,
                [&](qint64 cursor) { cursors << cursor; });
        QSignalSpy caughtUp(&publisher, &TPublisher::caughtUp);
        publisher.StartFrom(first);
        // The window fills up behind the withheld minute and stays full.
        QTRY_COMPARE(broker.Payloads("test/a/minute").size(), withheld + window);
        const WallMinute before = first + withheld - 1;
        QTRY_COMPARE(publisher.Status().acknowledged, withheld == 0 ? first - 1 : before);
        QCOMPARE(caughtUp.count(), 0);
        for (const qint64 c : cursors)
            QVERIFY2(c <= before, qPrintable(Text(c)));
        QCOMPARE(MinuteOf(broker.Payloads("test/a/minute")[withheld]), Text(first + withheld));
        publisher.Stop();
        TPublishState state(fx.dir.path());
        WallMinute cursor = NoMinute;
        QCOMPARE(state.ReadCursor(cursor), TPublishState::Read);
        QCOMPARE(cursor, withheld == 0 ? first - 1 : before);
    }
};

QTEST_GUILESS_MAIN(TestPublishAcks)
#include "tst_publishacks.moc"
