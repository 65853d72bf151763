#include "tools/Fctlunit.h"

#include "comm/Ccommbase.h"
#include "comm/Fcommlink.h"
#include "comm/Fserialports.h"
#include "comm/Funitinfo.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "tools/Fctlcommon.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {


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
        ctl.messages.Show(TMessages::Warning, AutoDetectFailedText());
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
    Print(QCoreApplication::translate("zedactl",
                                      "Firmware-Release: %1\nSystem time: %2\nChannels: %3\n")
              .arg(lines[0], lines[1], lines[2])
              .toUtf8());
    return lines.contains("#INV") ? 1 : 0;
}

int Values(CtlEnv& ctl, TCommBase& comm, const TConfig& config) {
    const QStringList values = CurrentValueTexts(comm);
    if (values.size() != ChannelCount) {
        ctl.messages.Show(TMessages::Error, NoConnectionText());
        return 1;
    }
    QString out;
    for (int k = 0; k < values.size(); ++k) {
        out += QCoreApplication::translate("zedactl", "Channel %1: %2  %3\n")
                   .arg(k + 1, 3)
                   .arg(values[k], FromAnsi(config.channels[k].name));
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
        ctl.messages.Show(TMessages::Error, NoConnectionText());
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
