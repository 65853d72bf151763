#include "app/Umain.h"
#include "app/Umessages.h"
#include "comm/Unotices.h"
#include "config/Cclock.h"
#include "config/Cenv.h"
#include "config/Fdatadir.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>

#include <exception>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZEDA");

    QCommandLineParser parser;
    parser.setApplicationDescription("ZEDA - desktop companion of the 14-channel acquisition unit");
    parser.addHelpOption();
    const QCommandLineOption dataDir(
        "data-dir",
        "Directory of the INI file, the operator list and the month files (default: the "
        "program's directory when it may be written, otherwise $XDG_DATA_HOME/zeda, usually "
        "~/.local/share/zeda).",
        "DIR");
    parser.addOption(dataDir);
    parser.process(app);

    TSystemClock clock;
    TBoxMessages messages;
    TWindowNotices notices;
    TEnv env;
    env.dataDir = parser.isSet(dataDir) ? QDir(parser.value(dataDir)).absolutePath()
                                        : DefaultDataDir(QApplication::applicationDirPath());
    env.clock = &clock;
    env.messages = &messages;
    env.notices = &notices;
    if (!QDir().mkpath(env.dataDir)) {
        QMessageBox::critical(nullptr, "ZEDA",
                              "Error - Directory " + env.dataDir + " cannot be created!");
        return 1;
    }

    try {
        return RunMainWindow(env);
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, "ZEDA", QString::fromLocal8Bit(e.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, "ZEDA", QString());
    }
    return 1;
}
