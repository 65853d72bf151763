#include "comm/Cexchange.h"

#include "comm/Fframe.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int MinQuietMs = 20;
constexpr int QuietCharacters = 10;
constexpr int UnitAndSystemMs = 100;

// Milliseconds that bytes need on the line: ten bit times each (start bit,
// eight data bits, stop bit), rounded up.
int64_t LineMs(uint32_t baud, int64_t bytes) {
    return (10 * bytes * 1000 + baud - 1) / std::max<uint32_t>(baud, 1);
}

} // namespace

ExchangeTiming TimingFor(uint32_t baud, int requestBytes, int answerBytes, int firstByteMs) {
    ExchangeTiming t;
    const int64_t frames = requestBytes + answerBytes + 2 * FrameOverhead;
    t.tryMs = static_cast<int>(2 * LineMs(baud, frames) + UnitAndSystemMs);
    const int64_t request = LineMs(baud, requestBytes + FrameOverhead + 1);
    const int64_t firstByte = firstByteMs < 0
                                  ? 2 * request + UnitReactMs
                                  : std::max<int64_t>(firstByteMs, request + MinQuietMs);
    t.silentMs = static_cast<int>(std::min<int64_t>(t.tryMs, firstByte));
    t.quietMs = static_cast<int>(std::max<int64_t>(MinQuietMs, LineMs(baud, QuietCharacters)));
    t.drainMs = 2 * t.tryMs;
    return t;
}

TExchange::TExchange(uint8_t code, uint8_t seq, const QByteArray& payload, QList<int> answerSizes,
                     ExchangeTiming timing)
    : FCode(code), FSeq(seq), FSizes(std::move(answerSizes)), FTiming(timing),
      FRequest(EncodeFrame(code, seq, payload)) {}

TExchange::Step TExchange::Start(int64_t nowMs, bool drainFirst) {
    if (!drainFirst)
        return SendTry(nowMs);
    FState = State::Draining;
    FDrainStartMs = nowMs;
    FLastByteMs = nowMs; // what came before is not known: quiet counts from now
    return Poll(nowMs);
}

TExchange::Step TExchange::SendTry(int64_t nowMs) {
    FBuffer.clear();
    FBadAnswer = false;
    ++FTries;
    FState = State::Waiting;
    FTryEndMs = nowMs + FTiming.tryMs;
    FSentMs = nowMs;
    FHeardMs = -1;
    return Step::Send;
}

TExchange::Step TExchange::Received(const QByteArray& bytes, int64_t nowMs) {
    if (FState == State::Done)
        return Step::Done;
    FLastByteMs = nowMs;
    if (FTries == 0)
        return Poll(nowMs); // nothing asked yet: nothing here is an answer
    if (FHeardMs < 0 && !bytes.isEmpty())
        FHeardMs = nowMs;
    FBuffer += bytes;
    if (Scan(false))
        return Finish(true);
    if (FState == State::Waiting && FBadAnswer)
        EndTry(nowMs);
    return Poll(nowMs);
}

TExchange::Step TExchange::Poll(int64_t nowMs) {
    if (FState == State::Waiting && nowMs >= WaitEnd()) {
        if (Scan(true))
            return Finish(true);
        EndTry(nowMs);
    }
    switch (FState) {
    case State::Done:
        return Step::Done;
    case State::Waiting:
        return Step::Wait;
    case State::Draining:
        break;
    }
    const bool quiet = nowMs - FLastByteMs >= FTiming.quietMs;
    if (quiet || nowMs - FDrainStartMs >= FTiming.drainMs)
        return SendTry(nowMs);
    return Step::Wait;
}

void TExchange::EndTry(int64_t nowMs) {
    if (FTries >= Attempts) {
        Finish(false);
        return;
    }
    FState = State::Draining;
    FDrainStartMs = nowMs;
}

TExchange::Step TExchange::Finish(bool ok) {
    FOk = ok;
    FState = State::Done;
    return Step::Done;
}

bool TExchange::Scan(bool final) {
    for (;;) {
        Frame frame;
        bool damaged = false;
        const FrameScan scan = TakeFrame(FBuffer, frame, &damaged);
        if (damaged) {
            FBadAnswer = true;
            FSawDamage = true;
        }
        if (scan == FrameScan::Taken) {
            if (frame.code != (FCode | AnswerFlag) || frame.seq != FSeq)
                continue; // an answer to an earlier request
            if (FSizes.contains(int(frame.payload.size()))) {
                FAnswer = frame.payload;
                return true;
            }
            FBadAnswer = true;
            FSawDamage = true;
            continue;
        }
        // A frame that never ends may hide a whole one behind its start.
        if (final && scan == FrameScan::Incomplete && !FBuffer.isEmpty()) {
            FBuffer.remove(0, 1);
            continue;
        }
        return false;
    }
}

int64_t TExchange::Deadline() const {
    switch (FState) {
    case State::Waiting:
        return WaitEnd();
    case State::Draining:
        return std::min(FLastByteMs + FTiming.quietMs, FDrainStartMs + FTiming.drainMs);
    case State::Done:
        break;
    }
    return 0;
}

int64_t TExchange::WaitEnd() const {
    // Silence ends a try early; an answer that has begun gets the whole try.
    if (FHeardMs >= 0 || FTiming.silentMs <= 0)
        return FTryEndMs;
    return std::min(FTryEndMs, FSentMs + FTiming.silentMs);
}
