// Timing of the month report: a full 31-day file with all 14 channels on
// printer 1, 3 days on a page (11 pages), drawn into a PDF at 1200 dpi by
// the printing engine. Prints the median of several runs and the day blocks
// read per page (one 43200-byte buffer; the month is never read whole).

#include "bench/Fbenchsupport.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "print/Cprintbase.h"
#include "print/Fprintwindow.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 7;

// A month of acquisition: every channel a slow wave of its own, an operator
// change twice a day, a few exception periods.
bool MakeMonth(const QString& path) {
    ChannelDefs channels{};
    for (int i = 0; i < ChannelCount; ++i) {
        ChannelDef& c = channels[i];
        c.active = 1;
        c.name = "Kanal " + QByteArray::number(i + 1);
        c.dimension = "mbar";
        c.dispOffset = uint16_t(10 + 20 * i);
        c.inputMult = 1;
        c.maxValue = 99999;
        c.decimals = 1;
        c.printColour = uint8_t(i);
    }
    QByteArray file = NewHeader(46, 3, "Werk Nord", channels);
    const int days = HeaderDaysStored(file);
    SetHeaderEndSlot(file, uint16_t(31 * SlotsPerDay));
    SetHeaderOperatorCount(file, 2);
    SetHeaderExceptionCount(file, 3);
    for (int s = 0; s < days * SlotsPerDay; ++s) {
        std::array<uint16_t, ChannelCount> v;
        for (int i = 0; i < ChannelCount; ++i) {
            const int phase = (s / (3 + i)) % 120;
            v[i] = uint16_t(phase < 60 ? phase : 120 - phase);
        }
        const bool stored = s < 31 * SlotsPerDay;
        file += stored ? BuildSlot(uint8_t((s / 720) % 2), v) : EmptySlot();
    }
    QByteArray operators(OperatorTableSize, '\0');
    file += operators.replace(0, 5, "Meier").replace(16, 5, "Huber");
    QByteArray exceptions(ExceptionTableSize, '\0');
    for (int k = 0; k < 3; ++k)
        WriteExceptionPeriod(exceptions, k,
                             {uint16_t(k * 14000 + 600),
                              uint16_t(k * 14000 + 700),
                              uint16_t(0x3FFF),
                              {'W', 'A', 'R', char('1' + k)}});
    file += exceptions;
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(file) == file.size();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath("D2026-03.ZMF");
    if (!MakeMonth(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    TSilentMessages messages;
    TEnv env;
    env.dataDir = dir.path();
    env.messages = &messages;
    TConfig config(env.IniPath());
    MonthDocument doc;
    TFileData file(&doc, env);
    if (!file.Open(path, 46, 3)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }
    doc.display.channelVisible.fill(1);

    std::vector<double> ms;
    int pages = 0;
    uint64_t reads = 0;
    qint64 bytes = 0;
    for (int run = 0; run < Runs; ++run) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QElapsedTimer t;
        t.start();
        {
            QPdfWriter writer(&out);
            writer.setResolution(1200);
            writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                             QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
            auto sequence = std::make_unique<TPageSequence>(writer, QStringList{"PDF"});
            TPageSequence* seq = sequence.get();
            TPrintBase engine(env, &config, std::move(sequence));
            engine.printer1Name = "PDF";
            engine.printer1Enabled = 1;
            PrintMonth(engine, doc, 3);
            pages = int(seq->Pages().size());
            reads = engine.dayBlocksRead;
            seq->Finish();
        }
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        bytes = out.size();
    }
    std::printf("month report, 31 days, 14 channels, 3 days a page, PDF at 1200 dpi\n");
    std::printf("  pages: %d, PDF %lld bytes\n", pages, static_cast<long long>(bytes));
    std::printf("  median of %d runs: %.1f ms (target: at most 1000 ms)\n", Runs, Median(ms));
    std::printf("  day blocks read: %llu, %.1f a page, into one buffer of %lld bytes\n",
                static_cast<unsigned long long>(reads), double(reads) / std::max(pages, 1),
                static_cast<long long>(DayBlockSize));
    return 0;
}
