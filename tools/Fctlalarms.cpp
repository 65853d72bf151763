#include "tools/Fctlalarms.h"

#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Falarmlimits.h"
#include "files/Calarmevaluator.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "tools/Fctlcommon.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace {

const QStringList LimitFields = {"high", "low", "highhigh", "lowlow", "hysteresis", "delay"};

// The channel 1..14 of the second positional argument, or 0 after saying so.
int ChannelArgument(const QCommandLineParser& parser, const QString& sub) {
    bool ok = false;
    const int ch = parser.positionalArguments().value(1).toInt(&ok);
    if (parser.positionalArguments().size() != 2 || !ok || ch < 1 || ch > ChannelCount) {
        Complain(QCoreApplication::translate("zedactl", "zedactl alarms %1: needs CH (1 .. 14)")
                     .arg(sub));
        return 0;
    }
    return ch;
}

// The channel's limits with the options of `set` applied, through the
// parser of the INI text, so the command refuses what the file would.
bool ChangedLimits(const QCommandLineParser& parser, const AlarmLimits& now, AlarmLimits& out,
                   QString& refusal) {
    QList<QByteArray> parts = FormatAlarmLimits(now).split(',');
    for (QByteArray& part : parts) {
        const QString field = QString::fromLatin1(part.left(part.indexOf('=')));
        if (LimitFields.contains(field) && parser.isSet(field))
            part = field.toLatin1() + '=' + parser.value(field).toUtf8();
        if (field == "latched" && (parser.isSet("latched") || parser.isSet("unlatched")))
            part = parser.isSet("latched") ? "latched=1" : "latched=0";
    }
    return ParseAlarmLimits(parts.join(','), out, refusal);
}

int Set(const QCommandLineParser& parser, CtlEnv& ctl) {
    const int ch = ChannelArgument(parser, "set");
    if (ch == 0)
        return 2;
    if (parser.isSet("latched") && parser.isSet("unlatched")) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl alarms set: --latched and --unlatched exclude each other"));
        return 2;
    }
    if (!ctl.LockDataDir())
        return 1;
    TIniFile ini(ctl.env.IniPath());
    AlarmLimits now;
    QString refusal;
    // A key that cannot be parsed is replaced by what the options give.
    ParseAlarmLimits(ini.ReadString(AlarmSection, AlarmKey(ch), ""), now, refusal);
    AlarmLimits limits;
    if (!ChangedLimits(parser, now, limits, refusal)) {
        ctl.messages.Show(TMessages::Error, refusal);
        return 1;
    }
    if (!WriteAlarmLimits(ini, ch, limits)) {
        ctl.messages.Show(TMessages::Error, CannotWriteText(ini.Path()));
        return 1;
    }
    return 0;
}

int Clear(const QCommandLineParser& parser, CtlEnv& ctl) {
    const int ch = ChannelArgument(parser, "clear");
    if (ch == 0)
        return 2;
    if (!ctl.LockDataDir())
        return 1;
    TIniFile ini(ctl.env.IniPath());
    if (!WriteAlarmLimits(ini, ch, AlarmLimits{})) {
        ctl.messages.Show(TMessages::Error, CannotWriteText(ini.Path()));
        return 1;
    }
    return 0;
}

int List(CtlEnv& ctl) {
    QStringList refusals;
    const ChannelAlarmLimits all = ReadAlarmLimits(TIniFile(ctl.env.IniPath()), &refusals);
    for (int ch = 0; ch < ChannelCount; ++ch)
        if (all[ch].AnyLimit())
            Print(QByteArray::number(ch + 1) + ' ' + FormatAlarmLimits(all[ch]) + '\n');
    for (const QString& r : refusals)
        ctl.messages.Show(TMessages::Error, r);
    return refusals.isEmpty() ? 0 : 1;
}

