// Month-file timings: creating a 31-day file, opening and loading one, and
// storing records, with and without the flush of every minute to the disk.
// Prints the median of several runs; run by hand.

#include "bench/Fbenchsupport.h"
#include "comm/Ccommbase.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "files/Cfileact.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int Runs = 15;

SampleRecord RecordAt(uint8_t month, int minute) {
    SampleRecord r;
    r.year = Year2026;
    r.month = month;
    r.minute = static_cast<uint16_t>(minute);
    for (int i = 0; i < ChannelCount; ++i)
        r.values[i] = static_cast<uint16_t>(minute + i);
    return r;
}

// Records per second stored into the March file at minutes after 2 March;
// flushed: as the acquisition stores them, otherwise without the flush.
double StoreRate(const TEnv& env, const TConfig& config, int records, bool flushed) {
    MonthDocument doc;
    TFileAct act(&doc, env, config);
    if (!flushed)
        act.storeSync = [](TFileAccess&) { return true; };
    act.WriteRecord(RecordAt(3, 2880)); // opens the file
    QElapsedTimer t;
    t.start();
    for (int m = 0; m < records; ++m) {
        if (!act.WriteRecord(RecordAt(3, 2881 + m))) {
            std::fprintf(stderr, "WriteRecord failed\n");
            std::exit(1);
        }
    }
    return records / (t.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    TSilentMessages messages;
    TEnv env;
    env.dataDir = dir.path();
    env.messages = &messages;
    TConfig config(env.IniPath());
    config.location = "Werk Nord";
    config.operatorLoggedIn = true;
    config.operatorName = "Meier";
    const QString march = env.FilePath(MonthFileName(Year2026, 3));
    const QString february = env.FilePath(MonthFileName(Year2026, 2));

    // Creation of a 31-day month, alone and with the take-over of February.
    std::vector<double> create;
    std::vector<double> createTakeOver;
    {
        MonthDocument doc;
        TFileAct act(&doc, env, config);
        for (int i = 0; i < Runs; ++i) {
            QFile::remove(march);
            QElapsedTimer t;
            t.start();
            if (!act.CreateMonthFile(Year2026, 3))
                return std::fprintf(stderr, "CreateMonthFile failed\n"), 1;
            create.push_back(t.nsecsElapsed() / 1e6);
        }
        act.CreateMonthFile(Year2026, 2);
        for (int m = 0; m < 2 * 1440; m += 7)
            act.WriteRecord(RecordAt(3, m));
        for (int i = 0; i < Runs; ++i) {
            QFile::remove(march);
            QElapsedTimer t;
            t.start();
            act.CreateMonthFile(Year2026, 3);
            createTakeOver.push_back(t.nsecsElapsed() / 1e6);
        }
    }

    // Opening and loading all day blocks.
    std::vector<double> load;
    for (int i = 0; i < Runs; ++i) {
        MonthDocument doc;
        TFileData data(&doc, env);
        QElapsedTimer t;
        t.start();
        uint8_t y = 0, m = 0;
        if (!data.ValidateWithMessage(march, y, m) || !data.Open(march, y, m) || !data.LoadDays())
            return std::fprintf(stderr, "Open/LoadDays failed\n"), 1;
        load.push_back(t.nsecsElapsed() / 1e6);
    }

    // Storing records into the open running-month file: without the flush
    // to the disk (what the file layer itself costs), and as stored, each
    // minute flushed (fdatasync) before it may leave the unit.
    std::vector<double> rate;
    std::vector<double> flushedMs;
    for (int i = 0; i < 5; ++i) {
        rate.push_back(StoreRate(env, config, 20000, false));
        flushedMs.push_back(1000.0 / StoreRate(env, config, 200, true));
    }
    QFile::remove(february);

    std::printf("CreateMonthFile (31 days)            %8.2f ms  (target <= 20 ms)\n",
                Median(create));
    std::printf("CreateMonthFile with take-over       %8.2f ms\n", Median(createTakeOver));
    std::printf("Validate + Open + LoadDays (31 days) %8.2f ms  (target <= 10 ms)\n", Median(load));
    std::printf("WriteRecord without flush            %8.0f records/s  (target >= 20000)\n",
                Median(rate));
    std::printf(
        "WriteRecord flushed to the disk      %8.3f ms per stored minute (flush: %.3f ms)\n",
        Median(flushedMs), Median(flushedMs) - 1000.0 / Median(rate));
    return 0;
}
