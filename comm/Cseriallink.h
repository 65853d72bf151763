#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <memory>

class QSerialPort;

// Request-and-answer exchanges of the framed protocol over a serial port,
// one at a time. The caller of Exchange waits for its answer while the event
// loop goes on serving timers and painting (user input waits until the
// answer is in), so a slow line never freezes the window. A caller that
// comes in from such an event while another exchange is under way is served
// after it; nothing is ever sent in the middle of another exchange.
class TSerialLink : public QObject {
    Q_OBJECT
public:
    // Tries of one exchange before it counts as failed.
    static constexpr int Attempts = 3;

    TSerialLink();

    // Sends the request and waits for the answer that carries its code and
    // sequence number. A damaged answer is asked for again at once, a missing
    // one after the time-out. False when no try brought a valid answer.
    bool Exchange(QSerialPort* port, uint32_t baud, uint8_t code, const QByteArray& request,
                  int longestAnswer, QByteArray& answer);

    // True while an exchange is under way or waiting for its turn.
    bool Busy() const { return !FJobs.empty(); }

    // How long one try waits for its answer: twice the time the request and
    // the longest answer need on the line, plus 100 ms for the unit and the
    // operating system.
    static int TryTimeoutMs(uint32_t baud, int requestBytes, int answerBytes);

    int repeats = 0; // tries repeated after a damaged or missing answer

private:
    struct Job {
        QPointer<QSerialPort> port;
        QByteArray frame;
        uint8_t code = 0;
        uint8_t seq = 0;
        int timeoutMs = 0;
        int triesLeft = Attempts;
        bool done = false;
        bool ok = false;
        QByteArray answer;
    };

    void Send();
    void Retry();
    void OnReadyRead();
    void Finish(bool ok, const QByteArray& answer = {});
    void Listen(QSerialPort* port);

    std::deque<std::shared_ptr<Job>> FJobs; // the front one is on the line
    QByteArray FReceived;
    QTimer FTimer;
    uint8_t FSeq = 0;
    QPointer<QSerialPort> FListened;
    QMetaObject::Connection FReadConnection;
};
