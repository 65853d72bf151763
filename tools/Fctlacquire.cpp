// zedactl acquire: stores the unit's records into the month files until the
// unit is idle, or, with --follow, runs as the service of the data directory.
// It is served by zedactl-publish, since the service publishes too.

#include "tools/Fctlacquire.h"

#include "comm/Cacquisitionservice.h"
#include "comm/Ccommbase.h"
#include "comm/Fcommlink.h"
#include "config/Cconfig.h"
#include "files/Calarmevaluator.h"
#include "tools/Fctlcommon.h"
#include "tools/Fctlfollow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace {

constexpr long long MaxIdleSeconds = 24 * 3600;
// How often an idle unit is asked again.
constexpr int PollMs = 200;

} // namespace

int CmdAcquire(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl", "Runs the acquisition cycle against the unit the INI file names and stores its "
                   "records into the month files of DIR, until the unit has had nothing for --idle "
                   "seconds; prints the number of records stored. Ends with status 1 when the unit "
                   "was never reached or did not answer at the end. With --follow it runs as the "
                   "service of DIR until SIGTERM or SIGINT, publishing when [MQTT] Enabled=1."));
    parser.addOption(DataDirOption());
    parser.addOption({"idle",
                      QCoreApplication::translate(
                          "zedactl", "Seconds without a record before it ends (default 10)."),
                      "SECONDS"});
    parser.addOption({"follow", QCoreApplication::translate(
                                    "zedactl", "Keep acquiring until SIGTERM or SIGINT.")});
    parser.addOption({"tick",
                      QCoreApplication::translate(
                          "zedactl", "With --follow: milliseconds of one tick of the pacing "
                                     "(default 5000; a cycle every 1 or 11 ticks)."),
                      "MS"});
    const ParseResult pr = ParseOptions(parser, "acquire", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    long long idle = 10;
    if (!ParseBoundedInt(parser, "idle", 0LL, MaxIdleSeconds, idle))
        return 2;
    int tickMs = TAcquisitionService::TickMs;
    if (!ParseBoundedInt(parser, "tick", 10, TAcquisitionService::TickMs, tickMs))
        return 2;
    if (!parser.isSet("data-dir")) {
        Complain(QCoreApplication::translate("zedactl", "zedactl acquire: needs --data-dir DIR"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    if (!QDir().mkpath(ctl.env.dataDir)) {
        Complain(QCoreApplication::translate("zedactl", "zedactl acquire: cannot create %1")
                     .arg(ctl.env.dataDir));
        return 1;
    }
    const bool follow = parser.isSet("follow");
    // The service's name in the lock makes zeda a viewer beside it.
    if (!ctl.LockDataDir(follow ? QString::fromLatin1(AcquisitionServiceName)
                                : QStringLiteral("zedactl")))
        return 1;

    TConfig config(ctl.env.IniPath());
    const std::unique_ptr<TCommBase> comm = CreateComm(ctl.env);
    comm->Start();
    TAlarmEvaluator alarms(ctl.env);
    alarms.Start();
    if (follow) {
        const int stored = FollowAcquisition(ctl, *comm, config, tickMs, &alarms);
        Print(QByteArray("records stored: ") + QByteArray::number(stored) + '\n');
        // Stopped as asked: what went wrong on the way is in the log.
        return 0;
    }
    TAcquisitionService acquisition(ctl.env, *comm, config);
    acquisition.SetAlarms(&alarms);

    // Cycles follow each other at once while records come, every PollMs
    // while the unit has nothing, and after the link's pause while it is
    // down (the cycle's quick tries came first).
    QElapsedTimer sinceRecord;
    sinceRecord.start();
    for (;;) {
        comm->Tick();
        const int stored = acquisition.StoredCount();
        acquisition.RunCycle();
        comm->RemindNoConnection();
        if (acquisition.StoredCount() != stored) {
            sinceRecord.restart();
            continue;
        }
        const qint64 left = idle * 1000 - sinceRecord.elapsed();
        if (left <= 0)
            break;
        const qint64 pause =
            comm->NoConnection != 0 ? std::max<qint64>(PollMs, comm->RetryPauseMs()) : PollMs;
        QThread::msleep(static_cast<unsigned long>(std::min(pause, left)));
    }
    // Records that could not all be fetched are no success, whatever was
    // stored on the way.
    const bool linkFailed = !comm->Reached() || comm->NoConnection != 0;
    Print(QByteArray("records stored: ") + QByteArray::number(acquisition.StoredCount()) + '\n');
    if (linkFailed)
        ctl.messages.Show(TMessages::Error, NoConnectionText());
    return ctl.messages.errors == 0 ? 0 : 1;
}
