// Draining 100 waiting records from zeda-unit over a pseudo-terminal at
// 19200 baud through the serial driver and the acquisition cycle: the time
// against the time the bytes need on the line, and the longest stall of the
// event loop meanwhile (a 10 ms timer stands for the window). Run by hand.

#include "comm/Cacquisition.h"
#include "comm/Ccommserial.h"
#include "comm/Cseriallink.h"
#include "comm/Fframe.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int Records = 100;
constexpr int Baud = 19200;

// The bytes of one record's way: ReadOldest and its answer (id and
// record), RemoveOldest (id and time) and its answer; then the last
// ReadOldest that finds nothing.
constexpr int BytesPerRecord = FrameOverhead + (FrameOverhead + 4 + SampleRecord::Size) +
                               (FrameOverhead + 8) + (FrameOverhead + 1);
constexpr int FinalBytes = 2 * FrameOverhead;

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QProcess unit;
    unit.start(QStringLiteral(ZEDA_UNIT_PATH),
               {"--pty", "--baud", QString::number(Baud), "--from", "2026-03-10 14:00", "--speed",
                "1000000", "--records", QString::number(Records)});
    const QDeadlineTimer deadline(10000);
    while (!unit.canReadLine() && !deadline.hasExpired())
        unit.waitForReadyRead(100);
    const QByteArray path = unit.readLine().trimmed();
    if (path.isEmpty()) {
        std::fprintf(stderr, "zeda-unit did not start\n");
        return 1;
    }

    QTemporaryDir dir;
    TSimClock clock(SecondsFromLocal({2026, 3, 10, 16, 0, 0}));
    TSilentMessages messages;
    TEnv env;
    env.dataDir = dir.path();
    env.clock = &clock;
    env.messages = &messages;
    TIniFile ini(env.IniPath());
    ini.WriteString(IniSection, "COM2", path);
    ini.WriteString(IniSection, "Baudrate", QByteArray::number(Baud));

    TCommSerial link(env);
    int32_t count = 0;
    if (!link.Start() || link.GetRecordCount(count) == 0 || count != Records) {
        std::fprintf(stderr, "the unit does not hold %d records (%d)\n", Records, int(count));
        return 1;
    }
    TConfig config(env.IniPath());
    MonthDocument document;
    TFileAct file(&document, env, config);
    TAcquisition acquisition(env, link, file, document);

    // The window's stand-in: the longest time between two of its ticks.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer window;
    window.setInterval(10);
    QObject::connect(&window, &QTimer::timeout,
                     [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    window.start();
    sinceTick.start();

    QElapsedTimer drain;
    drain.start();
    for (int cycle = 0; cycle < 10 && acquisition.StoredCount() < Records; ++cycle)
        acquisition.RunCycle();
    const double seconds = drain.nsecsElapsed() / 1e9;
    longestGap = std::max(longestGap, sinceTick.elapsed());
    window.stop();

    const double lineSeconds = (Records * BytesPerRecord + FinalBytes) * 10.0 / Baud;
    std::printf("records stored:          %d of %d\n", acquisition.StoredCount(), Records);
    std::printf("drain at %d baud:     %.3f s\n", Baud, seconds);
    std::printf("time on the line:        %.3f s (%d bytes)\n", lineSeconds,
                Records * BytesPerRecord + FinalBytes);
    std::printf("drain / line time:       %.3f (target <= 1.200)\n", seconds / lineSeconds);
    std::printf("longest event-loop gap:  %lld ms (target < 100 ms, timer every 10 ms)\n",
                static_cast<long long>(longestGap));
    std::printf("tries repeated:          %d\n", link.Link().repeats);
    unit.terminate();
    unit.waitForFinished(5000);
    return acquisition.StoredCount() == Records ? 0 : 1;
}
