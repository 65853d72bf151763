#include "app/Ufilecommands.h"
#include "app/Umain.h"
#include "app/Utimecommands.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "support/Cmainwindowtest.h"
#include "support/Crecordingmessages.h"
#include "view/Fviewtestsupport.h"
#include "view/Uchannelpanel.h"
#include "view/Uchildbase.h"
#include "view/Uplotwidgets.h"
#include "view/Urangepanel.h"
#include "view/Uviewchannel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

// The readout of a marked range, the channel legend, the wheel and keys of
// the diagram windows, and the program's command line.
class TestReadout : public TMainWindowTest {
    Q_OBJECT

    std::unique_ptr<TfmMain> w;

    // March 2026: channel 1 "Druck" (bar, one decimal) rising 1 a minute
    // from 100, channel 2 "Temp" flat at 250, channel 3 not in use; minutes
    // 50 .. 59 empty; data up to slot 3000.
    QString MakeFile() {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1, "Druck", "bar");
        c[0].decimals = 1;
        c[1] = Channel(0, 2, "Temp", "C");
        MonthDocument d;
        InitDocument(d, c, 3000);
        for (int s = 0; s < 3000; ++s) {
            if (s >= 50 && s < 60)
                continue;
            SetRaw(d, s, 0, uint16_t(100 + s % 100));
            SetRaw(d, s, 1, 250);
        }
        const QString path = dir.filePath(MonthFileName(Year(2026), 3));
        return WriteBytes(path, FileImage(d)) ? path : QString();
    }

    TfmChildData* Open() {
        w->ChooseOpenFile = [this](const QString&, const QString&) { return MakeFile(); };
        w->FileCommands().FileOpen1Execute();
        auto* child = qobject_cast<TfmChildData*>(w->MdiArea()->activeSubWindow());
        if (child)
            child->showMaximized();
        return child;
    }

    QAction* Item(const char* name) const { return w->findChild<QAction*>(name); }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        ResetEnv();
        w = std::make_unique<TfmMain>(env, [](int) { return 2; });
        w->resize(1400, 900);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() { w.reset(); }

    void rangePanelReadsTheMarkedRange() {
        TfmChildData* c = Open();
        QVERIFY(c && c->Loaded());
        TRangePanel* panel = w->RangePanel();
        QVERIFY(!panel->btnCopy->isEnabled());
        QCOMPARE(panel->tblRange->rowCount(), 0);
        // Marks at slots 40 and 70 (00:40 and 01:10).
        c->pwMouseDown(Qt::RightButton, 40);
        c->pwMouseUp(Qt::LeftButton, 40);
        QCOMPARE(panel->tblRange->rowCount(), 0); // one mark is no range
        c->pwMouseUp(Qt::LeftButton, 70);
        c->pwMouseUp(Qt::RightButton, 70);
        QCOMPARE(panel->tblRange->rowCount(), 2);
        QCOMPARE(panel->lblRange->text(),
                 QString("Start: 2026.03.01 /  0:40   End: 2026.03.01 /  1:10   Duration: 0 h 30 min"));
        QCOMPARE(panel->tblRange->item(0, 0)->text(), QString("1 Druck"));
        QStringList row;
        for (int k = 1; k < panel->tblRange->columnCount(); ++k)
            row << panel->tblRange->item(0, k)->text();
        // 140 .. 149 and 160 .. 170 count, tenths of a bar.
        QCOMPARE(row, QStringList({"bar", "14.0", "17.0", "3.0", "14.0", "17.0", "15.5", "1.1",
                                   "21 of 31"}));
        QCOMPARE(panel->lblWithoutData->text(), QString("10 minutes without data"));
        const QLabel* status = w->findChild<QLabel*>("lblRangeStatus");
        QCOMPARE(status->text(), QString::fromUtf8("Range 2026.03.01 /  0:40 – 2026.03.01 /  1:10, 0 h "
                                                   "30 min, 10 minutes without data"));
        panel->btnCopy->click();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.startsWith("Start\t2026-03-01 00:40\t"));
        QVERIFY(copied.contains("\n1\tDruck\tbar\t14.0\t17.0\t3.0\t"));

        // Hiding a channel drops its row; clearing the marks the readout.
        w->findChild<QAction*>("Channel2")->trigger();
        QCOMPARE(panel->tblRange->rowCount(), 1);
        w->TimeCommands().TrmClearExecute();
        QCOMPARE(panel->tblRange->rowCount(), 0);
        QCOMPARE(status->text(), QString());
    }

    void channelPanelAndMenuFollowEachOther() {
        TfmChildData* c = Open();
        QVERIFY(c);
        QTableWidget* t = w->ChannelPanel()->tblChannels;
        QCOMPARE(t->rowCount(), 14);
        QCOMPARE(t->item(0, TChannelPanel::ColChannel)->text(), QString("1 Druck"));
        QCOMPARE(t->item(0, TChannelPanel::ColUnit)->text(), QString("bar"));
        QCOMPARE(t->item(0, TChannelPanel::ColInUse)->text(), QString("yes"));
        QCOMPARE(t->item(2, TChannelPanel::ColInUse)->text(), QString("no"));
        // The panel's box hides the channel as the menu item does.
        t->item(1, TChannelPanel::ColChannel)->setCheckState(Qt::Unchecked);
        QCOMPARE(c->Document().display.channelVisible[1], 0u);
        QVERIFY(!Item("Channel2")->isChecked());
        // The menu ticks the box.
        Item("Channel2")->trigger();
        QCOMPARE(c->Document().display.channelVisible[1], 1u);
        QCOMPARE(t->item(1, TChannelPanel::ColChannel)->checkState(), Qt::Checked);
        Item("KanaleZero")->trigger();
        QCOMPARE(t->item(0, TChannelPanel::ColChannel)->checkState(), Qt::Unchecked);
        Item("KanaleAll")->trigger();
        // The value under the cursor while it is shown, a dash on an empty
        // minute.
        c->pwMouseDown(Qt::RightButton, 30);
        QCOMPARE(t->item(0, TChannelPanel::ColValue)->text(), QString("13.0"));
        c->pwMouseMove(55);
        QCOMPARE(t->item(0, TChannelPanel::ColValue)->text(), QString::fromUtf8("—"));
        QCOMPARE(fmViewChannel->Label1->text().right(7), QString("no data"));
        c->pwMouseUp(Qt::RightButton, 55);
        QCOMPARE(t->item(0, TChannelPanel::ColValue)->text(), QString());
    }

    // At 10:1 a click 3 pixels left of the plot area truncated to slot 0
    // and set a mark there.
    // Losing the unit was nearly invisible: one notice, and nothing after
    // it was closed. The status bar tells it now, in red, and the running
    // window's caption is marked.
    void lostUnitShowsInTheStatusBarAndTheCaption() {
        w.reset();
        const QByteArray missing = QFile::encodeName(dir.filePath("ttyUSB0"));
        TIniFile ini(env.IniPath());
        QVERIFY(ini.WriteString(IniSection, "Unit", "serial"));
        QVERIFY(ini.WriteString(IniSection, "COM2", missing));
        w = std::make_unique<TfmMain>(env, [](int) { return 2; });
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->Timer1Timer();
        auto* status = w->findChild<QLabel*>("lblLinkStatus");
        QVERIFY(status);
        QCOMPARE(status->text(), "Unit: no answer since 14:00 (COM2 " +
                                     QString::fromLocal8Bit(missing) + "), trying again");
        QCOMPARE(status->palette().color(QPalette::WindowText), QColor(0xC0, 0, 0));
        QVERIFY(fmChildAct);
        w->Timer1Timer(); // marked once, however often it is told
        QCOMPARE(fmChildAct->windowTitle(), QString("Aktuell: — no data since 14:00"));
        QVERIFY(ini.WriteString(IniSection, "Unit", "sim"));
    }

    // Values older than the last cycle are greyed under their time; the
    // value window says since when nothing came after the newest minute.
    void staleValuesAreMarkedWithTheirTime() {
        ChannelDefs c = NoChannels();
        c[0] = Channel(0, 1, "Druck", "bar");
        MonthDocument d;
        InitDocument(d, c, 600);
        SetRaw(d, 599, 0, 123);
        TChannelPanel panel;
        panel.ShowDocument(&d);
        QTableWidgetItem* value = panel.tblChannels->item(panel.RowOfChannel(0), 3);
        const QBrush text = value->foreground();
        panel.MarkStale("09:59");
        QCOMPARE(panel.tblChannels->horizontalHeaderItem(3)->text(), QString("Value at 09:59"));
        QCOMPARE(value->foreground(), panel.palette().brush(QPalette::Disabled, QPalette::Text));
        panel.MarkStale(QString());
        QCOMPARE(value->foreground(), text);

        TfmViewChannel v;
        v.noDataSince = "no data since 10:00";
        v.SetUp(d);
        v.ShowSlot(d, 605);
        QVERIFY(v.Label1->text().endsWith("no data since 10:00"));
        v.ShowSlot(d, 20); // empty, but before the newest minute
        QVERIFY(v.Label1->text().endsWith("no data") && !v.Label1->text().contains("since"));
    }

    void leftClickLeftOfThePlotAreaSetsNoMark() {
        TfmChildData* c = Open();
        c->ApplyTimeZoom(10);
        c->pwMouseDown(Qt::RightButton, 5);
        c->pwMouseUp(Qt::LeftButton, -3);
        QVERIFY(!c->Document().display.AnyMark());
        c->pwMouseUp(Qt::LeftButton, 0);
        QCOMPARE(c->Document().display.markStart, uint16_t(0));
        c->pwMouseUp(Qt::RightButton, 0);
        QCOMPARE(c->MinuteUnder(-1), -1);
    }

    void wheelZoomKeepsTheMinuteUnderTheMouse_data() {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("expected");
        QTest::newRow("1:1 finer") << 1 << 1 << 2;
        QTest::newRow("2:1 coarser") << 2 << -1 << 1;
        QTest::newRow("1:1 two coarser") << 1 << -2 << -3;
        QTest::newRow("10:1 finer stays") << 10 << 1 << 10;
    }
    void wheelZoomKeepsTheMinuteUnderTheMouse() {
        QFETCH(int, zoom);
        QFETCH(int, steps);
        QFETCH(int, expected);
        TfmChildData* c = Open();
        c->ApplyTimeZoom(zoom);
        const int mouseX = 300;
        c->sb->SetHorzPosition(c->sb->HorzRange() / 2);
        const int before = c->MinuteUnder(c->sb->HorzPosition() + mouseX);
        c->pwWheel(QPoint(0, 120 * steps), Qt::ControlModifier, QPoint(mouseX, 40));
        QCOMPARE(c->GetTimeZoom(), expected);
        const int after = c->MinuteUnder(c->sb->HorzPosition() + mouseX);
        const int perColumn = std::max(-expected, 1);
        QVERIFY2(std::abs(after - before) < perColumn,
                 qPrintable(QString("%1 %2").arg(before).arg(after)));
        // The View menu checks the new step.
        QVERIFY(Item(QByteArray("SetX" + QByteArray::number(expected)).constData())->isChecked());
    }

    void wheelAndKeysScrollInTime() {
        TfmChildData* c = Open();
        c->ApplyTimeZoom(2);
        c->setFocus();
        QCOMPARE(c->sb->HorzPosition(), 0);
        // Half a notch is kept for the next one.
        QVERIFY(c->pwWheel(QPoint(0, -60), Qt::ControlModifier, QPoint(10, 10)));
        QCOMPARE(c->GetTimeZoom(), 2);
        QVERIFY(c->pwWheel(QPoint(0, -60), Qt::ControlModifier, QPoint(10, 10)));
        QCOMPARE(c->GetTimeZoom(), 1);
        c->ApplyTimeZoom(2);
        const int line =
            c->sb->horizontalScrollBar()->singleStep() * QApplication::wheelScrollLines();
        QVERIFY(c->pwWheel(QPoint(0, -120), Qt::ShiftModifier, QPoint(10, 10)));
        QCOMPARE(c->sb->HorzPosition(), line);
        QVERIFY(c->pwWheel(QPoint(120, 0), Qt::NoModifier, QPoint(10, 10)));
        QCOMPARE(c->sb->HorzPosition(), 0);
        QVERIFY(!c->pwWheel(QPoint(0, -120), Qt::NoModifier, QPoint(10, 10)));
        QTest::keyClick(c, Qt::Key_End);
        QCOMPARE(c->sb->HorzPosition(), c->sb->horizontalScrollBar()->maximum());
        QVERIFY(c->sb->HorzPosition() > 0);
        QTest::keyClick(c, Qt::Key_Home);
        QCOMPARE(c->sb->HorzPosition(), 0);
        // A real wheel event takes the same way.
        QWheelEvent wheel(QPointF(100, 50), c->sb->viewport()->mapToGlobal(QPointF(100, 50)),
                          QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(c->sb->viewport(), &wheel);
        QCOMPARE(c->GetTimeZoom(), 3);
    }

    void ctrlWClosesTheActiveWindow() {
        QPointer<TfmChildData> c = Open();
        QVERIFY(c);
        QApplication::setActiveWindow(w.get());
        QTest::keySequence(w.get(), QKeySequence("Ctrl+W"));
        QTRY_VERIFY(c.isNull());
        // The running month only minimises.
        w->MdiArea()->setActiveSubWindow(fmChildAct);
        QTest::keySequence(w.get(), QKeySequence("Ctrl+F4"));
        QVERIFY(fmChildAct);
        QTRY_VERIFY(fmChildAct->isMinimized());
    }

    // --help and --version print and end without a display.
    void helpAndVersionNeedNoDisplay() {
        QProcess p;
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert("QT_QPA_PLATFORM", "xcb");
        e.remove("DISPLAY");
        e.remove("WAYLAND_DISPLAY");
        p.setProcessEnvironment(e);
        p.start(QStringLiteral(ZEDA_PATH), {"--help"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        const QByteArray help = p.readAllStandardOutput();
        QVERIFY(help.contains("--data-dir"));
        QVERIFY(help.contains("--version"));
        p.start(QStringLiteral(ZEDA_PATH), {"--version"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().startsWith("ZEDA "));
    }
};

QTEST_MAIN(TestReadout)
#include "tst_readout.moc"
