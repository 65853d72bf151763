#include "tools/Fctlfiles.h"

#include "comm/Cacquisitionservice.h"
#include "comm/Ccommsim.h"
#include "config/Cconfig.h"
#include "config/Cfileaccess.h"
#include "config/Cinifile.h"
#include "config/Fcalendar.h"
#include "config/Fcodec.h"
#include "config/Fmemory.h"
#include "files/Calarmevaluator.h"
#include "files/Cfileact.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "tools/Fctlcommon.h"
#include "tools/Fjson.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QSet>

#include <cstdio>

namespace {

// Ten years of minutes: more is no test of anything, and the tick count
// stays far from overflowing.
constexpr long long MaxSimulatedMinutes = 10LL * 366 * 24 * 60;

QSet<QString> MonthFiles(const QString& dir) {
    const QStringList names = QDir(dir).entryList({QStringLiteral("D\?\?\?\?-\?\?.ZMF")},
                                                  QDir::Files, QDir::Name | QDir::IgnoreCase);
    return QSet<QString>(names.begin(), names.end());
}

} // namespace

int CmdSimulate(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Runs the acquisition with the simulated unit on a simulated clock that starts at --from "
        "and advances in 5-second main-timer ticks, writing the month files into DIR."));
    parser.addOption(DataDirOption());
    parser.addOption({"from",
                      QCoreApplication::translate("zedactl", "Start time, \"YYYY-MM-DD HH:MM\"."),
                      "TIME"});
    parser.addOption(
        {"minutes",
         QCoreApplication::translate("zedactl", "Minutes of simulated time (at most ten years)."),
         "N"});
    parser.addOption(
        {"operator",
         QCoreApplication::translate("zedactl", "Name of the operator logged in throughout."),
         "NAME"});
    const ParseResult pr = ParseOptions(parser, "simulate", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    LocalTime from;
    long long minutes = -1;
    if (!ParseBoundedInt(parser, "minutes", 0LL, MaxSimulatedMinutes, minutes))
        return 2;
    if (!parser.isSet("data-dir") || !ParseDateTime(parser.value("from"), from) || minutes < 0) {
        Complain(QCoreApplication::translate(
            "zedactl",
            "zedactl simulate: needs --data-dir DIR, --from \"YYYY-MM-DD HH:MM\" and --minutes N"));
        return 2;
    }
    auto simClock = std::make_unique<TSimClock>(SecondsFromLocal(from));
    TSimClock& clock = *simClock;
    CtlEnv ctl(parser.value("data-dir"), std::move(simClock));
    if (!QDir().mkpath(ctl.env.dataDir)) {
        Complain(QCoreApplication::translate("zedactl", "zedactl simulate: cannot create %1")
                     .arg(ctl.env.dataDir));
        return 1;
    }
    if (!ctl.LockDataDir())
        return 1;
    const QSet<QString> before = MonthFiles(ctl.env.dataDir);

    TConfig config(ctl.env.IniPath());
    if (parser.isSet("operator")) {
        config.operatorLoggedIn = true;
        config.operatorName = ToAnsi(parser.value("operator")).left(15);
        config.operatorIndex = 0;
    }
    TCommSim comm(ctl.env);
    TAcquisitionService acquisition(ctl.env, comm, config);
    TAlarmEvaluator alarms(ctl.env);
    alarms.Start();
    acquisition.SetAlarms(&alarms);
    const long long ticks = minutes * 12;
    for (long long i = 0; i < ticks; ++i) {
        acquisition.Tick();
        clock.Advance(5);
    }
    QStringList created = (MonthFiles(ctl.env.dataDir) - before).values();
    created.sort();
    Print(QCoreApplication::translate("zedactl", "records stored: %1\n")
              .arg(acquisition.StoredCount())
              .toUtf8());
    for (const QString& name : created)
        Print(QCoreApplication::translate("zedactl", "created: %1\n").arg(name).toUtf8());
    return ctl.messages.errors == 0 ? 0 : 1;
}

