// Diagram timings on a full 31-day month with all 14 channels: painting a
// 1920 x 1080 month-file window (plot area and both strips) at every time
// zoom of the View menu and at the start, middle and end of the month,
// scrolling it by a page, the running view's refresh, opening a month-file
// window, and the resident memory with ten such windows open. Prints
// medians against their targets; the paints twice, with the kept picture
// of the curves and with every span filled afresh, side by side. Run by
// hand.

#include "bench/Fbenchsupport.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "config/Ctablecolor.h"
#include "files/Cfileact.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "view/Cviewbase.h"
#include "view/Uchildbase.h"
#include "view/Uplotwidgets.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QImage>
#include <QMdiArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Runs = 15;
constexpr int ClientW = 1920;
constexpr int ClientH = 1080;
const int TimeZooms[] = {-20, -10, -5, -4, -3, -2, 1, 2, 3, 4, 5, 10};

// March 2026 with every minute stored: slow waves that now and then leave
// their band, so the curves wrap as real ones do.
QString WriteFullMonth(const QString& dir) {
    const ChannelDefs channels = BenchChannels("V", 1, 0, 100000);
    QByteArray header = NewHeader(Year2026, 3, "Werk Nord", channels);
    const int days = HeaderDaysStored(header);
    SetHeaderEndSlot(header, uint16_t(31 * SlotsPerDay));
    QByteArray file = header;
    for (int b = 0; b < days; ++b) {
        QByteArray block = EmptyDayBlock();
        if (b < 31) {
            for (int m = 0; m < SlotsPerDay; ++m) {
                std::array<uint16_t, ChannelCount> v{};
                const int s = b * SlotsPerDay + m;
                for (int ch = 0; ch < ChannelCount; ++ch)
                    v[ch] = uint16_t(150 + 20 * ch + 120 * std::sin(s / (200.0 + 37 * ch)) +
                                     (s * 7 + ch) % 11);
                PutSlot(block, m, BuildSlot(NoOperator, v));
            }
        }
        file += block;
    }
    file += QByteArray(OperatorTableSize, '\0');
    file += QByteArray(ExceptionTableSize, '\0');
    const QString path = dir + "/" + MonthFileName(Year2026, 3);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
        return {};
    return path;
}

// The worst case of the plotter: every channel takes a new random value
// every minute, within its band and across band edges, so every minute is
// a point and many runs break.
QString WriteNoisyMonth(const QString& dir) {
    const ChannelDefs channels = BenchChannels("V", 1, 0, 100000);
    QByteArray header = NewHeader(Year2026, 4, "Werk Nord", channels);
    const int days = HeaderDaysStored(header);
    SetHeaderEndSlot(header, uint16_t(30 * SlotsPerDay));
    QByteArray file = header;
    uint32_t noise = 4711;
    for (int b = 0; b < days; ++b) {
        QByteArray block = EmptyDayBlock();
        for (int m = 0; m < SlotsPerDay && b < 30; ++m) {
            std::array<uint16_t, ChannelCount> v{};
            for (int ch = 0; ch < ChannelCount; ++ch) {
                noise = noise * 1103515245u + 12345u;
                // Jitter of +-12 units every minute around a level that
                // drifts over the band edge at 200: within and across bands.
                const int level = 190 + int(30 * std::sin((b * SlotsPerDay + m) / (90.0 + 7 * ch)));
                v[ch] = uint16_t(level + int((noise >> 16) % 25) - 12);
            }
            PutSlot(block, m, BuildSlot(NoOperator, v));
        }
        file += block;
    }
    file += QByteArray(OperatorTableSize, '\0');
    file += QByteArray(ExceptionTableSize, '\0');
    const QString path = dir + "/" + MonthFileName(Year2026, 4);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
        return {};
    return path;
}

// Sizes the window so that its client area is ClientW x ClientH.
void SizeClient(TfmChildBase* w) {
    w->resize(ClientW, ClientH);
    QApplication::processEvents();
    const QSize client = w->widget()->size();
    w->resize(2 * ClientW - client.width(), 2 * ClientH - client.height());
    QApplication::processEvents();
}

// One full paint of the three areas, as an exposure of the window does.
void PaintAll(TfmChildBase* w, QImage& px, QImage& py, QImage& pw) {
    w->px->render(&px);
    w->py->render(&py);
    w->pw->render(&pw);
}

const char* Verdict(double figure, double target) {
    return figure <= target ? "met" : "MISSED";
}

void KeepSpanImage(TfmChildBase* w, bool keep) {
    w->View()->diagram->keepSpanImage = keep;
}

// The median of Runs repaints of the window as it stands.
double MedianPaint(TfmChildBase* w, QImage& px, QImage& py, QImage& pw) {
    std::vector<double> t;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        PaintAll(w, px, py, pw);
        t.push_back(clock.nsecsElapsed() / 1e6);
    }
    return Median(t);
}

