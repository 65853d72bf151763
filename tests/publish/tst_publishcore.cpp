// The parts of publishing that need no broker: the message of a minute, the
// time with its offset, the minutes of the month files, the settings and
// the cursor file.

#include "config/Cinifile.h"
#include "files/Cfileact.h"
#include "files/Ffiletestsupport.h"
#include "Fpublishtestsupport.h"
#include "files/Fexceptionstate.h"
#include "files/Fexceptions.h"
#include "publish/Cminuteruns.h"
#include "publish/Cminutewalker.h"
#include "publish/Cpublishstate.h"
#include "publish/Fminutes.h"
#include "publish/Fpayload.h"
#include "publish/Fpublishsettings.h"
#include "support/Fscriptedminutes.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

ChannelDef Channel(const QByteArray& name, const QByteArray& unit, uint16_t mult,
                   uint8_t decimals, uint32_t min, uint32_t max) {
    ChannelDef c;
    c.active = 1;
    c.name = name;
    c.dimension = unit;
    c.inputMult = mult;
    c.decimals = decimals;
    c.minValue = min;
    c.maxValue = max;
    return c;
}

// Channels 1, 3 to 7 in use: a plain value, one above and one below its
// limits, one in an ordinary and one in a note-only exception period, a zero.
PublishedMinute SampleMinute() {
    PublishedMinute m;
    m.time = {2026, 7, 1, 12, 30, 0};
    m.utcOffset = 7200;
    m.location = "Werk \xC4 Nord";
    m.hasOperator = true;
    m.operatorName = "Anna";
    m.stored = true;
    m.channels[0] = Channel("Temp", "\xB0" "C", 1, 1, 0, 5000);
    m.channels[1] = Channel("Unused", "x", 1, 0, 0, 100);
    m.channels[1].active = 0;
    m.channels[2] = Channel("Druck", "bar", 10, 2, 0, 5000);
    m.channels[3] = Channel("Fluss", "l/s", 1, 0, 100, 900);
    m.channels[4] = Channel("Pegel", "m", 1, 2, 0, 10000);
    m.channels[5] = Channel("Z\xE4hler", "", 1, 0, 0, 100);
    m.channels[6] = Channel("Null", "V", 1, 2, 0, 100);
    m.raw = {214, 1, 520, 50, 1234, 7, 0};
    m.exception[4] = ExceptionOrdinary;
    m.exception[5] = ExceptionNoteOnly;
    return m;
}

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

QStringList MinuteTexts(const std::vector<PublishedMinute>& minutes, size_t count) {
    QStringList texts;
    for (size_t i = 0; i < count && i < minutes.size(); ++i)
        texts << QString::fromLatin1(MinuteText(minutes[i].time)) +
                     (minutes[i].stored ? "" : " -");
    return texts;
}

// Writes a stored slot with fourteen equal raw values straight into a file.
bool PutSlot(const QString& path, uint32_t slot, uint16_t value) {
    std::array<uint16_t, 14> v;
    v.fill(value);
    QFile f(path);
    const QByteArray s = BuildSlot(NoOperator, v);
    return f.open(QIODevice::ReadWrite) && f.seek(SlotOffset(slot)) && f.write(s) == s.size();
}

} // namespace

