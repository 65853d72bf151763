#include "app/Udialogwidth.h"
#include "app/Ueditcommands.h"
#include "app/Ufilecommands.h"
#include "app/Uhelp.h"
#include "app/Uhelpcommands.h"
#include "app/Umain.h"
#include "app/Uoperatorcommands.h"
#include "app/Usettingcommands.h"
#include "app/Utimecommands.h"
#include "app/Uviewcommands.h"
#include "app/Uwindowcommands.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "dialogs/Uexceptions.h"
#include "dialogs/Ulocation.h"
#include "dialogs/Unumberedit.h"
#include "dialogs/Usetkanal.h"
#include "files/Cfileact.h"
#include "files/Fmonthfile.h"
#include "support/Cmainwindowtest.h"
#include "support/Crecordingmessages.h"
#include "view/Fviewtestsupport.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A month file of the data directory with the named channels in use (an
// empty name leaves the channel unused) and data up to slot 3000.
QString MakeMonthFile(const QString& dir, int month, const QList<QByteArray>& names) {
    ChannelDefs c = NoChannels();
    for (int i = 0; i < names.size(); ++i) {
        if (!names[i].isEmpty())
            c[i] = Channel(0, uint8_t(i), names[i], "V");
    }
    MonthDocument d;
    InitDocument(d, c, 3000, 2026, month);
    const QString path = QDir(dir).filePath(MonthFileName(Year(2026), uint8_t(month)));
    return WriteBytes(path, FileImage(d)) ? path : QString();
}

} // namespace

class TestMenus : public TMainWindowTest {
    Q_OBJECT

    int loginAnswer = 2;
    std::unique_ptr<TfmMain> w;

    // What the replaced dialogs were asked and answer.
    QStringList openAsked; // "dir|filter"
    QString openAnswer;
    QStringList saveAsked;
    QString saveAnswer;
    TCsvOptions csvAnswer;
    QStringList dirAsked;
    QString dirAnswer;
    QList<QFont> fontPresets;
    std::optional<QFont> fontAnswer;
    QList<QUrl> opened;

    QAction* Item(const char* name) const {
        QAction* a = w->findChild<QAction*>(name);
        if (!a) {
            if (QMenu* m = w->findChild<QMenu*>(name))
                a = m->menuAction();
        }
        if (!a)
            qFatal("no item %s", name);
        return a;
    }

    void MakeMain() {
        w = std::make_unique<TfmMain>(env, [this](int) { return loginAnswer; });
        w->ChooseOpenFile = [this](const QString& d, const QString& f) {
            openAsked << d + "|" + f;
            return openAnswer;
        };
        w->ChooseSaveFile = [this](const QString& d, const QString& f) {
            saveAsked << d + "|" + f;
            return saveAnswer;
        };
        w->ChooseCsvOptions = [this](TCsvOptions& o) {
            o = csvAnswer;
            return true;
        };
        w->ChooseDirectory = [this](const QString& d) {
            dirAsked << d;
            return dirAnswer;
        };
        w->ChooseFont = [this](QFont& font) {
            fontPresets << font;
            if (fontAnswer)
                font = *fontAnswer;
            return fontAnswer.has_value();
        };
        w->OpenUrl = [this](const QUrl& url) { opened << url; };
        w->programDir = dir.filePath("bin");
        w->programName = "zeda";
    }

    // Shown main window with its running-month window.
    void ShowMain() {
        MakeMain();
        w->resize(1200, 800);
        w->show();
        QVERIFY(fmChildAct);
    }

    TfmChildData* Open(const QString& path) {
        openAnswer = path;
        w->FileCommands().FileOpen1Execute();
        return qobject_cast<TfmChildData*>(w->MdiArea()->activeSubWindow());
    }

