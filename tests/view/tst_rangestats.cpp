#include "Fviewtestsupport.h"

#include "support/Fscriptedminutes.h"
#include "view/Frangestats.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <cmath>

namespace {

// March 2026, slots 100 .. 109 (01:40 .. 01:49). Channel 1 (decimals 1):
// 10, 20, empty, 30, [40, 999 in an ordinary period], empty, 50, 60 (in a
// note-only period: it counts), empty. Channel 2 (x 2 + 5, no decimals):
// raw 3 in every stored minute; the period does not cover it. Channel 3 is
// in use but hidden, channel 4 shown but not in use.
void Crafted(MonthDocument& d) {
    ChannelDefs c = NoChannels();
    c[0] = Channel(0, 1, "Druck", "bar");
    c[0].decimals = 1;
    c[1] = Channel(0, 2, "Temp", "C");
    c[1].inputMult = 2;
    c[1].offsetValue = 5;
    c[2] = Channel(0, 3, "Hidden", "V");
    InitDocument(d, c, 200);
    const int raw0[10] = {10, 20, -1, 30, 40, 999, -1, 50, 60, -1};
    for (int i = 0; i < 10; ++i) {
        if (raw0[i] < 0)
            continue;
        SetRaw(d, 100 + i, 0, uint16_t(raw0[i]));
        SetRaw(d, 100 + i, 1, 3);
        SetRaw(d, 100 + i, 2, 77);
    }
    AddException(d, 104, 105, 0x0001, "STOP");
    AddException(d, 108, 108, 0x0003, "!NOT");
    d.display.channelVisible.fill(0);
    d.display.channelVisible[0] = 1;
    d.display.channelVisible[1] = 1;
    d.display.channelVisible[3] = 1;
}

} // namespace

class TestRangeStats : public QObject {
    Q_OBJECT

private slots:
    void figuresLeaveOutEmptyAndExceptedMinutes() {
        MonthDocument d;
        Crafted(d);
        QCOMPARE(ReadoutChannels(d), (std::vector<int>{0, 1}));
        const TRangeStats r = RangeStatistics(d, 100, 109, ReadoutChannels(d));
        QCOMPARE(r.minutes, 10);
        QCOMPARE(r.channels.size(), size_t(2));

        const TChannelStats& a = r.channels[0];
        QCOMPARE(a.name, QByteArray("Druck"));
        QCOMPARE(a.counted, 5);
        QCOMPARE(a.withoutData, 5);
        QCOMPARE(a.start, std::optional<uint32_t>(10));
        QVERIFY(!a.end); // an empty minute has no value
        QVERIFY(!a.difference);
        QCOMPARE(a.min, std::optional<uint32_t>(10));
        QCOMPARE(a.max, std::optional<uint32_t>(60)); // 999 lies in the period
        QCOMPARE(*a.mean, 34.0);
        QVERIFY(std::abs(*a.stddev - std::sqrt(344.0)) < 1e-9);

        const TChannelStats& b = r.channels[1];
        QCOMPARE(b.counted, 7);
        QCOMPARE(b.withoutData, 3);
        QCOMPARE(b.min, std::optional<uint32_t>(11)); // 2 x 3 + 5
        QCOMPARE(*b.stddev, 0.0);

        // Marks on stored minutes: their difference; marks given the wrong
        // way round are taken in order.
        const TRangeStats s = RangeStatistics(d, 101, 107, {0});
        QCOMPARE(s.channels[0].difference, std::optional<int64_t>(30));
        const TRangeStats back = RangeStatistics(d, 107, 100, {0});
        QCOMPARE(back.from, uint16_t(100));
        QCOMPARE(back.channels[0].difference, std::optional<int64_t>(40));

        // A range without any data: nothing but the count.
        const TRangeStats none = RangeStatistics(d, 104, 106, {0});
        QCOMPARE(none.channels[0].counted, 0);
        QCOMPARE(none.channels[0].withoutData, 3);
        QVERIFY(!none.channels[0].min && !none.channels[0].mean && !none.channels[0].stddev);

        // Days beyond those stored hold no data, and nothing is read there.
        const TRangeStats beyond = RangeStatistics(d, 33 * 1440 - 2, 65535, {0});
        QCOMPARE(beyond.channels[0].counted, 0);
        QCOMPARE(beyond.channels[0].withoutData, beyond.minutes);
    }

    void tableAndSummaryTexts() {
        MonthDocument d;
        Crafted(d);
        const TRangeStats r = RangeStatistics(d, 100, 109, ReadoutChannels(d));
        const QStringList lines = RangeStatsTable(d, r).split('\n');
        QCOMPARE(lines[0], QString("Start\t2026-03-01 01:40\tEnd\t2026-03-01 01:49\tDuration\t0 h "
                                   "09 min"));
        QCOMPARE(lines[1].split('\t').size(), 12);
        QCOMPARE(lines[2], QString::fromUtf8("1\tDruck\tbar\t1.0\t—\t—\t1.0\t6.0\t3.4\t1.9\t5\t5"));
        QCOMPARE(lines[3], QString::fromUtf8("2\tTemp\tC\t11\t—\t—\t11\t11\t11\t0\t7\t3"));
        QCOMPARE(RangeSummaryText(d, r),
                 QString::fromUtf8("Range 2026.03.01 /  1:40 – 2026.03.01 /  1:49, 0 h 09 min, 5 "
                                   "minutes without data"));
        QCOMPARE(DurationText(2 * 1440 + 3 * 60 + 7), QString("2 d 3 h 07 min"));
        QCOMPARE(ReadoutNumber(-25.0, 1), QString("-2.5"));
    }

