#pragma once

#include <QByteArray>
#include <QList>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

// A unit on a pseudo-terminal whose every answer byte the test chooses. For
// each request frame that arrives, the script returns the pieces to send
// back, each after its pause (none: silence). Requests are read and answers
// framed by this class's own code (its own table-driven check), never by
// the program's frame code, so that a fault there cannot hide itself.
class TScriptedUnit {
public:
    struct Request {
        uint8_t code = 0;
        uint8_t seq = 0;
        QByteArray payload;
        int64_t atMs = 0; // when it arrived, on the unit's clock
    };
    struct Piece {
        QByteArray bytes;
        int pauseMs = 0; // before the bytes go out
    };
    using Script = std::function<QList<Piece>(const Request&)>;

    explicit TScriptedUnit(Script script);
    ~TScriptedUnit();

    TScriptedUnit(const TScriptedUnit&) = delete;
    TScriptedUnit& operator=(const TScriptedUnit&) = delete;

    bool IsOpen() const { return FMaster >= 0; }
    QByteArray Path() const { return FPath; }
    // Every request heard so far, in order.
    QList<Request> Requests() const;
    int Count(uint8_t code) const;
    // Sends pieces now, unasked (the answer to a program that was stopped).
    void Send(const QList<Piece>& pieces);
    // The unit's clock: milliseconds since it was made.
    int64_t NowMs() const;

    // A frame: STX, LEN, CODE, SEQ, payload, check (low byte first).
    static QByteArray Frame(uint8_t code, uint8_t seq, const QByteArray& payload);
    // The answer frame to a request.
    static QByteArray Answer(const Request& request, const QByteArray& payload);

private:
    void Run();
    void TakeRequests();
    void Write(const QList<Piece>& pieces);

    Script FScript;
    int FMaster = -1;
    int FSlave = -1;
    QByteArray FPath;
    QByteArray FReceived;
    std::atomic<bool> FStop{false};
    mutable std::mutex FLock; // guards FRequests and the writes
    QList<Request> FRequests;
    int64_t FStartMs = 0;
    std::thread FThread;
};
