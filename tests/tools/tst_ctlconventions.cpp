// zedactl's command-line conventions, checked by running the built programs:
// what goes to stdout and stderr, and with which exit status.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Said {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// Runs zedactl under the C locale without XDG_RUNTIME_DIR (as under cron),
// with the given "NAME=value" variables added.
Said RunCtl(const QStringList& args, const QStringList& variables = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_MESSAGES", "LANG", "XDG_RUNTIME_DIR",
                             "ZEDACTL_VERBOSE"})
        env.remove(name);
    env.insert("LC_ALL", "C.UTF-8");
    for (const QString& v : variables)
        env.insert(v.section('=', 0, 0), v.section('=', 1));
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZEDACTL_PATH), args);
    Said s;
    if (!p.waitForFinished(120000))
        return s;
    s.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.out = p.readAllStandardOutput();
    s.err = p.readAllStandardError();
    return s;
}

const QByteArray Usage =
    "Usage: zedactl [--data-dir DIR] [--language en|de|source] [--verbose] CMD [ARGS]\n"
    "Try 'zedactl --help' for the commands.\n";
const QByteArray Exported = "information: Der selektierte Datenbereich wurde erfolgreich "
                            "exportiert!\n";

} // namespace

class TestCtlConventions : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // "@DATA@" and "@MONTH@" in a row stand for the data directory and its
    // month file.
    QStringList Filled(QStringList texts) const {
        for (QString& t : texts)
            t.replace("@DATA@", dir.path()).replace("@MONTH@", dir.filePath("D2026-03.ZMF"));
        return texts;
    }

private slots:
    void initTestCase() {
        QFile ini(dir.filePath("zeda.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[ZEDA]\r\nKanal_1=1,Druck,bar,0,10,0,5000,0,2,0,0,1\r\n");
        ini.close();
        const Said s = RunCtl({"simulate", "--data-dir", dir.path(), "--from", "2026-03-10 08:00",
                               "--minutes", "30"});
        QCOMPARE(s.exitCode, 0);
    }

    void streamsAndStatus_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("outStarts"); // stdout begins with it
        QTest::addColumn<QByteArray>("err");       // all of stderr
        const QStringList none;
        const QStringList exportArgs = {"export", "@MONTH@", "-o", "@DATA@/out.csv", "--from",
                                        "2026-03-10 08:00", "--to", "2026-03-10 08:09"};
        QTest::newRow("no command") << none << none << 2 << QByteArray() << Usage;
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << none << 2 << QByteArray()
            << "zedactl: unknown command 'frobnicate'\n" + Usage;
        QTest::newRow("help") << QStringList{"--help"} << none << 0 << Usage.left(Usage.indexOf('\n'))
                              << QByteArray();
        QTest::newRow("own command's help")
            << QStringList{"info", "--help"} << none << 0 << QByteArray("Usage: zedactl info [")
            << QByteArray();
        QTest::newRow("drawing helper's help")
            << QStringList{"render", "--help"} << none << 0
            << QByteArray("Usage: zedactl render [") << QByteArray();
        QTest::newRow("publishing helper's help")
            << QStringList{"publish", "--help"} << none << 0
            << QByteArray("Usage: zedactl publish [") << QByteArray();
        QTest::newRow("export says nothing") << exportArgs << none << 0 << QByteArray()
                                             << QByteArray();
        QTest::newRow("export --verbose") << QStringList{"--verbose"} + exportArgs << none << 0
                                          << QByteArray() << Exported;
        QTest::newRow("export, verbose by variable")
            << exportArgs << QStringList{"ZEDACTL_VERBOSE=1"} << 0 << QByteArray() << Exported;
        QTest::newRow("config without runtime dir")
            << QStringList{"--data-dir", "@DATA@", "config"} << none << 0 << QByteArray("{")
            << QByteArray();
        QTest::newRow("render without runtime dir")
            << QStringList{"render", "@MONTH@", "-o", "@DATA@/month.png", "--data-dir", "@DATA@"} << none << 0
            << QByteArray() << QByteArray();
        QTest::newRow("report without runtime dir")
            << QStringList{"report", "@MONTH@", "--days", "10-10", "-o", "@DATA@/day.pdf",
                           "--data-dir", "@DATA@"} << none
            << 0 << QByteArray() << QByteArray();
        QTest::newRow("missing file named")
            << QStringList{"info", "@DATA@/D2026-04.ZMF"} << none << 1 << QByteArray()
            << QByteArray("error: Fehler beim Versuch eine Datei zu \xC3\xB6"
                          "ffnen!\n  File: @DATA@/D2026-04.ZMF\n");
        QTest::newRow("foreign file named")
            << QStringList{"stats", "@DATA@/zeda.ini", "--from", "2026-03-10 08:00", "--to",
                           "2026-03-10 08:09"}
            << none << 1 << QByteArray()
            << QByteArray("error: Diese Datei ist keine g\xC3\xBCltige Datendatei!\n  File: "
                          "@DATA@/zeda.ini\n");
    }
    void streamsAndStatus() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, variables);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, outStarts);
        QFETCH(QByteArray, err);
        const Said s = RunCtl(Filled(args), variables);
        QVERIFY2(s.exitCode == exitCode, s.err.constData());
        QCOMPARE(s.err, Filled({QString::fromUtf8(err)}).first().toUtf8());
        QVERIFY2(s.out.startsWith(outStarts), s.out.left(200).constData());
        QVERIFY2(!s.out.contains(ZEDACTL_PATH), "the help names the program by its path");
    }
};

QTEST_GUILESS_MAIN(TestCtlConventions)
#include "tst_ctlconventions.moc"
