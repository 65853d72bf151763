#include "app/Umain.h"
#include "config/Cclock.h"
#include "config/Cenv.h"
#include "files/Fmonthfile.h"
#include "support/Crecordingmessages.h"
#include "support/Cunitprocess.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The newest stored slot of a month image, -1 when none.
int NewestSlot(const QByteArray& header) {
    return int(HeaderEndSlot(header)) - 1;
}

} // namespace

// zeda beside the headless service on the same data directory.
class TestViewer : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void runningWindowFollowsTheServiceFromDisk() {
        // Two records a second from half an hour ago, so that they keep
        // coming while the test watches.
        const QString from =
            QDateTime::currentDateTime().addSecs(-1800).toString("yyyy-MM-dd HH:mm");
        TUnitProcess unit(ZEDA_UNIT_PATH);
        QVERIFY(unit.Start({"--baud", "19200", "--from", from, "--speed", "2"}));
        const QString data = dir.filePath("plant");
        QVERIFY(QDir().mkpath(data));
        QFile ini(data + "/zeda.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[ZEDA]\nUnit=serial\nCOM2=" + unit.Path() + "\n");
        ini.close();

        QProcess service;
        service.start(ZEDACTL_PATH, {"acquire", "--follow", "--tick", "50", "--data-dir", data});
        QVERIFY(service.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(data).entryList({"D*.ZMF"}, QDir::Files).isEmpty(), 20000);

        TSystemClock clock;
        TRecordingMessages messages;
        TEnv env;
        env.dataDir = data;
        env.clock = &clock;
        env.messages = &messages;
        {
            TfmMain w(env, [](int) { return 2; });
            QVERIFY(!w.Terminating());
            w.show();
            QVERIFY(w.Viewer());
            QVERIFY(!w.Service());
            QVERIFY(messages.shown.isEmpty());
            auto* label = w.findChild<QLabel*>("lblService");
            QVERIFY(label);
            QVERIFY2(
                label->text().startsWith("Acquisition runs in the service zeda-acquire (process "),
                qPrintable(label->text()));
            // What writes where the service writes is off, with the reason;
            // reading and the exception periods are not.
            for (const char* name :
                 {"Communication", "Import1", "SetKanal1", "Location", "ACQInfo"}) {
                QAction* a = w.findChild<QAction*>(name);
                QVERIFY2(a && !a->isEnabled(), name);
                QVERIFY(a->toolTip().startsWith("Not available: acquisition runs in the service"));
            }
            for (const char* name : {"FileOpen1", "Backup", "PrintDay", "ExportReport"})
                QVERIFY2(w.findChild<QAction*>(name)->isEnabled(), name);

            QVERIFY(fmChildAct);
            const QString path = fmChildAct->Document().FilePath();
            QVERIFY(!path.isEmpty());
            const int shown = NewestSlot(fmChildAct->Document().header);
            QVERIFY(shown >= 0);
            // The window grows as the service stores: the follow tick reads
            // the file again.
            QTRY_VERIFY_WITH_TIMEOUT(
                (w.Timer1Timer(), NewestSlot(fmChildAct->Document().header) >= shown + 3), 30000);
            const QByteArray& h = fmChildAct->Document().header;
            const int newest = NewestSlot(h);
            const QByteArray file = ReadFile(path);
            const QByteArray block = fmChildAct->Document().dayBlocks[newest / SlotsPerDay];
            QCOMPARE(block.mid((newest % SlotsPerDay) * SlotSize, SlotSize),
                     file.mid(SlotOffset(newest), SlotSize));
            QVERIFY(fmChildAct->windowTitle().startsWith("Aktuell: "));
            // No acquisition here: closing asks nothing.
            QVERIFY(w.close());
        }
        service.terminate();
        QVERIFY(service.waitForFinished(20000));
        QCOMPARE(service.exitCode(), 0);
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
