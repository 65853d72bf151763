// zedactl: the command-line companion of ZEDA for headless work. Every
// command runs the same core code as the windowed program.

#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "tools/Fctlcommon.h"
#include "tools/Fctlexport.h"
#include "tools/Fctlfiles.h"
#include "tools/Fctlsettings.h"
#include "tools/Fctlstats.h"
#include "tools/Fctlunit.h"
#include "tools/Fctlprint.h"
#include "tools/Fctlpublish.h"
#include "tools/Fctlview.h"
#include "tools/Fjson.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

struct Command {
    const char* summary;
    std::function<int(const QStringList&)> run;
};

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

const std::map<QString, Command>& Commands() {
    static const std::map<QString, Command> commands = {
        {"config", {"print the configuration as JSON", CmdConfig}},
        {"simulate",
         {"run the acquisition with the simulated unit on a simulated clock", CmdSimulate}},
        {"info", {"print what a month file holds as JSON", CmdInfo}},
        {"validate", {"check a month file (the exit status is the result)", CmdValidate}},
        {"render", {"paint a month file's diagram into a PNG picture", CmdRender}},
        {"export", {"write the marked range of a month file as CSV", CmdExport}},
        {"stats", {"print the figures of a range of a month file as JSON", CmdStats}},
        {"exception", {"set or clear an exception period in a month file", CmdException}},
        {"backup", {"back a month file up into a directory", CmdBackup}},
        {"import", {"import a month file into the data directory", CmdImport}},
        {"channel", {"show or change a channel definition", CmdChannel}},
        {"operators", {"list or edit the operator list", CmdOperators}},
        {"password", {"set the operator or administrator password", CmdPassword}},
        {"unit", {"talk to the unit: detect, info, values, set-clock", CmdUnit}},
        {"acquire", {"store the unit's records into the month files until it is idle", CmdAcquire}},
        {"report", {"draw a day or month report or a view print into a PDF", CmdReport}},
        {"print", {"print a day or month report on the configured printers", CmdPrint}},
        {"publish", {"publish the stored minutes to the MQTT broker", CmdPublish}},
    };
    return commands;
}

void PrintUsage() {
    QByteArray text = "Usage: zedactl COMMAND [OPTIONS]\n\nCommands:\n";
    for (const auto& [name, command] : Commands())
        text += "  " + name.toUtf8().leftJustified(11, ' ') + command.summary + '\n';
    text += "\n'zedactl COMMAND --help' describes the options of a command; 'zedactl --version' "
            "prints the version.\n";
    Print(text);
}

} // namespace

// Commands that only read and write files: they start without the GUI
// application, whose platform and font set-up takes longer than the work of
// a whole month.
bool NeedsNoGui(int argc, char* argv[]) {
    if (argc < 2)
        return false;
    const QByteArray name(argv[1]);
    return name == "export" || name == "stats" || name == "validate" || name == "info" ||
           name == "publish";
}

int main(int argc, char* argv[]) {
    std::unique_ptr<QCoreApplication> app;
    if (NeedsNoGui(argc, argv)) {
        app = std::make_unique<QCoreApplication>(argc, argv);
    } else {
        // Fonts and drawing need a GUI application; it never opens a window.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (!args.isEmpty() && (args.first() == "--version" || args.first() == "-v")) {
        Print("zedactl " + QByteArray(ZEDA_VERSION) + '\n');
        return 0;
    }
    if (args.isEmpty() || args.first() == "--help" || args.first() == "-h") {
        PrintUsage();
        return args.isEmpty() ? 2 : 0;
    }
    const QString name = args.takeFirst();
    const auto it = Commands().find(name);
    if (it == Commands().end()) {
        std::fprintf(stderr, "zedactl: unknown command '%s'\n", qPrintable(name));
        PrintUsage();
        return 2;
    }
    return it->second.run(args);
}
