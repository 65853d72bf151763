// The frame reader and one exchange of the serial link, fed with a scripted
// stream of what the line brings and when. The input's first byte chooses
// the start (drain first or not) and the answer sizes; then each event is an
// opcode byte: 0 bytes (a length byte, a time step, the bytes), 1 the time
// passes to the deadline, 2 the right answer, 3 an answer to an earlier
// request, 4 a damaged copy of the right answer.
//
// The exchange never writes more than three requests, never ends twice,
// takes only an answer that really came whole with its code, sequence
// number and a size asked for, and always ends once the line is quiet.
// Every frame the reader takes is one it could have been given whole.

#include "Ffuzzsupport.h"

#include "comm/Cexchange.h"
#include "comm/Fframe.h"

#include <algorithm>

namespace {

constexpr ExchangeTiming Timing{100, 20, 200};
constexpr uint8_t Code = CmdReadOldest;
constexpr uint8_t Seq = 7;

// The reader on the whole stream: each frame taken checks and encodes back
// to itself, and every call takes bytes or leaves the buffer alone waiting.
void CheckReader(QByteArray stream) {
    for (int calls = 0; calls < 4096 && !stream.isEmpty(); ++calls) {
        const qsizetype before = stream.size();
        Frame f;
        const FrameScan scan = TakeFrame(stream, f);
        Check(stream.size() <= before, "the reader never adds bytes");
        if (scan == FrameScan::Taken) {
            Check(f.payload.size() <= MaxFramePayload, "payload within its limit");
            Check(before - stream.size() >= EncodeFrame(f.code, f.seq, f.payload).size(),
                  "a frame taken is a whole frame");
        } else if (scan == FrameScan::Incomplete) {
            Check(stream.startsWith(char(FrameStart)), "an unfinished frame starts with STX");
            stream.remove(0, 1); // no more bytes come: look behind its start
        }
    }
}

struct Run {
    explicit Run(const QList<int>& answerSizes)
        : exchange(Code, Seq, {}, answerSizes, Timing), sizes(answerSizes) {}

    TExchange exchange;
    QList<int> sizes;
    QByteArray fed; // everything the line brought after the first request
    int64_t now = 0;
    int tries = 0;
    bool done = false;

    void Follow(TExchange::Step step) {
        Check(!done || step == TExchange::Step::Done, "an exchange ends once");
        if (step == TExchange::Step::Send) {
            Check(exchange.Tries() == tries + 1, "one request per Send");
            Check(exchange.Request() == EncodeFrame(Code, Seq, {}), "the request keeps its number");
        }
        tries = exchange.Tries();
        Check(tries <= TExchange::Attempts, "at most three requests");
        if (step != TExchange::Step::Done) {
            Check(exchange.Deadline() >= now || exchange.Deadline() == 0, "a deadline ahead");
            return;
        }
        done = true;
        if (exchange.Ok()) {
            const QByteArray answer = exchange.Answer();
            Check(sizes.contains(int(answer.size())), "an answer of a size asked for");
            Check(fed.contains(EncodeFrame(Code | AnswerFlag, Seq, answer)),
                  "the answer came whole after a request");
        }
    }

    void Feed(const QByteArray& bytes) {
        if (tries > 0)
            fed += bytes;
        Follow(exchange.Received(bytes, now));
    }
};

QByteArray Damaged(QByteArray frame, uint8_t at) {
    frame[1 + at % (frame.size() - 1)] ^= char(0x20);
    return frame;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = InputBytes(data, size);
    CheckReader(input);
    if (input.isEmpty())
        return 0;
    const uint8_t options = uint8_t(input[0]);
    const QList<int> sizes = (options & 2) ? QList<int>{36, 0} : QList<int>{36};
    Run run(sizes);
    run.Follow(run.exchange.Start(0, options & 1));
    const QByteArray right = EncodeFrame(Code | AnswerFlag, Seq, QByteArray(36, '\x11'));
    qsizetype at = 1;
    while (at < input.size() && !run.done) {
        const uint8_t op = uint8_t(input[at++]) % 5;
        const uint8_t arg = at < input.size() ? uint8_t(input[at++]) : 0;
        run.now += arg % 64;
        switch (op) {
        case 0: {
            const qsizetype n = std::min<qsizetype>(arg % 16, input.size() - at);
            run.Feed(input.mid(at, n));
            at += n;
            break;
        }
        case 1:
            run.now = std::max(run.now, run.exchange.Deadline());
            run.Follow(run.exchange.Poll(run.now));
            break;
        case 2:
            run.Feed(right);
            break;
        case 3:
            run.Feed(EncodeFrame(Code | AnswerFlag, uint8_t(Seq - 1 - arg % 4), right.mid(4, 36)));
            break;
        default:
            run.Feed(Damaged(right, arg));
            break;
        }
    }
    // A quiet line: every exchange ends, within its tries and drains.
    for (int polls = 0; !run.done; ++polls) {
        Check(polls < 4 * TExchange::Attempts, "an exchange ends on a quiet line");
        run.now = std::max(run.now, run.exchange.Deadline());
        run.Follow(run.exchange.Poll(run.now));
    }
    return 0;
}
