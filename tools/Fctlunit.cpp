#include "tools/Fctlunit.h"

#include "comm/Cacquisitionservice.h"
#include "comm/Ccommbase.h"
#include "comm/Fcommlink.h"
#include "comm/Fserialports.h"
#include "comm/Funitinfo.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "files/Calarmevaluator.h"
#include "tools/Fctlcommon.h"
#include "tools/Fctlfollow.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

constexpr long long MaxIdleSeconds = 24 * 3600;
// How often an idle unit is asked again.
constexpr int PollMs = 200;
const QString NoConnectionText =
    QStringLiteral("Es besteht keine Verbindung zum Akquisitionssystem!");

// "YYYY-MM-DD HH:MM:SS" as a broken-down time; the year is left to the
// clock setting, which refuses what the unit cannot hold.
bool ParseClockTime(const QString& text, LocalTime& t) {
    static const QRegularExpression form(
        R"(^\s*(\d{4})-(\d{2})-(\d{2})[ T](\d{2}):(\d{2}):(\d{2})\s*$)");
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    t = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
         m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt()};
    if (t.month < 1 || t.month > 12 || t.day < 1 || t.hour > 23 || t.minute > 59 || t.second > 59)
        return false;
    return LocalFromSeconds(SecondsFromLocal(t)).day == t.day; // no 31 April
}

int Detect(CtlEnv& ctl, TCommBase& comm) {
    uint16_t port = 0;
    uint32_t speed = 0;
    if (!comm.AutoDetect(port, speed)) {
        ctl.messages.Show(TMessages::Warning, "Auto detect NO!");
        return 1;
    }
    Print(QStringLiteral("COM%1 %2\n").arg(port).arg(speed).toUtf8());
    return 0;
}

// The four ports as the INI file names them, then the serial devices
// present under the names to give them.
int Ports(CtlEnv& ctl) {
    QStringList lines = ComPortLines(TIniFile(ctl.env.IniPath()));
    for (const SerialDevice& d : ListSerialDevices())
        lines << SerialDeviceLine(d);
    Print((lines.join('\n') + '\n').toUtf8());
    return 0;
}

int Info(TCommBase& comm) {
    const QStringList lines = {FirmwareText(comm), UnitClockText(comm), RecordCountText(comm)};
    Print(("Firmware-Release: " + lines[0] + "\nSystem time: " + lines[1] +
           "\nChannels: " + lines[2] + "\n")
              .toUtf8());
    return lines.contains("#INV") ? 1 : 0;
}

int Values(CtlEnv& ctl, TCommBase& comm, const TConfig& config) {
    const QStringList values = CurrentValueTexts(comm);
    if (values.size() != ChannelCount) {
        ctl.messages.Show(TMessages::Error, NoConnectionText);
        return 1;
    }
    QString out;
    for (int k = 0; k < values.size(); ++k) {
        out += QString::asprintf("Channel %3d: ", k + 1) + values[k] + "  " +
               FromAnsi(config.channels[k].name) + "\n";
    }
    Print(out.toUtf8());
    return 0;
}

int SetClockTo(CtlEnv& ctl, TCommBase& comm, const QString& text) {
    LocalTime t;
    if (!ParseClockTime(text, t)) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl unit set-clock: needs \"YYYY-MM-DD HH:MM:SS\""));
        return 2;
    }
    switch (SetUnitClock(comm, t)) {
    case ClockSetting::Set:
        return 0;
    case ClockSetting::NoConnection:
        ctl.messages.Show(TMessages::Error, NoConnectionText);
        return 1;
    case ClockSetting::TooFar:
    case ClockSetting::OutOfRange:
        ctl.notices.TimeDiff();
        return 1;
    }
    return 1;
}

} // namespace

int CmdUnit(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Talks to the unit the INI file names: detect (search the ports), info (firmware, clock, "
        "waiting records), values (the channels' raw values), set-clock \"YYYY-MM-DD HH:MM:SS\", "
        "ports (the four ports and the serial devices present)."));
    parser.addOption(DataDirOption());
    parser.addPositionalArgument(
        "ACTION",
        QCoreApplication::translate("zedactl", "detect, info, values, set-clock or ports."));
    parser.addPositionalArgument(
        "TIME", QCoreApplication::translate("zedactl", "The clock for set-clock."), "[TIME]");
    const ParseResult pr = ParseOptions(parser, "unit", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    const QStringList pos = parser.positionalArguments();
    const QString action = pos.value(0);
    const bool withTime = action == "set-clock";
    const QStringList actions = {"detect", "info", "values", "set-clock", "ports"};
    if (!actions.contains(action) || pos.size() != (withTime ? 2 : 1)) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl unit: needs detect, info, values, set-clock TIME or ports"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    if (action == "ports")
        return Ports(ctl);
    TConfig config(ctl.env.IniPath());
    const std::unique_ptr<TCommBase> comm = CreateComm(ctl.env);
    if (action == "detect")
        return Detect(ctl, *comm);
    // A port that does not open is reported; the readings then tell.
    comm->Start();
    if (action == "info")
        return Info(*comm);
    if (action == "values")
        return Values(ctl, *comm, config);
    return SetClockTo(ctl, *comm, pos[1]);
}

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
        ctl.messages.Show(TMessages::Error, NoConnectionText);
    return ctl.messages.errors == 0 ? 0 : 1;
}
