// Alarm timings: evaluating one stored minute for 14 channels with limits,
// and a walk over a whole month file as `zedactl alarms evaluate` makes it
// (open, load, evaluate every minute). Prints the median of several runs;
// run by hand.

#include "bench/Fbenchsupport.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "files/Calarmevaluator.h"
#include "files/Cfileact.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 15;
constexpr int Days = 31;

// Every channel watched on all four limits; the values swing through them
// once a day, so every channel raises and clears all four every day.
ChannelAlarmLimits AllLimits() {
    AlarmLimits l;
    QString refusal;
    ParseAlarmLimits("high=40.0,low=10.0,highhigh=50.0,lowlow=5.0,hysteresis=1.0,delay=2,"
                     "latched=1",
                     l, refusal);
    ChannelAlarmLimits all;
    all.fill(l);
    return all;
}

uint16_t Raw(int slot, int channel) {
    return uint16_t((slot / 24 + channel * 7) % 60);
}

// A March file of 31 stored days in dir.
QString WriteMonth(const TEnv& env, TConfig& config) {
    config.channels = BenchChannels("C", 1, 0, 1000);
    MonthDocument d;
    TFileAct act(&d, env, config);
    act.CreateMonthFile(Year2026, 3);
    const QString path = env.FilePath(MonthFileName(Year2026, 3));
    QFile f(path);
    f.open(QIODevice::ReadWrite);
    for (int s = 0; s < Days * SlotsPerDay; ++s) {
        std::array<uint16_t, ChannelCount> v{};
        for (int c = 0; c < ChannelCount; ++c)
            v[c] = Raw(s, c);
        f.seek(SlotOffset(uint32_t(s)));
        f.write(BuildSlot(NoOperator, v));
    }
    QByteArray h(HeaderSize, '\0');
    f.seek(0);
    f.read(h.data(), HeaderSize);
    SetHeaderEndSlot(h, uint16_t(Days * SlotsPerDay));
    f.seek(0);
    f.write(h);
    return path;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    TEnv env;
    env.dataDir = dir.path();
    TConfig config(env.IniPath());
    const QString path = WriteMonth(env, config);

    std::vector<double> perMinute;
    std::vector<double> month;
    int events = 0;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer t;
        t.start();
        MonthDocument d;
        TFileData file(&d, env);
        file.Open(path, Year2026, 3);
        file.LoadDays();
        TAlarmEvaluator alarms(env, false);
        alarms.SetLimits(AllLimits());
        events = 0;
        alarms.onEvent = [&](const AlarmLogEntry&) { ++events; };
        const uint32_t end = HeaderEndSlot(d.header);
        QElapsedTimer walk;
        walk.start();
        for (uint32_t s = 0; s < end; ++s)
            alarms.OnMinuteStored(d, s, MonthSlotBytes(d, s));
        perMinute.push_back(double(walk.nsecsElapsed()) / 1e6 / end);
        month.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("alarm evaluation of one stored minute, 14 channels, 4 limits each: %.5f ms "
                "(target <= 0.05 ms)\n",
                Median(perMinute));
    std::printf("evaluating a whole month file (%d minutes, %d alarm lines): %.1f ms "
                "(target <= 100 ms)\n",
                Days * SlotsPerDay, events, Median(month));
    return 0;
}
