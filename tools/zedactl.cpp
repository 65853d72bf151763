// zedactl: the command-line companion of ZEDA for headless work. Every
// command runs the same core code as the windowed program.
//
// zedactl itself links the core on QtCore alone. The commands that draw or
// need fonts and printers (config, render, report, print) are served by
// zedactl-draw, and publish by zedactl-publish, which zedactl hands the
// command line over to; so the reading commands never load the font, widget
// and printer libraries, nor the MQTT and TLS libraries.

#include "tools/Fctlalarms.h"
#include "tools/Fctlcommon.h"
#include "tools/Fctlexceptions.h"
#include "tools/Fctlexport.h"
#include "tools/Fctlfiles.h"
#include "tools/Fctlsettings.h"
#include "tools/Fctlstats.h"
#include "tools/Fctlunit.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <unistd.h>
#include <vector>

namespace {

struct Command {
    const char* summary;
    // Null for a command that a helper program serves.
    std::function<int(const QStringList&)> run;
    const char* helper = "zedactl-draw";
};

const std::map<QString, Command>& Commands() {
    static const std::map<QString, Command> commands = {
        {"alarms",
         {QT_TRANSLATE_NOOP("zedactl", "set and list alarm limits, evaluate a month, read the "
                                       "alarm log"),
          CmdAlarms}},
        {"config", {QT_TRANSLATE_NOOP("zedactl", "print the configuration as JSON"), nullptr}},
        {"simulate",
         {QT_TRANSLATE_NOOP("zedactl",
                            "run the acquisition with the simulated unit on a simulated clock"),
          CmdSimulate}},
        {"info", {QT_TRANSLATE_NOOP("zedactl", "print what a month file holds as JSON"), CmdInfo}},
        {"validate",
         {QT_TRANSLATE_NOOP("zedactl", "check a month file (the exit status is the result)"),
          CmdValidate}},
        {"render",
         {QT_TRANSLATE_NOOP("zedactl", "paint a month file's diagram into a PNG picture"),
          nullptr}},
        {"export",
         {QT_TRANSLATE_NOOP("zedactl", "write the marked range of a month file as CSV"),
          CmdExport}},
        {"stats",
         {QT_TRANSLATE_NOOP("zedactl", "print the figures of a range of a month file as JSON"),
          CmdStats}},
        {"exception",
         {QT_TRANSLATE_NOOP("zedactl", "set or clear an exception period in a month file"),
          CmdException}},
        {"exceptions",
         {QT_TRANSLATE_NOOP("zedactl", "list or edit the exception descriptions"), CmdExceptions}},
        {"backup",
         {QT_TRANSLATE_NOOP("zedactl", "back a month file up into a directory"), CmdBackup}},
        {"import",
         {QT_TRANSLATE_NOOP("zedactl", "import a month file into the data directory"), CmdImport}},
        {"channel",
         {QT_TRANSLATE_NOOP("zedactl", "show or change a channel definition"), CmdChannel}},
        {"operators",
         {QT_TRANSLATE_NOOP("zedactl", "list or edit the operator list"), CmdOperators}},
        {"location", {QT_TRANSLATE_NOOP("zedactl", "show or change the location"), CmdLocation}},
        {"password",
         {QT_TRANSLATE_NOOP("zedactl", "set the operator or administrator password"), CmdPassword}},
        {"unit",
         {QT_TRANSLATE_NOOP("zedactl", "talk to the unit: detect, info, values, set-clock"),
          CmdUnit}},
        {"acquire",
         {QT_TRANSLATE_NOOP("zedactl",
                            "store the unit's records into the month files until it is idle"),
          nullptr, "zedactl-publish"}},
        {"report",
         {QT_TRANSLATE_NOOP("zedactl", "draw a day or month report or a view print into a PDF"),
          nullptr}},
        {"print",
         {QT_TRANSLATE_NOOP("zedactl", "print a day or month report on the configured printers"),
          nullptr}},
        {"publish",
         {QT_TRANSLATE_NOOP("zedactl", "publish the stored minutes to the MQTT broker"),
          nullptr, "zedactl-publish"}},
    };
    return commands;
}

void PrintUsage() {
    QString text =
        QCoreApplication::translate("zedactl", "Usage: zedactl [--language en|de|source] "
                                               "COMMAND [OPTIONS]\n\nCommands:\n");
    for (const auto& [name, command] : Commands())
        text += "  " + name.leftJustified(11, ' ') +
                QCoreApplication::translate("zedactl", command.summary) + '\n';
    text += QCoreApplication::translate(
        "zedactl", "\n'zedactl COMMAND --help' describes the options of a command; 'zedactl "
                   "--version' prints the version. --language may stand before or after the "
                   "command.\n");
    Print(text.toUtf8());
}

// The helper program that serves a command, or null when zedactl does.
const char* HelperOf(const char* name) {
    const auto it = Commands().find(QString::fromLocal8Bit(name));
    return it != Commands().end() && !it->second.run ? it->second.helper : nullptr;
}

// Runs a helper program in this process with the same command line: beside
// zedactl in the build tree, in the library directory of an installation.
// Returns only when it cannot be run.
int HandOver(const char* command, const char* helper, std::vector<char*> argv) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString dir = QFileInfo(self.canonicalFilePath()).absolutePath();
    const QString name = QString::fromLatin1(helper);
    const QStringList candidates = {dir + "/" + name,
                                    dir + "/" ZEDA_LIBEXEC_FROM_BIN "/" + name};
    // The data directory's default is the directory of this program.
    setenv(ZedactlDirVariable, QFile::encodeName(dir).constData(), 1);
    for (const QString& path : candidates) {
        const QByteArray file = QFile::encodeName(path);
        if (access(file.constData(), X_OK) == 0) {
            execv(file.constData(), argv.data());
            std::fprintf(stderr, "zedactl %s: cannot run %s: %s\n", command, file.constData(),
                         std::strerror(errno));
            return 1;
        }
    }
    std::fprintf(stderr, "zedactl %s: %s is not installed beside zedactl\n", command, helper);
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // The helper gets the command line as it was, --language included.
    const std::vector<char*> given(argv, argv + argc + 1);
    QByteArray language;
    if (!TakeLanguageOption(argc, argv, language))
        return 2;
    if (const char* helper = argc >= 2 ? HelperOf(argv[1]) : nullptr)
        return HandOver(argv[1], helper, given);
    QCoreApplication app(argc, argv);
    InstallCtlLanguage(app, language);
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
        std::fprintf(
            stderr, "%s\n",
            qPrintable(
                QCoreApplication::translate("zedactl", "zedactl: unknown command '%1'").arg(name)));
        PrintUsage();
        return 2;
    }
    return RunCommand(it->second.run, args);
}
