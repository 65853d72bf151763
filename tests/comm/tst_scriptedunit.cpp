// The serial driver and the acquisition cycle against a unit on a
// pseudo-terminal whose answers the test scripts byte by byte: stale, late,
// split, damaged and missing answers and a refused removal, with the exact
// number of requests on the line and what reaches the month file.

#include "Cscriptedunit.h"

#include "comm/Cacquisition.h"
#include "comm/Ccommserial.h"
#include "comm/Cnotices.h"
#include "comm/Cseriallink.h"
#include "comm/Fframe.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "support/Crecordingmessages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>

namespace {

using Request = TScriptedUnit::Request;
using Pieces = QList<TScriptedUnit::Piece>;

constexpr uint8_t GetInfo = 0x01;
constexpr uint8_t ReadOldest = 0x05;
constexpr uint8_t RemoveOldest = 0x06;

QByteArray U16(int v) {
    return QByteArray(1, char(v & 0xFF)) + char((v >> 8) & 0xFF);
}

// The unit's records and answers, written field by field here.
class TUnitModel {
public:
    struct Stored {
        uint32_t id;
        int minute; // of 10 March 2026
    };

    void Add(uint32_t id, int minute) {
        std::lock_guard<std::mutex> guard(FLock);
        FQueue.push_back({id, minute});
    }
    int Waiting() const {
        std::lock_guard<std::mutex> guard(FLock);
        return int(FQueue.size());
    }
    void Clear() {
        std::lock_guard<std::mutex> guard(FLock);
        FQueue.clear();
    }

    // The answer's payload as the unit gives it.
    QByteArray Payload(const Request& r) {
        std::lock_guard<std::mutex> guard(FLock);
        switch (r.code) {
        case GetInfo:
            return QByteArray::fromHex("010A0C0B0E");
        case ReadOldest:
            return FQueue.empty() ? QByteArray() : RecordBytes(FQueue.front());
        case RemoveOldest: {
            const bool match = !FQueue.empty() && r.payload == RecordBytes(FQueue.front()).left(8);
            if (match)
                FQueue.pop_front();
            return QByteArray(1, match ? '\1' : '\0');
        }
        default:
            return {};
        }
    }

    // Id, then year 2026 (46), March, the minute of 10 March, values
    // channel index + minute.
    static QByteArray RecordBytes(const Stored& s) {
        QByteArray b = U16(int(s.id & 0xFFFF)) + U16(int(s.id >> 16));
        b += char(46);
        b += char(3);
        b += U16(9 * 1440 + s.minute);
        for (int i = 0; i < 14; ++i)
            b += U16(i + s.minute);
        return b;
    }

private:
    mutable std::mutex FLock;
    std::deque<Stored> FQueue;
};

class TCountingNotices : public TNotices {
public:
    void TimeDiff() override {}
    void Disconnect() override { ++disconnects; }
    void Reconnected() override { ++reconnections; }
    int disconnects = 0;
    int reconnections = 0;
};

// A whole answer at once.
Pieces Whole(const QByteArray& frame) {
    return {{frame, 0}};
}

} // namespace

