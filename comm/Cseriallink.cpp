#include "comm/Cseriallink.h"

#include "comm/Fframe.h"

#include <QCoreApplication>
#include <QSerialPort>

#include <algorithm>

namespace {

// The least wait for the first byte of an answer, however fast the unit.
// What a first byte may come later than the slowest the unit took lately.
constexpr int64_t ReactionMarginMs = 20;
constexpr int64_t ReactionStepMs = 5;

} // namespace

struct TSerialLink::Job {
    Job(uint8_t code, uint8_t seq, const QByteArray& request, const QList<int>& sizes,
        ExchangeTiming timing)
        : exchange(code, seq, request, sizes, timing) {}

    QPointer<QSerialPort> port;
    TExchange exchange;
    bool done = false;
};

TSerialLink::TSerialLink() {
    FTimer.setSingleShot(true);
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, &TSerialLink::OnTimer);
    FClock.start();
}

TSerialLink::~TSerialLink() = default;

int TSerialLink::TryTimeoutMs(uint32_t baud, int requestBytes, int answerBytes) {
    return TimingFor(baud, requestBytes, answerBytes).tryMs;
}

bool TSerialLink::Exchange(QSerialPort* port, uint32_t baud, uint8_t code,
                           const QByteArray& request, const QList<int>& answerSizes,
                           QByteArray& answer) {
    const int longest =
        answerSizes.isEmpty() ? 0 : *std::max_element(answerSizes.begin(), answerSizes.end());
    auto job = std::make_shared<Job>(code, ++FSeq, request, answerSizes,
                                     TimingFor(baud, int(request.size()), longest,
                                               FirstByteWaitMs()));
    job->port = port;
    FJobs.push_back(job);
    if (FJobs.size() == 1)
        Begin();
    while (!job->done) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                        QEventLoop::ExcludeUserInputEvents);
    }
    answer = job->exchange.Answer();
    return job->exchange.Ok();
}

void TSerialLink::Listen(QSerialPort* port) {
    if (FListened == port)
        return;
    disconnect(FReadConnection);
    FListened = port;
    FReadConnection = connect(port, &QSerialPort::readyRead, this, &TSerialLink::OnReadyRead);
    // A port just opened may still carry the answer to another program.
    FUnclean = true;
}

void TSerialLink::Begin() {
    const std::shared_ptr<Job> job = FJobs.front();
    QSerialPort* port = job->port;
    if (!port || !port->isOpen()) {
        Finish(false);
        return;
    }
    Listen(port);
    // Bytes that came while nobody asked are no answer to this request.
    if (!port->readAll().isEmpty())
        FUnclean = true;
    Act(job->exchange.Start(NowMs(), FUnclean));
}

void TSerialLink::Act(TExchange::Step step) {
    const std::shared_ptr<Job> job = FJobs.front();
    TExchange& exchange = job->exchange;
    QSerialPort* port = job->port;
    if (step == TExchange::Step::Done || !port || !port->isOpen()) {
        Finish(step == TExchange::Step::Done && exchange.Ok());
        return;
    }
    if (step == TExchange::Step::Send) {
        ++requests;
        if (exchange.Tries() > 1)
            ++repeats;
        port->readAll(); // what came since the line fell quiet is no answer either
        if (port->write(exchange.Request()) == exchange.Request().size())
            port->flush();
    }
    FTimer.start(int(std::max<int64_t>(0, exchange.Deadline() - NowMs())));
}

void TSerialLink::OnReadyRead() {
    if (!FListened)
        return;
    const QByteArray bytes = FListened->readAll();
    if (FJobs.empty()) {
        if (!bytes.isEmpty())
            FUnclean = true;
        return;
    }
    Act(FJobs.front()->exchange.Received(bytes, NowMs()));
}

int TSerialLink::FirstByteWaitMs() const {
    if (FReactionMs < 0)
        return -1;
    return int(FReactionMs + ReactionMarginMs);
}

void TSerialLink::LearnReaction(int64_t ms) {
    if (FReactionMs < 0 || ms > FReactionMs)
        FReactionMs = ms;
    else
        FReactionMs -= (FReactionMs - ms) / 4;
}

void TSerialLink::OnTimer() {
    // An answer already waiting in the port, unread while this program was
    // slow to run, is no silence.
    if (FListened && FListened->isOpen() && FListened->error() == QSerialPort::NoError &&
        !FListened->waitForReadyRead(0) && FListened->error() == QSerialPort::TimeoutError)
        FListened->clearError(); // nothing waiting is no fault of the port
    if (FJobs.empty())
        return;
    Act(FJobs.front()->exchange.Poll(NowMs()));
}

void TSerialLink::Finish(bool ok) {
    FTimer.stop();
    const std::shared_ptr<Job> job = FJobs.front();
    FJobs.pop_front();
    FUnclean = !ok || job->exchange.LeftUnclean();
    if (ok && job->exchange.Tries() == 1 && job->exchange.FirstByteDelay() >= 0)
        LearnReaction(job->exchange.FirstByteDelay());
    else if (ok && FReactionMs >= 0)
        // Answered only at a later try: perhaps late to an earlier one, which
        // cannot be timed. The wait grows a little each time, so that a unit
        // that became slower is waited for again after a few exchanges.
        FReactionMs = std::min<int64_t>(FReactionMs + ReactionStepMs, UnitReactMs);
    job->done = true;
    if (!FJobs.empty())
        Begin();
}
