// zedactl-publish: serves zedactl publish, the one command that needs the
// MQTT library and, through it, the TLS libraries. zedactl hands the
// command line over unchanged; it is not meant to be run by itself.

#include "tools/Fctlcommon.h"
#include "tools/Fctlpublish.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QByteArray language;
    if (!TakeLanguageOption(argc, argv, language))
        return 2;
    QCoreApplication app(argc, argv);
    InstallCtlLanguage(app, language);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty() || args.takeFirst() != QLatin1String("publish")) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl-publish: serves zedactl's command publish; run it through zedactl"));
        return 2;
    }
    return RunCommand(CmdPublish, args);
}
