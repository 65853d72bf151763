// One exchange of the serial link as a state machine, driven with scripted
// bytes at scripted times: every test counts the tries exactly. (Stale,
// late, split and missing answers are played on a pseudo-terminal in
// tst_scriptedunit.cpp.)

#include "comm/Cexchange.h"
#include "comm/Fframe.h"

#include <QTest>

namespace {

QByteArray Hex(const char* text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// GetInfo, SEQ 1, and its answer (firmware 1.10 of 1992-11-14), as worked
// out by hand.
const QByteArray InfoRequest = Hex("02 00 01 01 8C EF");
const QByteArray InfoAnswer = Hex("02 05 81 01 01 0A 0C 0B 0E 17 A5");
const QByteArray InfoPayload = Hex("01 0A 0C 0B 0E");

constexpr ExchangeTiming Timing{100, 20, 200}; // try, quiet, drain limit

using Step = TExchange::Step;

TExchange InfoExchange() {
    return TExchange(CmdGetInfo, 1, {}, {5}, Timing);
}

} // namespace

class TestExchange : public QObject {
    Q_OBJECT

private slots:
    void timingFollowsTheSpeed() {
        // GetInfo at 19200 baud: 17 bytes on the line take 8.9 ms.
        const ExchangeTiming fast = TimingFor(19200, 0, 5);
        QCOMPARE(fast.tryMs, 2 * 9 + 100);
        QCOMPARE(fast.quietMs, 20);
        QCOMPARE(fast.drainMs, 236);
        // ReadOldest at 600 baud: 48 bytes take 800 ms; ten characters 167 ms.
        const ExchangeTiming slow = TimingFor(600, 0, 36);
        QCOMPARE(slow.tryMs, 1700);
        QCOMPARE(slow.quietMs, 167);
        // The first byte: twice the request's 7 bytes (4 ms, 117 ms) plus
        // the unit's reaction; never beyond the try.
        QCOMPARE(fast.silentMs, 2 * 4 + 100);
        QCOMPARE(slow.silentMs, 2 * 117 + 100);
        QCOMPARE(TimingFor(19200, 0, 5, 500).silentMs, fast.tryMs);
        // A first byte's wait learnt from the unit counts from the request,
        // but never ends before the request is out and 20 ms more.
        QCOMPARE(TimingFor(19200, 0, 5, 30).silentMs, 30);
        QCOMPARE(TimingFor(19200, 0, 5, 0).silentMs, 4 + 20);
        QCOMPARE(TimingFor(600, 0, 36, 30).silentMs, 117 + 20);
    }

    // A silent unit cost the whole try of every request it ignored; the
    // try now ends when not one byte came in time.
    void silentUnitEndsTheTryEarly() {
        TExchange x(CmdGetInfo, 1, {}, {5}, ExchangeTiming{100, 20, 200, 40});
        QCOMPARE(x.Start(0, false), Step::Send);
        QCOMPARE(x.Deadline(), 40);
        QCOMPARE(x.Poll(39), Step::Wait);
        QCOMPARE(x.Poll(40), Step::Send);
        QCOMPARE(x.Tries(), 2);
        QCOMPARE(x.Deadline(), 80);
        QCOMPARE(x.FirstByteDelay(), -1);
        // An answer that has begun gets the whole try.
        QCOMPARE(x.Received(InfoAnswer.left(3), 70), Step::Wait);
        QCOMPARE(x.FirstByteDelay(), 30);
        QCOMPARE(x.Deadline(), 140);
        QCOMPARE(x.Poll(100), Step::Wait);
        QCOMPARE(x.Received(InfoAnswer.mid(3), 130), Step::Done);
        QVERIFY(x.Ok());
        QCOMPARE(x.Tries(), 2);
    }