    // zedactl prints the same figures, keys in their documented order.
    void zedactlPrintsTheFigures() {
        TViewFixture fx;
        MonthDocument d;
        Crafted(d);
        const QString path = fx.WriteMonth(d);
        QProcess p;
        p.start(QStringLiteral(ZEDACTL_PATH), {"stats", path, "--from", "2026-03-01 01:40", "--to",
                                               "2026-03-01 01:49", "--data-dir", fx.dir.path()});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray out = p.readAllStandardOutput();
        const QJsonObject o = QJsonDocument::fromJson(out).object();
        QCOMPARE(o["from"].toString(), QString("2026-03-01 01:40"));
        QCOMPARE(o["to"].toString(), QString("2026-03-01 01:49"));
        QCOMPARE(o["minutes"].toInt(), 10);
        // Without --channels: the channels in use, the hidden one too.
        const QJsonArray channels = o["channels"].toArray();
        QCOMPARE(channels.size(), 3);
        const QJsonObject a = channels[0].toObject();
        QCOMPARE(a["channel"].toInt(), 1);
        QCOMPARE(a["name"].toString(), QString("Druck"));
        QCOMPARE(a["unit"].toString(), QString("bar"));
        QCOMPARE(a["start"].toDouble(), 1.0);
        QVERIFY(a["end"].isNull());
        QVERIFY(a["difference"].isNull());
        QCOMPARE(a["min"].toDouble(), 1.0);
        QCOMPARE(a["max"].toDouble(), 6.0);
        QCOMPARE(a["mean"].toDouble(), 3.4);
        QCOMPARE(a["stddev"].toDouble(), 1.855);
        QCOMPARE(a["counted"].toInt(), 5);
        QCOMPARE(a["withoutData"].toInt(), 5);
        QCOMPARE(a["beyondLimits"].toInt(), 0);
        QCOMPARE(channels[2].toObject()["min"].toDouble(), 77.0);
        const QStringList order = {
            "\"channel\"",    "\"name\"",        "\"unit\"",        "\"start\"", "\"end\"",
            "\"difference\"", "\"min\"",         "\"max\"",         "\"mean\"",  "\"stddev\"",
            "\"counted\"",    "\"withoutData\"", "\"beyondLimits\""};
        qsizetype at = out.indexOf("\"minutes\"");
        QVERIFY(out.indexOf("\"from\"") < out.indexOf("\"to\"") && out.indexOf("\"to\"") < at);
        for (const QString& key : order) {
            const qsizetype next = out.indexOf(key.toLatin1(), at);
            QVERIFY2(next > at, qPrintable(key));
            at = next;
        }

        // An explicit list, and bad input.
        p.start(QStringLiteral(ZEDACTL_PATH), {"stats", path, "--from", "2026-03-01 01:41", "--to",
                                               "2026-03-01 01:47", "--channels", "2"});
        QVERIFY(p.waitForFinished(60000));
        const QJsonArray only =
            QJsonDocument::fromJson(p.readAllStandardOutput()).object()["channels"].toArray();
        QCOMPARE(only.size(), 1);
        QCOMPARE(only[0].toObject()["difference"].toDouble(), 0.0);
        p.start(QStringLiteral(ZEDACTL_PATH),
                {"stats", path, "--from", "2026-03-01 01:49", "--to", "2026-03-01 01:40"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
    }

    // Each scripted minute alone: where the statistics count it.
    void scriptedMinutes_data() { ScriptedMinuteRows(); }
    void scriptedMinutes() {
        QFETCH(int, index);
        const char stats = ScriptedMinutes[index].stats;
        const MonthDocument d = ScriptedDocument();
        const uint16_t slot = ScriptedSlot(index);
        const TChannelStats c = RangeStatistics(d, slot, slot, {0}).channels[0];
        QCOMPARE(QList<int>({c.counted, c.withoutData, c.beyondLimits}),
                 QList<int>({stats == 'c', stats == 'w', stats == 'b'}));
    }

    // "#U/L" and "#O/L" minutes were counted as data: a mean and a maximum
    // that no measurement gave.
    void statisticsLeaveOutValuesBeyondTheLimits() {
        const MonthDocument d = ScriptedDocument();
        const TChannelStats c =
            RangeStatistics(d, ScriptedSlot(0), ScriptedSlot(ScriptedCount - 1), {0}).channels[0];
        QCOMPARE(QList<int>({c.counted, c.withoutData, c.beyondLimits}), QList<int>({4, 4, 4}));
        // 123.5, 10.5, 200.5 and 50.5; the last minute lies beyond the limits.
        QCOMPARE(c.max, std::optional<uint32_t>(2005));
        QCOMPARE(*c.mean, 962.5);
        QVERIFY(!c.end);

        // zedactl reads the file from disk and says the count.
        TViewFixture fx;
        QProcess p;
        p.start(QStringLiteral(ZEDACTL_PATH), {"stats", fx.WriteMonth(d), "--from",
                                               "2025-12-31 23:55", "--to", "2026-01-01 00:06"});
        QVERIFY(p.waitForFinished(60000));
        const QJsonDocument json = QJsonDocument::fromJson(p.readAllStandardOutput());
        const QJsonObject o = json["channels"][0].toObject();
        QCOMPARE(o["beyondLimits"].toInt(), 4);
        QCOMPARE(o["mean"].toDouble(), 96.25);
    }
};

QTEST_MAIN(TestRangeStats)
#include "tst_rangestats.moc"
