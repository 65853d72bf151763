// zedactl-draw: serves the commands of zedactl that draw or need fonts and
// printers. zedactl hands their command lines over unchanged; it is not
// meant to be run by itself.

#include "config/Cconfig.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "tools/Fctlcommon.h"
#include "tools/Fctlprint.h"
#include "tools/Fctlview.h"
#include "tools/Fjson.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <functional>
#include <map>

namespace {

// What zedactl config prints: the configuration as the program loads it. The
// printer font is shown as the platform makes it, which needs the font
// library; so the command is served here.
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

int CmdConfig(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl", "Prints the configuration as the program loads it (JSON)."));
    parser.addOption(DataDirOption());
    const ParseResult pr = ParseOptions(parser, "config", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    CtlEnv ctl(parser.value("data-dir"));
    TConfig config(ctl.env.IniPath());
    PrintJson(ConfigToJson(config));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Fonts and drawing need a GUI application; it never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietRuntimeDirNotice();
    QByteArray language;
    if (!TakeLanguageOption(argc, argv, language))
        return 2;
    QGuiApplication app(argc, argv);
    InstallCtlLanguage(app, language);
    static const std::map<QString, std::function<int(const QStringList&)>> commands = {
        {"config", CmdConfig},
        {"render", CmdRender},
        {"report", CmdReport},
        {"print", CmdPrint},
    };
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const auto it = args.isEmpty() ? commands.end() : commands.find(args.takeFirst());
    if (it == commands.end()) {
        Complain(QCoreApplication::translate("zedactl",
                                             "zedactl-draw: serves zedactl's commands config, "
                                             "render, report and print; run them through zedactl"));
        return 2;
    }
    return RunCommand(it->second, args);
}
