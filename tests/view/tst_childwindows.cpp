#include "Fviewtestsupport.h"

#include "config/Fcodec.h"
#include "files/Cfileact.h"
#include "view/Cchildhooks.h"
#include "view/Cviewbase.h"
#include "view/Frender.h"
#include "view/Uchildbase.h"
#include "view/Uplotwidgets.h"
#include "view/Uviewchannel.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QPaintEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>

namespace {

struct THooksRecorder : TChildHooks {
    int activated = 0;
    int deactivated = 0;
    int running = 0;
    int marks = 0;
    int lastTime = 0;
    int lastSize = 0;
    void ChildActivated(MonthDocument&, int t, int s) override {
        ++activated;
        lastTime = t;
        lastSize = s;
    }
    void ChildDeactivated() override { ++deactivated; }
    void RunningWindowChanged(MonthDocument&, int t, int s) override {
        ++running;
        lastTime = t;
        lastSize = s;
    }
    void UpdateMarkCommands(MonthDocument&) override { ++marks; }
};

// Collects the regions of the paint events a widget receives.
struct TPaintSpy : QObject {
    QList<QRegion> regions;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            regions.append(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
};

} // namespace

class TestChildWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<TViewFixture> fx;
    THooksRecorder hooks;
    std::unique_ptr<QMdiArea> area;

    // A March 2026 file with channels 1 (flat at 100) and 2 (flat at 250),
    // data up to slot end.
    QString MakeFile(uint16_t end = 3000) {
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1, "Druck", "bar");
        c[1] = Channel(0, 2, "Temp", "C");
        InitDocument(d, c, end);
        for (int s = 0; s < end; ++s) {
            SetRaw(d, s, 0, 100);
            SetRaw(d, s, 1, 250);
        }
        return fx->WriteMonth(d);
    }

    TfmChildData* OpenWindow(const QString& path) {
        auto* w = new TfmChildData(fx->env, path, &hooks);
        area->addSubWindow(w);
        w->resize(1000, 600);
        w->show();
        return w;
    }

