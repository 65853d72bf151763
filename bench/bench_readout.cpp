// Timings of what a technician reads off a range: the figures of a whole
// 31-day month for all 14 channels (the Range panel and zedactl stats), and
// zedactl export of that month as a whole process against cp copying the
// CSV it wrote. Prints medians; run by hand with the path of zedactl:
//   bench_readout build/tools/zedactl

#include "bench/Fbenchsupport.h"
#include "config/Fchannel.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "view/Frangestats.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 15;

// March 2026, every minute stored, noisy values in two decimals, a few
// empty minutes and two exception periods.
void FillMonth(MonthDocument& d) {
    const ChannelDefs channels = BenchChannels("mV", 10, 2, 45000);
    d.header = NewHeader(Year2026, 3, "Werk Nord", channels);
    SetHeaderEndSlot(d.header, uint16_t(31 * SlotsPerDay));
    const int days = HeaderDaysStored(d.header);
    uint32_t noise = 12345;
    for (int b = 0; b < days; ++b) {
        QByteArray block = EmptyDayBlock();
        for (int m = 0; m < SlotsPerDay && b < 31; ++m) {
            if (m % 500 == 7)
                continue; // an empty minute now and then
            std::array<uint16_t, ChannelCount> v{};
            for (int ch = 0; ch < ChannelCount; ++ch) {
                noise = noise * 1103515245u + 12345u;
                v[ch] = uint16_t((noise >> 16) % 4000);
            }
            PutSlot(block, m, BuildSlot(NoOperator, v));
        }
        d.dayBlocks[b] = block;
    }
    for (int i = 0; i < 2; ++i) {
        ExceptionPeriod p;
        p.from = uint32_t(1000 + 20000 * i);
        p.to = p.from + 600;
        p.channelMask = 0x3FFF;
        p.code = {i == 0 ? 'S' : '!', 'T', 'O', 'P'};
        WriteExceptionPeriod(d.exceptions, i, p);
    }
    SetHeaderExceptionCount(d.header, 2);
}

QByteArray FileImage(const MonthDocument& d) {
    QByteArray f = d.header;
    for (int b = 0; b < HeaderDaysStored(d.header); ++b)
        f += d.dayBlocks[b];
    return f + d.operators + d.exceptions;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    MonthDocument d;
    FillMonth(d);
    std::vector<int> all;
    for (int ch = 0; ch < ChannelCount; ++ch)
        all.push_back(ch);

    std::vector<double> times;
    double checksum = 0;
    for (int r = 0; r < Runs; ++r) {
        QElapsedTimer t;
        t.start();
        const TRangeStats s = RangeStatistics(d, 0, 31 * SlotsPerDay - 1, all);
        times.push_back(t.nsecsElapsed() / 1e6);
        checksum += *s.channels[13].mean;
    }
    std::printf("range figures, 44640 minutes x 14 channels: %.2f ms median (target <= 20)"
                " [check %.1f]\n",
                Median(times), checksum / Runs);

    if (argc < 2) {
        std::printf("give the path of zedactl to time its export against cp\n");
        return 0;
    }
    QTemporaryDir dir;
    const QString month = dir.filePath("D2026-03.ZMF");
    QFile f(month);
    const QByteArray image = FileImage(d);
    if (!f.open(QIODevice::WriteOnly) || f.write(image) != image.size())
        return 1;
    f.close();
    const QString csv = dir.filePath("out.csv");
    const QString copy = dir.filePath("copy.csv");
    std::vector<double> exportTimes;
    std::vector<double> cpTimes;
    for (int r = 0; r < Runs; ++r) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.start(QString::fromLocal8Bit(argv[1]),
                {"export", month, "--data-dir", dir.path(), "--from", "2026-03-01 00:00", "--to",
                 "2026-04-02 23:59", "-o", csv});
        if (!p.waitForFinished(60000) || p.exitCode() != 0) {
            std::fprintf(stderr, "zedactl export failed\n");
            return 1;
        }
        exportTimes.push_back(t.nsecsElapsed() / 1e6);
        QFile::remove(copy);
        t.restart();
        if (QProcess::execute("cp", {csv, copy}) != 0)
            return 1;
        cpTimes.push_back(t.nsecsElapsed() / 1e6);
    }
    const double e = Median(exportTimes);
    const double c = Median(cpTimes);
    std::printf("zedactl export of the month (%lld bytes of CSV): %.1f ms, cp: %.1f ms"
                " (ratio %.1f; target <= 5)\n",
                QFile(csv).size(), e, c, e / c);
    return 0;
}
