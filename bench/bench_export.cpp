// Timings of the month-file operations the Time and Data menus start: the CSV
// export of a whole 31-day file, setting and clearing an exception period,
// and a backup compared with cp. Prints the median of several runs.

#include "bench/Fbenchsupport.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "files/Cfileact.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Fbackup.h"
#include "files/Fexceptions.h"
#include "files/Fexport.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 9;

double Milliseconds(const QElapsedTimer& t) {
    return double(t.nsecsElapsed()) / 1e6;
}

// Every slot of the file filled with changing values, as a month of
// acquisition leaves it.
bool FillFile(const QString& path, int days) {
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite) || !f.seek(HeaderSize))
        return false;
    QByteArray all;
    all.reserve(DayBlockSize * days);
    for (int s = 0; s < days * SlotsPerDay; ++s) {
        std::array<uint16_t, ChannelCount> v;
        for (int i = 0; i < ChannelCount; ++i)
            v[i] = uint16_t((s * 7 + i * 131) % 5000);
        all += BuildSlot(0, v);
    }
    return f.write(all) == all.size();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QTemporaryDir backupDir;
    TSilentMessages messages;
    TEnv env;
    env.dataDir = dir.path();
    env.messages = &messages;
    TConfig config(env.IniPath());
    config.location = "Werk Nord";
    for (int i = 0; i < ChannelCount; ++i) {
        ChannelDef& c = config.channels[i];
        c.active = 1;
        c.name = "Kanal " + QByteArray::number(i + 1);
        c.dimension = "mV";
        c.inputMult = 10;
        c.decimals = 2;
        c.maxValue = 45000;
    }
    const QString march = env.FilePath(MonthFileName(Year2026, 3));
    {
        MonthDocument scratch;
        TFileAct act(&scratch, env, config);
        if (!act.CreateMonthFile(Year2026, 3) || !FillFile(march, 33)) {
            std::fprintf(stderr, "cannot create the month file\n");
            return 1;
        }
    }
    MonthDocument doc;
    TFileData file(&doc, env);
    if (!file.Open(march, Year2026, 3)) {
        std::fprintf(stderr, "cannot open the month file\n");
        return 1;
    }
    doc.display.channelVisible.fill(1);

    // A few periods, one of them ordinary, so the export looks them up.
    doc.display.markStart = 100;
    doc.display.markEnd = 2000;
    ApplyException(doc, "WART Wartung", messages);
    doc.display.markStart = 5000;
    doc.display.markEnd = 6000;
    ApplyException(doc, "!Not Hinweis", messages);

    // Export of all 47 520 slots of 14 channels.
    doc.display.markStart = 0;
    doc.display.markEnd = 33 * SlotsPerDay - 1;
    const QString csv = backupDir.filePath("export.csv");
    std::vector<double> exportTimes;
    for (int r = 0; r < Runs; ++r) {
        QElapsedTimer t;
        t.start();
        if (!ExportCsv(doc, csv, messages))
            return 1;
        exportTimes.push_back(Milliseconds(t));
    }
    std::printf("export 47520 slots x 14 channels: %.1f ms (%lld bytes; target <= 150 ms)\n",
                Median(exportTimes), QFile(csv).size());

    // Setting and clearing one period.
    std::vector<double> setTimes;
    std::vector<double> clearTimes;
    doc.display.markStart = 20000;
    doc.display.markEnd = 21000;
    for (int r = 0; r < Runs * 5; ++r) {
        QElapsedTimer t;
        t.start();
        if (!ApplyException(doc, "ABCD Test", messages))
            return 1;
        setTimes.push_back(Milliseconds(t));
        t.restart();
        if (!ApplyException(doc, ClearExceptText, messages))
            return 1;
        clearTimes.push_back(Milliseconds(t));
    }
    std::printf("set a period: %.3f ms, clear it: %.3f ms (target <= 5 ms)\n", Median(setTimes),
                Median(clearTimes));

    // Backup against cp of the same file.
    const QString target = backupDir.filePath(MonthFileName(Year2026, 3));
    std::vector<double> backupTimes;
    std::vector<double> cpTimes;
    for (int r = 0; r < Runs; ++r) {
        QFile::remove(target);
        QElapsedTimer t;
        t.start();
        if (!BackupMonthFile(march, target, messages))
            return 1;
        backupTimes.push_back(Milliseconds(t));
        QFile::remove(target);
        t.restart();
        if (QProcess::execute("cp", {march, target}) != 0)
            return 1;
        cpTimes.push_back(Milliseconds(t));
    }
    const double backup = Median(backupTimes);
    const double cp = Median(cpTimes);
    std::printf("backup of %lld bytes: %.2f ms, cp: %.2f ms (ratio %.2f; target <= 2)\n",
                QFile(march).size(), backup, cp, backup / cp);
    return 0;
}
