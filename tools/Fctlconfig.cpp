#include "tools/Fctlconfig.h"

#include "config/Cconfig.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "tools/Fctlcommon.h"
#include "tools/Fjson.h"

namespace {

QJsonObject ConfigToJson(const TConfig& config) {
    QJsonObject o;
    o["location"] = FromAnsi(config.location);
    o["retentionMonths"] = config.retentionMonths;
    o["timeZoom"] = config.timeZoom;
    o["sizeZoom"] = config.sizeZoom;
    o["backgroundChoice"] = config.backgroundChoice;
    o["backgroundColour"] = static_cast<qint64>(config.backgroundColour);
    if (config.printerFontSet) {
        const QFont font = PrinterFont(config);
        QJsonObject f;
        f["face"] = font.family();
        f["pointSize"] = font.pointSize();
        f["italic"] = font.italic();
        f["underline"] = font.underline();
        f["strikeOut"] = font.strikeOut();
        o["printerFont"] = f;
    } else {
        o["printerFont"] = QJsonValue::Null;
    }
    o["channels"] = ChannelsToJson(config.channels);
    return o;
}

} // namespace

int CmdConfig(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Prints the configuration as the program loads it (JSON).");
    parser.addOption(DataDirOption());
    const ParseResult pr = ParseOptions(parser, "config", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    CtlEnv ctl(parser.value("data-dir"));
    TConfig config(ctl.env.IniPath());
    PrintJson(ConfigToJson(config));
    return 0;
}
