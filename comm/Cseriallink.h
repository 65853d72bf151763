#pragma once

#include "comm/Cexchange.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <deque>
#include <memory>

class QSerialPort;

// Request-and-answer exchanges of the framed protocol over a serial port,
// one at a time (each one a TExchange: tries, draining, stale answers). The
// caller of Exchange waits for its answer while the event loop goes on
// serving timers and painting (user input waits until the answer is in), so
// a slow line never freezes the window. A caller that comes in from such an
// event while another exchange is under way is served after it; nothing is
// ever sent in the middle of another exchange.
//
// The line is drained until quiet before the first request on a port just
// opened (the unit may still be answering a program that was stopped) and
// after an exchange that went wrong or bytes that came unasked.
class TSerialLink : public QObject {
    Q_OBJECT
public:
    // Tries of one exchange before it counts as failed.
    static constexpr int Attempts = TExchange::Attempts;

    TSerialLink();
    ~TSerialLink() override;

    // Sends the request and waits for the answer that carries its code and
    // sequence number and one of the answer sizes. False when no try
    // brought one.
    bool Exchange(QSerialPort* port, uint32_t baud, uint8_t code, const QByteArray& request,
                  const QList<int>& answerSizes, QByteArray& answer);

    // True while an exchange is under way or waiting for its turn.
    bool Busy() const { return !FJobs.empty(); }

    // How long one try waits for its answer: twice the time the request and
    // the longest answer need on the line, plus 100 ms for the unit and the
    // operating system.
    static int TryTimeoutMs(uint32_t baud, int requestBytes, int answerBytes);

    // How long a try waits from its request for the first byte of an
    // answer: the slowest first byte of the unit's first tries lately, and
    // 20 ms more; -1 while nothing is known. A try that ended too early
    // costs one more try: its late answer is taken by the next.
    int FirstByteWaitMs() const;

    int repeats = 0;  // tries repeated after a damaged, wrong or missing answer
    int requests = 0; // request frames written in all

private:
    struct Job;

    void Begin();
    void Act(TExchange::Step step);
    void OnReadyRead();
    void OnTimer();
    void Finish(bool ok);
    void Listen(QSerialPort* port);
    int64_t NowMs() const { return FClock.elapsed(); }

    std::deque<std::shared_ptr<Job>> FJobs; // the front one is on the line
    QTimer FTimer;
    QElapsedTimer FClock;
    // Notes how long the unit took to begin an answer: a slower answer
    // counts at once, a faster one a quarter.
    void LearnReaction(int64_t ms);

    uint8_t FSeq = 0;
    int64_t FReactionMs = -1; // the unit's reaction as learnt; -1 before one
    bool FUnclean = true;     // the next exchange drains the line first
    QPointer<QSerialPort> FListened;
    QMetaObject::Connection FReadConnection;
};
