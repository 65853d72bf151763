// zedactl-publish: serves the commands of zedactl that need the MQTT
// library and, through it, the TLS libraries: publish, and acquire, whose
// service publishes when asked to. zedactl hands the command line over
// unchanged; it is not meant to be run by itself.

#include "tools/Fctlacquire.h"
#include "tools/Fctlcommon.h"
#include "tools/Fctlpublish.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QuietRuntimeDirNotice();
    QByteArray language;
    if (!TakeLanguageOption(argc, argv, language))
        return 2;
    QCoreApplication app(argc, argv);
    InstallCtlLanguage(app, language);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == QLatin1String("publish"))
        return RunCommand(CmdPublish, args);
    if (command == QLatin1String("acquire"))
        return RunCommand(CmdAcquire, args);
    Complain(QCoreApplication::translate(
        "zedactl", "zedactl-publish: serves zedactl's commands publish and acquire; run it "
                   "through zedactl"));
    return 2;
}
