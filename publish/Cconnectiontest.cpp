#include "publish/Cconnectiontest.h"

#include "publish/Cmqttlink.h"

#include <QCoreApplication>
#include <QFile>

TConnectionTest::TConnectionTest(QObject* parent) : QObject(parent) {}

TConnectionTest::~TConnectionTest() {
    Drop();
}

void TConnectionTest::Start(const PublishSettings& settings, int timeoutMs) {
    Drop();
    MqttTarget target;
    target.host = settings.host.trimmed().toUtf8();
    target.port = EffectivePort(settings);
    // Its own client id: the broker would otherwise close the running
    // publisher's session in favour of the test.
    if (!settings.clientId.isEmpty())
        target.clientId = (settings.clientId + "-test").toUtf8();
    target.user = settings.user.toUtf8();
    target.password = settings.password.toUtf8();
    target.caFile = QFile::encodeName(settings.caFile);
    TMqttLink::Options options;
    options.retry = false;
    options.connectTimeoutMs = timeoutMs;
    FBroker = QString::fromUtf8(target.host) + ':' + QString::number(target.port);
    FLink = new TMqttLink(target, options, this);
    // Closing never waits: the link's thread ends on its own.
    FLink->closeWaitMs = 0;
    connect(FLink, &TMqttLink::connected, this, [this] {
        Finish(true, QCoreApplication::translate("Publishing",
                                                 "The broker %1 accepted the connection.")
                         .arg(FBroker));
    });
    connect(FLink, &TMqttLink::attemptFailed, this, [this](const QString& error) {
        Finish(false,
               QCoreApplication::translate("Publishing", "No connection to the broker %1: %2")
                   .arg(FBroker, error));
    });
    FLink->Open();
}

void TConnectionTest::Finish(bool connected, const QString& text) {
    Drop();
    emit finished(connected, text);
}

void TConnectionTest::Drop() {
    if (!FLink)
        return;
    FLink->disconnect(this);
    FLink->deleteLater();
    FLink = nullptr;
}
