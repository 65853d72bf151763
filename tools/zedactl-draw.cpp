// zedactl-draw: serves the commands of zedactl that draw or need fonts and
// printers. zedactl hands their command lines over unchanged; it is not
// meant to be run by itself.

#include "tools/Fctlconfig.h"
#include "tools/Fctlprint.h"
#include "tools/Fctlview.h"

#include <QGuiApplication>

#include <cstdio>
#include <functional>
#include <map>

int main(int argc, char* argv[]) {
    // Fonts and drawing need a GUI application; it never opens a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
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
        std::fprintf(stderr, "zedactl-draw: serves zedactl's commands config, render, report and "
                             "print; run them through zedactl\n");
        return 2;
    }
    return it->second(args);
}
