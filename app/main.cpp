#include "app/Umain.h"
#include "app/Umessages.h"
#include "comm/Unotices.h"
#include "config/Cclock.h"
#include "config/Cenv.h"
#include "config/Fdatadir.h"
#include "config/Flanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include <cstdio>
#include <exception>

namespace {

const QCommandLineOption DataDir(
    "data-dir",
    QCoreApplication::translate(
        "main", "Directory of the INI file, the operator list and the month files (default: the "
                "program's directory when it may be written, otherwise $XDG_DATA_HOME/zeda, "
                "usually ~/.local/share/zeda)."),
    "DIR");
const QCommandLineOption LanguageChoice(
    "language",
    "en, de or source (the system's own texts); overrides View > Language and the locale.", "LANG");

void SetUpParser(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName("ZEDA");
    QCoreApplication::setApplicationVersion(ZEDA_VERSION);
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "ZEDA - desktop companion of the 14-channel acquisition unit.\n"
                "Fetches the unit's minute records, keeps one month file per month and shows "
                "them as time diagrams. 'zedactl --help' lists the command-line companion's "
                "commands."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(DataDir);
    parser.addOption(LanguageChoice);
    parser.addPositionalArgument(
        "FILE", QCoreApplication::translate("main", "Month files to open."), "[FILE...]");
}

// --help and --version print and end before anything needs a display.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "-h" || a == "--help" || a == "--help-all" || a == "-?" || a == "-v" ||
            a == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const QByteArray language = LanguageOption(argc, argv);
    if (!language.isEmpty() && !ParseLanguage(language)) {
        std::fprintf(stderr, "zeda: --language takes en, de or source\n");
        return 2;
    }
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication core(argc, argv);
        InstallLanguage(core, ChooseLanguage(language, QByteArray(), system));
        QCommandLineParser parser;
        SetUpParser(parser);
        parser.process(core); // prints and ends the process
        return 0;
    }
    QApplication app(argc, argv);
    QCommandLineParser parser;
    SetUpParser(parser);
    parser.process(app);
    const QCommandLineOption& dataDir = DataDir;

    TSystemClock clock;
    TBoxMessages messages;
    TWindowNotices notices;
    TEnv env;
    env.dataDir = parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath()
                                        : DefaultDataDir(QApplication::applicationDirPath());
    env.clock = &clock;
    env.messages = &messages;
    env.notices = &notices;
    InstallLanguage(app, ChooseLanguage(language, StoredLanguage(env.IniPath()), system));
    if (!QDir().mkpath(env.dataDir)) {
        QMessageBox::critical(
            nullptr, "ZEDA",
            QCoreApplication::translate("main", "Error - Directory %1 cannot be created!")
                .arg(env.dataDir));
        return 1;
    }

    try {
        return RunMainWindow(env, {}, parser.positionalArguments());
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, "ZEDA", QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, "ZEDA", QString());
    }
    return 1;
}