class TestScriptedUnit : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 15, 0, 0}), 1'000'000};
    TRecordingMessages messages;
    TCountingNotices notices;
    TEnv env;
    TUnitModel model;

    // The INI file of a serial link to the unit at 57600 baud.
    void UseUnit(const TScriptedUnit& unit) {
        QVERIFY(unit.IsOpen());
        TIniFile ini(env.IniPath());
        QVERIFY(ini.WriteString(IniSection, "Unit", "serial"));
        QVERIFY(ini.WriteString(IniSection, "COM2", unit.Path()));
        QVERIFY(ini.WriteString(IniSection, "Baudrate", "57600"));
    }

    // The model's answer to a request, whole.
    Pieces Normal(const Request& r) { return Whole(TScriptedUnit::Answer(r, model.Payload(r))); }

    // Runs cycles until the unit is empty: the records stored.
    int Drain(TCommSerial& link) {
        TConfig config(env.IniPath());
        MonthDocument document;
        TFileAct file(&document, env, config);
        TAcquisition acquisition(env, link, file, document);
        for (int cycle = 0; cycle < 5 && model.Waiting() > 0; ++cycle)
            acquisition.RunCycle();
        return acquisition.StoredCount();
    }

    // The slot of minute m of 10 March in the month file, as the test
    // expects it: state 1, no operator, values channel index + minute.
    static QByteArray ExpectedSlot(int minute) {
        QByteArray s(1, '\1');
        s += char(0xFF);
        for (int i = 0; i < 14; ++i)
            s += U16(i + minute);
        return s;
    }

    QByteArray StoredSlot(int minute) const {
        QFile f(env.FilePath("D2026-03.ZMF"));
        if (!f.open(QIODevice::ReadOnly) || !f.seek(765 + 30 * qint64(9 * 1440 + minute)))
            return {};
        return f.read(30);
    }

