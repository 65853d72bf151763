#pragma once

// A subscriber on the test broker, with the MQTT client library itself: a
// lasting session (what arrives while it is away is kept for it), QoS 1 by
// default, every message kept in arrival order. It reconnects on its own
// after the broker was restarted. With QoS 0 the broker sends without
// waiting for acknowledgements: fast, but only while it is connected.

#include <QByteArray>
#include <QList>
#include <QString>

#include <mosquitto.h>

#include <mutex>

class TSubscriber {
public:
    struct Message {
        QByteArray topic;
        QByteArray payload;
        bool retain = false;
    };

    TSubscriber(const QByteArray& clientId, int port, const QByteArray& filter, int qos = 1)
        : FFilter(filter), FQos(qos) {
        mosquitto_lib_init();
        FMosq = mosquitto_new(clientId.constData(), false, this);
        mosquitto_connect_callback_set(FMosq, OnConnect);
        mosquitto_subscribe_callback_set(FMosq, OnSubscribe);
        mosquitto_message_callback_set(FMosq, OnMessage);
        mosquitto_reconnect_delay_set(FMosq, 1, 1, false);
        FOk = mosquitto_connect(FMosq, "127.0.0.1", port, 30) == MOSQ_ERR_SUCCESS &&
              mosquitto_loop_start(FMosq) == MOSQ_ERR_SUCCESS;
    }
    ~TSubscriber() {
        mosquitto_disconnect(FMosq);
        mosquitto_loop_stop(FMosq, true);
        mosquitto_destroy(FMosq);
    }
    TSubscriber(const TSubscriber&) = delete;
    TSubscriber& operator=(const TSubscriber&) = delete;

    bool Ok() const { return FOk; }
    // The subscription has been granted at least once.
    bool Subscribed() {
        std::lock_guard<std::mutex> lock(FMutex);
        return FSubscribed;
    }
    QList<Message> Messages() {
        std::lock_guard<std::mutex> lock(FMutex);
        return FMessages;
    }
    // The payloads that arrived on one topic.
    QList<QByteArray> Payloads(const QByteArray& topic) {
        std::lock_guard<std::mutex> lock(FMutex);
        QList<QByteArray> out;
        for (const Message& m : FMessages)
            if (m.topic == topic)
                out << m.payload;
        return out;
    }
    qsizetype Count(const QByteArray& topic) { return Payloads(topic).size(); }

private:
    static void OnConnect(mosquitto* m, void* obj, int rc) {
        auto* s = static_cast<TSubscriber*>(obj);
        if (rc == 0)
            mosquitto_subscribe(m, nullptr, s->FFilter.constData(), s->FQos);
    }
    static void OnSubscribe(mosquitto*, void* obj, int, int, const int*) {
        auto* s = static_cast<TSubscriber*>(obj);
        std::lock_guard<std::mutex> lock(s->FMutex);
        s->FSubscribed = true;
    }
    static void OnMessage(mosquitto*, void* obj, const mosquitto_message* msg) {
        auto* s = static_cast<TSubscriber*>(obj);
        std::lock_guard<std::mutex> lock(s->FMutex);
        s->FMessages.append({QByteArray(msg->topic),
                             QByteArray(static_cast<const char*>(msg->payload), msg->payloadlen),
                             msg->retain});
    }

    QByteArray FFilter;
    int FQos = 1;
    mosquitto* FMosq = nullptr;
    bool FOk = false;
    std::mutex FMutex;
    bool FSubscribed = false;
    QList<Message> FMessages;
};
