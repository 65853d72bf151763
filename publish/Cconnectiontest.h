#pragma once

#include "publish/Fpublishsettings.h"

#include <QObject>
#include <QString>

class TMqttLink;

// One attempt to connect with the given settings, without publishing
// anything, for the settings dialog's "Test connection". It runs on the
// link's own thread; the answer comes as a signal, so the window never
// waits for it.
class TConnectionTest : public QObject {
    Q_OBJECT
public:
    explicit TConnectionTest(QObject* parent = nullptr);
    ~TConnectionTest() override;

    // Gives up after timeoutMs without an answer. A test still running is
    // abandoned first.
    void Start(const PublishSettings& settings, int timeoutMs = 5000);
    bool Running() const { return FLink != nullptr; }

signals:
    // The broker's answer, for the user.
    void finished(bool connected, const QString& text);

private:
    void Finish(bool connected, const QString& text);
    void Drop();

    TMqttLink* FLink = nullptr;
    QString FBroker;
};