private slots:
    void init() {
        QFile::remove(env.IniPath());
        QFile::remove(dir.filePath("D2026-03.ZMF"));
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        env.notices = &notices;
        messages.Clear();
        notices = TCountingNotices();
        clock.SetTick(1'000'000);
        model.Clear();
    }

    // Answers to earlier requests on the line are passed over at no cost.
    void staleAnswerCostsNoTry() {
        model.Add(7, 840);
        bool first = true;
        TScriptedUnit unit([&](const Request& r) {
            Pieces p;
            if (r.code == ReadOldest && std::exchange(first, false)) // an earlier one's answer
                p << TScriptedUnit::Piece{TScriptedUnit::Frame(0x85, uint8_t(r.seq - 2),
                                                               TUnitModel::RecordBytes({6, 839})),
                                          0};
            return p + Normal(r);
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        QCOMPARE(Drain(link), 1);
        QCOMPARE(link.Link().repeats, 0);
        QCOMPARE(unit.Count(ReadOldest), 2); // the record, then "none"
        QCOMPARE(unit.Count(RemoveOldest), 1);
        QCOMPARE(StoredSlot(840), ExpectedSlot(840));
        QCOMPARE(StoredSlot(839).left(2), QByteArray("\xFF\xFF"));
    }

    // An answer that begins later than the unit's answers did so far costs
    // the tries of one exchange (a silent unit must not cost the whole try
    // of every request); the request then goes again and the late answers
    // are passed over: the record is stored once and removed once.
    void lateAnswerCostsOneExchange() {
        model.Add(8, 841);
        bool first = true;
        int pauseMs = 0;
        TScriptedUnit unit([&](const Request& r) {
            Pieces p = Normal(r);
            // The unit's first answer teaches the link to wait 40 + 20 ms.
            if (r.code == GetInfo)
                p[0].pauseMs = 40;
            if (r.code == ReadOldest && std::exchange(first, false))
                p[0].pauseMs = pauseMs;
            return p;
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        // Later than the three tries of one exchange wait for a first byte,
        // in the middle of the first try of the next, which drains 20 ms.
        const int wait = TimingFor(57600, 0, 36, link.Link().FirstByteWaitMs()).silentMs;
        QVERIFY(wait >= 60);
        pauseMs = 3 * wait + 20 + wait / 2;
        QCOMPARE(Drain(link), 1);
        QCOMPARE(link.Link().repeats, TExchange::Attempts - 1);
        QCOMPARE(unit.Count(ReadOldest), 5); // three tries, once more, once "none"
        QCOMPARE(unit.Count(RemoveOldest), 1);
        QCOMPARE(StoredSlot(841), ExpectedSlot(841));
        QCOMPARE(model.Waiting(), 0);
    }

    // A unit that answers slower than it did at first: the answer late to
    // one try is taken by the next, and the wait grows until first tries are
    // answered again, a few exchanges later.
    void unitThatBecameSlowerIsWaitedForAgain() {
        for (int m = 0; m < 10; ++m)
            model.Add(10, 850 + m);
        TScriptedUnit unit([this](const Request& r) {
            Pieces p = Normal(r);
            if (r.code != GetInfo)
                p[0].pauseMs = 40;
            return p;
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        QVERIFY(link.Link().FirstByteWaitMs() < 40);
        QCOMPARE(Drain(link), 10);
        // 21 exchanges; with a wait that does not learn, every one took two.
        QVERIFY2(link.Link().repeats <= 12, QByteArray::number(link.Link().repeats));
        QVERIFY(link.Link().FirstByteWaitMs() >= 40);
    }

    // A pause in the middle of an answer, shorter than the try, ends nothing.
    void splitAnswerIsJoined() {
        model.Add(9, 842);
        TScriptedUnit unit([this](const Request& r) {
            const QByteArray frame = TScriptedUnit::Answer(r, model.Payload(r));
            if (frame.size() <= 7)
                return Whole(frame); // too short to be split
            return Pieces{{frame.left(7), 0}, {frame.mid(7), 50}};
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        QCOMPARE(Drain(link), 1);
        QCOMPARE(link.Link().repeats, 0);
        QCOMPARE(link.Link().requests, 4); // GetInfo, ReadOldest, RemoveOldest, ReadOldest
        QCOMPARE(StoredSlot(842), ExpectedSlot(842));
    }

    // The fault that shut the link: one byte left out of the first answer
    // after opening spent every try and opening failed for good.
    void droppedByteAtOpeningCostsOneTry() {
        bool first = true;
        TScriptedUnit unit([&](const Request& r) {
            Pieces p = Normal(r);
            if (std::exchange(first, false))
                p[0].bytes.remove(5, 1);
            return p;
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        QCOMPARE(unit.Count(GetInfo), 2);
        QCOMPARE(link.Link().repeats, 1);
        QCOMPARE(link.NoConnection, 0);
        QVERIFY(messages.shown.isEmpty());
    }

    // A damaged length byte makes a short frame that fails its check; the
    // rest of the answer, still coming, is drained, not counted.
    void damagedAnswerAndItsRestCostOneTry() {
        model.Add(10, 843);
        bool first = true;
        TScriptedUnit unit([&](const Request& r) {
            Pieces p = Normal(r);
            if (r.code == ReadOldest && std::exchange(first, false)) {
                QByteArray frame = p[0].bytes;
                frame[1] = char(2); // LEN 36 -> 2
                p = {{frame.left(9), 0}, {frame.mid(9, 16), 5}, {frame.mid(25), 5}};
            }
            return p;
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        QCOMPARE(Drain(link), 1);
        QCOMPARE(link.Link().repeats, 1);
        QCOMPARE(unit.Count(ReadOldest), 3);
        // The request went again only once the rest had ended.
        const QList<Request> heard = unit.Requests();
        QCOMPARE(heard[2].code, ReadOldest);
        QVERIFY(heard[2].atMs - heard[1].atMs >= 10 + 20 - 3);
        QCOMPARE(StoredSlot(843), ExpectedSlot(843));
    }

    // No answer to three tries: the exchange fails, the line drains before
    // the next one, which finds the unit again.
    void missingAnswersFailAfterThreeTries() {
        model.Add(11, 844);
        int silent = 3;
        TScriptedUnit unit([&](const Request& r) {
            if (r.code == ReadOldest && silent > 0) {
                --silent;
                return Pieces();
            }
            return Normal(r);
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        SampleRecord record;
        QCOMPARE(link.ReadOldest(record), -1);
        QCOMPARE(unit.Count(ReadOldest), 3);
        QCOMPARE(link.NoConnection, 1);
        QCOMPARE(link.ReadOldest(record), 1);
        QCOMPARE(unit.Count(ReadOldest), 4);
        QCOMPARE(link.NoConnection, 0);
        QCOMPARE(record.minute, uint16_t(9 * 1440 + 844));
        QCOMPARE(notices.reconnections, 1);
    }

    // The unit refuses the removal (its oldest record is another one, as
    // far as it knows): the record comes again and is stored again in its
    // own slot, never twice and never lost.
    void refusedRemovalNeitherLosesNorDoublesTheRecord() {
        model.Add(12, 845);
        model.Add(13, 846);
        bool refuse = true;
        TScriptedUnit unit([&](const Request& r) {
            if (r.code == RemoveOldest && std::exchange(refuse, false))
                return Whole(TScriptedUnit::Answer(r, QByteArray(1, '\0')));
            return Normal(r);
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        QCOMPARE(Drain(link), 3); // 845 twice, 846 once
        QCOMPARE(unit.Count(RemoveOldest), 3);
        QCOMPARE(link.Link().repeats, 0);
        QCOMPARE(model.Waiting(), 0);
        QCOMPARE(StoredSlot(845), ExpectedSlot(845));
        QCOMPARE(StoredSlot(846), ExpectedSlot(846));
        QCOMPARE(StoredSlot(847).left(2), QByteArray("\xFF\xFF"));
    }

    // A restart while the unit still answers the program that was stopped:
    // the first request waits until the line has been quiet.
    void leftoverAnswerAtOpeningIsDrained() {
        TScriptedUnit unit([this](const Request& r) { return Normal(r); });
        UseUnit(unit);
        const QByteArray old = TScriptedUnit::Frame(0x85, 77, QByteArray(36, '\x02'));
        Pieces leftover;
        for (qsizetype i = 0; i < old.size(); i += 6)
            leftover << TScriptedUnit::Piece{old.mid(i, 6), 8};
        int64_t leftoverEnd = 0;
        std::thread stopped([&] {
            unit.Send(leftover);
            leftoverEnd = unit.NowMs();
        });
        TCommSerial link(env);
        const bool started = link.Start();
        stopped.join();
        QVERIFY(started);
        QCOMPARE(link.Link().repeats, 0);
        QCOMPARE(unit.Count(GetInfo), 1);
        // 20 ms of quiet, less a few for the two clocks' rounding.
        QVERIFY(unit.Requests().first().atMs >= leftoverEnd + 15);
    }

    // The fault that needed a person: a link that failed at opening was
    // never opened again. The cycle opens it again now: at once and after
    // 0.5, 1 and 2 s within the cycle, then at every tick; the notice goes
    // away when the unit answers.
    void failedLinkIsReopenedByTheCycle() {
        model.Add(14, 847);
        std::atomic<bool> answering = false;
        TScriptedUnit unit([&](const Request& r) { return answering ? Normal(r) : Pieces(); });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(!link.Start());
        QCOMPARE(
            messages.Texts(),
            QStringList{
                "Es besteht keine Verbindung zum Akquisitionssystem!\nTried: COM2 (" +
                QString::fromLocal8Bit(unit.Path()) +
                "). The port of the unit is chosen under Admin › Communications parameter..."});
        QCOMPARE(unit.Count(GetInfo), 3);
        QVERIFY(!link.Reached());

        TConfig config(env.IniPath());
        MonthDocument document;
        TFileAct file(&document, env, config);
        TAcquisition acquisition(env, link, file, document);
        QCOMPARE(acquisition.RunCycle(), 1); // five openings of three tries, all silent
        QCOMPARE(unit.Count(GetInfo), 3 + 5 * 3);
        QCOMPARE(unit.Count(ReadOldest), 0);
        QCOMPARE(link.NoConnection, 1);
        QCOMPARE(link.RetryPauseMs(), TCommBase::ReopenIntervalMs);

        answering = true;
        QCOMPARE(acquisition.RunCycle(), 11); // the next tick finds it
        QCOMPARE(unit.Count(GetInfo), 19);
        QCOMPARE(acquisition.StoredCount(), 1);
        QCOMPARE(link.NoConnection, 0);
        QCOMPARE(link.RetryPauseMs(), 0u);
        QVERIFY(link.Reached());
        QCOMPARE(notices.reconnections, 1);
        QCOMPARE(messages.shown.size(), 1); // the reopening is quiet
        QCOMPARE(StoredSlot(847), ExpectedSlot(847));
    }

    // A unit silent for 2 s cost the cycle 55 s. It is tried again at once
    // while it answered less than a second ago, then after growing pauses,
    // and answers in the same cycle.
    void unitSilentForTwoSecondsAnswersInTheNextTry() {
        model.Add(15, 848);
        std::atomic<int64_t> silentUntil = -1;
        TScriptedUnit unit([&](const Request& r) {
            if (r.code == ReadOldest && silentUntil < 0)
                silentUntil = r.atMs + 2000;
            return r.code == ReadOldest && r.atMs < silentUntil ? Pieces() : Normal(r);
        });
        UseUnit(unit);
        TCommSerial link(env);
        QVERIFY(link.Start());
        TConfig config(env.IniPath());
        MonthDocument document;
        TFileAct file(&document, env, config);
        TAcquisition acquisition(env, link, file, document);
        QCOMPARE(acquisition.RunCycle(), 11);
        QCOMPARE(acquisition.StoredCount(), 1);
        QCOMPARE(StoredSlot(848), ExpectedSlot(848));
        QCOMPARE(link.NoConnection, 0);

        QList<int64_t> reads;
        for (const Request& r : unit.Requests()) {
            if (r.code == ReadOldest)
                reads << r.atMs;
        }
        const int tryMs = TSerialLink::TryTimeoutMs(57600, 0, 36);
        int64_t longestGap = 0;
        int64_t answered = -1;
        for (qsizetype i = 1; i < reads.size(); ++i) {
            longestGap = std::max(longestGap, reads[i] - reads[i - 1]);
            if (answered < 0 && reads[i] >= silentUntil)
                answered = reads[i];
        }
        // A pause of 0.5 s came, none of 2 s; picked up within 1.5 s of the
        // unit's first answer, not 5 or 55 s later.
        QVERIFY2(longestGap >= tryMs + 500 - 20 && longestGap < tryMs + 1200,
                 qPrintable(QString::number(longestGap)));
        QVERIFY(answered >= 0 && answered - silentUntil < 1500);
    }

    // A USB adapter plugged in again comes back under another device name;
    // its by-id link moves with it, and the link finds it there.
    void renamedDeviceIsFoundAgainThroughItsLink() {
        model.Add(16, 849);
        auto first =
            std::make_unique<TScriptedUnit>([this](const Request& r) { return Normal(r); });
        TScriptedUnit second([this](const Request& r) { return Normal(r); });
        QVERIFY(first->IsOpen() && second.IsOpen());
        QVERIFY(first->Path() != second.Path());
        QVERIFY(QDir(dir.path()).mkpath("by-id"));
        const QString byId = dir.filePath("by-id/usb-FTDI_Unit_A1B2-if00-port0");
        QVERIFY(QFile::link(QString::fromLocal8Bit(first->Path()), byId));
        UseUnit(*first);
        QVERIFY(TIniFile(env.IniPath()).WriteString(IniSection, "COM2", QFile::encodeName(byId)));

        TCommSerial link(env);
        QVERIFY(link.Start());
        TConfig config(env.IniPath());
        MonthDocument document;
        TFileAct file(&document, env, config);
        TAcquisition acquisition(env, link, file, document);
        QCOMPARE(acquisition.RunCycle(), 11);
        QCOMPARE(acquisition.StoredCount(), 1);

        first.reset(); // pulled out
        QVERIFY(QFile::remove(byId));
        QVERIFY(QFile::link(QString::fromLocal8Bit(second.Path()), byId));
        model.Add(17, 850);
        for (int tick = 0; tick < 2 && acquisition.StoredCount() < 2; ++tick)
            acquisition.RunCycle();
        QCOMPARE(acquisition.StoredCount(), 2);
        QCOMPARE(second.Count(GetInfo), 1);
        QCOMPARE(StoredSlot(850), ExpectedSlot(850));
        QCOMPARE(link.NoConnection, 0);
    }
};

QTEST_GUILESS_MAIN(TestScriptedUnit)
#include "tst_scriptedunit.moc"
