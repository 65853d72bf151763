// Draining 100 waiting records from zeda-unit over a pseudo-terminal at
// 19200 baud through the serial driver and the acquisition cycle, on a
// clean line and, side by side, with a unit that now and then stays silent
// for a few requests: the times against the time the bytes need on the line
// and against each other, and the longest stall of the event loop meanwhile
// (a 10 ms timer stands for the window). Run by hand.

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

// One drain of Records waiting records from a zeda-unit started with the
// faults given ("" for a clean line).
struct DrainResult {
    bool ok = false;
    int stored = 0;
    double seconds = 0;
    qint64 longestGapMs = 0;
    int repeats = 0;
    int reactMs = 0;
};

DrainResult Drain(const QString& faults) {
    DrainResult result;
    QProcess unit;
    QStringList args{"--pty",   "--baud",           QString::number(Baud),
                     "--from",  "2026-03-10 14:00", "--speed",
                     "1000000", "--records",        QString::number(Records)};
    if (!faults.isEmpty())
        args << "--faults" << faults;
    unit.start(QStringLiteral(ZEDA_UNIT_PATH), args);
    const QDeadlineTimer deadline(10000);
    while (!unit.canReadLine() && !deadline.hasExpired())
        unit.waitForReadyRead(100);
    const QByteArray path = unit.readLine().trimmed();
    if (path.isEmpty()) {
        std::fprintf(stderr, "zeda-unit did not start\n");
        return result;
    }

    QTemporaryDir dir;
    TSimClock clock(SecondsFromLocal({2026, 3, 10, 16, 0, 0}));
    TSilentMessages messages;
    TEnv env;
    env.dataDir = dir.path();
    env.clock = &clock;
    env.messages = &messages;
    TIniFile ini(env.IniPath());
    ini.WriteString(IniSection, SettingKey::PortDevice(2), path);
    ini.WriteString(IniSection, SettingKey::BaudRate, QByteArray::number(Baud));

    TCommSerial link(env);
    int32_t count = 0;
    if (!link.Start() || link.GetRecordCount(count) == 0 || count != Records) {
        // A silence may swallow the count: ask once more.
        if (link.GetRecordCount(count) == 0 || count != Records) {
            std::fprintf(stderr, "the unit does not hold %d records (%d)\n", Records, int(count));
            return result;
        }
    }
    TConfig config(env.IniPath());
    MonthDocument document;
    TFileAct file(&document, env, config);
    TAcquisition acquisition(env, link, file, document);

    // The window's stand-in: the longest time between two of its ticks.
    QElapsedTimer sinceTick;
    QTimer window;
    window.setInterval(10);
    QObject::connect(&window, &QTimer::timeout, [&] {
        result.longestGapMs = std::max(result.longestGapMs, sinceTick.restart());
    });
    window.start();
    sinceTick.start();

    QElapsedTimer drain;
    drain.start();
    for (int cycle = 0; cycle < 10 && acquisition.StoredCount() < Records; ++cycle)
        acquisition.RunCycle();
    result.seconds = drain.nsecsElapsed() / 1e9;
    result.longestGapMs = std::max(result.longestGapMs, sinceTick.elapsed());
    window.stop();
    result.stored = acquisition.StoredCount();
    result.repeats = link.Link().repeats;
    result.reactMs = link.Link().FirstByteWaitMs();
    result.ok = result.stored == Records;
    unit.terminate();
    unit.waitForFinished(5000);
    return result;
}

void Report(const char* name, const DrainResult& r, double lineSeconds) {
    std::printf("%s:\n", name);
    std::printf("  records stored:          %d of %d\n", r.stored, Records);
    std::printf("  drain at %d baud:     %.3f s\n", Baud, r.seconds);
    std::printf("  drain / line time:       %.3f\n", r.seconds / lineSeconds);
    std::printf("  longest event-loop gap:  %lld ms\n", static_cast<long long>(r.longestGapMs));
    std::printf("  tries repeated:          %d\n", r.repeats);
    std::printf("  wait for an answer:      %d ms at the end\n", r.reactMs);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const DrainResult clean = Drain(QString());
    const DrainResult silent = Drain(QStringLiteral("silence"));
    const double lineSeconds = (Records * BytesPerRecord + FinalBytes) * 10.0 / Baud;
    std::printf("time on the line:          %.3f s (%d bytes)\n", lineSeconds,
                Records * BytesPerRecord + FinalBytes);
    Report("clean line", clean, lineSeconds);
    Report("unit silent now and then (--faults silence)", silent, lineSeconds);
    std::printf("clean drain / line time:   %.3f (target <= 1.200)\n", clean.seconds / lineSeconds);
    std::printf("silent drain / clean:      %.3f (target <= 3.000)\n",
                clean.seconds > 0 ? silent.seconds / clean.seconds : 0.0);
    std::printf("longest event-loop gap:    %lld ms (target < 100 ms, timer every 10 ms)\n",
                static_cast<long long>(std::max(clean.longestGapMs, silent.longestGapMs)));
    return clean.ok && silent.ok ? 0 : 1;
}
