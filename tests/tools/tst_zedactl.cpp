#include "Fctlrun.h"
#include "app/Umain.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cdatadirlock.h"
#include "config/Cenv.h"
#include "support/Crecordingmessages.h"
#include "view/Uchildbase.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool WriteFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

} // namespace

class TestZedactl : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void configReportsTheIniFile() {
        const QString data = dir.filePath("config");
        QVERIFY(QDir().mkpath(data));
        QVERIFY(WriteFile(data + "/zeda.ini", "[ZEDA]\r\nBetriebsort=Werk S\xFC"
                                              "d\r\nFormsColor=2\r\n"
                                              "Kanal_3=1,Druck,bar,0,10,0,5000,0,2,1,3,10\r\n"));
        const Run r = Ctl({"config", "--data-dir", data});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o["location"].toString(), QString::fromUtf8("Werk Süd"));
        QCOMPARE(o["backgroundColour"].toInteger(), 0xC0C0C0);
        QCOMPARE(o["printerFont"].isNull(), true);
        const QJsonObject ch3 = o["channels"].toArray()[2].toObject();
        QCOMPARE(ch3["name"].toString(), QString("Druck"));
        QCOMPARE(ch3["decimals"].toInt(), 2);
        QCOMPARE(ch3["colourChoice"].toInt(), 10);
        QCOMPARE(o["channels"].toArray().size(), 14);
    }

    // The same minutes stored by zedactl and by the windowed program's main
    // timer give the same files, across the year end with its take-over.
    void simulateMatchesTheProgram() {
        const QString ctlDir = dir.filePath("ctl");
        const QString winDir = dir.filePath("win");
        QVERIFY(QDir().mkpath(ctlDir));
        QVERIFY(QDir().mkpath(winDir));
        const int minutes = 5000; // 31.12. 22:00 .. 4.1. 9:19
        const Run r = Ctl({"simulate", "--data-dir", ctlDir, "--from", "2026-12-31 22:00",
                           "--minutes", QString::number(minutes), "--operator", "Anna"});
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.contains("records stored: 5000\n"), r.out.constData());
        QVERIFY(r.out.contains("created: D2026-12.ZMF\n"));
        QVERIFY(r.out.contains("created: D2027-01.ZMF\n"));

        TSimClock clock(SecondsFromLocal({2026, 12, 31, 22, 0, 0}));
        TRecordingMessages messages;
        TEnv env;
        env.dataDir = winDir;
        env.clock = &clock;
        env.messages = &messages;
        {
            TfmMain main(env, [](int) { return 2; });
            main.show();
            QVERIFY(fmChildAct);
            Config->operatorLoggedIn = true;
            Config->operatorName = "Anna";
            Config->operatorIndex = 0;
            for (int i = 0; i < minutes * 12; ++i) {
                main.Timer1Timer();
                clock.Advance(5);
            }
            QCOMPARE(fmChildAct->windowTitle(), QString("Aktuell: 2027.01.04 /  9:19"));
        }
        for (const char* name : {"D2026-12.ZMF", "D2027-01.ZMF"}) {
            const QByteArray a = ReadFile(ctlDir + "/" + name);
            QVERIFY(!a.isEmpty());
            QVERIFY2(a == ReadFile(winDir + "/" + name), name);
        }

        const Run info = Ctl({"info", ctlDir + "/D2027-01.ZMF", "--data-dir", ctlDir});
        QCOMPARE(info.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(info.out).object();
        QCOMPARE(o["signature"].toString(), QString("VELO01"));
        QCOMPARE(o["year"].toInt(), 2027);
        QCOMPARE(o["month"].toInt(), 1);
        QCOMPARE(o["daysStored"].toInt(), 33);
        QCOMPARE(o["overflowDays"].toInt(), 2);
        QCOMPARE(o["endSlot"].toInt(), 3 * 1440 + 9 * 60 + 19 + 1);
        QCOMPARE(o["operators"].toArray(), QJsonArray{"Anna"});
        QCOMPARE(o["exceptionCount"].toInt(), 0);

        const Run dec = Ctl({"info", ctlDir + "/D2026-12.ZMF"});
        // The December file holds its overflow days to the last slot.
        QCOMPARE(QJsonDocument::fromJson(dec.out).object()["endSlot"].toInt(), 47520);
    }

    void validateReportsByExitStatus() {
        const QString data = dir.filePath("validate");
        QVERIFY(QDir().mkpath(data));
        QCOMPARE(
            Ctl({"simulate", "--data-dir", data, "--from", "2026-03-10 14:00", "--minutes", "3"})
                .exitCode,
            0);
        Run r = Ctl({"validate", data + "/D2026-03.ZMF"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out, QByteArray("0\n"));
        QVERIFY(QFile::copy(data + "/D2026-03.ZMF", data + "/D2026-04.ZMF"));
        r = Ctl({"validate", data + "/D2026-04.ZMF"});
        QCOMPARE(r.exitCode, 3);
        QCOMPARE(r.out, QString("3 Diese Datei ist keine gültige Datendatei!\n").toUtf8());
        r = Ctl({"validate", data + "/D2026-05.ZMF"});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString("1 Fehler beim Versuch eine Datei zu öffnen!\n").toUtf8());
        QVERIFY(WriteFile(data + "/D2026-06.ZMF", QByteArray(2000, 'x')));
        QCOMPARE(Ctl({"validate", data + "/D2026-06.ZMF"}).exitCode, 2);
    }

    // info reads a file of the earliest layout as it lies and leaves it so.
    void infoLeavesAnEarlyLayoutFileAlone() {
        const QString data = dir.filePath("early");
        QVERIFY(QDir().mkpath(data));
        QCOMPARE(Ctl({"simulate", "--data-dir", data, "--from", "2026-03-10 14:00", "--minutes",
                      "2", "--operator", "Otto"})
                     .exitCode,
                 0);
        const QString path = data + "/D2026-03.ZMF";
        QByteArray bytes = ReadFile(path);
        bytes[6] = '0';
        bytes[7] = '0';
        QVERIFY(WriteFile(path, bytes));
        const Run r = Ctl({"info", path});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o["exceptionCount"].toInt(), 0);
        QCOMPARE(o["operators"].toArray(), QJsonArray{"Otto"});
        QCOMPARE(ReadFile(path), bytes);
    }

    void renderPaintsTheDiagram() {
        const QString data = dir.filePath("render");
        QVERIFY(QDir().mkpath(data));
        QVERIFY(WriteFile(data + "/zeda.ini", "[ZEDA]\nKanal_1=1,A,V,0,1,0,5000,0,0,0,1,1\n"));
        QCOMPARE(
            Ctl({"simulate", "--data-dir", data, "--from", "2026-03-10 08:00", "--minutes", "240"})
                .exitCode,
            0);
        const QString png = data + "/d.png";
        const Run r =
            Ctl({"render", data + "/D2026-03.ZMF", "-o", png, "--data-dir", data, "--width", "640",
                 "--height", "400", "--first", "13800", "--channels", "1", "--background", "2"});
        QCOMPARE(r.exitCode, 0);
        QImage image(png);
        QCOMPARE(image.size(), QSize(640, 400));
        // Channel 1 is drawn in red somewhere on the grey background.
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(255, 0, 0))
                    ++red;
        QVERIFY2(red > 50, qPrintable(QString::number(red)));
        QCOMPARE(Ctl({"render", data + "/nothing.ZMF", "-o", png}).exitCode, 1);
        QCOMPARE(Ctl({"render", data + "/D2026-03.ZMF"}).exitCode, 2);
    }

    void renderOntoAMonthFileIsRefused() {
        const QString data = dir.filePath("onto");
        QCOMPARE(
            Ctl({"simulate", "--data-dir", data, "--from", "2026-03-10 08:00", "--minutes", "5"})
                .exitCode,
            0);
        const QString month = data + "/D2026-03.ZMF";
        const QByteArray before = ReadFile(month);
        const Run r = Ctl({"render", month, "-o", month});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.err.contains("is a month file and is not overwritten"));
        QCOMPARE(Ctl({"export", month, "-o", month, "--from", "2026-03-10 08:00", "--to",
                      "2026-03-10 08:04"})
                     .exitCode,
                 1);
        QCOMPARE(ReadFile(month), before);
    }

    void secondWriterOnADataDirectoryIsRefused() {
        const QString data = dir.filePath("locked");
        QCOMPARE(
            Ctl({"simulate", "--data-dir", data, "--from", "2026-03-10 08:00", "--minutes", "5"})
                .exitCode,
            0);
        TDataDirLock program(data, "zeda");
        QVERIFY(program.TryLock("zeda"));
        const QByteArray holder = QByteArray("is in use by zeda (process ") +
                                  QByteArray::number(QCoreApplication::applicationPid()) + ")!";
        for (const QStringList& args :
             {QStringList{"simulate", "--data-dir", data, "--from", "2026-03-10 09:00", "--minutes",
                          "5"},
              QStringList{"import", "--data-dir", data, "--yes", data + "/D2026-03.ZMF"}}) {
            const Run r = Ctl(args);
            QCOMPARE(r.exitCode, 1);
            QVERIFY2(r.err.contains(holder), r.err.constData());
        }
        // Reading needs no lock.
        QCOMPARE(Ctl({"info", data + "/D2026-03.ZMF", "--data-dir", data}).exitCode, 0);
    }

    // The fault: an INI file over 4 MB, a FIFO or a directory read as empty,
    // so the unit defaulted to the simulator and acquire stored simulated
    // values into the real month file. Every command that reads settings
    // stops with the reason now and writes nothing. (validate and backup take
    // no data directory.)
    void unreadableIniFileStopsEveryCommand() {
        const QString data = dir.filePath("unreadable");
        const QString from = "2026-03-10 08:00";
        const QString to = "2026-03-10 08:04";
        QCOMPARE(Ctl({"simulate", "--data-dir", data, "--from", from, "--minutes", "5"}).exitCode,
                 0);
        const QString month = data + "/D2026-03.ZMF";
        const QString elsewhere = dir.filePath("D2026-03.ZMF");
        QVERIFY(QFile::copy(month, elsewhere));
        const QByteArray before = ReadFile(month);
        QFile::remove(data + "/zeda.ini");
        QVERIFY(QDir().mkpath(data + "/zeda.ini"));
        const QStringList entries = QDir(data).entryList(QDir::AllEntries | QDir::Hidden);
        const QList<QStringList> commands = {
            {"config"},
            {"simulate", "--from", from, "--minutes", "5"},
            {"info", month},
            {"render", month, "-o", data + "/out.png"},
            {"export", month, "-o", data + "/out.csv", "--from", from, "--to", to},
            {"stats", month, "--from", from, "--to", to},
            {"exception", month, "--from", from, "--to", to, "--set", "WART Wartung"},
            {"import", "--yes", elsewhere},
            {"channel", "1", "--show"},
            {"operators", "--list"},
            {"password", "--admin", "--stdin"},
            {"unit", "info"},
            {"acquire", "--idle", "0"},
            {"report", month, "--days", "1-1", "-o", data + "/out.pdf"},
            {"print", month, "--days", "1-1"},
        };
        const QByteArray text = "error: Error - The settings file " + data.toUtf8() +
                                "/zeda.ini cannot be read: it is not a regular file!\n";
        for (const QStringList& command : commands) {
            const Run r = Ctl(command + QStringList{"--data-dir", data});
            QVERIFY2(r.exitCode == 1, qPrintable(command.first()));
            QVERIFY2(r.err.endsWith(text), r.err.constData());
            QVERIFY2(r.err.count('\n') <= 2, r.err.constData()); // nothing else went wrong
        }
        QCOMPARE(ReadFile(month), before);
        QCOMPARE(QDir(data).entryList(QDir::AllEntries | QDir::Hidden), entries);
    }

    // A month-file creation killed before its file was put into place left
    // a hidden temporary file of 1.4 MB for ever; the next writer removes it.
    void interruptedCreationIsRemovedByTheNextWriter() {
        const QString data = dir.filePath("interrupted");
        QVERIFY(QDir().mkpath(data));
        QVERIFY(WriteFile(data + "/.D2026-01.ZMF.k1ll3d", QByteArray(1000, 'x')));
        QCOMPARE(Ctl({"config", "--data-dir", data}).exitCode, 0);
        QVERIFY(QFile::exists(data + "/.D2026-01.ZMF.k1ll3d")); // readers change nothing
        QCOMPARE(
            Ctl({"simulate", "--data-dir", data, "--from", "2026-03-10 08:00", "--minutes", "1"})
                .exitCode,
            0);
        QCOMPARE(QDir(data).entryList({".D*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    void settingsFromAScript() {
        const QString data = dir.filePath("settings");
        QVERIFY(QDir().mkpath(data));
        QCOMPARE(Ctl({"channel", "2", "--data-dir", data, "--set", "active=1", "--set",
                      "name=Druck", "--set", "dispOffset=12345", "--set", "colour=9"})
                     .exitCode,
                 0);
        QVERIFY(ReadFile(data + "/zeda.ini").contains("Kanal_2=1,Druck,,999,0,0,0,0,0,1,2,9"));
        const Run comma = Ctl({"channel", "2", "--data-dir", data, "--set", "name=Temp, out"});
        QCOMPARE(comma.exitCode, 2);
        QVERIFY(ReadFile(data + "/zeda.ini").contains("Druck,"));

        QCOMPARE(Ctl({"operators", "--data-dir", data, "--add", "Anna"}).exitCode, 0);
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--add", "ABCDEFGHIJKLMNOPQ"}).exitCode, 0);
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--delete", "0"}).exitCode, 0);
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--delete", "5"}).exitCode, 2);
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--list"}).out,
                 QByteArray("ABCDEFGHIJKLMNO\n"));

        QProcess p;
        p.start(QStringLiteral(ZEDACTL_PATH),
                {"password", "--admin", "--stdin", "--data-dir", data});
        p.write("geheim\ngeheim \n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("Password not Confirm!"));
        QVERIFY(!ReadFile(data + "/zeda.ini").contains("KennwortAdmin"));
        p.start(QStringLiteral(ZEDACTL_PATH),
                {"password", "--admin", "--stdin", "--data-dir", data});
        p.write("geheim\ngeheim\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(ReadFile(data + "/zeda.ini").contains("KennwortAdmin=5f545c57515c"));
    }

    void passwordOutsideCodePageIsRefused() {
        const QString data = dir.filePath("codepage");
        QVERIFY(QDir().mkpath(data));
        QProcess p;
        p.start(QStringLiteral(ZEDACTL_PATH),
                {"password", "--operator", "--stdin", "--data-dir", data});
        p.write("Пароль\nПароль\n");
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("signs of Western European languages"));
        QVERIFY(!ReadFile(data + "/zeda.ini").contains("KennwortOperator"));
    }

    void exceptionDescriptionsFromAScript() {
        const QString data = dir.filePath("exceptionlist");
        QVERIFY(QDir().mkpath(data));
        const QString list = data + "/AUSNAHME.LST";
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--list"}).out, QByteArray());
        // An empty list has nothing to delete, and says so.
        const Run nothing = Ctl({"exceptions", "--data-dir", data, "--delete", "1"});
        QCOMPARE(nothing.exitCode, 1);
        QCOMPARE(nothing.err,
                 QByteArray("zedactl exceptions: the list holds no description to change\n"));
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--add", "WART Wartung"}).exitCode, 0);
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--add", "NOTE Hinweis", "--note-only"})
                     .exitCode,
                 0);
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--add", "STÖR Störung"}).exitCode, 0);
        QCOMPARE(ReadFile(list), QByteArray("WART Wartung\n!NOTE Hinweis\nST\xD6R St\xF6rung\n"));
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--set", "1", "WRT2 Wartung"}).exitCode, 0);
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--delete", "2"}).exitCode, 0);
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--list"}).out,
                 QByteArray("WRT2 Wartung\nSTÖR Störung\n"));
        // Refusals leave the list as it is.
        const QByteArray before = ReadFile(list);
        const Run tooLong =
            Ctl({"exceptions", "--data-dir", data, "--add", QString(71, QChar('x'))});
        QCOMPARE(tooLong.exitCode, 1);
        QVERIFY2(tooLong.err.contains("at most 70 characters"), tooLong.err.constData());
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--add", "Пауза"}).exitCode, 1);
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--delete", "3"}).exitCode, 2);
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--set", "1"}).exitCode, 2);
        QCOMPARE(ReadFile(list), before);
        for (int i = 2; i < 30; ++i)
            QVERIFY(WriteFile(list, ReadFile(list) + "E" + QByteArray::number(i) + "\n"));
        const Run full = Ctl({"exceptions", "--data-dir", data, "--add", "E31"});
        QCOMPARE(full.exitCode, 1);
        QVERIFY2(full.err.contains("at most 30 descriptions"), full.err.constData());
        // A writer holds the data directory's lock.
        TDataDirLock program(data, "zeda");
        QVERIFY(program.TryLock("zeda"));
        const Run locked = Ctl({"exceptions", "--data-dir", data, "--delete", "1"});
        QCOMPARE(locked.exitCode, 1);
        QVERIFY2(locked.err.contains("is in use by zeda"), locked.err.constData());
        QCOMPARE(Ctl({"exceptions", "--data-dir", data, "--list"}).exitCode, 0);
    }

    void unreadableOperatorListIsNeverWrittenBack() {
        const QString data = dir.filePath("bigoperators");
        QVERIFY(QDir().mkpath(data));
        const QByteArray huge(1024 * 1024 + 1, 'A');
        QVERIFY(WriteFile(data + "/operator.dat", huge));
        const Run add = Ctl({"operators", "--data-dir", data, "--add", "Anna"});
        QCOMPARE(add.exitCode, 1);
        QVERIFY2(add.err.contains("cannot be read whole"), add.err.constData());
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--list"}).exitCode, 1);
        QCOMPARE(ReadFile(data + "/operator.dat"), huge);
        QVERIFY(QFile::remove(data + "/operator.dat"));
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--add", " Anna "}).exitCode, 0);
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--add", "Anna"}).exitCode, 1);
        QCOMPARE(Ctl({"operators", "--data-dir", data, "--list"}).out, QByteArray("Anna\n"));
    }

    void hugeNumbersAreRefused() {
        const Run sim = Ctl({"simulate", "--data-dir", dir.filePath("huge"), "--from",
                             "2026-03-10 08:00", "--minutes", "9223372036854775807"});
        QCOMPARE(sim.exitCode, 2);
        QVERIFY(sim.err.contains("--minutes"));
        QVERIFY(!QFileInfo::exists(dir.filePath("huge")));
        QCOMPARE(Ctl({"render", "x.ZMF", "-o", "x.png", "--width", "4294967346"}).exitCode, 2);
    }
};

QTEST_MAIN(TestZedactl)
#include "tst_zedactl.moc"
