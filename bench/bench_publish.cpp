// Publishing timings against a mosquitto on loopback: the replay of a full
// 31-day month (44,640 minutes of 14 channels) until the broker has
// acknowledged every minute, what telling the publisher of a stored minute
// costs the acquisition cycle, and how long a live minute takes from the
// file to the broker's acknowledgement. Prints medians; run by hand.

#include "bench/Fbenchsupport.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "publish/Cpublisher.h"
#include "support/Cbroker.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <vector>

namespace {

constexpr int ReplayRuns = 3;
constexpr int LiveMinutes = 30;
constexpr int NotifyCalls = 50;

std::array<uint16_t, 14> Values(int slot) {
    std::array<uint16_t, 14> v;
    for (int i = 0; i < 14; ++i)
        v[i] = uint16_t((slot * 7 + i * 131) % 5000);
    return v;
}

// Every slot of the month's 31 days stored, as a month of acquisition
// leaves the file.
bool FillMonth(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || !f.seek(HeaderSize))
        return false;
    QByteArray all;
    all.reserve(DayBlockSize * 31);
    for (int s = 0; s < 31 * SlotsPerDay; ++s)
        all += BuildSlot(0, Values(s));
    return f.write(all) == all.size();
}

bool PutSlot(const QString& path, int slot) {
    QFile f(path);
    const QByteArray s = BuildSlot(0, Values(slot));
    return f.open(QIODevice::ReadWrite) && f.seek(SlotOffset(uint32_t(slot))) &&
           f.write(s) == s.size();
}

// Runs the event loop until the signal came (true) or the time is up.
template <typename Signal>
bool WaitFor(TPublisher* publisher, Signal signal, int ms) {
    QEventLoop loop;
    bool came = false;
    const auto c = QObject::connect(publisher, signal, &loop, [&] {
        came = true;
        loop.quit();
    });
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(c);
    return came;
}

PublishSettings Settings(int port) {
    PublishSettings s;
    s.enabled = true;
    s.host = "127.0.0.1";
    s.port = port;
    s.topic = "bench";
    return s;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QTemporaryDir brokerDir;
    TBroker broker(brokerDir.path());
    if (!broker.Start())
        return std::fprintf(stderr, "mosquitto did not start\n"), 1;
    TSilentMessages messages;
    TEnv env;
    env.dataDir = dir.path();
    env.messages = &messages;
    TConfig config(env.IniPath());
    config.location = "Werk Nord";
    config.channels = BenchChannels("\xB0" "C", 1, 1, 5000);
    MonthDocument doc;
    TFileAct act(&doc, env, config);
    const QString march = env.FilePath(MonthFileName(Year2026, 3));
    if (!act.CreateMonthFile(Year2026, 3) || !FillMonth(march))
        return std::fprintf(stderr, "month file not written\n"), 1;
    const WallMinute first = MonthStart(Year2026, 3);

    // The replay of the whole month.
    std::vector<double> replay;
    for (int run = 0; run < ReplayRuns; ++run) {
        QFile::remove(env.FilePath("publish.state"));
        TPublisher publisher(env.dataDir, Settings(broker.Port()), config.location, {});
        QElapsedTimer t;
        t.start();
        publisher.StartFrom(first);
        if (!WaitFor(&publisher, &TPublisher::caughtUp, 60000))
            return std::fprintf(stderr, "replay did not finish\n"), 1;
        replay.push_back(t.nsecsElapsed() / 1e9);
        if (publisher.SentCount() != 31 * SlotsPerDay)
            return std::fprintf(stderr, "sent %lld minutes\n", publisher.SentCount()), 1;
        publisher.Stop();
    }

    // Live minutes: the publisher on a thread of its own, as in the program;
    // the acquisition only tells it, after a minute was stored.
    if (!act.CreateMonthFile(Year2026, 4))
        return std::fprintf(stderr, "April not written\n"), 1;
    const QString april = env.FilePath(MonthFileName(Year2026, 4));
    QThread thread;
    auto* publisher = new TPublisher(env.dataDir, Settings(broker.Port()), config.location, {});
    publisher->moveToThread(&thread);
    thread.start();
    QMetaObject::invokeMethod(publisher, &TPublisher::Start, Qt::QueuedConnection);
    if (!WaitFor(publisher, &TPublisher::connected, 10000))
        return std::fprintf(stderr, "no connection\n"), 1;
    std::vector<double> notify;
    std::vector<double> latency;
    for (int i = 0; i < LiveMinutes; ++i) {
        if (!PutSlot(april, i))
            return std::fprintf(stderr, "slot not written\n"), 1;
        QElapsedTimer t;
        t.start();
        QMetaObject::invokeMethod(publisher, &TPublisher::MinutesStored, Qt::QueuedConnection);
        notify.push_back(t.nsecsElapsed() / 1e6);
        if (!WaitFor(publisher, &TPublisher::caughtUp, 10000))
            return std::fprintf(stderr, "live minute not acknowledged\n"), 1;
        latency.push_back(t.nsecsElapsed() / 1e6);
    }
    std::vector<double> calls;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer t;
        t.start();
        for (int k = 0; k < NotifyCalls; ++k)
            QMetaObject::invokeMethod(publisher, &TPublisher::MinutesStored,
                                      Qt::QueuedConnection);
        calls.push_back(t.nsecsElapsed() / 1e6 / NotifyCalls);
    }
    QMetaObject::invokeMethod(publisher, &TPublisher::Stop, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
    delete publisher;

    std::printf("Replay of a 31-day month (44640 minutes, 14 channels) %8.2f s  (target <= 10 s)"
                "  %8.0f minutes/s\n",
                Median(replay), 31 * SlotsPerDay / Median(replay));
    std::printf("Live minute: telling the publisher (acquisition cycle) %8.4f ms  (target <= 2 "
                "ms)\n",
                std::max(Median(notify), Median(calls)));
    std::printf("Live minute: stored to acknowledged (publisher thread) %8.2f ms\n",
                Median(latency));
    return 0;
}