// Prints the median repaint time at every time zoom, at the start, middle and
// end of the month: with the kept picture, and with the spans filled afresh.
void PaintTable(TfmChildBase* w, QImage& px, QImage& py, QImage& pw, double target) {
    std::printf("%8s %8s %8s %8s   %8s %8s %8s\n", "zoom", "kept:", "middle", "end",
                "fresh:", "middle", "end");
    double worst[2] = {0, 0};
    for (int zoom : TimeZooms) {
        w->ApplyTimeZoom(zoom);
        const int maxPos = std::max(w->sb->HorzRange() - w->sb->ClientWidth(), 0);
        double m[2][3] = {};
        for (int k = 0; k < 2; ++k) {
            KeepSpanImage(w, k == 0);
            int i = 0;
            for (int pos : {0, maxPos / 2, maxPos}) {
                w->sb->SetHorzPosition(pos);
                m[k][i] = MedianPaint(w, px, py, pw);
                worst[k] = std::max(worst[k], m[k][i++]);
            }
        }
        KeepSpanImage(w, true);
        std::printf("%8d %8.2f %8.2f %8.2f   %8.2f %8.2f %8.2f\n", zoom, m[0][0], m[0][1], m[0][2],
                    m[1][0], m[1][1], m[1][2]);
    }
    std::printf("worst median: kept %.2f ms (target <= %.0f: %s), fresh %.2f ms\n", worst[0],
                target, Verdict(worst[0], target), worst[1]);
}

// The next position of a walk by step through the month: on to the end,
// then back to the start, as one pages through with the keys.
int NextPosition(TfmChildBase* w, int step, int& direction) {
    const int maxPos = std::max(w->sb->HorzRange() - w->sb->ClientWidth(), 0);
    const int pos = w->sb->HorzPosition();
    if ((direction > 0 && pos >= maxPos) || (direction < 0 && pos <= 0))
        direction = -direction;
    return std::clamp(pos + direction * step, 0, maxPos);
}

// The median time of painting what a scroll repaints (the plot area and
// the time strip) after each of Runs steps. Ready: the window had the time
// between two key presses to paint its pictures of the pages either side.
double ScrollMedian(TfmChildBase* w, int step, bool keep, bool ready, QImage& px, QImage& py,
                    QImage& pw) {
    KeepSpanImage(w, keep);
    w->sb->SetHorzPosition(0);
    PaintAll(w, px, py, pw);
    int direction = 1;
    std::vector<double> t;
    for (int i = 0; i < Runs; ++i) {
        if (ready)
            w->PreparePictures();
        w->sb->SetHorzPosition(NextPosition(w, step, direction));
        QElapsedTimer clock;
        clock.start();
        w->px->render(&px);
        w->pw->render(&pw);
        t.push_back(clock.nsecsElapsed() / 1e6);
    }
    return Median(t);
}

// Scrolls the window page by page and line by line from the start of the
// month: with the pictures of the neighbouring pages ready, back to back
// with the kept picture of the curves, and with every span filled afresh.
void ScrollTable(TfmChildBase* w, QImage& px, QImage& py, QImage& pw) {
    std::printf("%8s %10s %10s %10s %10s %10s %10s\n", "zoom", "page ready", "back2back", "fresh",
                "line ready", "back2back", "fresh");
    double worst = 0;
    for (int zoom : TimeZooms) {
        w->ApplyTimeZoom(zoom);
        std::printf("%8d", zoom);
        for (int step : {w->sb->ClientWidth(), w->sb->horizontalScrollBar()->singleStep()}) {
            const double ready = ScrollMedian(w, step, true, true, px, py, pw);
            if (step == w->sb->ClientWidth())
                worst = std::max(worst, ready);
            std::printf(" %10.2f %10.2f %10.2f", ready,
                        ScrollMedian(w, step, true, false, px, py, pw),
                        ScrollMedian(w, step, false, false, px, py, pw));
        }
        std::printf("\n");
    }
    KeepSpanImage(w, true);
    std::printf("worst median of a page, ready: %.2f ms (target <= 1: %s)\n", worst,
                Verdict(worst, 1));
}

// Counts the paint events a widget receives.
struct TPaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint;
        return false;
    }
};

