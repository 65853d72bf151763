// Month-file timings: creating a 31-day file, opening and loading one, and
// storing records. Prints the median of several runs; run by hand.

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

    // Storing records into the open running-month file.
    constexpr int Records = 20000;
    std::vector<double> rate;
    for (int i = 0; i < 5; ++i) {
        MonthDocument doc;
        TFileAct act(&doc, env, config);
        act.WriteRecord(RecordAt(3, 2880)); // opens the file
        QElapsedTimer t;
        t.start();
        for (int m = 0; m < Records; ++m) {
            if (!act.WriteRecord(RecordAt(3, 2881 + m)))
                return std::fprintf(stderr, "WriteRecord failed\n"), 1;
        }
        rate.push_back(Records / (t.nsecsElapsed() / 1e9));
    }
    QFile::remove(february);

    std::printf("CreateMonthFile (31 days)            %8.2f ms  (target <= 20 ms)\n",
                Median(create));
    std::printf("CreateMonthFile with take-over       %8.2f ms\n", Median(createTakeOver));
    std::printf("Validate + Open + LoadDays (31 days) %8.2f ms  (target <= 10 ms)\n", Median(load));
    std::printf("WriteRecord                          %8.0f records/s  (target >= 20000)\n",
                Median(rate));
    return 0;
}
