// The unit link as the status bar tells it, in the program's own texts and
// in both catalogues, and the state read from a link that lost its unit.
#include "comm/Ccommserial.h"
#include "comm/Ccommsim.h"
#include "comm/Flinkstate.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Flanguage.h"
#include "support/Crecordingmessages.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(Language)

namespace {

LinkState State(LinkState::Kind kind, const QString& last, const QString& since) {
    LinkState s;
    s.kind = kind;
    s.lastRecord = last;
    s.lostSince = since;
    if (kind != LinkState::Kind::Simulator) {
        s.port = "COM2";
        s.device = "/dev/ttyUSB0";
    }
    return s;
}

} // namespace

class TestLinkState : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 9, 48, 20}), 1000};
    TRecordingMessages messages;
    TEnv env;

private slots:
    void init() {
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        QFile::remove(env.IniPath());
    }
    void cleanup() { InstallLanguage(*QCoreApplication::instance(), Language::Source); }

    void statusText_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("since");
        QTest::addColumn<QString>("text");
        const int sim = int(LinkState::Kind::Simulator);
        const int up = int(LinkState::Kind::Connected);
        const int lost = int(LinkState::Kind::Lost);
        for (const auto& [name, language] :
             {std::pair{"source", Language::Source}, std::pair{"en", Language::English}}) {
            QTest::addRow("%s sim", name) << language << sim << "09:47"
                                          << ""
                                          << "Simulator";
            QTest::addRow("%s up", name) << language << up << "09:47"
                                         << ""
                                         << "Unit: connected — last record 09:47";
            QTest::addRow("%s up, no record", name) << language << up << ""
                                                    << ""
                                                    << "Unit: connected";
            QTest::addRow("%s lost", name)
                << language << lost << "09:47"
                << "09:48"
                << "Unit: no answer since 09:48 (COM2 /dev/ttyUSB0), trying again";
            QTest::addRow("%s lost, time unknown", name)
                << language << lost << ""
                << ""
                << "Unit: no answer (COM2 /dev/ttyUSB0), trying again";
        }
        QTest::newRow("de sim") << Language::German << sim << "09:47"
                                << ""
                                << "Simulator";
        QTest::newRow("de up") << Language::German << up << "09:47"
                               << ""
                               << "Erfassungsgerät: verbunden – letzter Datensatz 09:47";
        QTest::newRow("de lost")
            << Language::German << lost << "09:47"
            << "09:48"
            << "Erfassungsgerät: keine Antwort seit 09:48 (COM2 /dev/ttyUSB0), neuer Versuch läuft";
    }

    void statusText() {
        QFETCH(Language, language);
        QFETCH(int, kind);
        QFETCH(QString, last);
        QFETCH(QString, since);
        QFETCH(QString, text);
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), language));
        QCOMPARE(LinkStateText(State(LinkState::Kind(kind), last, since)), text);
    }

    void staleMarks_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("noData");
        QTest::newRow("source") << Language::Source
                                << "Aktuell: 2026.03.10 /  9:47 — no data since 09:48"
                                << "no data since 09:48";
        QTest::newRow("de") << Language::German
                            << "Aktuell: 2026.03.10 /  9:47 — keine Daten seit 09:48"
                            << "keine Daten seit 09:48";
    }

    void staleMarks() {
        QFETCH(Language, language);
        QFETCH(QString, caption);
        QFETCH(QString, noData);
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), language));
        const LinkState lost = State(LinkState::Kind::Lost, "09:47", "09:48");
        QVERIFY(LinkStale(lost));
        QCOMPARE(StaleCaption("Aktuell: 2026.03.10 /  9:47", lost), caption);
        QCOMPARE(NoDataSinceText(lost), noData);
        const LinkState up = State(LinkState::Kind::Connected, "09:47", "");
        QVERIFY(!LinkStale(up));
        QCOMPARE(StaleCaption("Aktuell: 2026.03.10 /  9:47", up),
                 QString("Aktuell: 2026.03.10 /  9:47"));
        QCOMPARE(NoDataSinceText(up), QString());
    }

    void coloursTellTheStatesApart() {
        // 0x00BBGGRR: red in the low byte.
        const uint32_t sim = LinkStateColour(State(LinkState::Kind::Simulator, "", ""));
        const uint32_t up = LinkStateColour(State(LinkState::Kind::Connected, "", ""));
        const uint32_t lost = LinkStateColour(State(LinkState::Kind::Lost, "", ""));
        QCOMPARE(lost, 0x0000C0u);
        QCOMPARE(up, 0x008000u);
        QVERIFY(sim != up && sim != lost);
    }

    // A serial link whose device is missing: lost since the clock's minute
    // of the first failure, which a later failure does not move.
    void lostLinkTellsWhenAndWhere() {
        const QByteArray missing = QFile::encodeName(dir.filePath("ttyUSB7"));
        TIniFile(env.IniPath()).WriteString(IniSection, "COM3", missing);
        TIniFile(env.IniPath()).WriteString(IniSection, "Kommunikationsport", "3");
        TCommSerial link(env);
        QVERIFY(!link.Start());
        clock.Advance(180);
        QVERIFY(!link.KeepConnected());
        const LinkState s = ReadLinkState(env, link, "09:47");
        QCOMPARE(int(s.kind), int(LinkState::Kind::Lost));
        QCOMPARE(s.lostSince, QString("09:48"));
        QCOMPARE(s.port, QString("COM3"));
        QCOMPARE(s.device, QString::fromLocal8Bit(missing));
        QCOMPARE(s.lastRecord, QString("09:47"));

        TCommSim sim(env);
        QVERIFY(sim.Start());
        QCOMPARE(int(ReadLinkState(env, sim, "09:47").kind), int(LinkState::Kind::Simulator));
    }

    void slotClock_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("text");
        QTest::newRow("first") << 0 << "00:00";
        QTest::newRow("9:47 on day 10") << 9 * 1440 + 9 * 60 + 47 << "09:47";
        QTest::newRow("last of a day") << 1439 << "23:59";
        QTest::newRow("overflow day") << 31 * 1440 + 61 << "01:01";
    }

    void slotClock() {
        QFETCH(int, slot);
        QFETCH(QString, text);
        QCOMPARE(SlotClockText(slot), text);
    }
};

QTEST_GUILESS_MAIN(TestLinkState)
#include "tst_linkstate.moc"
