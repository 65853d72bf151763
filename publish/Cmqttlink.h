#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

// Where and how to connect. Texts in UTF-8 as MQTT carries them.
struct MqttTarget {
    QByteArray host;
    int port = 1883;
    QByteArray clientId; // empty: the library makes one up
    QByteArray user;     // empty: no user name
    QByteArray password;
    QByteArray caFile;      // TLS with this CA when set (a file name)
    QByteArray statusTopic; // "online" while connected, "offline" as the last
                            // will and when closed; empty: no status
};

// A connection to an MQTT broker, kept on a thread of its own so that name
// lookups, a broker that does not answer or a slow network never hold up
// the thread that publishes. It connects, reconnects after a pause that
// doubles up to a limit, and tells what happens through queued signals.
// Every connection starts clean: a message that was not acknowledged is the
// sender's to send again.
class TMqttLink : public QObject {
    Q_OBJECT
public:
    struct Options {
        int retryMs = 1000;          // first pause before another attempt
        int maxRetryMs = 30000;      // the pause doubles up to this
        int connectTimeoutMs = 10000; // no answer to the connection by then: failed
        bool retry = true;           // false: a single attempt (connection test)
        int keepAliveS = 30;
    };

    TMqttLink(const MqttTarget& target, Options options, QObject* parent = nullptr);
    TMqttLink(const TMqttLink&) = delete;
    TMqttLink& operator=(const TMqttLink&) = delete;
    // Closes, waiting up to closeWaitMs.
    ~TMqttLink() override;

    // Starts the link's thread, which connects.
    void Open();
    // Sends "offline" to the status topic, disconnects and ends the thread.
    // Waits up to waitMs for that; a thread still busy then (a name lookup)
    // ends on its own later and reports nothing more.
    void Close(int waitMs);
    int closeWaitMs = 3000;

    // Any thread: queues a QoS 1 message on the connection of that number.
    // Its message id, which acknowledged() names, or -1 when that
    // connection is not up (any more).
    int Publish(int session, const QByteArray& topic, const QByteArray& payload, bool retain);

    struct Core;

signals:
    // Each connection has its own number; message ids belong to it.
    void connected(int session);
    // An attempt failed (no connection came about): the reason.
    void attemptFailed(const QString& error);
    // An established connection was lost: the reason.
    void disconnected(int session, const QString& error);
    // The broker acknowledged a message (PUBACK).
    void acknowledged(int session, int mid);

private:
    std::shared_ptr<Core> FCore;
};