private slots:
    void init() {
        fx = std::make_unique<TViewFixture>();
        hooks = THooksRecorder();
        area = std::make_unique<QMdiArea>();
        area->resize(1300, 900);
        area->show();
        QVERIFY(QTest::qWaitForWindowExposed(area.get()));
    }
    void cleanup() {
        area.reset();
        fx.reset();
    }

    void opensMonthFile() {
        TfmChildData* w = OpenWindow(MakeFile());
        QVERIFY(w->Loaded());
        QCOMPARE(w->windowTitle(), QString("Werk Nord:  3/2026"));
        QCOMPARE(w->Document().display.minutesShown, uint16_t(3000));
        QCOMPARE(w->View()->dataReady, 1);
        QCOMPARE(w->sb->HorzRange(), 3001);
        QVERIFY(hooks.activated >= 1);
        QCOMPARE(w->Tag, 0);
        QCOMPARE(w->px->height(), 30);
        QCOMPARE(w->py->width(), 20);
        QCOMPARE(w->Document().display.viewWidth, w->sb->ClientWidth());
        QVERIFY(fx->messages.shown.isEmpty());
    }

    void invalidFileLeavesEmptyWindow_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("message");
        QTest::newRow("foreign file") << true << "Diese Datei ist keine gültige Datendatei!";
        QTest::newRow("missing file") << false << "Fehler beim Versuch eine Datei zu öffnen!";
    }
    void invalidFileLeavesEmptyWindow() {
        QFETCH(bool, exists);
        QFETCH(QString, message);
        const QString path = fx->dir.filePath("D2026-03.ZMF");
        if (exists)
            QVERIFY(WriteBytes(path, QByteArray(2000, 'x')));
        TfmChildData* w = OpenWindow(path);
        QVERIFY(!w->Loaded());
        QCOMPARE(w->windowTitle(), QString("Child"));
        QCOMPARE(fx->messages.Texts(), QStringList({message}));
        QCOMPARE(w->View()->dataReady, 0);
        const QImage img = w->pw->grab().toImage();
        QVERIFY(!img.isNull()); // grid only, and no crash
    }

    void closeDestroysMonthFileWindow() {
        QPointer<TfmChildData> w = OpenWindow(MakeFile());
        w->close();
        QTRY_VERIFY(w.isNull());
    }

    void runningWindowOnlyMinimises() {
        auto* w = new TfmChildAct(fx->env, &hooks);
        fmChildAct = w;
        area->addSubWindow(w);
        w->Tag = 1;
        w->show();
        QCOMPARE(w->minimumWidth(), 400);
        w->close();
        QVERIFY(w->isMinimized());
        QCOMPARE(fmChildAct, w);
        w->Tag = 0;
        QPointer<TfmChildAct> guard = w;
        w->close();
        QTRY_VERIFY(guard.isNull());
        QVERIFY(!fmChildAct);
    }

    void runningWindowReportsAndMapsPixels() {
        auto* w = new TfmChildAct(fx->env, &hooks);
        area->addSubWindow(w);
        w->resize(1000, 600);
        w->show();
        w->ApplyTimeZoom(-5);
        w->ApplyValueZoom(10);
        QCOMPARE(w->GetTimeZoom(), -5);
        QCOMPARE(w->GetValueZoom(), 10);
        w->ReportScale();
        QCOMPARE(hooks.running, 1);
        QCOMPARE(hooks.lastTime, -5);
        QCOMPARE(hooks.lastSize, 10);
        // 2000 minutes at 1:5 are 400 pixels; the window shows all of them.
        w->ApplyTimeZoom(-5);
        w->View()->SetExtent(2000, 300);
        QVERIFY(w->sb->FullWidth() - 300 >= 400);
        QCOMPARE(w->PixelToMinute(0), 0);
        QCOMPARE(w->PixelToMinute(7), 35);
        // 20000 minutes are 4000 pixels: the last FullWidth - 300 are
        // shown, and the newest minute 19999 stands at the red line.
        SetHeaderEndSlot(w->Document().header, 20000);
        w->View()->SetExtent(20000, 300);
        const int shown = w->sb->FullWidth() - 300;
        QCOMPARE(w->PixelToMinute(0), 19999 - shown * 5);
        QCOMPARE(w->PixelToMinute(shown), 19999);
        delete w;
    }

    void zoomAndChannelOperations() {
        TfmChildData* w = OpenWindow(MakeFile());
        w->ApplyTimeZoom(10);
        QCOMPARE(w->GetTimeZoom(), 10);
        QCOMPARE(w->sb->HorzRange(), 30001);
        w->ApplyValueZoom(20);
        QCOMPARE(w->GetValueZoom(), 20);
        // The band fills the window's height at zoom 1: twenty heights.
        QCOMPARE(w->sb->VertRange(), 20 * w->sb->ClientHeight());
        w->ShowChannel(3, false);
        QCOMPARE(w->Document().display.channelVisible[3], 0u);
        w->ShowChannel(-1, false);
        for (uint32_t v : w->Document().display.channelVisible)
            QCOMPARE(v, 0u);
        QCOMPARE(w->PixelToMinute(25), 2);
    }

    void cursorAndMarks() {
        TfmChildData* w = OpenWindow(MakeFile());
        QVERIFY(!fmViewChannel);
        // A left click without the right button does nothing.
        w->pwMouseUp(Qt::LeftButton, 50);
        w->pwMouseMove(60);
        QCOMPARE(w->Document().display.markStart, MonthDisplay::NoMark);
        QVERIFY(!w->CursorActive());

        w->pwMouseDown(Qt::RightButton, 100);
        QVERIFY(w->CursorActive());
        QVERIFY(w->CursorShown());
        QCOMPARE(w->CursorX(), 100);
        QVERIFY(fmViewChannel);
        QVERIFY(fmViewChannel->isVisible());
        QCOMPARE(fmViewChannel->Label1->text().trimmed(),
                 QString("Day: 2026.03.01  /  Hour:  1:40"));
        // Left half of the window: the value window at the right edge of the
        // plot area (it went to the screen's corner, over the main window's
        // menu bar and toolbar).
        const QRect plot(w->pw->mapToGlobal(QPoint(0, 0)), w->pw->size());
        QCOMPARE(fmViewChannel->pos(),
                 QPoint(plot.right() + 1 - 5 - fmViewChannel->width(), plot.top() + 5));

        w->pwMouseMove(130);
        QCOMPARE(w->CursorX(), 130);
        QCOMPARE(fmViewChannel->Label1->text().trimmed(),
                 QString("Day: 2026.03.01  /  Hour:  2:10"));

        w->pwMouseUp(Qt::LeftButton, 130);
        QCOMPARE(w->Document().display.markStart, uint16_t(130));
        QCOMPARE(hooks.marks, 1);
        QVERIFY(!w->CursorShown());
        QVERIFY(w->CursorActive());
        w->pwMouseUp(Qt::LeftButton, 40);
        QCOMPARE(w->Document().display.markStart, uint16_t(40));
        QCOMPARE(w->Document().display.markEnd, uint16_t(130));
        QCOMPARE(hooks.marks, 2);
        // Beyond the data or left of the plot area: nothing changes.
        w->pwMouseUp(Qt::LeftButton, 3000);
        w->pwMouseUp(Qt::LeftButton, -3);
        QCOMPARE(hooks.marks, 2);
        QCOMPARE(w->Document().display.markEnd, uint16_t(130));

        w->pwMouseUp(Qt::RightButton, 130);
        QVERIFY(!fmViewChannel);
        QVERIFY(!w->CursorActive());
        QVERIFY(!w->CursorShown());

        w->ClearMarks();
        QVERIFY(!w->Document().display.AnyMark());
    }

    void valueWindowAwayFromCursor() {
        TfmChildData* w = OpenWindow(MakeFile());
        const int x = w->width() / 2 + 50;
        w->pwMouseDown(Qt::RightButton, x);
        QVERIFY(fmViewChannel);
        const QPoint plot = w->pw->mapToGlobal(QPoint(0, 0));
        QCOMPARE(fmViewChannel->pos(), plot + QPoint(5, 5));
        // Two listed channels: 2 x 25 + 50 pixels high.
        QCOMPARE(fmViewChannel->height(), 100);
        w->pwMouseUp(Qt::RightButton, x);
        QVERIFY(!fmViewChannel);
    }

    // The cursor line inverts the pixels of its column; moving it repaints
    // just the old and the new column.
    void cursorLineInvertsAndRepaintsColumns() {
        TfmChildData* w = OpenWindow(MakeFile());
        const QImage before = w->pw->grab().toImage();
        w->pwMouseDown(Qt::RightButton, 200);
        const QImage with = w->pw->grab().toImage();
        int changed = 0;
        for (int y = 0; y < with.height(); ++y) {
            for (int x = 0; x < with.width(); ++x) {
                if (with.pixel(x, y) == before.pixel(x, y))
                    continue;
                QCOMPARE(x, 200);
                QCOMPARE(with.pixel(x, y) & 0xFFFFFF, ~before.pixel(x, y) & 0xFFFFFF);
                ++changed;
            }
        }
        QVERIFY(changed > with.height() / 4);

        TPaintSpy spy;
        QCoreApplication::processEvents();
        w->pw->installEventFilter(&spy);
        w->pwMouseMove(260);
        QTRY_VERIFY(!spy.regions.isEmpty());
        const int h = w->pw->height();
        QCOMPARE(spy.regions.last(), QRegion(200, 0, 1, h) + QRegion(260, 0, 1, h));
        w->pw->removeEventFilter(&spy);
        w->pwMouseUp(Qt::RightButton, 260);
    }

    // The window paints the same pictures as the core: the curves at their
    // heights, the data's first line green.
    void windowPaintsCurves() {
        TfmChildData* w = OpenWindow(MakeFile());
        const QImage img = w->pw->grab().toImage();
        const int h = w->pw->height();
        // The band of 300 units fills the plot area's height.
        const auto y = [h](int value) { return h - value * h / 300; };
        QCOMPARE(QColor(img.pixel(50, y(100))), QColor(255, 0, 0));
        QCOMPARE(QColor(img.pixel(50, y(50))), QColor(0, 0, 255)); // 250 on base 200
        QCOMPARE(QColor(img.pixel(1, y(180))), QColor(0, 128, 0));
        QCOMPARE(QColor(img.pixel(50, y(180))), QColor(Qt::white));
        const QImage strip = w->px->grab().toImage();
        QCOMPARE(QColor(strip.pixel(strip.width() - 1, 0)), QColor(255, 251, 240));
    }

    void valueWindowRows() {
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[1] = Channel(0, 3, "Druck", "bar");
        c[1].decimals = 2;
        c[4] = Channel(0, 4, "Menge", "m3");
        c[9] = Channel(0, 5, "Zaehler", "");
        c[9].offsetValue = 7;
        c[6] = Channel(0, 6, "Hidden", "");
        InitDocument(d, c, 100);
        d.display.channelVisible[6] = 0;
        SetRaw(d, 10, 1, 1234);
        SetRaw(d, 10, 4, 7);
        SetOperator(d, 10, 0);
        AddOperatorName(d, "Meier");
        TfmViewChannel v;
        v.SetUp(d);
        QCOMPARE(v.height(), 125);
        v.ShowSlot(d, 10);
        QCOMPARE(v.rows[0]->text(), QString(" 1 Druck                bar     12.34"));
        QCOMPARE(v.rows[1]->text(), QString(" 2 Menge                m3          7"));
        QCOMPARE(v.rows[2]->text(), QString(" 3 Zaehler") + QString(13 + 1 + 6 + 1 + 5, ' ') + "7");
        QVERIFY(!v.rows[3]->isVisibleTo(&v));
        QCOMPARE(v.rows[0]->palette().color(QPalette::WindowText), QColor(0, 255, 255));
        QCOMPARE(v.Label1->text(), QString("Day: 2026.03.01  /  Hour:  0:10      "));
        QCOMPARE(v.Label2->text(), QString("Operator: Meier"));
        QCOMPARE(v.rows[1]->pos(), QPoint(24, 80));
        // An empty minute: no values (not the offsets it holds), no data
        // beside the date, no operator.
        v.ShowSlot(d, 11);
        QCOMPARE(v.rows[0]->text(), QString::fromUtf8(" 1 Druck                bar         —"));
        QCOMPARE(v.rows[2]->text().right(6), QString::fromUtf8("     —"));
        QCOMPARE(v.Label1->text(), QString("Day: 2026.03.01  /  Hour:  0:11      no data"));
        QCOMPARE(v.Label2->text(), QString("Operator: Unknown"));
        // An overflow slot belongs to April.
        SetRaw(d, 31 * 1440 + 61, 0, 5);
        v.ShowSlot(d, 31 * 1440 + 61);
        QCOMPARE(v.Label1->text(), QString("Day: 2026.04.01  /  Hour:  1:01      "));
        // A day not in memory leaves the content.
        d.dayBlocks[2] = QByteArray();
        v.ShowSlot(d, 2 * 1440 + 5);
        QCOMPARE(v.Label1->text(), QString("Day: 2026.04.01  /  Hour:  1:01      "));
        v.ShowSlot(d, -1);
        v.ShowSlot(d, 40 * 1440);
        QCOMPARE(v.Label1->text(), QString("Day: 2026.04.01  /  Hour:  1:01      "));
    }

    void valueWindowLimits() {
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 0, "A", "x");
        c[0].minValue = 10;
        c[0].maxValue = 20;
        InitDocument(d, c, 100);
        TfmViewChannel v;
        v.SetUp(d);
        SetRaw(d, 0, 0, 5);
        SetRaw(d, 1, 0, 25);
        SetRaw(d, 2, 0, 15);
        SetOperator(d, 2, 3); // beyond the operator names
        v.ShowSlot(d, 0);
        QVERIFY(v.rows[0]->text().endsWith(" #U/L"));
        v.ShowSlot(d, 1);
        QVERIFY(v.rows[0]->text().endsWith(" #O/L"));
        v.ShowSlot(d, 2);
        QVERIFY(v.rows[0]->text().endsWith("    15"));
        QCOMPARE(v.Label2->text(), QString("Operator: Unknown"));
        d.display.channelVisible.fill(0);
        v.SetUp(d);
        QCOMPARE(v.height(), 50);
        QVERIFY(v.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(v.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    }

    // Every month-file window drew the channels not in use over the real
    // ones, and so did zedactl render.
    void channelsNotInUseAreNotDrawn() {
        MonthDocument d;
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1, "Druck", "bar");
        c[1] = Channel(0, 2, "Temp", "C");
        c[1].active = 0;
        InitDocument(d, c, 3000);
        for (int s = 0; s < 3000; ++s) {
            SetRaw(d, s, 0, 100);
            SetRaw(d, s, 1, 250);
        }
        const QString path = fx->WriteMonth(d);
        TfmChildData* w = OpenWindow(path);
        std::array<uint32_t, ChannelCount> inUse{};
        inUse[0] = 1;
        QCOMPARE(w->Document().display.channelVisible, inUse);
        TRenderRequest r;
        r.path = path;
        r.width = 400;
        r.height = 360;
        QImage img;
        QVERIFY(RenderMonthFile(fx->env, r, img));
        const int bottom = 30 + 314;
        QCOMPARE(QColor(img.pixel(20 + 50, bottom - 100)), QColor(255, 0, 0));
        QCOMPARE(QColor(img.pixel(20 + 50, bottom - 50)), QColor(Qt::white));
        // Asked for, it is drawn.
        r.channels.emplace();
        (*r.channels)[1] = true;
        QVERIFY(RenderMonthFile(fx->env, r, img));
        QCOMPARE(QColor(img.pixel(20 + 50, bottom - 50)), QColor(0, 0, 255));
        QCOMPARE(QColor(img.pixel(20 + 50, bottom - 100)), QColor(Qt::white));
    }

    void renderPicture() {
        const QString path = MakeFile(3000);
        TRenderRequest r;
        r.path = path;
        r.width = 400;
        r.height = 360;
        r.markStart = 120;
        r.markEnd = 60; // given the wrong way round
        QImage img;
        QVERIFY(RenderMonthFile(fx->env, r, img));
        QCOMPARE(img.size(), QSize(400, 360));
        // Plot area at (20, 30), client 380 x 314 above a 16-pixel bar.
        const int bottom = 30 + 314;
        QCOMPARE(QColor(img.pixel(20 + 50, bottom - 100)), QColor(255, 0, 0));
        QCOMPARE(QColor(img.pixel(20 + 50, bottom - 50)), QColor(0, 0, 255));
        QCOMPARE(QColor(img.pixel(20 + 1, bottom - 180)), QColor(0, 128, 0));
        QCOMPARE(QColor(img.pixel(20 + 60, bottom - 180)), QColor(0, 128, 0));
        QCOMPARE(QColor(img.pixel(20 + 120, bottom - 180)), QColor(128, 128, 0));
        QCOMPARE(QColor(img.pixel(20 + 61, bottom - 181)), QColor(Qt::white));
        // Hour grid (dashed, grey on white) at minute 60 .. and the strips.
        QCOMPARE(QColor(img.pixel(399, 1)), QColor(255, 251, 240));
        QCOMPARE(QColor(img.pixel(1, 200)), QColor(255, 251, 240));
        int dark = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 400; ++x)
                dark += qGray(img.pixel(x, y)) < 128;
        QVERIFY(dark > 20); // the time labels
        QCOMPARE(QColor(img.pixel(200, bottom + 1)), QColor(240, 240, 240));

        // Scrolled to slot 1000 at 2:1 on grey, channel 2 only.
        r.timeZoom = 2;
        r.firstSlot = 1000;
        r.background = 2;
        r.channels.emplace();
        r.channels->fill(false);
        (*r.channels)[1] = true;
        QVERIFY(RenderMonthFile(fx->env, r, img));
        QCOMPARE(QColor(img.pixel(20 + 50, bottom - 100)), QColor(192, 192, 192));
        QCOMPARE(QColor(img.pixel(20 + 50, bottom - 50)), QColor(0, 0, 255));
        QCOMPARE(QColor(img.pixel(20 + 1, bottom - 180)), QColor(192, 192, 192));
        // Minute 1020 is a quarter division: 40 pixels in, dotted black.
        int black = 0;
        for (int y = 40; y < bottom - 60; ++y)
            black += img.pixel(20 + 40, y) == qRgb(0, 0, 0);
        QVERIFY(black > 20);

        r.path = fx->dir.filePath("nothing.zmf");
        QVERIFY(!RenderMonthFile(fx->env, r, img));
        QVERIFY(img.isNull());
    }
};

QTEST_MAIN(TestChildWindows)
#include "tst_childwindows.moc"