    // The fault that shut the link: the rest of a damaged answer, still
    // arriving after the failure was seen, was taken for further damaged
    // answers until every try was spent. It is drained now; the request goes
    // again once the line is quiet.
    void damagedAnswerCostsOneTryAndItsRestIsDrained() {
        TExchange x = InfoExchange();
        QCOMPARE(x.Start(0, false), Step::Send);
        QCOMPARE(x.Request(), InfoRequest);
        QCOMPARE(x.Deadline(), 100);
        // LEN damaged from 5 to 1: a short frame whose check fails.
        QCOMPARE(x.Received(Hex("02 01 81 01 01 0A 0C"), 4), Step::Wait);
        QCOMPARE(x.Tries(), 1);
        // The rest comes byte by byte; among it what looks like another
        // (damaged) frame start.
        for (const char* rest : {"0B", "0E", "02 00 81", "17", "A5"})
            QCOMPARE(x.Received(Hex(rest), 10), Step::Wait);
        QCOMPARE(x.Received(Hex("00 00 00 00"), 14), Step::Wait);
        QCOMPARE(x.Deadline(), 34); // quiet 20 ms after the last byte
        QCOMPARE(x.Poll(33), Step::Wait);
        QCOMPARE(x.Poll(34), Step::Send);
        QCOMPARE(x.Tries(), 2);
        QCOMPARE(x.Request(), InfoRequest); // the tries share their number
        QCOMPARE(x.Received(InfoAnswer, 50), Step::Done);
        QVERIFY(x.Ok());
        QCOMPARE(x.Answer(), InfoPayload);
        QCOMPARE(x.Tries(), 2);
        QVERIFY(x.LeftUnclean());
    }

    void strayBytesCostNoTry() {
        TExchange x = InfoExchange();
        x.Start(0, false);
        QCOMPARE(x.Received(Hex("FF 13 41"), 3), Step::Wait);
        QCOMPARE(x.Deadline(), 100);
        QCOMPARE(x.Received(InfoAnswer, 40), Step::Done);
        QCOMPARE(x.Tries(), 1);
    }

    // A short frame at the deadline hides nothing; but when it announced more
    // bytes than came, the whole answer behind its start is still found.
    void answerBehindAnUnfinishedFrameIsFoundAtTheDeadline() {
        TExchange x = InfoExchange();
        x.Start(0, false);
        QCOMPARE(x.Received(Hex("02 30") + InfoAnswer, 8), Step::Wait);
        QCOMPARE(x.Poll(100), Step::Done);
        QVERIFY(x.Ok());
        QCOMPARE(x.Tries(), 1);
    }

    void answerOfTheWrongSizeIsAskedForAgain() {
        TExchange x = InfoExchange();
        x.Start(0, false);
        const QByteArray shortAnswer = EncodeFrame(CmdGetInfo | AnswerFlag, 1, Hex("01 0A 0C 0B"));
        QCOMPARE(x.Received(shortAnswer, 10), Step::Wait);
        QCOMPARE(x.Deadline(), 30);
        QCOMPARE(x.Poll(30), Step::Send);
        QCOMPARE(x.Received(InfoAnswer, 45), Step::Done);
        QCOMPARE(x.Tries(), 2);
    }

    void rightAnswerIsTakenWhileDraining() {
        TExchange x = InfoExchange();
        x.Start(0, false);
        QByteArray damaged = InfoAnswer;
        damaged[5] = char(damaged[5] ^ 0x01);
        QCOMPARE(x.Received(damaged, 10), Step::Wait);
        QCOMPARE(x.Received(InfoAnswer, 15), Step::Done);
        QVERIFY(x.Ok());
        QCOMPARE(x.Tries(), 1);
    }

    void damagedAnswerOnEveryTryFails() {
        TExchange x = InfoExchange();
        QByteArray damaged = InfoAnswer;
        damaged[9] = char(damaged[9] ^ 0x80);
        x.Start(0, false);
        QCOMPARE(x.Received(damaged, 10), Step::Wait);
        QCOMPARE(x.Poll(30), Step::Send);
        QCOMPARE(x.Received(damaged, 40), Step::Wait);
        QCOMPARE(x.Poll(60), Step::Send);
        QCOMPARE(x.Received(damaged, 70), Step::Done);
        QVERIFY(!x.Ok());
        QCOMPARE(x.Tries(), TExchange::Attempts);
        QVERIFY(x.LeftUnclean());
        QCOMPARE(x.Received(InfoAnswer, 80), Step::Done); // too late
    }

    void lineThatNeverFallsQuietIsDrainedNoLongerThanTheLimit() {
        TExchange x = InfoExchange();
        x.Start(0, true);
        int64_t t = 0;
        for (; t < 200; t += 5)
            QCOMPARE(x.Received(Hex("FF"), t), Step::Wait);
        QCOMPARE(x.Poll(200), Step::Send);
        QCOMPARE(x.Tries(), 1);
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