class TestPublishCore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The offsets below are those of this zone.
        qputenv("TZ", "Europe/Berlin");
    }

    void payloadOfAStoredMinute() {
        QCOMPARE(MinutePayload(SampleMinute()),
                 QByteArray("{\"minute\":\"2026-07-01 12:30\","
                            "\"time\":\"2026-07-01T12:30:00+02:00\","
                            "\"location\":\"Werk \xC3\x84 Nord\",\"operator\":\"Anna\","
                            "\"channels\":["
                            "{\"channel\":1,\"name\":\"Temp\",\"unit\":\"\xC2\xB0" "C\","
                            "\"value\":21.4,\"text\":\"21.4\"},"
                            "{\"channel\":3,\"name\":\"Druck\",\"unit\":\"bar\","
                            "\"value\":null,\"text\":\"#O/L\"},"
                            "{\"channel\":4,\"name\":\"Fluss\",\"unit\":\"l/s\","
                            "\"value\":null,\"text\":\"#U/L\"},"
                            "{\"channel\":5,\"name\":\"Pegel\",\"unit\":\"m\","
                            "\"value\":null,\"text\":\"12.34\"},"
                            "{\"channel\":6,\"name\":\"Z\xC3\xA4hler\",\"unit\":\"\","
                            "\"value\":7,\"text\":\"7\"},"
                            "{\"channel\":7,\"name\":\"Null\",\"unit\":\"V\","
                            "\"value\":0,\"text\":\"0.00\"}]}"));
    }

    void payloadOfAMinuteWithoutData() {
        PublishedMinute m = SampleMinute();
        m.stored = false;
        m.hasOperator = false;
        m.time = {2026, 1, 31, 23, 59, 0};
        m.utcOffset = 3600;
        for (int ch = 3; ch < 14; ++ch)
            m.channels[ch].active = 0;
        QCOMPARE(MinutePayload(m),
                 QByteArray("{\"minute\":\"2026-01-31 23:59\","
                            "\"time\":\"2026-01-31T23:59:00+01:00\","
                            "\"location\":\"Werk \xC3\x84 Nord\",\"operator\":null,"
                            "\"channels\":["
                            "{\"channel\":1,\"name\":\"Temp\",\"unit\":\"\xC2\xB0" "C\","
                            "\"value\":null,\"text\":\"\xE2\x80\x94\"},"
                            "{\"channel\":3,\"name\":\"Druck\",\"unit\":\"bar\","
                            "\"value\":null,\"text\":\"\xE2\x80\x94\"}]}"));
    }

    void jsonStringsEscapeQuotesBackslashesAndControls() {
        QCOMPARE(JsonString(QString::fromUtf8("a\"b\\c\x01\n\xE2\x82\xAC")),
                 QByteArray("\"a\\\"b\\\\c\\u0001\\u000a\xE2\x82\xAC\""));
    }
    // The published value and text of each scripted minute.
    void scriptedMinutesInThePayload_data() { ScriptedMinuteRows(); }
    void scriptedMinutesInThePayload() {
        QFETCH(int, index);
        const TScriptedMinute& s = ScriptedMinutes[index];
        PublishedMinute m;
        m.time = {2026, 1, 1, 0, 0, 0};
        m.stored = s.stored;
        m.channels[0] = ScriptedChannel();
        m.raw[0] = s.raw;
        m.exception[0] = s.period == 'o'   ? ExceptionOrdinary
                         : s.period == 'n' ? ExceptionNoteOnly
                                           : ExceptionNone;
        const QByteArray payload = MinutePayload(m);
        const QByteArray text =
            QString::fromLatin1(s.screen).replace(QChar(0x97), QChar(0x2014)).toUtf8();
        QVERIFY2(payload.endsWith(",\"value\":" + QByteArray(s.payload) + ",\"text\":\"" + text +
                                  "\"}]}"),
                 payload.constData());
    }


    void offsetFollowsTheComputersZone() {
        QCOMPARE(UtcOffsetOfLocal({2026, 1, 15, 12, 0, 0}), 3600);
        QCOMPARE(UtcOffsetOfLocal({2026, 7, 1, 12, 0, 0}), 7200);
        QCOMPARE(UtcOffsetOfLocal({2026, 3, 29, 1, 59, 0}), 3600);
        QCOMPARE(UtcOffsetOfLocal({2026, 3, 29, 3, 0, 0}), 7200);
        // The hour summer time skips keeps the offset before it; the hour
        // its end repeats has the summer-time offset.
        QCOMPARE(UtcOffsetOfLocal({2026, 3, 29, 2, 30, 0}), 3600);
        QCOMPARE(UtcOffsetOfLocal({2026, 10, 25, 1, 59, 0}), 7200);
        QCOMPARE(UtcOffsetOfLocal({2026, 10, 25, 2, 30, 0}), 7200);
        QCOMPARE(UtcOffsetOfLocal({2026, 10, 25, 3, 0, 0}), 3600);
    }

    void isoTimeWritesTheOffsetWithItsSign() {
        QCOMPARE(IsoTime({2026, 3, 1, 0, 0, 0}, 3600), QByteArray("2026-03-01T00:00:00+01:00"));
        QCOMPARE(IsoTime({2026, 3, 1, 9, 5, 0}, -5 * 3600),
                 QByteArray("2026-03-01T09:05:00-05:00"));
        QCOMPARE(IsoTime({2026, 3, 1, 9, 5, 0}, 5 * 3600 + 1800),
                 QByteArray("2026-03-01T09:05:00+05:30"));
    }

    void wallMinutesCountFrom1980() {
        QCOMPARE(Wall(1980, 1, 1, 0, 0), WallMinute(0));
        QCOMPARE(Wall(1980, 3, 1, 0, 0), WallMinute(86400));
        QCOMPARE(Wall(2026, 1, 1, 0, 0), WallMinute(24194880));
        QCOMPARE(Wall(2026, 3, 1, 0, 0), WallMinute(24279840));
        QCOMPARE(MonthStart(46, 3), WallMinute(24279840));
        // The calendar counts 2100 as a leap year, as its month files do.
        QCOMPARE(Wall(2100, 3, 1, 0, 0), WallMinute(63201600));
        const LocalTime t = FromWallMinute(24320279);
        QCOMPARE(MinuteText(t), QByteArray("2026-03-29 01:59"));
        uint8_t y = 0;
        uint8_t m = 0;
        MonthOf(24279839, y, m);
        QCOMPARE(int(y), 46);
        QCOMPARE(int(m), 2);
    }

    void minuteTextsParseOnlyRealMinutes() {
        LocalTime t;
        QVERIFY(ParseMinuteText("2024-02-29 23:59", t));
        QCOMPARE(MinuteText(t), QByteArray("2024-02-29 23:59"));
        QVERIFY(!ParseMinuteText("2026-02-29 00:00", t));
        QVERIFY(!ParseMinuteText("2026-3-01 00:00", t));
        QVERIFY(!ParseMinuteText("2026-03-01 24:00", t));
        QVERIFY(!ParseMinuteText("2026-03-01T00:00", t));
    }

    void settingsDefaultToThePlainOrTlsPortAndTheLocationsTopic() {
        QTemporaryDir dir;
        TIniFile ini(dir.filePath("zeda.ini"));
        PublishSettings s = ReadPublishSettings(ini);
        QCOMPARE(s, PublishSettings());
        QCOMPARE(EffectivePort(s), 1883);
        s.caFile = "/etc/ca.pem";
        QCOMPARE(EffectivePort(s), 8883);
        QVERIFY(Write(ini.Path(), "[MQTT]\nPort=70000\n"));
        QCOMPARE(ReadPublishSettings(ini).port, InvalidPort);
        QCOMPARE(DefaultBaseTopic("Werk Nord/S\xFC" "d"), QString("zeda/Werk_Nord_S_d"));
        QCOMPARE(DefaultBaseTopic(""), QString("zeda"));
        s.topic = " plant/line-1/ ";
        QCOMPARE(BaseTopic(s, "Werk"), QString("plant/line-1"));
        QVERIFY(!IsPublishTopic("plant/+/x"));
        QVERIFY(!IsPublishTopic("plant/#"));
    }

    void settingsGoIntoTheirOwnSectionWithTheScrambledPassword() {
        QTemporaryDir dir;
        TIniFile ini(dir.filePath("zeda.ini"));
        const QByteArray before = "[ZEDA]\r\nBetriebsort=Werk\r\nKennwortAdmin=1234\r\n";
        QVERIFY(Write(ini.Path(), before));
        PublishSettings s;
        s.enabled = true;
        s.host = "broker.example";
        s.clientId = "zeda-1";
        s.user = "anna";
        s.password = "geheim";
        QVERIFY(WritePublishSettings(ini, s));
        QCOMPARE(Read(ini.Path()),
                 before + "[MQTT]\r\nEnabled=1\r\nHost=broker.example\r\nPort=\r\nTopic=\r\n"
                          "ClientId=zeda-1\r\nUser=anna\r\nPassword=5f545c57515c\r\nCAFile=\r\n");
        QCOMPARE(ReadPublishSettings(ini), s);
        QCOMPARE(InstallationLocation(ini), QByteArray("Werk"));
        QCOMPARE(QFile(ini.Path()).permissions(),
                 QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                     QFileDevice::WriteUser);
    }

    void cursorFileHoldsTheMinuteAndIsReplacedWhole() {
        QTemporaryDir dir;
        TPublishState state(dir.path());
        WallMinute cursor = 0;
        QCOMPARE(state.ReadCursor(cursor), TPublishState::Missing);
        QVERIFY(state.WriteCursor(Wall(2026, 3, 1, 0, 0)));
        QCOMPARE(Read(state.Path()), QByteArray("cursor=2026-03-01 00:00\npublished=\n"));
        QCOMPARE(state.ReadCursor(cursor), TPublishState::Read);
        QCOMPARE(cursor, Wall(2026, 3, 1, 0, 0));
        QVERIFY(state.WriteCursor(NoMinute));
        QCOMPARE(state.ReadCursor(cursor), TPublishState::Read);
        QCOMPARE(cursor, NoMinute);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"publish.state"});
    }

    void garbledCursorFileIsUnreadableNotMissing() {
        QTemporaryDir dir;
        TPublishState state(dir.path());
        WallMinute cursor = 0;
        QVERIFY(Write(state.Path(), "cursor=2026-13-01 00:00\n"));
        QCOMPARE(state.ReadCursor(cursor), TPublishState::Unreadable);
        QVERIFY(Write(state.Path(), "hello\n"));
        QCOMPARE(state.ReadCursor(cursor), TPublishState::Unreadable);
    }

    void secondPublisherOfADirectoryIsRefusedNamingTheHolder() {
        QTemporaryDir dir;
        TPublishState first(dir.path());
        TPublishState second(dir.path());
        QVERIFY(first.Lock("zeda"));
        QVERIFY(!second.Lock("zedactl"));
        QCOMPARE(second.RefusalText(),
                 QString("Error - Publishing from %1 is already done by zeda (process %2)!")
                     .arg(dir.path())
                     .arg(::getpid()));
    }

    void topicWithAControlCharacterIsRefused_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("fault");
        const QString control = "Error - The MQTT setting %1 holds a control character!";
        QTest::newRow("topic control") << QByteArray("Topic=plant/\x01x") << control.arg("Topic");
        QTest::newRow("topic 0x81") << QByteArray("Topic=plant/\x81") << control.arg("Topic");
        QTest::newRow("topic long") << "Topic=" + QByteArray(70000, 'a')
                                    << QString("Error - The MQTT setting Topic is longer than "
                                               "65535 bytes!");
        QTest::newRow("topic wildcard")
            << QByteArray("Topic=plant/+")
            << QString("Error - A topic to publish to cannot hold \"+\" or \"#\"!");
        QTest::newRow("user 0x9D") << QByteArray("User=an\x9Dna") << control.arg("User");
        QTest::newRow("client id") << QByteArray("ClientId=a\x01") << control.arg("ClientId");
        QTest::newRow("host tab") << QByteArray("Host=broker\t2") << control.arg("Host");
        for (const char* port : {"abc", "99999", "-1", "+5"})
            QTest::newRow(port) << "Port=" + QByteArray(port)
                                << QString("Error - The MQTT setting Port is not a number from "
                                           "1 to 65535!");
        QTest::newRow("port") << QByteArray("Port= 8884 ") << QString();
        QTest::newRow("password alone")
            << QByteArray("Password=5f545c57515c")
            << QString("Error - The MQTT setting Password is set without a User!");
    }

    void topicWithAControlCharacterIsRefused() {
        QFETCH(QByteArray, section);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        TIniFile ini(dir.filePath("zeda.ini"));
        // The first of two equal keys counts: the row's own comes first.
        QVERIFY(Write(ini.Path(), "[MQTT]\n" + section + "\nHost=broker\n"));
        QCOMPARE(PublishSettingsFault(ReadPublishSettings(ini), "Werk"), fault);
    }

    void textOutsideWindows1252IsRefusedInEverySetting() {
        PublishSettings s;
        s.host = "broker";
        s.user = QString::fromUtf8("Пётр");
        QCOMPARE(PublishSettingsFault(s, "Werk"),
                 QString("Error - The MQTT setting User holds a character outside Windows-1252!"));
        s.user = QString::fromUtf8("J\xC3\xBCrgen \xE2\x82\xAC"); // ü and the euro sign fit
        QCOMPARE(PublishSettingsFault(s, "Werk"), QString());
    }

    void minuteRunsKeepConsecutiveMinutesAsOneRun() {
        TMinuteRuns runs;
        const WallMinute a = Wall(2026, 3, 31, 23, 58);
        for (const WallMinute m : {a + 2, a, a + 5, a + 1, a + 4, a + 4})
            runs.Add(m);
        QCOMPARE(runs.Text(), QByteArray("2026-03-31 23:58/2026-04-01 00:00,"
                                         "2026-04-01 00:02/2026-04-01 00:03"));
        QVERIFY(runs.Contains(a + 1) && !runs.Contains(a + 3) && !runs.Contains(a + 6));
        runs.Add(a + 3);
        QCOMPARE(runs.RunCount(), 1);
        runs.ForgetAfter(a + 1);
        runs.ForgetBefore(a + 1);
        QCOMPARE(runs.Text(), QByteArray("2026-03-31 23:59"));
        TMinuteRuns parsed;
        for (const QByteArray& bad : {QByteArray("2026-04-01 00:02/2026-04-01 00:01"),
                                     QByteArray("2026-04-01 00:01,2026-04-01 00:02")})
            QVERIFY2(!parsed.Parse(bad), bad.constData());
    }

    void cursorFileOfAnOlderVersionIsReadWithoutTheSentMinutes() {
        QTemporaryDir dir;
        TPublishState state(dir.path());
        QVERIFY(Write(state.Path(), "cursor=2026-03-01 00:00\n"));
        WallMinute cursor = NoMinute;
        TMinuteRuns runs;
        bool known = true;
        QCOMPARE(state.ReadState(cursor, runs, known), TPublishState::Read);
        QCOMPARE(cursor, Wall(2026, 3, 1, 0, 0));
        QVERIFY(!known);
        runs.Add(Wall(2026, 2, 28, 23, 0));
        QString why;
        QVERIFY(state.WriteState(cursor, runs, why));
        QCOMPARE(Read(state.Path()),
                 QByteArray("cursor=2026-03-01 00:00\npublished=2026-02-28 23:00\n"));
        TMinuteRuns again;
        QCOMPARE(state.ReadState(cursor, again, known), TPublishState::Read);
        QVERIFY(known);
        QCOMPARE(again, runs);
    }

    void deletedPublishLockDoesNotAdmitASecondPublisher() {
        QTemporaryDir dir;
        TPublishState first(dir.path());
        QVERIFY(first.Lock("zeda"));
        QVERIFY(QFile::remove(dir.filePath("publish.lock")));
        TPublishState second(dir.path());
        QVERIFY(!second.Lock("zedactl"));
        QVERIFY(second.RefusalText().startsWith("Error - Publishing from " + dir.path()));
    }

    void symbolicLinksAtTheLockAndTheCursorAreNotFollowed() {
        QTemporaryDir dir;
        QTemporaryDir outside;
        const QString target = outside.filePath("elsewhere");
        QVERIFY(QFile::link(target, dir.filePath("publish.lock")));
        TPublishState state(dir.path());
        QVERIFY(!state.Lock("zeda"));
        QCOMPARE(state.RefusalText(), QString("Error - The lock file %1 is not a plain file!")
                                          .arg(dir.filePath("publish.lock")));
        QVERIFY(QFile::link(target, state.Path()));
        QVERIFY(state.WriteCursor(Wall(2026, 3, 1, 0, 0)));
        QVERIFY(!QFile::exists(target));
        QVERIFY(!QFileInfo(state.Path()).isSymLink());
        WallMinute cursor = NoMinute;
        QCOMPARE(state.ReadCursor(cursor), TPublishState::Read);
    }

    void busyMonthFileIsNotSkippedByThePublisher() {
        TFilesFixture fx;
        QVERIFY(FillMinutes(fx, Wall(2026, 3, 31, 23, 50), 20));
        const QString march = fx.MonthPath(2026, 3);
        const int holder = ::open(QFile::encodeName(march).constData(), O_RDWR);
        QVERIFY(holder >= 0 && ::flock(holder, LOCK_EX) == 0);
        TMinuteWalker walker(fx.dir.path(), 100);
        QVERIFY(walker.Next(Wall(2026, 3, 31, 23, 49), 100).empty());
        QCOMPARE(walker.Blocking().kind, TMinuteWalker::Block::Busy);
        QCOMPARE(walker.Blocking().path, march);
        ::close(holder);
        const std::vector<PublishedMinute> m = walker.Next(Wall(2026, 3, 31, 23, 49), 100);
        QCOMPARE(m.size(), size_t(20));
        QCOMPARE(walker.Blocking().kind, TMinuteWalker::Block::None);
    }

    void damagedMonthFileStopsTheWalkBeforeItsMinutes() {
        TFilesFixture fx;
        QVERIFY(FillMinutes(fx, Wall(2026, 2, 28, 23, 50), 20));
        QVERIFY(Write(fx.MonthPath(2026, 3), QByteArray(2 * 1024 * 1024, '\0')));
        TMinuteWalker walker(fx.dir.path(), 100);
        // February's own minutes come; its overflow days are not taken for
        // March, whose file cannot tell.
        const std::vector<PublishedMinute> m = walker.Next(NoMinute, 100, false);
        QCOMPARE(MinuteTexts(m, 100).size(), 10);
        QCOMPARE(MinuteText(m.back().time), QByteArray("2026-02-28 23:59"));
        QCOMPARE(walker.Blocking().kind, TMinuteWalker::Block::Damaged);
        QCOMPARE(walker.Blocking().path, fx.MonthPath(2026, 3));
    }

    void nonexistentLocalMinutesAreNotPublished() {
        TFilesFixture fx;
        QVERIFY(FillMinutes(fx, Wall(2026, 3, 29, 1, 59), 1));
        QVERIFY(FillMinutes(fx, Wall(2026, 3, 29, 3, 0), 1));
        TMinuteWalker walker(fx.dir.path(), 100);
        const std::vector<PublishedMinute> m = walker.Next(NoMinute, 100, false);
        QCOMPARE(MinuteTexts(m, 10), (QStringList{"2026-03-29 01:59", "2026-03-29 03:00"}));
        QVERIFY(!LocalTimeExists({2026, 3, 29, 2, 30, 0}));
        QVERIFY(LocalTimeExists({2026, 10, 25, 2, 30, 0})); // repeated, not skipped
    }

    void monthWithoutAFileEndsTheStretch() {
        TFilesFixture fx;
        QVERIFY(FillMinutes(fx, Wall(2026, 1, 31, 23, 59), 1));
        QVERIFY(FillMinutes(fx, Wall(2026, 3, 3, 0, 5), 2));
        TMinuteWalker walker(fx.dir.path(), 100);
        const std::vector<PublishedMinute> m = walker.Next(Wall(2026, 1, 31, 23, 59), 100);
        QCOMPARE(MinuteTexts(m, 10), (QStringList{"2026-03-03 00:05", "2026-03-03 00:06"}));
    }

    void minutesStoredBehindTheCursorAreFoundLateOnce() {
        TFilesFixture fx;
        QVERIFY(FillMinutes(fx, Wall(2026, 3, 10, 0, 0), 10));
        TMinuteWalker walker(fx.dir.path(), 100);
        const WallMinute cursor = Wall(2026, 3, 10, 0, 9);
        TMinuteRuns sent = walker.StoredUpTo(cursor);
        QCOMPARE(sent.Text(), QByteArray("2026-03-10 00:00/2026-03-10 00:09"));
        QVERIFY(walker.Late(cursor, sent, {}, 100).empty());
        // An older month imported, and a minute the unit's clock put behind.
        QVERIFY(FillMinutes(fx, Wall(2026, 2, 27, 8, 0), 2));
        QVERIFY(FillMinutes(fx, Wall(2026, 3, 9, 23, 0), 1));
        std::vector<PublishedMinute> late = walker.Late(cursor, sent, {}, 100);
        QCOMPARE(MinuteTexts(late, 10), (QStringList{"2026-02-27 08:00", "2026-02-27 08:01",
                                                     "2026-03-09 23:00"}));
        QVERIFY(late[0].late && late[2].late);
        QVERIFY(MinutePayload(late[0]).contains("\"time\":\"2026-02-27T08:00:00+01:00\","
                                                "\"late\":true,\"location\":"));
        QCOMPARE(walker.Late(cursor, sent, {late[0].wall}, 1).front().wall, late[1].wall);
        for (const PublishedMinute& m : late)
            sent.Add(m.wall);
        QVERIFY(walker.Late(cursor, sent, {}, 100).empty());
    }

    void walkGoesAcrossTheOverflowDaysOnce() {
        TFilesFixture fx;
        MonthDocument doc;
        TFileAct act(&doc, fx.env, *fx.config);
        fx.config->channels[0].decimals = 1;
        for (const SampleRecord& r :
             {Record(2026, 2, 28, 23, 58, 1), Record(2026, 3, 1, 0, 0, 2),
              Record(2026, 3, 1, 0, 2, 3), Record(2026, 3, 3, 0, 0, 4),
              Record(2026, 3, 3, 0, 1, 5)})
            QVERIFY(act.WriteRecord(r));
        TMinuteWalker walker(fx.dir.path(), 100);
        std::vector<PublishedMinute> m = walker.Next(NoMinute, 100, false);
        QCOMPARE(m.size(), size_t(100));
        QCOMPARE(MinuteTexts(m, 6), (QStringList{"2026-02-28 23:58", "2026-02-28 23:59 -",
                                                 "2026-03-01 00:00", "2026-03-01 00:01 -",
                                                 "2026-03-01 00:02", "2026-03-01 00:03 -"}));
        QCOMPARE(MinuteText(m[99].time), QByteArray("2026-03-01 01:37"));
        QCOMPARE(m[2].raw[0], uint16_t(2));
        QCOMPARE(m[2].wall, Wall(2026, 3, 1, 0, 0));
        // Every minute of the days both files hold comes once.
        m = walker.Next(Wall(2026, 3, 1, 0, 2), 5000);
        QCOMPARE(m.size(), size_t(2 * 1440 - 3 + 2));
        QCOMPARE(MinuteText(m[2877].time), QByteArray("2026-03-03 00:00"));
        QCOMPARE(m[2877].raw[0], uint16_t(4));
        QCOMPARE(MinuteText(m.back().time), QByteArray("2026-03-03 00:01"));
        // Nothing after the newest stored minute.
        m = walker.Next(Wall(2026, 3, 3, 0, 0), 100);
        QCOMPARE(MinuteTexts(m, 5), QStringList{"2026-03-03 00:01"});
        QVERIFY(walker.Next(Wall(2026, 3, 3, 0, 1), 100).empty());
        QCOMPARE(walker.NewestStored(), Wall(2026, 3, 3, 0, 1));
    }

    void walkStartsAtTheNextStoredMinuteUnlessTheCursorWasSent() {
        TFilesFixture fx;
        MonthDocument doc;
        TFileAct act(&doc, fx.env, *fx.config);
        QVERIFY(act.WriteRecord(Record(2026, 3, 10, 14, 0, 1)));
        QVERIFY(act.WriteRecord(Record(2026, 3, 10, 14, 3, 2)));
        TMinuteWalker walker(fx.dir.path(), 100);
        const WallMinute from = Wall(2026, 3, 10, 13, 58);
        QCOMPARE(MinuteTexts(walker.Next(from, 100, false), 10),
                 (QStringList{"2026-03-10 14:00", "2026-03-10 14:01 -", "2026-03-10 14:02 -",
                              "2026-03-10 14:03"}));
        QCOMPARE(MinuteTexts(walker.Next(from, 100, true), 2),
                 (QStringList{"2026-03-10 13:59 -", "2026-03-10 14:00"}));
    }

    void minuteOnlyThePreviousFileHoldsComesFromThere() {
        TFilesFixture fx;
        MonthDocument doc;
        TFileAct act(&doc, fx.env, *fx.config);
        QVERIFY(act.CreateMonthFile(Year(2026), 2));
        QVERIFY(act.CreateMonthFile(Year(2026), 3));
        const QString feb = fx.MonthPath(2026, 2);
        const QString mar = fx.MonthPath(2026, 3);
        QVERIFY(PutSlot(feb, 28 * 1440 + 10, 7)); // 1 March 00:10 in February's file
        QVERIFY(PutSlot(feb, 28 * 1440 + 20, 8)); // 1 March 00:20 in both files
        QVERIFY(PutSlot(mar, 20, 9));
        TMinuteWalker walker(fx.dir.path(), 100);
        const std::vector<PublishedMinute> m = walker.Next(NoMinute, 100, false);
        QCOMPARE(m.size(), size_t(11));
        QCOMPARE(MinuteText(m[0].time), QByteArray("2026-03-01 00:10"));
        QCOMPARE(m[0].raw[0], uint16_t(7));
        QCOMPARE(MinuteText(m[10].time), QByteArray("2026-03-01 00:20"));
        QCOMPARE(m[10].raw[0], uint16_t(9));
    }

    void minutesCarryTheirFilesOperatorExceptionsAndOffset() {
        TFilesFixture fx;
        MonthDocument doc;
        TFileAct act(&doc, fx.env, *fx.config);
        fx.config->operatorLoggedIn = true;
        fx.config->operatorName = "Anna";
        QVERIFY(act.WriteRecord(Record(2026, 3, 28, 12, 0, 1)));
        fx.config->operatorLoggedIn = false;
        QVERIFY(act.WriteRecord(Record(2026, 3, 28, 12, 1, 1)));
        QVERIFY(act.WriteRecord(Record(2026, 3, 29, 12, 0, 1)));
        QVERIFY(act.LoadDays());
        doc.display.channelVisible.fill(0);
        doc.display.channelVisible[1] = 1;
        doc.display.markStart = 27 * 1440 + 12 * 60 + 1;
        doc.display.markEnd = 27 * 1440 + 12 * 60 + 1;
        QVERIFY(ApplyException(doc, "Wartung", fx.messages, 100));
        TMinuteWalker walker(fx.dir.path(), 100);
        const std::vector<PublishedMinute> m = walker.Next(NoMinute, 5000, false);
        // The hour that summer time's start skips holds no record: not walked.
        QCOMPARE(m.size(), size_t(1440 + 1 - 60));
        QVERIFY(m[0].hasOperator);
        QCOMPARE(m[0].operatorName, QByteArray("Anna"));
        QVERIFY(!m[1].hasOperator);
        QCOMPARE(m[1].exception[1], int(ExceptionOrdinary));
        QCOMPARE(m[1].exception[0], int(ExceptionNone));
        QCOMPARE(m[0].exception[1], int(ExceptionNone));
        QCOMPARE(m[0].location, QByteArray("Werk Nord"));
        QCOMPARE(m[0].utcOffset, 3600);
        QCOMPARE(m.back().utcOffset, 7200);
    }
};

QTEST_GUILESS_MAIN(TestPublishCore)
#include "tst_publishcore.moc"
