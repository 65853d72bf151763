// zedactl and zeda-unit speak the user's language; --language overrides it.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Said {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs a program under exactly the given locale variables.
Said RunIn(const QString& program, const QStringList& args,
           std::initializer_list<std::pair<const char*, const char*>> locale) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.remove(name);
    for (const auto& [name, value] : locale)
        env.insert(name, value);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Said s;
    if (!p.waitForFinished(60000))
        return s;
    s.exitCode = p.exitCode();
    s.out = QString::fromUtf8(p.readAllStandardOutput());
    s.err = QString::fromUtf8(p.readAllStandardError());
    return s;
}

const QString Ctl = QStringLiteral(ZEDACTL_PATH);
const QString Unit = QStringLiteral(ZEDA_UNIT_PATH);

} // namespace

class TestCtlLanguage : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void usageFollowsTheLocale_data() {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("acquire");
        QTest::newRow("C") << QByteArray("C.UTF-8")
                           << "Usage: zedactl [--data-dir DIR] [--language en|de|source] [--verbose] "
                              "CMD [ARGS]"
                           << "store the unit's records into the month files until it is idle";
        QTest::newRow("en") << QByteArray("en_US.UTF-8")
                            << "Usage: zedactl [--data-dir DIR] [--language en|de|source] "
                               "[--verbose] CMD [ARGS]"
                            << "store the unit's records in the month files until it has none left";
        QTest::newRow("de") << QByteArray("de_DE.UTF-8")
                            << "Aufruf: zedactl [--data-dir VERZ] [--language en|de|source] "
                               "[--verbose] BEFEHL [ARGUMENTE]"
                            << "die Datensätze des Geräts in die Monatsdateien speichern, bis es "
                               "keine mehr hat";
    }
    void usageFollowsTheLocale() {
        QFETCH(QByteArray, lang);
        QFETCH(QString, first);
        QFETCH(QString, acquire);
        const Said s = RunIn(Ctl, {"--help"}, {{"LANG", lang.constData()}});
        QCOMPARE(s.exitCode, 0);
        QCOMPARE(s.out.section('\n', 0, 0), first);
        QVERIFY2(s.out.contains("  acquire    " + acquire + "\n"), qPrintable(s.out));
    }

    void coreMessagesFollowTheLocale_data() {
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("said");
        QTest::newRow("C") << QByteArray("C")
                           << "error: Fehler beim Versuch eine Datei zu öffnen!\n  File: %1\n";
        QTest::newRow("en") << QByteArray("en_GB.UTF-8")
                            << "error: The file cannot be opened.\n  File: %1\n";
        QTest::newRow("de") << QByteArray("de_AT.UTF-8")
                            << "Fehler: Die Datei kann nicht geöffnet werden.\n  Datei: %1\n";
    }
    void coreMessagesFollowTheLocale() {
        QFETCH(QByteArray, lang);
        QFETCH(QString, said);
        const Said s =
            RunIn(Ctl, {"info", dir.filePath("D2026-03.ZMF")}, {{"LANG", lang.constData()}});
        QCOMPARE(s.exitCode, 1);
        QCOMPARE(s.err, said.arg(dir.filePath("D2026-03.ZMF")));
    }

    void optionOverridesTheLocaleBeforeOrAfterTheCommand() {
        const QString file = dir.filePath("D2026-03.ZMF");
        Said s = RunIn(Ctl, {"info", file, "--language", "en"}, {{"LANG", "de_DE.UTF-8"}});
        QCOMPARE(s.err.section('\n', 0, 0), QString("error: The file cannot be opened."));
        s = RunIn(Ctl, {"--language=source", "info", file}, {{"LC_ALL", "de_DE.UTF-8"}});
        QCOMPARE(s.err.section('\n', 0, 0),
                 QString("error: Fehler beim Versuch eine Datei zu öffnen!"));
        s = RunIn(Ctl, {"--language", "de", "info", file}, {{"LANG", "C"}});
        QCOMPARE(s.err.section('\n', 0, 0), QString("Fehler: Die Datei kann nicht geöffnet werden."));
        s = RunIn(Ctl, {"--language", "fr", "--help"}, {{"LANG", "C"}});
        QCOMPARE(s.exitCode, 2);
        QCOMPARE(s.err, QString("zedactl: --language takes en, de or source\n"));
    }

    void drawingCommandsTakeTheOptionToo() {
        // zedactl hands the command line over with --language in it.
        const Said s =
            RunIn(Ctl, {"--language", "de", "config", "--data-dir", dir.path()}, {{"LANG", "C"}});
        QCOMPARE(s.exitCode, 0);
        QVERIFY2(s.out.startsWith("{"), qPrintable(s.err));
    }

    void unitEmulatorSpeaksTheLanguage() {
        Said s = RunIn(Unit, {}, {{"LANG", "de_DE.UTF-8"}});
        QCOMPARE(s.exitCode, 2);
        QCOMPARE(s.err, QString("zeda-unit: braucht --pty oder --device PFAD\n"));
        s = RunIn(Unit, {"--language", "source"}, {{"LANG", "de_DE.UTF-8"}});
        QCOMPARE(s.err, QString("zeda-unit: needs --pty or --device PATH\n"));
    }
};

QTEST_GUILESS_MAIN(TestCtlLanguage)
#include "tst_ctllanguage.moc"
