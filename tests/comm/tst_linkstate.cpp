// The unit link as the status bar tells it, in the program's own texts and
// in both catalogues, and the state read from a link that lost its unit.
#include "comm/Cacquisitionservice.h"
#include "comm/Flinkstate.h"
#include "config/Flanguage.h"

#include <QTest>

Q_DECLARE_METATYPE(Language)

class TestLinkState : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { InstallLanguage(*QCoreApplication::instance(), Language::Source); }

    void statusText_data() {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        const int up = int(LinkState::Kind::Connected);
        const int lost = int(LinkState::Kind::Lost);
        QTest::newRow("sim") << Language::Source << int(LinkState::Kind::Simulator) << "Simulator"
                             << "Aktuell:";
        QTest::newRow("up") << Language::English << up << "Unit: connected — last record 09:47"
                            << "Aktuell:";
        QTest::newRow("lost") << Language::Source << lost
                              << "Unit: no answer since 09:48 (COM2 /dev/ttyUSB0), trying again"
                              << "Aktuell: — no data since 09:48";
        QTest::newRow("de up") << Language::German << up
                               << "Erfassungsgerät: verbunden – letzter Datensatz 09:47"
                               << "Aktuell:";
        QTest::newRow("de lost")
            << Language::German << lost
            << "Erfassungsgerät: keine Antwort seit 09:48 (COM2 /dev/ttyUSB0), "
               "neuer Versuch läuft"
            << "Aktuell: — keine Daten seit 09:48";
    }

    void statusText() {
        QFETCH(Language, language);
        QFETCH(int, kind);
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), language));
        const LinkState s{LinkState::Kind(kind), "09:47", "09:48", "COM2", "/dev/ttyUSB0"};
        QCOMPARE(LinkStateText(s), text);
        QCOMPARE(StaleCaption("Aktuell:", s), caption);
        QCOMPARE(LinkStateColour(s) == 0x0000C0u, kind == int(LinkState::Kind::Lost)); // red
    }

    // What the service reports becomes the state: the simulator shows no
    // port, a link that answers again forgets since when it was lost.
    void stateOfTheServicesReport() {
        LinkReport r;
        r.simulated = true;
        r.hasRecord = true;
        r.lastRecord = {46, 3, 9 * 1440 + 9 * 60 + 47};
        QCOMPARE(LinkStateText(LinkStateOf(r)), QString("Simulator"));
        r.simulated = false;
        r.up = true;
        r.portName = "COM2";
        r.device = "/dev/ttyUSB0";
        r.lostAt = LocalTime{2026, 3, 10, 9, 48, 0};
        QCOMPARE(LinkStateText(LinkStateOf(r)), QString("Unit: connected — last record 09:47"));
        QVERIFY(!LinkStale(LinkStateOf(r)));
        r.up = false;
        QCOMPARE(LinkStateText(LinkStateOf(r)),
                 QString("Unit: no answer since 09:48 (COM2 /dev/ttyUSB0), trying again"));
        r.lostAt.reset();
        r.hasRecord = false;
        QCOMPARE(LinkStateText(LinkStateOf(r)),
                 QString("Unit: no answer (COM2 /dev/ttyUSB0), trying again"));
        QCOMPARE(NoDataSinceText(LinkStateOf(r)), QString("no data"));
    }
};

QTEST_GUILESS_MAIN(TestLinkState)
#include "tst_linkstate.moc"