    QStringList ChannelCaptions() const {
        QStringList shown;
        for (int i = 1; i <= 14; ++i) {
            QAction* a = Item(QByteArray("Channel" + QByteArray::number(i)).constData());
            if (a->isVisible())
                shown << a->text() + (a->isChecked() ? "+" : "-");
        }
        return shown;
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.filePath("bin")));
        ResetEnv();
        loginAnswer = 2;
        openAsked.clear();
        saveAsked.clear();
        dirAsked.clear();
        fontPresets.clear();
        fontAnswer.reset();
        opened.clear();
        openAnswer = saveAnswer = dirAnswer = QString();
    }

    void cleanup() {
        if (w && !w->Terminating())
            w->close();
        w.reset();
    }

    void menuItems_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("open") << "FileOpen1"
                              << "Open" << QString::fromUtf8("Ö&ffnen...") << "Ctrl+O" << true;
        QTest::newRow("save") << "FileSave1"
                              << "&Save"
                              << "&Save"
                              << "Ctrl+S" << true;
        QTest::newRow("close") << "FileClose1"
                               << "Save" << QString::fromUtf8("&Schließen") << "Ctrl+W" << true;
        QTest::newRow("help") << "Help2"
                              << "Contents"
                              << "Contents"
                              << "F1" << true;
        QTest::newRow("backup") << "Backup"
                                << "Backup..."
                                << "Si&chern..."
                                << "" << true;
        QTest::newRow("exit") << "FileExit1"
                              << "Exit"
                              << "Beenden"
                              << "" << true;
        QTest::newRow("setup") << "PrinterSetup"
                               << "Print setup"
                               << "Drucken setup"
                               << "" << true;
        QTest::newRow("day print") << "PrintDay"
                                   << "Day print"
                                   << "&Tagesdruck..."
                                   << "" << true;
        QTest::newRow("month print") << "PrintMonth4"
                                     << "&4 Day on page"
                                     << "&4 Day on page"
                                     << "" << true;
        QTest::newRow("copy print") << "PrintCopy"
                                    << "Expression of the actual image"
                                    << "&Ausdruck der aktuellen Darstellung"
                                    << "" << true;
        QTest::newRow("cut") << "EditCut1"
                             << "Cu&t"
                             << "Cu&t"
                             << "Ctrl+X" << false; // nothing to act on
        QTest::newRow("copy") << "EditCopy1"
                              << "&Copy"
                              << "&Copy"
                              << "Ctrl+C" << false;
        QTest::newRow("paste") << "EditPaste1"
                               << "&Paste"
                               << "&Paste"
                               << "Ctrl+V" << false;
        QTest::newRow("all") << "KanaleAll"
                             << "All Channels"
                             << "Alle Anzeigen"
                             << "" << true;
        QTest::newRow("none") << "KanaleZero"
                              << "Clear Channels"
                              << "Keinen Anzeigen"
                              << "" << true;
        QTest::newRow("login") << "Login"
                               << "&Login"
                               << "&Anmelden..."
                               << "" << true;
        QTest::newRow("users") << "Users"
                               << "&Manage..."
                               << "&Verwaltung..."
                               << "" << true;
        QTest::newRow("mark delete")
            << "TrmClear"
            << "Mark delete" << QString::fromUtf8("Zeitraumdefinition &löschen") << "" << true;
        QTest::newRow("export") << "TrmExport"
                                << "Export"
                                << "Daten &exportieren..."
                                << "" << true;
        QTest::newRow("stop") << "TrmClearData"
                              << "Stop"
                              << "&Aufheben"
                              << "" << true;
        QTest::newRow("cascade") << "WindowCascade1"
                                 << "Cascade" << QString::fromUtf8("Über&lappend") << "" << true;
        QTest::newRow("minimize") << "WindowMinimizeAll1"
                                  << "Minimize" << QString::fromUtf8("&Alle Fenster schließen")
                                  << "" << true;
        QTest::newRow("location") << "Location"
                                  << "Location"
                                  << "Betriebsort"
                                  << "" << true;
        QTest::newRow("channel 14") << "SetKanal14"
                                    << "Channel 14"
                                    << "Channel 14"
                                    << "" << true;
        QTest::newRow("font screen") << "FontScreen"
                                     << "Screen"
                                     << "&Bildschirmschrift..."
                                     << "" << true;
        QTest::newRow("password") << "Password"
                                  << "Password..." << QString::fromUtf8("&Paßwort ändern...") << ""
                                  << true;
        QTest::newRow("chtest") << "CHTest"
                                << "Channels group"
                                << QString::fromUtf8("&Datenkanalüberprüfung...") << "" << true;
        QTest::newRow("communication") << "Communication"
                                       << "Communications parameter..."
                                       << "&Kommunikationsparameter..."
                                       << "" << true;
    }

    void menuItems() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        MakeMain();
        QAction* a = Item(name.toLatin1().constData());
        QCOMPARE(a->text(), caption);
        // The status bar shows the hint without its "&" markers.
        QCOMPARE(a->statusTip(), QString(hint).remove('&'));
        QCOMPARE(a->shortcut(), QKeySequence(shortcut));
        QCOMPARE(a->isEnabled(), enabled);
    }

    void tagsOfTheTaggedItems() {
        MakeMain();
        QCOMPARE(Item("PrintMonth3")->data().toInt(), 3);
        QCOMPARE(Item("PrintMonth5")->data().toInt(), 5);
        QCOMPARE(Item("SetKanal1")->data().toInt(), 1);
        QCOMPARE(Item("SetKanal14")->data().toInt(), 14);
        QCOMPARE(Item("SetX-20")->data().toInt(), -20);
        QCOMPARE(Item("SetY20")->text(), QString("20 : 1"));
        QCOMPARE(Item("KanaleAll")->data().toInt(), -1);
        QVERIFY(Item("SetX1")->isChecked());
        QVERIFY(Item("SetY1")->isChecked());
        QCOMPARE(Item("Channel3")->text(), QString("Channel3"));
    }

    void toolbarOrder() {
        MakeMain();
        auto* bar = w->findChild<QToolBar*>("ToolBar1");
        QVERIFY(bar);
        QStringList names;
        for (QAction* a : bar->actions())
            names << (a->isSeparator() ? QString("-") : a->objectName());
        QCOMPARE(names, (QStringList{"FileOpen1", "FileSave1", "-", "WindowCascade1",
                                     "WindowTileHorizontal1", "WindowTileVertical1"}));
    }

    void adminItemsFollowTheAccessLevel_data() {
        QTest::addColumn<int>("level");
        QTest::newRow("operator") << 1;
        QTest::newRow("administrator") << 2;
    }

    void adminItemsFollowTheAccessLevel() {
        QFETCH(int, level);
        loginAnswer = level;
        MakeMain();
        const bool admin = level == 2;
        QVERIFY(Item("LoginAdmin")->isVisible());
        QVERIFY(Item("LoginAdmin")->isEnabled());
        QVERIFY(Item("LogoffAdmin")->isVisible());
        QCOMPARE(Item("LogoffAdmin")->isEnabled(), admin);
        for (const char* name : {"Location", "mnSetKanal", "Month", "mnFont", "SummerTime",
                                 "Printer", "Password", "mnSystem", "Communication"})
            QCOMPARE(Item(name)->isVisible(), admin);
        // Everything outside the Admin menu is there at both levels.
        QVERIFY(Item("FileOpen1")->isVisible());
        QVERIFY(Item("Login")->isVisible());
        QVERIFY(!Item("Logoff")->isEnabled()); // no operator logged in
    }

    void adminLoginChoosingOperatorHidesTheAdminItems() {
        MakeMain();
        QVERIFY(Item("Location")->isVisible());
        loginAnswer = 1;
        w->OperatorCommands().LoginAdminExecute();
        QCOMPARE(w->AccessLevel(), 1);
        QVERIFY(!Item("Location")->isVisible());
        QVERIFY(!Item("LogoffAdmin")->isEnabled());
        loginAnswer = 0; // cancelled: the level stays
        w->OperatorCommands().LoginAdminExecute();
        QCOMPARE(w->AccessLevel(), 1);
        loginAnswer = 2;
        w->OperatorCommands().LoginAdminExecute();
        QVERIFY(Item("Location")->isVisible());
        w->OperatorCommands().LogoffAdminExecute();
        QCOMPARE(w->AccessLevel(), 1);
        QVERIFY(!Item("Communication")->isVisible());
    }

    void viewMenuFollowsTheActiveWindow() {
        MakeMain();
        // No diagram window yet.
        for (const char* name : {"mnScaleX", "mnScaleY", "mnKanale"})
            QVERIFY(!Item(name)->isEnabled());
        w->resize(1200, 800);
        w->show();
        TfmChildData* data = Open(MakeMonthFile(dir.path(), 1, {"Druck"}));
        QVERIFY(data);
        QVERIFY(Item("mnKanale")->isEnabled());
        w->ChildDeactivated();
        for (const char* name : {"mnScaleX", "mnScaleY", "mnKanale"})
            QVERIFY(!Item(name)->isEnabled());
    }

    void channelMenuIsRebuiltOnActivation() {
        ShowMain();
        TfmChildData* first = Open(MakeMonthFile(dir.path(), 1, {"Druck", "", "Temp \xC4"}));
        QVERIFY(first && first->Loaded());
        first->ShowChannel(-1, true);
        first->ShowChannel(2, false);
        TfmChildData* second = Open(MakeMonthFile(
            dir.path(), 2, {"", "Fluss", "", "", "", "", "", "", "", "", "", "", "", "Pegel"}));
        QVERIFY(second && second->Loaded());
        second->ShowChannel(-1, true);
        w->MdiArea()->setActiveSubWindow(first);
        QCOMPARE(ChannelCaptions(), (QStringList{"Druck+", QString::fromUtf8("Temp Ä-")}));
        QVERIFY(!Item("Channel2")->isEnabled());
        w->MdiArea()->setActiveSubWindow(second);
        QCOMPARE(ChannelCaptions(), (QStringList{"Fluss+", "Pegel+"}));
        QCOMPARE(Item("Channel14")->data().toInt(), 13);

        // An item shows or hides its channel in the active window.
        Item("Channel2")->trigger();
        QCOMPARE(second->Document().display.channelVisible[1], 0u);
        QCOMPARE(first->Document().display.channelVisible[0], 1u);
        QCOMPARE(ChannelCaptions(), (QStringList{"Fluss-", "Pegel+"}));
    }

    void allAndNoChannelsCheckTheHiddenItemsToo() {
        ShowMain();
        TfmChildData* data = Open(MakeMonthFile(dir.path(), 1, {"Druck", "", "Temp"}));
        QVERIFY(data);
        w->ViewCommands().KanaleZeroExecute();
        for (int i = 1; i <= 14; ++i)
            QVERIFY(!Item(QByteArray("Channel" + QByteArray::number(i)).constData())->isChecked());
        for (uint32_t v : data->Document().display.channelVisible)
            QCOMPARE(v, 0u);
        Item("KanaleAll")->trigger();
        for (int i = 1; i <= 14; ++i)
            QVERIFY(Item(QByteArray("Channel" + QByteArray::number(i)).constData())->isChecked());
        for (uint32_t v : data->Document().display.channelVisible)
            QCOMPARE(v, 1u);
    }

    void zoomItemsFollowTheActiveWindow() {
        ShowMain();
        TfmChildData* data = Open(MakeMonthFile(dir.path(), 1, {"Druck"}));
        QVERIFY(data);
        Item("SetX-10")->trigger();
        Item("SetY5")->trigger();
        QCOMPARE(data->GetTimeZoom(), -10);
        QCOMPARE(data->GetValueZoom(), 5);
        QCOMPARE(fmChildAct->GetTimeZoom(), 1);
        w->MdiArea()->setActiveSubWindow(fmChildAct);
        QVERIFY(Item("SetX1")->isChecked());
        QVERIFY(Item("SetY1")->isChecked());
        w->MdiArea()->setActiveSubWindow(data);
        QVERIFY(Item("SetX-10")->isChecked());
        QVERIFY(Item("SetY5")->isChecked());
        // An unknown zoom keeps the previous check mark.
        w->ViewCommands().CheckZoomItems(7, 9);
        QVERIFY(Item("SetX-10")->isChecked());
        QVERIFY(Item("SetY5")->isChecked());
    }

    void markCommandsFollowTheMarks_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("clear");
        QTest::addColumn<bool>("both");
        QTest::newRow("none") << 0xFFFF << 0xFFFF << false << false;
        QTest::newRow("start only") << 100 << 0xFFFF << true << false;
        QTest::newRow("end only") << 0xFFFF << 200 << true << false;
        QTest::newRow("both") << 100 << 200 << true << true;
    }

    void markCommandsFollowTheMarks() {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(bool, clear);
        QFETCH(bool, both);
        MakeMain();
        // Enabled from the start.
        QVERIFY(Item("TrmClear")->isEnabled());
        QVERIFY(Item("TrmExport")->isEnabled());
        QVERIFY(Item("mnExcept")->isEnabled());
        MonthDocument d;
        d.display.markStart = uint16_t(start);
        d.display.markEnd = uint16_t(end);
        w->UpdateMarkCommands(d);
        QCOMPARE(Item("TrmClear")->isEnabled(), clear);
        QCOMPARE(Item("TrmExport")->isEnabled(), both);
        QCOMPARE(Item("mnExcept")->isEnabled(), both);
    }

    // Mark delete left the running month's marks although they were set.
    void markDeleteClearsTheMarksOfEveryWindow() {
        ShowMain();
        fmChildAct->Document().display.markStart = 10;
        fmChildAct->Document().display.markEnd = 20;
        w->MdiArea()->setActiveSubWindow(fmChildAct);
        w->TimeCommands().TrmClearExecute();
        QVERIFY(!fmChildAct->Document().display.AnyMark());
        QVERIFY(!Item("TrmClear")->isEnabled());

        TfmChildData* data = Open(MakeMonthFile(dir.path(), 1, {"Druck"}));
        data->Document().display.markStart = 10;
        data->Document().display.markEnd = 20;
        w->UpdateMarkCommands(data->Document());
        Item("TrmClear")->trigger();
        QVERIFY(!data->Document().display.AnyMark());
        QVERIFY(!Item("TrmClear")->isEnabled());
        QVERIFY(!Item("TrmExport")->isEnabled());
        QVERIFY(!Item("mnExcept")->isEnabled());
    }

    void greyRecoloursEveryWindowAndIsWrittenAtClose() {
        QFile::remove(env.IniPath());
        ShowMain();
        TfmChildData* a = Open(MakeMonthFile(dir.path(), 1, {"Druck"}));
        TfmChildData* b = Open(MakeMonthFile(dir.path(), 2, {"Druck"}));
        QVERIFY(a && b && a != b);
        Item("ColorChange2")->trigger();
        QVERIFY(Item("ColorChange2")->isChecked());
        QVERIFY(!Item("ColorChange1")->isChecked());
        for (TfmChildBase* c : {static_cast<TfmChildBase*>(fmChildAct),
                                static_cast<TfmChildBase*>(a), static_cast<TfmChildBase*>(b)})
            QCOMPARE(c->BackgroundColour(), 0xC0C0C0u);
        QVERIFY(!QFile::exists(env.IniPath()));
        // A window opened later takes the colour too.
        TfmChildData* c = Open(MakeMonthFile(dir.path(), 4, {"Druck"}));
        QCOMPARE(c->BackgroundColour(), 0xC0C0C0u);
        QVERIFY(w->close());
        QVERIFY(ReadFile(env.IniPath()).contains("FormsColor=2"));
    }

    void closeWritesTheRunningWindowsZooms() {
        QFile::remove(env.IniPath());
        ShowMain();
        fmChildAct->ApplyTimeZoom(3);
        fmChildAct->ApplyValueZoom(4);
        TfmChildData* data = Open(MakeMonthFile(dir.path(), 1, {"Druck"}));
        Item("SetX10")->trigger();
        Item("SetY20")->trigger();
        QCOMPARE(w->MdiArea()->activeSubWindow(), data);
        QVERIFY(w->close());
        const QByteArray ini = ReadFile(env.IniPath());
        QVERIFY(ini.contains("Zeitfaktor=3"));
        QVERIFY(ini.contains(SettingKey::SizeZoom + "=4"));
    }

    void openDialogAndNoFileOpenedTwice() {
        ShowMain();
        const QString path = MakeMonthFile(dir.path(), 1, {"Druck"});
        const int before = int(w->MdiArea()->subWindowList().size());
        messages.Clear(); // what start-up said about the port
        TfmChildData* first = Open(path);
        QVERIFY(first);
        QCOMPARE(first->Tag, 0);
        QCOMPARE(openAsked, QStringList{dir.path() + "|ZMF files (*.zmf)"});
        // Another spelling of the same file activates the window it has.
        w->MdiArea()->setActiveSubWindow(fmChildAct);
        QCOMPARE(Open(dir.path() + "/./" + QFileInfo(path).fileName()), first);
        QCOMPARE(int(w->MdiArea()->subWindowList().size()), before + 1);
        // A name that does not exist and a cancelled dialog are ignored.
        Open(dir.filePath("D2026-09.ZMF"));
        Open(QString());
        QCOMPARE(int(w->MdiArea()->subWindowList().size()), before + 1);
        QVERIFY(messages.shown.isEmpty());
        // Closing the window frees it; opening again makes a new one.
        w->FileCommands().FileClose1Execute();
        QTRY_COMPARE(int(w->MdiArea()->subWindowList().size()), before);
        QVERIFY(Open(path));
    }

    void backupInTheRunningWindowOpensAFile() {
        ShowMain();
        w->MdiArea()->setActiveSubWindow(fmChildAct);
        openAnswer = QString();
        Item("FileSave1")->trigger();
        Item("Backup")->trigger();
        QCOMPARE(openAsked.size(), 2);
        QVERIFY(dirAsked.isEmpty());
    }

    void backupCopiesTheOpenedFileOnce() {
        ShowMain();
        const QString path = MakeMonthFile(dir.path(), 1, {"Druck"});
        QVERIFY(Open(path));
        QVERIFY(QDir().mkpath(dir.filePath("save")));
        dirAnswer = dir.filePath("save");
        Item("Backup")->trigger();
        QCOMPARE(dirAsked, QStringList{dir.path()});
        const QString copy = dir.filePath("save/" + QFileInfo(path).fileName());
        QCOMPARE(ReadFile(copy), ReadFile(path));
        messages.Clear();
        Item("FileSave1")->trigger();
        QCOMPARE(messages.Texts(), QStringList{"Error - File exist!"});
    }

    void importCopiesIntoTheDataDirectory() {
        ShowMain();
        QVERIFY(QDir().mkpath(dir.filePath("stick")));
        const QString source = MakeMonthFile(dir.filePath("stick"), 5, {"Druck"});
        openAnswer = source;
        w->FileCommands().Import1Click(); // cancelled directory prompt: nothing happens
        const QString target = dir.filePath(QFileInfo(source).fileName());
        QVERIFY(!QFile::exists(target));
        // Whatever directory is chosen, the file goes into the data directory.
        dirAnswer = dir.filePath("bin");
        w->FileCommands().Import1Click();
        QCOMPARE(dirAsked, (QStringList{dir.path(), dir.path()}));
        QCOMPARE(ReadFile(target), ReadFile(source));
        QVERIFY(!QFile::exists(dir.filePath("bin/" + QFileInfo(source).fileName())));
    }

    void exportAsksForACsvFile() {
        ShowMain();
        TfmChildData* data = Open(MakeMonthFile(dir.path(), 1, {"Druck"}));
        data->Document().display.markStart = 10;
        data->Document().display.markEnd = 20;
        saveAnswer = dir.filePath("range.csv");
        csvAnswer = {};
        w->TimeCommands().TrmExportExecute();
        QCOMPARE(saveAsked, QStringList{dir.path() + "|CSV files (*.csv)"});
        QVERIFY(ReadFile(saveAnswer).startsWith("Datum/Uhrzeit;"));
        // The layout chosen after the file.
        csvAnswer.dialect = TCsvDialect::Rfc4180;
        w->TimeCommands().TrmExportExecute();
        QVERIFY(ReadFile(saveAnswer).startsWith("\"Datum/Uhrzeit\","));
    }

    void exceptionDescriptionsComeFromTheList() {
        QVERIFY(WriteBytes(dir.filePath("AUSNAHME.LST"), "Wartung & Pflege\r\nStoerung\r\n"));
        ShowMain();
        QMenu* except = w->findChild<QMenu*>("mnExcept");
        QStringList captions;
        QList<int> tags;
        for (QAction* a : except->actions()) {
            if (!a->isSeparator()) {
                captions << a->text();
                tags << a->data().toInt();
            }
        }
        QCOMPARE(captions, (QStringList{"Stop", "Wartung && Pflege", "Stoerung"}));
        QCOMPARE(tags, (QList<int>{0, 1, 2}));

        TfmChildData* data = Open(MakeMonthFile(dir.path(), 1, {"Druck"}));
        data->ShowChannel(-1, true);
        data->Document().display.markStart = 10;
        data->Document().display.markEnd = 20;
        except->actions().last()->trigger();
        QCOMPARE(HeaderExceptionCount(data->Document().header), 1);
        w->TimeCommands().TrmClearDataExecute();
        QCOMPARE(HeaderExceptionCount(data->Document().header), 0);
    }

    void fontCommandsShareOneDialog() {
        MakeMain();
        fontAnswer = NamedFont("Courier New", 12);
        w->SettingCommands().FontScreenExecute();
        const QByteArray ini = ReadFile(env.IniPath());
        QVERIFY(ini.contains("Bildschirmschriftdefinition=" + FontToText(*fontAnswer)));
        QVERIFY(!ini.contains("Druckerschriftdefinition"));

        const QFont print = NamedFont("MS Sans Serif", 9);
        fontAnswer = print;
        w->SettingCommands().FontPrintExecute();
        QCOMPARE(fontPresets.size(), 2);
        QCOMPARE(fontPresets[1], NamedFont("Courier New", 12)); // the last choice
        QCOMPARE(PrinterFont(*Config), print);
        QVERIFY(ReadFile(env.IniPath()).contains("Druckerschriftdefinition=" + FontToText(print)));

        // Cancelled: nothing changes.
        const QByteArray before = ReadFile(env.IniPath());
        fontAnswer.reset();
        w->SettingCommands().FontPrintExecute();
        QCOMPARE(ReadFile(env.IniPath()), before);
        QCOMPARE(PrinterFont(*Config), print);
    }

    void helpShowsTheGuideInsideTheProgram() {
        MakeMain();
        QVERIFY(!w->HelpWindow());
        w->HelpCommands().Help2Click();
        QVERIFY(opened.isEmpty()); // no browser needed
        TfmHelp* h = w->HelpWindow();
        QVERIFY(h && h->isVisible());
        QCOMPARE(h->txtHelp->documentTitle(), QString::fromUtf8("ZEDA – user guide"));
        const QString text = h->txtHelp->toPlainText();
        for (const char* part : {"Exception periods", "Current view", "Ctrl+W", "Std dev",
                                 "zedactl stats", "withoutData", "Communication settings"})
            QVERIFY2(text.contains(QString::fromLatin1(part)), part);
        // Back and forward through the pages visited.
        QVERIFY(!h->btnBack->isEnabled());
        h->ShowPage(QUrl(GuideUrl().toString() + "#zedactl"));
        QVERIFY(h->btnBack->isEnabled());
        h->btnBack->click();
        QVERIFY(h->btnForward->isEnabled());
        // The search finds the next place, from the top again at the end.
        h->edtSearch->setText("withoutData");
        QVERIFY(h->FindNext());
        QCOMPARE(h->txtHelp->textCursor().selectedText(), QString("withoutData"));
        QVERIFY(h->FindNext());
        h->edtSearch->setText("no such words in the guide");
        QVERIFY(!h->FindNext());
        QCOMPARE(h->lblFound->text(), QString("Not found"));
        // Asked again: the same window.
        w->HelpCommands().Help2Click();
        QCOMPARE(w->HelpWindow(), h);
        // An installed help file is the system's to show.
        QVERIFY(WriteBytes(dir.filePath("bin/zeda.chm"), "chm"));
        w->HelpCommands().Help2Click();
        QCOMPARE(opened, (QList<QUrl>{QUrl::fromLocalFile(dir.filePath("bin/zeda.chm"))}));
        // The program's own icon on every window.
        QVERIFY(!w->windowIcon().pixmap(32).isNull());
        QVERIFY(!h->windowIcon().pixmap(32).isNull());
    }

    void editCommandsWorkOnTheFocusedField() {
        ShowMain();
        auto* edit = new QLineEdit("Werk Nord", w.get());
        edit->setGeometry(0, 0, 200, 20);
        edit->show();
        QApplication::setActiveWindow(w.get());
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        edit->setSelection(0, 5);
        w->EditCommands().EditCut1Execute();
        QCOMPARE(edit->text(), QString("Nord"));
        edit->setSelection(0, 4);
        w->EditCommands().EditCopy1Execute();
        edit->end(false);
        w->EditCommands().EditPaste1Execute();
        QCOMPARE(edit->text(), QString("NordNord"));
        edit->setCursorPosition(0);
        w->EditCommands().EditPaste1Execute();
        // The clipboard now holds "Nord" (the copy replaced the cut text).
        QCOMPARE(edit->text(), QString("NordNordNord"));
    }

    void editCommandsAreEnabledOnlyWithSomethingToActOn() {
        ShowMain();
        QApplication::clipboard()->clear();
        auto* edit = new QLineEdit("Werk Nord", w.get());
        edit->setGeometry(0, 0, 200, 20);
        edit->show();
        QApplication::setActiveWindow(w.get());
        edit->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), edit);
        w->EditCommands().UpdateEditCommands();
        QVERIFY(!Item("EditCut1")->isEnabled());
        QVERIFY(!Item("EditCopy1")->isEnabled());
        QVERIFY(!Item("EditPaste1")->isEnabled()); // an empty clipboard
        edit->setSelection(0, 4);
        w->EditCommands().UpdateEditCommands();
        QVERIFY(Item("EditCut1")->isEnabled());
        QVERIFY(Item("EditCopy1")->isEnabled());
        w->EditCommands().EditCopy1Execute();
        w->EditCommands().UpdateEditCommands();
        QVERIFY(Item("EditPaste1")->isEnabled());
        edit->setReadOnly(true);
        w->EditCommands().UpdateEditCommands();
        QVERIFY(!Item("EditCut1")->isEnabled());
        QVERIFY(Item("EditCopy1")->isEnabled());
        QVERIFY(!Item("EditPaste1")->isEnabled());
    }

    void exceptionDescriptionsAreEditedInTheProgram() {
        QVERIFY(WriteBytes(dir.filePath("AUSNAHME.LST"), "WART Wartung\r\n"));
        ShowMain();
        w->ExecDialog = [](QDialog& d) {
            auto* e = qobject_cast<TfmExceptions*>(&d);
            if (!e)
                return int(QDialog::Rejected);
            e->edtText->setText("NOTE Hinweis");
            e->chkNoteOnly->setChecked(true);
            e->btnAdd->click();
            e->btnOk->click();
            return e->result();
        };
        w->TimeCommands().ExceptionListExecute();
        QCOMPARE(ReadFile(dir.filePath("AUSNAHME.LST")),
                 QByteArray("WART Wartung\r\n!NOTE Hinweis\r\n")); // the file's line ends
        QMenu* except = w->findChild<QMenu*>("mnExcept");
        QStringList captions;
        for (QAction* a : except->actions())
            if (!a->isSeparator())
                captions << a->text();
        // Rebuilt at once: no entry twice, the note-only one named so.
        QCOMPARE(captions, (QStringList{"Stop", "WART Wartung", "NOTE Hinweis (note only)"}));
        QCOMPARE(Item("ExceptionList")->text(), QString("Exception descriptions..."));
    }

    // A settings dialog only writes and reloads its group: the caption and
    // the running window follow through the settings' changed signal.
    void settingsWrittenByADialogReachTheCaptionAndTheRunningWindow() {
        ShowMain();
        QTRY_VERIFY(fmChildAct->FileAct() && fmChildAct->FileAct()->opened);
        w->ExecDialog = [](QDialog& d) {
            if (auto* l = dynamic_cast<TfmLocation*>(&d))
                l->edtLocation->setText("Werk Süd");
            else if (auto* k = dynamic_cast<TfmSetKanal*>(&d)) {
                k->edtName->setText("Vorlauf");
                k->edtMin->setText("0");
                k->edtMax->setText("1000");
            }
            else
                return int(QDialog::Rejected);
            d.findChild<QPushButton*>("btnOk")->click();
            return d.result();
        };
        // The maximised running window adds its caption to the window's.
        const auto caption = [this] { return w->windowTitle().section(" - [", 0, 0); };
        w->SettingCommands().LocationExecute();
        QCOMPARE(caption(), QString("ZEDA Werk Süd"));
        w->setWindowTitle("ZEDA ");
        Config->Reload(TSettingsGroup::Location); // as a dialog does after writing
        QCOMPARE(caption(), QString("ZEDA Werk Süd"));
        Item("SetKanal1")->trigger();
        QCOMPARE(HeaderChannel(fmChildAct->Document().header, 0).name, QByteArray("Vorlauf"));
    }

    void aboutNamesVersionDataDirectoryAndQt() {
        MakeMain();
        w->HelpCommands().HelpAboutExecute();
        QCOMPARE(messages.Texts(),
                 QStringList{QString("ZEDA %1\nLicence: proprietary\nData directory: %2\nQt %3")
                                 .arg(ZEDA_VERSION, dir.path(), qVersion())});
    }

    // "Communicat...s parameter": dialogs were narrower than their titles.
    void dialogsAreAsWideAsTheirTitles() {
        MakeMain();
        QDialog d;
        d.setWindowTitle("Communications parameter with a title longer than its contents");
        d.show();
        QVERIFY(TitleWidth(d) > QFontMetrics(d.font()).horizontalAdvance(d.windowTitle()));
        QVERIFY(d.width() >= TitleWidth(d));
        QVERIFY(d.minimumWidth() >= TitleWidth(d));
    }

    void administratorExitAsksWhileAcquiring() {
        MakeMain();
        messages.answer = false;
        QVERIFY(!w->close());
        QCOMPARE(messages.Texts(),
                 QStringList{"Acquisition stops until ZEDA is started again.\nClose ZEDA?"});
        messages.answer = true;
        QVERIFY(w->close());
    }

    void windowCommandsArrangeTheWindows() {
        ShowMain();
        TfmChildData* a = Open(MakeMonthFile(dir.path(), 1, {"Druck"}));
        TfmChildData* b = Open(MakeMonthFile(dir.path(), 2, {"Druck"}));
        fmChildAct->showNormal();
        w->WindowCommands().WindowTileVertical1Execute();
        QCOMPARE(a->height(), b->height());
        QVERIFY(a->x() != b->x());
        w->WindowCommands().WindowTileHorizontal1Execute();
        QCOMPARE(a->width(), b->width());
        QVERIFY(a->y() != b->y());
        w->WindowCommands().WindowMinimizeAll1Execute();
        QVERIFY(a->isMinimized() && b->isMinimized() && fmChildAct->isMinimized());
        // The window list names every window.
        QMenu* menu = w->findChild<QMenu*>("mnWindow");
        emit menu->aboutToShow();
        QStringList names;
        for (QAction* item : menu->actions())
            names << item->text();
        QVERIFY(names.contains("&1 Aktuell:"));
        QCOMPARE(names.size(), 5 + 1 + 3);
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
