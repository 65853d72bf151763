#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

// How long the steps of one exchange may take, in milliseconds.
struct ExchangeTiming {
    int tryMs = 0;   // one try waits this long for its answer
    int quietMs = 0; // a line without a byte for this long is quiet
    int drainMs = 0; // a line that never falls quiet is drained no longer
    // A try that has not heard one byte for this long since its request
    // went out has met a silent unit; 0: only tryMs ends it.
    int silentMs = 0;
};

// How long the unit and the operating system may take before an answer
// begins, as long as nothing better is known.
constexpr int UnitReactMs = 100;

// The timing at a speed for a request and its longest answer (payload
// bytes). A try waits twice the time both frames need on the line plus
// 100 ms for the unit and the operating system. For the first byte of an
// answer it waits firstByteMs from the request, when that is known (learnt
// from the unit's answers), but at least the request's time on the line
// and 20 ms; while nothing is known, twice the request's time plus 100 ms.
// The line is quiet after ten character times, but never less than 20 ms,
// which a busy system may take between two bytes of one answer.
ExchangeTiming TimingFor(uint32_t baud, int requestBytes, int answerBytes, int firstByteMs = -1);

// One request and its answer, as a state machine with no line and no clock
// of its own: the caller hands it the bytes that arrive and the time, writes
// the request when it says Send, and asks again at its deadline.
//
// A try is one request on the line. It ends with the answer that carries
// the request's code and sequence number and one of the expected sizes;
// answers to earlier requests are passed over and cost nothing. It fails
// when its time is up, or at once when a damaged frame or an answer of the
// wrong size came; before the request goes out again the line is drained
// until it has been quiet, so that the rest of a damaged answer is never
// taken for another one. The right answer is still taken while draining.
class TExchange {
public:
    // Tries of one exchange before it counts as failed.
    static constexpr int Attempts = 3;

    enum class Step {
        Wait, // nothing to do until bytes arrive or the deadline passes
        Send, // write Request() now
        Done  // Ok() tells how it ended
    };

    TExchange(uint8_t code, uint8_t seq, const QByteArray& payload, QList<int> answerSizes,
              ExchangeTiming timing);

    // Begins at nowMs. drainFirst: the line may still carry bytes that are
    // no answer to this request (the port was just opened, an earlier
    // exchange went wrong), so it must fall quiet before the first try.
    Step Start(int64_t nowMs, bool drainFirst);
    // Bytes that arrived at nowMs.
    Step Received(const QByteArray& bytes, int64_t nowMs);
    // Called at the deadline (calling earlier does no harm).
    Step Poll(int64_t nowMs);

    const QByteArray& Request() const { return FRequest; }
    // While waiting: when Poll is due.
    int64_t Deadline() const;
    bool Ok() const { return FOk; }
    // The answer's payload once Ok.
    const QByteArray& Answer() const { return FAnswer; }
    // Requests written so far.
    int Tries() const { return FTries; }
    // Milliseconds from the last request to the first byte heard after it;
    // -1 when none came.
    int64_t FirstByteDelay() const { return FHeardMs < 0 ? -1 : FHeardMs - FSentMs; }
    // True when the line may still carry bytes of this exchange (it failed,
    // or went wrong on the way): the next exchange drains first.
    bool LeftUnclean() const { return !FOk || FTries > 1 || FSawDamage; }

private:
    enum class State { Draining, Waiting, Done };

    Step SendTry(int64_t nowMs);
    // When the waiting try ends without its answer.
    int64_t WaitEnd() const;
    void EndTry(int64_t nowMs);
    Step Finish(bool ok);
    // Takes frames off the buffer: true when the answer is among them.
    // final: no more bytes will complete a frame that is still short.
    bool Scan(bool final);

    uint8_t FCode;
    uint8_t FSeq;
    QList<int> FSizes;
    ExchangeTiming FTiming;
    QByteArray FRequest;
    QByteArray FBuffer;
    QByteArray FAnswer;
    State FState = State::Draining;
    int FTries = 0;
    bool FOk = false;
    bool FBadAnswer = false; // this try's answer was damaged or of the wrong size
    bool FSawDamage = false;
    int64_t FLastByteMs = 0;
    int64_t FDrainStartMs = 0;
    int64_t FTryEndMs = 0;
    int64_t FSentMs = 0;
    int64_t FHeardMs = -1; // first byte after the last request
};
