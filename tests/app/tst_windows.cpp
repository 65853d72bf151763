#include "app/Ufilecommands.h"
#include "app/Umain.h"
#include "app/Utimecommands.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "support/Crecordingmessages.h"
#include "view/Cviewbase.h"
#include "view/Fdraw.h"
#include "view/Fexceptionbands.h"
#include "view/Fviewtestsupport.h"
#include "view/Uchannelpanel.h"
#include "view/Uchildbase.h"
#include "view/Uplotwidgets.h"
#include "view/Uviewchannel.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QMdiArea>
#include <QMenuBar>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

// The running-month window beside the month-file windows: what it shows
// from the start, its marks, the Channels panel, the value window and the
// window arrangement.
class TestWindows : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    // 10 March 2026, 14:00: minute 9 x 1440 + 840 = 13800 of the month.
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 0, 30}), 1000};
    TRecordingMessages messages;
    TEnv env;
    std::unique_ptr<TfmMain> w;

    static constexpr int Stored = 13790; // minutes on disk before the start

    // The running month's file: channel 1 "Druck" (red, colour 1) at 100,
    // channel 2 "Temp" at 250, the others not in use.
    bool MakeRunningMonth() {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1, "Druck", "bar");
        c[1] = Channel(0, 2, "Temp", "C");
        MonthDocument d;
        InitDocument(d, c, Stored);
        for (int s = 0; s < Stored; ++s) {
            SetRaw(d, s, 0, 100);
            SetRaw(d, s, 1, 250);
        }
        return WriteBytes(dir.filePath(MonthFileName(Year(2026), 3)), FileImage(d));
    }

    // A month file of February 2026 in the data directory, opened; with
    // periods, when given, over channel 1.
    TfmChildData* OpenMonth(const std::function<void(MonthDocument&)>& periods = {}) {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1, "Druck", "bar");
        MonthDocument d;
        InitDocument(d, c, 3000, 2026, 2);
        for (int s = 0; s < 3000; ++s)
            SetRaw(d, s, 0, 120);
        if (periods)
            periods(d);
        const QString path = dir.filePath(MonthFileName(Year(2026), 2));
        if (!WriteBytes(path, FileImage(d)))
            return nullptr;
        w->ChooseOpenFile = [path](const QString&, const QString&) { return path; };
        w->FileCommands().FileOpen1Execute();
        return qobject_cast<TfmChildData*>(w->MdiArea()->activeSubWindow());
    }

    // Shows the main window; with wait, the event loop runs too, and with
    // it the first acquisition cycle, which stores the simulated unit's
    // present minute.
    void Start(bool wait = true) {
        w = std::make_unique<TfmMain>(env, [](int) { return 2; });
        w->resize(1400, 900);
        w->show();
        if (wait)
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }

    // Pixels of a colour in the visible plot area of a window.
    static int CountColour(TfmChildBase* c, const QColor& colour) {
        const QImage img = c->pw->grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x)
                n += img.pixelColor(x, y) == colour ? 1 : 0;
        }
        return n;
    }

    // The pixels of a colour in one column of the visible plot area.
    static int ColumnColour(TfmChildBase* c, int x, const QColor& colour) {
        const QImage img = c->pw->grab().toImage();
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            n += img.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    }

    // Columns of the visible plot area with a bluish pixel (the exception
    // bands' shade and ink) in row y.
    static QList<int> BluishColumns(TfmChildBase* c, int y) {
        const QImage img = c->pw->grab().toImage();
        QList<int> columns;
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (p.blue() > p.red() + 10 && p.blue() > p.green() + 10)
                columns.append(x);
        }
        return columns;
    }

    static QRect GlobalRect(const QWidget* widget) {
        return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
    }
    void cleanup() {
        w.reset();
        QDir(dir.path()).removeRecursively();
        QDir().mkpath(dir.path());
    }

    // After a restart the window stayed blank until the unit's next record.
    void runningWindowShowsStoredMinutesAtItsFirstPaint() {
        QVERIFY(MakeRunningMonth());
        Start(false);
        QVERIFY(fmChildAct);
        QCOMPARE(int(fmChildAct->Document().display.minutesShown), Stored);
        QVERIFY(fmChildAct->View()->dataReady);
        QVERIFY(CountColour(fmChildAct, ChannelColour(1)) > 500);
        // The first cycle runs at once, not on the main timer's first tick,
        // and stores the present minute after them.
        QTRY_COMPARE(int(fmChildAct->Document().display.minutesShown), 13801);
    }

    void runningWindowWithoutAFileStaysEmptyUntilTheFirstRecord() {
        Start(false);
        QVERIFY(fmChildAct);
        QCOMPARE(int(fmChildAct->Document().display.minutesShown), 0);
        QCOMPARE(fmChildAct->View()->dataReady, 0);
        QTRY_COMPARE(int(fmChildAct->Document().display.minutesShown), 13801);
    }

    // The panel listed 14 black, unnamed, unused channels until another
    // window was activated and back.
    void channelPanelShowsTheRunningMonthFromTheStart() {
        QVERIFY(MakeRunningMonth());
        Start(false);
        QTableWidget* t = w->ChannelPanel()->tblChannels;
        QCOMPARE(t->rowCount(), 14);
        QCOMPARE(t->item(0, TChannelPanel::ColChannel)->text(), QString("1 Druck"));
        QCOMPARE(t->item(1, TChannelPanel::ColUnit)->text(), QString("C"));
        QCOMPARE(t->item(1, TChannelPanel::ColInUse)->text(), QString("yes"));
        QCOMPARE(t->item(2, TChannelPanel::ColInUse)->text(), QString("no"));
        // The newest values while no cursor reads another minute.
        QCOMPARE(t->item(0, TChannelPanel::ColValue)->text().trimmed(), QString("100"));
        QCOMPARE(t->item(1, TChannelPanel::ColValue)->text().trimmed(), QString("250"));
        // Every column is in view: no horizontal scrolling.
        int width = 0;
        for (int col = 0; col < t->columnCount(); ++col)
            width += t->columnWidth(col);
        QVERIFY(t->viewport()->width() >= width);
    }

    void channelPanelFollowsAChannelChangeAndListsUnusedChannelsLast() {
        QVERIFY(MakeRunningMonth());
        Start(false);
        Config->channels[0] = Channel(0, 1, "Druck", "bar");
        Config->channels[1] = Channel(0, 2, "Temp", "C");
        Config->channels[4] = Channel(0, 3, "Fluss", "l/s");
        fmChildAct->ChannelsChanged();
        QTableWidget* t = w->ChannelPanel()->tblChannels;
        QCOMPARE(t->item(2, TChannelPanel::ColChannel)->text(), QString("5 Fluss"));
        QCOMPARE(t->item(2, TChannelPanel::ColUnit)->text(), QString("l/s"));
        QCOMPARE(t->item(3, TChannelPanel::ColChannel)->text().left(2), QString("3 "));
        QCOMPARE(t->item(3, TChannelPanel::ColInUse)->text(), QString("no"));
        // The box of a row hides that row's channel, not the row number's.
        t->item(2, TChannelPanel::ColChannel)->setCheckState(Qt::Unchecked);
        QCOMPARE(fmChildAct->Document().display.channelVisible[4], 0u);
        QCOMPARE(fmChildAct->Document().display.channelVisible[2], 1u);
    }

    void channelPanelShowsANewWindowsChannels() {
        QVERIFY(MakeRunningMonth());
        Start(false);
        TfmChildData* c = OpenMonth();
        QVERIFY(c && c->Loaded());
        QTableWidget* t = w->ChannelPanel()->tblChannels;
        QCOMPARE(t->item(0, TChannelPanel::ColChannel)->text(), QString("1 Druck"));
        QCOMPARE(t->item(1, TChannelPanel::ColInUse)->text(), QString("no"));
        w->MdiArea()->setActiveSubWindow(fmChildAct);
        QCOMPARE(t->item(1, TChannelPanel::ColInUse)->text(), QString("yes"));
    }

    // Marks set in the running window were read by the Range panel but not
    // drawn, and Mark delete left them.
    void runningWindowDrawsItsMarksAndMarkDeleteClearsThem() {
        QVERIFY(MakeRunningMonth());
        Start();
        TfmChildAct* c = fmChildAct;
        c->showMaximized();
        const QColor green(0, 128, 0);
        const QColor olive(128, 128, 0);
        c->pwMouseDown(Qt::RightButton, 100);
        c->pwMouseUp(Qt::LeftButton, 100);
        c->pwMouseUp(Qt::LeftButton, 200);
        c->pwMouseUp(Qt::RightButton, 200);
        QVERIFY(c->Document().display.BothMarks());
        QVERIFY(ColumnColour(c, 100, green) > 100);
        QVERIFY(ColumnColour(c, 200, olive) > 100);
        w->MdiArea()->setActiveSubWindow(c);
        QVERIFY(w->findChild<QAction*>("TrmClear")->isEnabled());
        w->TimeCommands().TrmClearExecute();
        QVERIFY(!c->Document().display.AnyMark());
        QCOMPARE(ColumnColour(c, 100, green), 0);
        QCOMPARE(ColumnColour(c, 200, olive), 0);
    }

    // Home, End and Shift+wheel did nothing in the running-month window.
    void runningWindowScrollsWithHomeEndAndTheWheel() {
        QVERIFY(MakeRunningMonth());
        Start(false);
        TfmChildAct* c = fmChildAct;
        c->showMaximized();
        TViewAct* view = c->ViewAct();
        const int newestOrigin = view->OriginMinute();
        QVERIFY(newestOrigin > 1000);
        QCOMPARE(view->LastShownMinute(), Stored - 1);
        QTest::keyClick(c, Qt::Key_Home);
        QCOMPARE(view->OriginMinute(), 0);
        QCOMPARE(c->MinuteUnder(0), 0);
        // Shift+wheel towards the end, by whole minutes at 1:1.
        QVERIFY(c->pwWheel(QPoint(0, -120), Qt::ShiftModifier, QPoint(10, 10)));
        const int line =
            c->sb->horizontalScrollBar()->singleStep() * QApplication::wheelScrollLines();
        QCOMPARE(view->OriginMinute(), line);
        QCOMPARE(view->LastShownMinute(),
                 line + (newestOrigin == 0 ? 0 : Stored - 1 - newestOrigin));
        QTest::keyClick(c, Qt::Key_End);
        QCOMPARE(view->OriginMinute(), newestOrigin);
        QCOMPARE(view->BackMinutes(), 0);
        // Scrolled back, the view keeps its minutes while new ones arrive.
        QTest::keyClick(c, Qt::Key_Home);
        QTRY_COMPARE(int(c->Document().display.minutesShown), 13801);
        QCOMPARE(view->OriginMinute(), 0);
        QTest::keyClick(c, Qt::Key_End);
        QCOMPARE(view->LastShownMinute(), 13800);
    }

    // The value window popped up in a screen corner, over the menu bar and
    // the toolbar or the Channels panel.
    void valueWindowStaysInsideThePlotAreaAwayFromTheCursor() {
        QVERIFY(MakeRunningMonth());
        Start();
        TfmChildData* c = OpenMonth();
        QVERIFY(c);
        c->showMaximized();
        const QRect plot = GlobalRect(c->pw);
        const int right = c->pw->width() - 50;
        c->pwMouseDown(Qt::RightButton, right);
        QVERIFY(fmViewChannel);
        QRect place = fmViewChannel->geometry();
        QCOMPARE(place.top(), plot.top() + 5);
        QVERIFY(place.left() >= plot.left());
        QVERIFY(place.right() <= plot.right());
        QCOMPARE(place.left(), plot.left() + 5); // left: the cursor is right
        QVERIFY(!place.intersects(GlobalRect(w->menuBar())));
        QVERIFY(!place.intersects(GlobalRect(w->findChild<QToolBar*>("ToolBar1"))));
        for (QDockWidget* dock : w->findChildren<QDockWidget*>())
            QVERIFY(!place.intersects(GlobalRect(dock)));
        // The cursor comes over it: the window goes to the other side, and
        // back when the cursor follows.
        c->pwMouseMove(10);
        place = fmViewChannel->geometry();
        QCOMPARE(place.right(), plot.right() - 5);
        QCOMPARE(place.top(), plot.top() + 5);
        c->pwMouseMove(plot.width() - 10);
        QCOMPARE(fmViewChannel->geometry().left(), plot.left() + 5);
        c->pwMouseUp(Qt::RightButton, plot.width() / 2);
        QVERIFY(!fmViewChannel);
    }

    // An exception period looked exactly like missing minutes: a plain gap.
    void exceptionPeriodsAreLabelledBandsNotGaps() {
        QFile list(dir.filePath("AUSNAHME.LST"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("WART Wartung der Pumpe\r\nKAL Kalibrierung\r\n");
        list.close();
        Start();
        TfmChildData* c = OpenMonth([](MonthDocument& d) {
            AddException(d, 100, 199, 1, "WART"); // ordinary: shaded
            AddException(d, 400, 449, 1, "!NOT"); // note only: outlined
            SetRaw(d, 300, 0, 0);                 // stays stored
        });
        QVERIFY(c && c->Loaded());
        c->showMaximized();
        QCOMPARE(c->View()->exceptionTexts.size(), size_t(2));
        const int y = c->pw->height() / 2 + 7;
        const QList<int> shaded = BluishColumns(c, y);
        // Columns 100 .. 199 at 1:1, nothing else shaded in that row but the
        // outline's two edges at 400 and 449.
        QList<int> expected;
        for (int x = 100; x < 200; ++x)
            expected.append(x);
        const QList<int> outline = {400, 449};
        QList<int> rest;
        for (int x : shaded) {
            if (!expected.contains(x))
                rest.append(x);
        }
        for (int x : expected)
            QVERIFY2(shaded.contains(x), qPrintable(QString::number(x)));
        for (int x : rest)
            QVERIFY2(outline.contains(x) || x == 450, qPrintable(QString::number(x)));
        // The labels at the top: ink in the first text line of each band.
        int labelInk = 0;
        for (int row = 2; row < 14; ++row) {
            for (int x : BluishColumns(c, row))
                labelInk += x > 100 && x < 199 ? 1 : 0;
        }
        QVERIFY(labelInk > 20);
        QCOMPARE(ExceptionBandLabel("WART", c->View()->exceptionTexts),
                 QByteArray("WART Wartung der Pumpe"));
    }

    // A maximised window left its top half empty and a tiled one cut the
    // curves near 0 off: the value band kept 300 pixels whatever the height.
    void valueBandFollowsTheWindowsHeight() {
        QVERIFY(MakeRunningMonth());
        Start();
        TfmChildData* c = OpenMonth();
        QVERIFY(c);
        c->showMaximized();
        QCOMPARE(c->sb->VertRange(), c->sb->ClientHeight());
        // Channel 1 at 120 of 300 units: at two fifths of the height.
        const QImage img = c->pw->grab().toImage();
        const int h = c->pw->height();
        QCOMPARE(img.pixelColor(50, h - 120 * h / 300), ChannelColour(1));
        w->findChild<QAction*>("WindowTileHorizontal1")->trigger();
        for (QMdiSubWindow* s : w->MdiArea()->subWindowList()) {
            auto* child = qobject_cast<TfmChildBase*>(s);
            QVERIFY(child->sb->ClientHeight() < h);
            QCOMPARE(child->sb->VertRange(), child->sb->ClientHeight());
            QCOMPARE(child->sb->VertPosition(), 0);
        }
        // Value zoom 2 doubles the band: the window scrolls over it.
        c->ApplyValueZoom(2);
        QCOMPARE(c->sb->VertRange(), 2 * c->sb->ClientHeight());
    }

    // Cascade shrank the windows to about 400 x 240 pixels in one corner.
    void cascadeGivesEveryWindowTwoThirdsOfTheArea() {
        QVERIFY(MakeRunningMonth());
        Start();
        QVERIFY(OpenMonth());
        w->findChild<QAction*>("WindowCascade1")->trigger();
        const QSize area = w->MdiArea()->viewport()->size();
        int shown = 0;
        for (QMdiSubWindow* s : w->MdiArea()->subWindowList()) {
            QVERIFY(s->isVisible() && !s->isMinimized());
            QVERIFY(s->width() >= area.width() * 2 / 3);
            QVERIFY(s->height() >= area.height() * 2 / 3);
            QVERIFY(s->geometry().right() < area.width());
            QVERIFY(s->geometry().bottom() < area.height());
            ++shown;
        }
        QCOMPARE(shown, 2);
        // One step apart: the title bar of the one behind stays in view.
        const QList<QMdiSubWindow*> list = w->MdiArea()->subWindowList();
        QVERIFY(list[0]->geometry().topLeft() != list[1]->geometry().topLeft());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
