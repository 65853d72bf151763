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

QString UsageLine() {
    return QCoreApplication::translate(
        "zedactl",
        "Usage: zedactl [--data-dir DIR] [--language en|de|source] [--verbose] CMD [ARGS]");
}

// What a command line without a known command gets: a reminder on stderr.
void PrintShortUsage() {
    const QString text = UsageLine() + '\n' +
                         QCoreApplication::translate("zedactl",
                                                     "Try 'zedactl --help' for the commands.") +
                         '\n';
    std::fputs(text.toUtf8().constData(), stderr);
}

void PrintHelp() {
    QString text = UsageLine() + "\n\n" + QCoreApplication::translate("zedactl", "Commands:") + '\n';
    for (const auto& [name, command] : Commands())
        text += "  " + name.leftJustified(11, ' ') +
                QCoreApplication::translate("zedactl", command.summary) + '\n';
    text += '\n' + QCoreApplication::translate(
                       "zedactl",
                       "'zedactl CMD --help' describes the options of a command; 'zedactl "
                       "--version' prints the version. --language may stand before or after the "
                       "command. --verbose also prints what a successful command did (as does "
                       "ZEDACTL_VERBOSE=1); warnings and errors are always printed.") +
            '\n';
    Print(text.toUtf8());
}

// The helper program that serves a command, or null when zedactl does.
const char* HelperOf(const char* name) {
    const auto it = Commands().find(QString::fromLocal8Bit(name));
    return it != Commands().end() && !it->second.run ? it->second.helper : nullptr;
}

// Runs a helper program in this process with the same command line: beside
// zedactl in the build tree, in the library directory of an installation.
// Returns only when it cannot be run, with the reason (to be translated once
// the catalogue is loaded).
QStringList HandOver(const char* command, const char* helper, std::vector<char*> argv) {
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    const QString dir = QFileInfo(self.canonicalFilePath()).absolutePath();
    const QString name = QString::fromLatin1(helper);
    const QStringList candidates = {dir + "/" + name,
                                    dir + "/" ZEDA_LIBEXEC_FROM_BIN "/" + name};
    // The data directory's default is the directory of this program.
    setenv(ZedactlDirVariable, QFile::encodeName(dir).constData(), 1);
    const QString cmd = QString::fromLocal8Bit(command);
    for (const QString& path : candidates) {
        const QByteArray file = QFile::encodeName(path);
        if (access(file.constData(), X_OK) == 0) {
            execv(file.constData(), argv.data());
            return {QT_TRANSLATE_NOOP("zedactl", "zedactl %1: cannot run %2: %3"), cmd, path,
                    QString::fromLocal8Bit(std::strerror(errno))};
        }
    }
    return {QT_TRANSLATE_NOOP("zedactl", "zedactl %1: %2 is not installed beside zedactl"), cmd,
            name};
}

// The reason HandOver gave, in the user's language.
QString HandOverFailure(const QStringList& reason) {
    const QString text = QCoreApplication::translate("zedactl", reason.first().toUtf8());
    return reason.size() > 3 ? text.arg(reason[1], reason[2], reason[3])
                             : text.arg(reason[1], reason[2]);
}

} // namespace

int main(int argc, char* argv[]) {
    TakeVerboseOption(argc, argv);
    MoveDataDirBehindCommand(argc, argv);
    // The helper gets the command line as it was, --language included.
    const std::vector<char*> given(argv, argv + argc + 1);
    QByteArray language;
    if (!TakeLanguageOption(argc, argv, language))
        return 2;
    QStringList handOverFailure;
    if (const char* helper = argc >= 2 ? HelperOf(argv[1]) : nullptr)
        handOverFailure = HandOver(argv[1], helper, given);
    QuietRuntimeDirNotice();
    QCoreApplication app(argc, argv);
    InstallCtlLanguage(app, language);
    if (!handOverFailure.isEmpty()) {
        Complain(HandOverFailure(handOverFailure));
        return 1;
    }
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (!args.isEmpty() && (args.first() == "--version" || args.first() == "-v")) {
        Print("zedactl " + QByteArray(ZEDA_VERSION) + '\n');
        return 0;
    }
    if (!args.isEmpty() && (args.first() == "--help" || args.first() == "-h")) {
        PrintHelp();
        return 0;
    }
    if (args.isEmpty()) {
        PrintShortUsage();
        return 2;
    }
    const QString name = args.takeFirst();
    const auto it = Commands().find(name);
    if (it == Commands().end()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(
                QCoreApplication::translate("zedactl", "zedactl: unknown command '%1'").arg(name)));
        PrintShortUsage();
        return 2;
    }
    return RunCommand(it->second.run, args);
}