int CmdInfo(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("zedactl", "Prints what a month file holds (JSON)."));
    parser.addOption(DataDirOption());
    parser.addPositionalArgument("FILE", QCoreApplication::translate("zedactl", "The month file."));
    const ParseResult pr = ParseOptions(parser, "info", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (parser.positionalArguments().size() != 1) {
        Complain(QCoreApplication::translate("zedactl", "zedactl info: needs one FILE"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    ctl.messages.reading = path;
    uint8_t year = 0;
    uint8_t month = 0;
    const int result = TFileBase::Validate(path, year, month);
    if (result != TFileBase::Valid) {
        ctl.messages.Show(TMessages::Error, ValidateMessage(result));
        return result;
    }
    TFileAccess f(path, TFileAccess::ReadShared);
    QByteArray header(HeaderSize, '\0');
    if (!f.IsOpen() || f.ReadInto(0, header, 0, HeaderSize) != HeaderSize) {
        ctl.messages.Show(TMessages::Error, ValidateMessage(TFileBase::CannotOpen));
        return TFileBase::CannotOpen;
    }
    QByteArray operatorTable;
    QByteArray exceptionTable;
    const int exceptionCount = ReadTablesAsStored(f, header, operatorTable, exceptionTable);
    f.Close();

    QJsonObject o;
    o["signature"] = QString::fromLatin1(HeaderSignature(header));
    o["exceptionCount"] = exceptionCount;
    o["year"] = 1980 + HeaderYear(header);
    o["month"] = HeaderMonth(header);
    o["daysStored"] = HeaderDaysStored(header);
    o["overflowDays"] = HeaderOverflowDays(header);
    o["endSlot"] = HeaderEndSlot(header);
    o["location"] = FromAnsi(HeaderLocation(header));
    ChannelDefs channels;
    for (int i = 0; i < ChannelCount; ++i)
        channels[i] = HeaderChannel(header, i);
    o["channels"] = ChannelsToJson(channels);
    QJsonArray operators;
    for (int i = 0; i < HeaderOperatorCount(header); ++i)
        operators.append(FromAnsi(GetText(operatorTable, i * OperatorNameSize, OperatorNameSize)));
    o["operators"] = operators;
    QJsonArray exceptions;
    for (int i = 0; i < exceptionCount; ++i) {
        const ExceptionPeriod p = ReadExceptionPeriod(exceptionTable, i);
        QJsonObject e;
        e["from"] = p.from;
        e["to"] = p.to;
        e["mask"] = p.channelMask;
        e["code"] = FromAnsi(GetText(QByteArray(p.code.data(), 4), 0, 4));
        exceptions.append(e);
    }
    o["exceptions"] = exceptions;
    const SummerStateInfo summer = SummerState(TIniFile(ctl.env.IniPath()), year, month);
    o["summerMode"] = summer.mode;
    o["switchMinute"] = summer.switchMinute;
    PrintJson(o);
    return 0;
}

int CmdValidate(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl", "Checks a month file: 0 valid, 1 cannot be opened, 2 not a data file, 3 the "
                   "name does not match the month in the file. The exit status is the result."));
    parser.addPositionalArgument("FILE", QCoreApplication::translate("zedactl", "The month file."));
    const ParseResult pr = ParseOptions(parser, "validate", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (parser.positionalArguments().size() != 1) {
        Complain(QCoreApplication::translate("zedactl", "zedactl validate: needs one FILE"));
        return 2;
    }
    uint8_t year = 0;
    uint8_t month = 0;
    const int result = TFileBase::Validate(parser.positionalArguments().first(), year, month);
    QByteArray out = QByteArray::number(result);
    if (result != TFileBase::Valid)
        out += ' ' + ValidateMessage(result).toUtf8();
    Print(out + '\n');
    return result;
}