// --from and --to as "YYYY-MM-DD HH:MM" texts (empty when not given);
// false after saying so when malformed.
bool TimeRange(const QCommandLineParser& parser, const QString& sub, QString& from, QString& to) {
    LocalTime t;
    from = parser.value("from");
    to = parser.value("to");
    if ((!from.isEmpty() && !ParseDateTime(from, t)) || (!to.isEmpty() && !ParseDateTime(to, t))) {
        Complain(QCoreApplication::translate(
                     "zedactl", "zedactl alarms %1: times are \"YYYY-MM-DD HH:MM\"")
                     .arg(sub));
        return false;
    }
    return true;
}

bool InRange(const QString& time, const QString& from, const QString& to) {
    return (from.isEmpty() || time >= from) && (to.isEmpty() || time <= to);
}

// Appends the lines the log does not hold yet: a walk over minutes the
// acquisition has judged already adds only what the new limits find.
bool AppendNew(CtlEnv& ctl, const QString& path, const std::vector<AlarmLogEntry>& found) {
    std::vector<AlarmLogEntry> logged;
    if (!ReadAlarmLog(path, logged)) {
        ctl.messages.Show(TMessages::Error, CannotWriteText(path));
        return false;
    }
    std::vector<AlarmLogEntry> lines;
    for (const AlarmLogEntry& e : found) {
        const auto same = [&](const AlarmLogEntry& l) { return l.event == e.event && l.SameAlarm(e); };
        if (std::none_of(logged.begin(), logged.end(), same))
            lines.push_back(e);
    }
    if (!AppendAlarmLog(path, lines)) {
        ctl.messages.Show(TMessages::Error, CannotWriteText(path));
        return false;
    }
    return true;
}

int Evaluate(const QCommandLineParser& parser, CtlEnv& ctl) {
    QString from;
    QString to;
    if (parser.positionalArguments().size() != 2) {
        Complain(QCoreApplication::translate("zedactl", "zedactl alarms evaluate: needs one FILE"));
        return 2;
    }
    if (!TimeRange(parser, "evaluate", from, to))
        return 2;
    const bool writeLog = parser.isSet("write-log");
    if (writeLog && !ctl.LockDataDir())
        return 1;
    MonthDocument d;
    TFileData file(&d, ctl.env);
    const QString path = QFileInfo(parser.positionalArguments().at(1)).absoluteFilePath();
    ctl.messages.reading = path;
    uint8_t year = 0;
    uint8_t month = 0;
    if (!file.ValidateWithMessage(path, year, month))
        return 1;
    if (!file.Open(path, year, month) || !file.LoadDays()) {
        ctl.messages.Show(TMessages::Error, ValidateMessage(TFileBase::CannotOpen));
        return 1;
    }
    TAlarmEvaluator alarms(ctl.env, false);
    alarms.ReloadLimits();
    std::vector<AlarmLogEntry> found;
    alarms.onEvent = [&](const AlarmLogEntry& e) {
        Print(AlarmLogLine(e));
        found.push_back(e);
    };
    const bool ranged = !from.isEmpty() || !to.isEmpty();
    const uint32_t end = HeaderEndSlot(d.header);
    for (uint32_t slot = 0; slot < end; ++slot)
        if (!ranged || InRange(AlarmTimeText(d, slot), from, to))
            alarms.OnMinuteStored(d, slot, MonthSlotBytes(d, slot));
    if (writeLog && !AppendNew(ctl, alarms.LogPath(), found))
        return 1;
    return ctl.messages.errors == 0 ? 0 : 1;
}

// One alarm as a line of the table.
QByteArray AlarmRow(const AlarmLogEntry& a) {
    const auto orDash = [](const QString& s) { return s.isEmpty() ? QString("-") : s; };
    const QStringList cells = {a.raised,
                               orDash(a.cleared),
                               QString::number(a.channel),
                               a.name,
                               QString::fromLatin1(AlarmKindName(a.kind)),
                               QString::fromLatin1(FormatAlarmValue(a.limit)),
                               QString::fromLatin1(FormatAlarmValue(a.peak)),
                               a.unit,
                               orDash(a.acknowledged),
                               orDash(a.by)};
    return cells.join('\t').toUtf8() + '\n';
}