long ResidentKb() {
    QFile f("/proc/self/status");
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TSilentMessages messages;
    TEnv env;
    env.dataDir = dir.path();
    env.messages = &messages;
    Config = new TConfig(env.IniPath());
    Colors = new TTableColor;
    const QString path = WriteFullMonth(dir.path());
    if (path.isEmpty()) {
        std::fprintf(stderr, "cannot write the month file\n");
        return 1;
    }

    QMdiArea area;
    area.resize(ClientW + 300, ClientH + 300);
    area.show();

    auto* w = new TfmChildData(env, path);
    area.addSubWindow(w);
    w->show();
    SizeClient(w);
    app.processEvents();
    QImage px(w->px->size(), QImage::Format_RGB32);
    QImage py(w->py->size(), QImage::Format_RGB32);
    QImage pw(w->pw->size(), QImage::Format_RGB32);
    std::printf("month-file window %dx%d, plot area %dx%d\n", w->widget()->width(),
                w->widget()->height(), w->pw->width(), w->pw->height());

    std::printf("\npaint of plot area + both strips, median ms (target <= 2)\n");
    PaintTable(w, px, py, pw, 2);

    {
        const QString noisy = WriteNoisyMonth(dir.path());
        auto* n = new TfmChildData(env, noisy);
        area.addSubWindow(n);
        n->show();
        SizeClient(n);
        app.processEvents();
        std::printf("\nworst case: 14 noisy channels, a new value every minute; full repaint,"
                    " median ms (target <= 3)\n");
        PaintTable(n, px, py, pw, 3);
        std::printf("\nscrolling the noisy month by a page and by a line, plot area + time strip,"
                    " median ms\n");
        ScrollTable(n, px, py, pw);
        delete n;
    }

    std::printf("\nrunning view Refresh (plot area + strips repainted), median ms\n");
    auto* act = new TfmChildAct(env);
    area.addSubWindow(act);
    act->show();
    SizeClient(act);
    app.processEvents();
    uint8_t year = 0;
    uint8_t month = 0;
    TFileBase::Validate(path, year, month);
    act->File()->Open(path, year, month);
    act->File()->LoadDays();
    act->ViewAct()->MarkDataReady();
    double worstRefresh = 0;
    TPaintCounter counter;
    act->pw->installEventFilter(&counter);
    for (int zoom : TimeZooms) {
        act->ApplyTimeZoom(zoom);
        std::vector<double> t;
        for (int i = 0; i < Runs; ++i) {
            QElapsedTimer clock;
            clock.start();
            act->ViewAct()->Refresh();
            t.push_back(clock.nsecsElapsed() / 1e6);
        }
        const double m = Median(t);
        worstRefresh = std::max(worstRefresh, m);
        std::printf("%8d %8.2f\n", zoom, m);
    }
    std::printf("worst median: %.2f ms\n", worstRefresh);
    // Guard against timing a paint that drew nothing.
    const QImage shot = act->pw->grab().toImage();
    int inked = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            inked += shot.pixel(x, y) != qRgb(255, 255, 255);
    std::printf("running plot area %dx%d, %d pixels drawn, %d paints in %d refreshes\n",
                shot.width(), shot.height(), inked, counter.paints, Runs * 12);

    std::printf("\nopening a month-file window (validate, open, load, first paint)\n");
    std::vector<double> opens;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        auto* o = new TfmChildData(env, path);
        area.addSubWindow(o);
        o->show();
        SizeClient(o);
        PaintAll(o, px, py, pw);
        opens.push_back(clock.nsecsElapsed() / 1e6);
        delete o;
    }
    std::printf("median %.2f ms (target <= 30: %s)\n", Median(opens), Verdict(Median(opens), 30));

    std::printf("\nstart to a drawn running-month window with 31 stored days\n");
    {
        // The present minute lies at the end of the stored month, so the
        // window reads the whole file before its first paint.
        TSimClock now(SecondsFromLocal({2026, 3, 31, 23, 59, 30}), 0);
        TEnv running = env;
        running.clock = &now;
        std::vector<double> starts;
        for (int i = 0; i < Runs; ++i) {
            QElapsedTimer clock;
            clock.start();
            auto* r = new TfmChildAct(running);
            area.addSubWindow(r);
            r->show();
            SizeClient(r);
            PaintAll(r, px, py, pw);
            starts.push_back(clock.nsecsElapsed() / 1e6);
            if (i == 0 && r->Document().display.minutesShown != 31 * SlotsPerDay)
                std::printf("the stored days were not shown\n");
            delete r;
        }
        std::printf("median %.2f ms (target <= 1000)\n", Median(starts));
    }

    std::printf("\nresident memory, the windows at 1:20 with their kept pictures, the one in use"
                " also with its pictures of the pages either side\n");
    const long before = ResidentKb();
    std::vector<TfmChildData*> ten;
    for (int i = 0; i < 10; ++i) {
        auto* o = new TfmChildData(env, path);
        area.addSubWindow(o);
        o->show();
        SizeClient(o);
        o->ApplyTimeZoom(-20);
        PaintAll(o, px, py, pw);
        ten.push_back(o);
    }
    app.processEvents();
    const int pictures = ten.back()->PreparePictures();
    PaintAll(ten.back(), px, py, pw);
    const long after = ResidentKb();
    std::printf("pictures of the window in use: %d painted, %d kept\n", pictures,
                ten.back()->PicturesKept());
    std::printf("before %.1f MB, with ten more month-file windows %.1f MB (target <= 120 MB: %s)\n",
                before / 1024.0, after / 1024.0, Verdict(after / 1024.0, 120));
    return 0;
}
