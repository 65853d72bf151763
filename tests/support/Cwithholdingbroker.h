#pragma once

// A broker of the tests' own for what mosquitto cannot be made to do: it
// speaks just enough MQTT 3.1.1 on a loopback port for one client at a
// time, keeps every message in arrival order and answers a QoS 1 message
// with PUBACK only when the rule says so.

#include "support/Cbroker.h"

#include <QByteArray>
#include <QList>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

class TWithholdingBroker {
public:
    struct Message {
        QByteArray topic;
        QByteArray payload;
    };
    // Whether the n-th message (from 0) on a topic gets its PUBACK.
    using Rule = std::function<bool(const QByteArray& topic, int n)>;

    explicit TWithholdingBroker(Rule rule) : FRule(std::move(rule)) {
        FPort = FreePort();
        FListen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(uint16_t(FPort));
        if (::bind(FListen, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
            ::listen(FListen, 4) != 0)
            FPort = 0;
        FThread = std::thread([this] { Serve(); });
    }
    ~TWithholdingBroker() {
        // Wakes the thread from accept or recv.
        ::shutdown(FListen, SHUT_RDWR);
        ::shutdown(FClient, SHUT_RDWR);
        FThread.join();
        ::close(FListen);
    }
    TWithholdingBroker(const TWithholdingBroker&) = delete;
    TWithholdingBroker& operator=(const TWithholdingBroker&) = delete;

    int Port() const { return FPort; }
    QList<QByteArray> Payloads(const QByteArray& topic) {
        std::lock_guard<std::mutex> lock(FMutex);
        QList<QByteArray> out;
        for (const Message& m : FMessages)
            if (m.topic == topic)
                out << m.payload;
        return out;
    }

private:
    bool Read(char* data, size_t size) {
        for (ssize_t n = 0; size > 0; data += n, size -= size_t(n))
            if ((n = ::recv(FClient, data, size, 0)) <= 0)
                return false;
        return true;
    }

    bool Send(const char* bytes, int size) {
        return ::send(FClient, bytes, size_t(size), MSG_NOSIGNAL) == size;
    }

    // One packet: its first byte and what follows the remaining length.
    bool ReadPacket(unsigned char& type, QByteArray& body) {
        char c = 0;
        if (!Read(&c, 1))
            return false;
        type = static_cast<unsigned char>(c);
        size_t length = 0;
        for (int shift = 0; Read(&c, 1); shift += 7) {
            length |= size_t(c & 0x7F) << shift;
            if ((c & 0x80) == 0) {
                body.resize(qsizetype(length));
                return length == 0 || Read(body.data(), length);
            }
        }
        return false;
    }

    bool OnPublish(unsigned char type, const QByteArray& body) {
        const int qos = (type >> 1) & 3;
        const int at = 2 + ((static_cast<unsigned char>(body[0]) << 8) |
                            static_cast<unsigned char>(body[1]));
        const QByteArray topic = body.mid(2, at - 2);
        const QByteArray id = qos > 0 ? body.mid(at, 2) : QByteArray();
        int n = 0;
        {
            std::lock_guard<std::mutex> lock(FMutex);
            for (const Message& m : FMessages)
                n += m.topic == topic ? 1 : 0;
            FMessages.push_back({topic, body.mid(at + id.size())});
        }
        return qos == 0 || !FRule(topic, n) || Send(("\x40\x02" + id).constData(), 4);
    }

    void Serve() {
        while ((FClient = ::accept4(FListen, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
            unsigned char type = 0;
            QByteArray body;
            bool ok = true;
            while (ok && ReadPacket(type, body)) {
                switch (type >> 4) {
                case 1: ok = Send("\x20\x02\x00\x00", 4); break; // CONNECT: accepted
                case 3: ok = body.size() >= 2 && OnPublish(type, body); break;
                case 12: ok = Send("\xD0\x00", 2); break; // PINGREQ
                case 14: ok = false; break;               // DISCONNECT
                default: break;
                }
            }
            ::close(FClient);
            FClient = -1;
        }
    }

    Rule FRule;
    int FListen = -1;
    std::atomic<int> FClient{-1};
    int FPort = 0;
    std::mutex FMutex;
    QList<Message> FMessages;
    std::thread FThread;
};
