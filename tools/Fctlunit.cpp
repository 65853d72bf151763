#include "tools/Fctlunit.h"

#include "comm/Cacquisition.h"
#include "comm/Ccommbase.h"
#include "comm/Fcommlink.h"
#include "comm/Funitinfo.h"
#include "config/Cconfig.h"
#include "config/Fcodec.h"
#include "files/Calarmevaluator.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"
#include "tools/Fctlcommon.h"

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
        "waiting records), values (the channels' raw values), set-clock \"YYYY-MM-DD HH:MM:SS\"."));
    parser.addOption(DataDirOption());
    parser.addPositionalArgument(
        "ACTION", QCoreApplication::translate("zedactl", "detect, info, values or set-clock."));
    parser.addPositionalArgument(
        "TIME", QCoreApplication::translate("zedactl", "The clock for set-clock."), "[TIME]");
    const ParseResult pr = ParseOptions(parser, "unit", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    const QStringList pos = parser.positionalArguments();
    const QString action = pos.value(0);
    const bool withTime = action == "set-clock";
    const QStringList actions = {"detect", "info", "values", "set-clock"};
    if (!actions.contains(action) || pos.size() != (withTime ? 2 : 1)) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl unit: needs detect, info, values or set-clock TIME"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
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
                   "was never reached or did not answer at the end."));
    parser.addOption(DataDirOption());
    parser.addOption({"idle",
                      QCoreApplication::translate(
                          "zedactl", "Seconds without a record before it ends (default 10)."),
                      "SECONDS"});
    const ParseResult pr = ParseOptions(parser, "acquire", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    long long idle = 10;
    if (!ParseBoundedInt(parser, "idle", 0LL, MaxIdleSeconds, idle))
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
    if (!ctl.LockDataDir())
        return 1;

    TConfig config(ctl.env.IniPath());
    const std::unique_ptr<TCommBase> comm = CreateComm(ctl.env);
    comm->Start();
    MonthDocument document;
    TFileAct file(&document, ctl.env, config);
    TAcquisition acquisition(ctl.env, *comm, file, document);
    TAlarmEvaluator alarms(ctl.env);
    alarms.Start();
    acquisition.alarms = &alarms;

    // Cycles follow each other at once while records come, every PollMs
    // while the unit has nothing, and every ReopenIntervalMs while the link
    // is down (the cycle opens it again).
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
        const qint64 pause = comm->NoConnection != 0 ? TCommBase::ReopenIntervalMs : PollMs;
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