bool Active(const AlarmLogEntry& a) {
    return a.cleared.isEmpty() || (a.latched && a.acknowledged.isEmpty());
}

int Log(const QCommandLineParser& parser, CtlEnv& ctl) {
    QString from;
    QString to;
    if (!TimeRange(parser, "log", from, to))
        return 2;
    TAlarmEvaluator alarms(ctl.env, false);
    if (!alarms.Resume())
        return 1;
    for (const AlarmLogEntry& a : alarms.Alarms()) {
        if (!InRange(a.raised, from, to) || (parser.isSet("active") && !Active(a)))
            continue;
        Print(parser.isSet("json") ? AlarmLogLine(a) : AlarmRow(a));
    }
    return 0;
}

void AddOptions(QCommandLineParser& parser) {
    parser.addOption(DataDirOption());
    const QString value = QCoreApplication::translate("zedactl", "With set: the %1 limit, in the "
                                                                 "channel's units (empty: none).");
    parser.addOption({"high", value.arg("high"), "V"});
    parser.addOption({"low", value.arg("low"), "V"});
    parser.addOption({"highhigh", value.arg("high-high"), "V"});
    parser.addOption({"lowlow", value.arg("low-low"), "V"});
    parser.addOption({"hysteresis",
                      QCoreApplication::translate(
                          "zedactl", "With set: how far back inside a value must be to clear."),
                      "V"});
    parser.addOption({"delay",
                      QCoreApplication::translate(
                          "zedactl", "With set: minutes with data beyond a limit before it "
                                     "raises (0 .. 1440)."),
                      "MIN"});
    parser.addOption({"latched", QCoreApplication::translate(
                                     "zedactl", "With set: alarms stay until acknowledged.")});
    parser.addOption({"unlatched", QCoreApplication::translate(
                                       "zedactl", "With set: alarms end when they clear.")});
    parser.addOption({"from", QCoreApplication::translate("zedactl", "First minute, \"YYYY-MM-DD "
                                                                     "HH:MM\"."),
                      "TIME"});
    parser.addOption({"to", QCoreApplication::translate("zedactl", "Last minute, \"YYYY-MM-DD "
                                                                   "HH:MM\"."),
                      "TIME"});
    parser.addOption({"active", QCoreApplication::translate(
                                    "zedactl", "With log: only the alarms still active.")});
    parser.addOption({"json", QCoreApplication::translate(
                                  "zedactl", "With log: one JSON object a line, as logged.")});
    parser.addOption({"write-log", QCoreApplication::translate(
                                       "zedactl", "With evaluate: append what it finds to the "
                                                  "alarm log.")});
    parser.addPositionalArgument(
        "ACTION", QCoreApplication::translate("zedactl", "set CH, clear CH, list, evaluate FILE "
                                                         "or log."));
}

} // namespace

int CmdAlarms(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Sets, clears and lists the alarm limits of the channels (INI section [Alarms]), runs "
        "the alarm rule over a month file's minutes (printing what it would log) and prints "
        "the alarm log alarms.log of the data directory."));
    AddOptions(parser);
    const ParseResult pr = ParseOptions(parser, "alarms", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    const QString sub = parser.positionalArguments().value(0);
    const QStringList known = {"set", "clear", "list", "evaluate", "log"};
    if (!known.contains(sub)) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl alarms: needs one of set CH, clear CH, list, evaluate FILE, log"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    if (sub == "set")
        return Set(parser, ctl);
    if (sub == "clear")
        return Clear(parser, ctl);
    if (sub == "list")
        return List(ctl);
    if (sub == "evaluate")
        return Evaluate(parser, ctl);
    return Log(parser, ctl);
}
