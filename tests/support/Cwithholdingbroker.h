#pragma once

// A broker of the tests' own for what mosquitto cannot be made to do: it
// speaks just enough MQTT 3.1.1 (CONNECT, PUBLISH, PINGREQ, DISCONNECT) on
// a loopback port, keeps every message in arrival order and answers a QoS 1
// message with PUBACK only when the rule says so. One client at a time, on
// a thread of its own.

#include <QByteArray>
#include <QList>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

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
        FListen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof a;
        if (::bind(FListen, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
            ::listen(FListen, 4) == 0 &&
            ::getsockname(FListen, reinterpret_cast<sockaddr*>(&a), &len) == 0)
            FPort = ntohs(a.sin_port);
        FThread = std::thread([this] { Serve(); });
    }
    ~TWithholdingBroker() {
        FStop = true;
        FThread.join();
        ::close(FListen);
    }
    TWithholdingBroker(const TWithholdingBroker&) = delete;
    TWithholdingBroker& operator=(const TWithholdingBroker&) = delete;

    int Port() const { return FPort; }
    QList<Message> Messages() {
        std::lock_guard<std::mutex> lock(FMutex);
        return FMessages;
    }
    QList<QByteArray> Payloads(const QByteArray& topic) {
        QList<QByteArray> out;
        for (const Message& m : Messages())
            if (m.topic == topic)
                out << m.payload;
        return out;
    }

private:
    // Waits for readable data, a tenth of a second at a time, until stopped.
    bool WaitReadable(int fd) {
        while (!FStop) {
            pollfd p{fd, POLLIN, 0};
            const int n = ::poll(&p, 1, 100);
            if (n > 0)
                return true;
            if (n < 0)
                return false;
        }
        return false;
    }

    bool ReadExactly(int fd, char* data, size_t size) {
        while (size > 0) {
            if (!WaitReadable(fd))
                return false;
            const ssize_t n = ::recv(fd, data, size, 0);
            if (n <= 0)
                return false;
            data += n;
            size -= size_t(n);
        }
        return true;
    }

    static bool Send(int fd, const QByteArray& bytes) {
        return ::send(fd, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
    }

    // One packet: its first byte and the bytes after the remaining length.
    bool ReadPacket(int fd, unsigned char& type, QByteArray& body) {
        char b = 0;
        if (!ReadExactly(fd, &b, 1))
            return false;
        type = static_cast<unsigned char>(b);
        size_t length = 0;
        for (int shift = 0; shift < 28; shift += 7) {
            char c = 0;
            if (!ReadExactly(fd, &c, 1))
                return false;
            length |= size_t(static_cast<unsigned char>(c) & 0x7F) << shift;
            if ((static_cast<unsigned char>(c) & 0x80) == 0)
                break;
        }
        body.resize(qsizetype(length));
        return length == 0 || ReadExactly(fd, body.data(), length);
    }

    bool OnPublish(int fd, unsigned char type, const QByteArray& body) {
        const int qos = (type >> 1) & 3;
        const int topicLength = (static_cast<unsigned char>(body[0]) << 8) |
                                static_cast<unsigned char>(body[1]);
        const QByteArray topic = body.mid(2, topicLength);
        const int at = 2 + topicLength;
        const QByteArray id = qos > 0 ? body.mid(at, 2) : QByteArray();
        int n = 0;
        {
            std::lock_guard<std::mutex> lock(FMutex);
            for (const Message& m : FMessages)
                n += m.topic == topic ? 1 : 0;
            FMessages.push_back({topic, body.mid(at + id.size())});
        }
        if (qos == 0 || !FRule(topic, n))
            return true;
        return Send(fd, QByteArray("\x40\x02", 2) + id);
    }

    void Talk(int fd) {
        unsigned char type = 0;
        QByteArray body;
        while (ReadPacket(fd, type, body)) {
            bool ok = true;
            switch (type >> 4) {
            case 1: // CONNECT: accepted
                ok = Send(fd, QByteArray("\x20\x02\x00\x00", 4));
                break;
            case 3:
                ok = body.size() >= 2 && OnPublish(fd, type, body);
                break;
            case 12: // PINGREQ
                ok = Send(fd, QByteArray("\xD0\x00", 2));
                break;
            case 14: // DISCONNECT
                ok = false;
                break;
            default:
                break;
            }
            if (!ok)
                break;
        }
    }

    void Serve() {
        while (WaitReadable(FListen)) {
            const int fd = ::accept4(FListen, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0)
                continue;
            Talk(fd);
            ::close(fd);
        }
    }

    Rule FRule;
    int FListen = -1;
    int FPort = 0;
    std::atomic<bool> FStop{false};
    std::mutex FMutex;
    QList<Message> FMessages;
    std::thread FThread;
};
