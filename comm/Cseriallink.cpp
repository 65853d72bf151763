#include "comm/Cseriallink.h"

#include "comm/Fframe.h"

#include <QCoreApplication>
#include <QSerialPort>

#include <algorithm>

TSerialLink::TSerialLink() {
    FTimer.setSingleShot(true);
    connect(&FTimer, &QTimer::timeout, this, &TSerialLink::Retry);
}

int TSerialLink::TryTimeoutMs(uint32_t baud, int requestBytes, int answerBytes) {
    // Ten bit times per byte: start bit, eight data bits, stop bit.
    const int64_t bits = 10LL * (requestBytes + answerBytes + 2 * FrameOverhead);
    const int64_t lineMs = (bits * 1000 + baud - 1) / std::max<uint32_t>(baud, 1);
    return static_cast<int>(2 * lineMs + 100);
}

bool TSerialLink::Exchange(QSerialPort* port, uint32_t baud, uint8_t code,
                           const QByteArray& request, int longestAnswer, QByteArray& answer) {
    auto job = std::make_shared<Job>();
    job->port = port;
    job->code = code;
    job->seq = ++FSeq;
    job->frame = EncodeFrame(code, job->seq, request);
    job->timeoutMs = TryTimeoutMs(baud, int(request.size()), longestAnswer);
    FJobs.push_back(job);
    if (FJobs.size() == 1)
        Send();
    while (!job->done) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents |
                                        QEventLoop::ExcludeUserInputEvents);
    }
    answer = job->answer;
    return job->ok;
}

void TSerialLink::Listen(QSerialPort* port) {
    if (FListened == port)
        return;
    disconnect(FReadConnection);
    FListened = port;
    FReadConnection = connect(port, &QSerialPort::readyRead, this, &TSerialLink::OnReadyRead);
}

void TSerialLink::Send() {
    const std::shared_ptr<Job> job = FJobs.front();
    QSerialPort* port = job->port;
    if (!port || !port->isOpen()) {
        Finish(false);
        return;
    }
    Listen(port);
    // Whatever lies on the line now (a late answer to an earlier try) is no
    // answer to this one.
    FReceived.clear();
    port->readAll();
    --job->triesLeft;
    FTimer.start(job->timeoutMs);
    if (port->write(job->frame) == job->frame.size())
        port->flush();
}

void TSerialLink::Retry() {
    if (FJobs.empty())
        return;
    if (FJobs.front()->triesLeft <= 0) {
        Finish(false);
        return;
    }
    ++repeats;
    Send();
}

void TSerialLink::OnReadyRead() {
    if (!FListened)
        return;
    FReceived += FListened->readAll();
    if (FJobs.empty()) {
        FReceived.clear();
        return;
    }
    const Job& job = *FJobs.front();
    for (;;) {
        Frame frame;
        const FrameScan scan = TakeFrame(FReceived, frame);
        if (scan == FrameScan::Incomplete)
            return;
        if (scan == FrameScan::Damaged) {
            // The answer failed its check: ask again without waiting.
            FTimer.stop();
            Retry();
            return;
        }
        // Answers to earlier requests are passed over.
        if (frame.code == (job.code | AnswerFlag) && frame.seq == job.seq) {
            Finish(true, frame.payload);
            return;
        }
    }
}

void TSerialLink::Finish(bool ok, const QByteArray& answer) {
    FTimer.stop();
    const std::shared_ptr<Job> job = FJobs.front();
    FJobs.pop_front();
    job->ok = ok;
    job->answer = answer;
    job->done = true;
    if (!FJobs.empty())
        Send();
}
