#include "tools/Fctlpublish.h"

#include "config/Cinifile.h"
#include "publish/Cpublisher.h"
#include "publish/Fpublishsettings.h"
#include "tools/Fctlcommon.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

namespace {

void Quit() {
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

} // namespace

int CmdPublish(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Publishes the stored minutes to the MQTT broker of the [MQTT] settings: every minute "
        "after the cursor (or from --from) up to the newest stored one, and exits when the broker "
        "has acknowledged them all; with --follow also the minutes stored later, until SIGTERM."));
    parser.addOption(DataDirOption());
    parser.addOption({"from",
                      QCoreApplication::translate(
                          "zedactl", "The first minute to publish, whatever the cursor says."),
                      "YYYY-MM-DD HH:MM"});
    parser.addOption(
        {"follow", QCoreApplication::translate(
                       "zedactl", "Keep publishing new minutes until SIGTERM or SIGINT.")});
    const ParseResult pr = ParseOptions(parser, "publish", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    LocalTime from;
    if (parser.isSet("from") && !ParseDateTime(parser.value("from"), from)) {
        Complain(QCoreApplication::translate("zedactl",
                                             "zedactl publish: --from takes \"YYYY-MM-DD HH:MM\""));
        return 2;
    }
    const bool follow = parser.isSet("follow");
    CtlEnv ctl(parser.value("data-dir"));
    const TIniFile ini(ctl.env.IniPath());
    const PublishSettings settings = ReadPublishSettings(ini);

    TPublisher::Options options;
    options.program = QStringLiteral("zedactl");
    options.cursorOnlyWhenConnected = true;
    options.pollMs = 1000;
    TPublisher publisher(ctl.env.dataDir, settings, InstallationLocation(ini), options);
    int exitCode = 0;
    bool connected = false;
    bool stopping = false;
    const auto finish = [&](int code) {
        if (stopping)
            return;
        stopping = true;
        exitCode = code;
        publisher.Stop();
    };
    const auto show = [&](TMessages::Kind kind, const QString& text) {
        ctl.messages.Show(kind, text);
    };
    QObject::connect(&publisher, &TPublisher::failed, [&](const QString& text) {
        show(TMessages::Error, text);
        exitCode = 1;
        Quit();
    });
    QObject::connect(&publisher, &TPublisher::connected, [&] { connected = true; });
    // Without a first connection nothing is changed, and the command fails.
    QObject::connect(&publisher, &TPublisher::attemptFailed, [&](const QString& text) {
        const bool fatal = !connected || !follow;
        show(fatal ? TMessages::Error : TMessages::Warning, text);
        if (fatal)
            finish(1);
    });
    QObject::connect(&publisher, &TPublisher::connectionLost, [&](const QString& text) {
        show(follow ? TMessages::Warning : TMessages::Error, text);
        if (!follow)
            finish(1);
    });
    QObject::connect(&publisher, &TPublisher::warning,
                     [&](const QString& text) { show(TMessages::Warning, text); });
    QObject::connect(&publisher, &TPublisher::caughtUp, [&] {
        if (!follow)
            finish(0);
    });
    // A month file in the way: without --follow the command ends there, the
    // cursor before the file; with it the file is looked at again.
    QObject::connect(&publisher, &TPublisher::stalled, [&](const QString& text, bool lasting) {
        show(lasting ? TMessages::Error : TMessages::Warning, text);
        if (!follow)
            finish(1);
    });
    QObject::connect(&publisher, &TPublisher::stopped, [&] {
        const PublishStatus s = publisher.Status();
        const QString upTo = s.acknowledged == NoMinute
                                 ? QCoreApplication::translate("zedactl", "none")
                                 : QString::fromLatin1(MinuteText(FromWallMinute(s.acknowledged)));
        if (!publisher.CursorError().isEmpty()) {
            // Delivered, but the next start sends it again: no success.
            show(TMessages::Error, publisher.CursorError());
            exitCode = 1;
        }
        if (exitCode == 0)
            Print(QCoreApplication::translate("zedactl",
                                              "publish: %1 minutes sent, acknowledged up to %2\n")
                      .arg(publisher.SentCount())
                      .arg(upTo)
                      .toUtf8());
        Quit();
    });

    // SIGTERM and SIGINT end the command cleanly.
    const std::unique_ptr<QSocketNotifier> termination = CatchTermination([&] { finish(0); });
    QTimer::singleShot(0, &publisher, [&] {
        if (parser.isSet("from"))
            publisher.StartFrom(ToWallMinute(from));
        else
            publisher.Start();
    });
    QCoreApplication::exec();
    return exitCode;
}
