#include "app/Umain.h"
#include "comm/Ccommsim.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cdatadirlock.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "files/Fmonthfile.h"
#include "operators/Coperator.h"
#include "support/Cmainwindowtest.h"
#include "support/Crecordingmessages.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Counts the acquisition's cycles and answers with a chosen number of ticks.
struct TCountingCycle {
    int cycles = 0;
    int answer = 11;
    void Install(TAcquisitionService& service) {
        service.cycle = [this] {
            ++cycles;
            return answer;
        };
    }
};

// Messages that, like a modal message box, run an event loop of their own
// while shown.
class TNestedLoopMessages : public TRecordingMessages {
public:
    bool Show(Kind kind, const QString& text) override {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
        return TRecordingMessages::Show(kind, text);
    }
};

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

} // namespace

class TestMain : public TMainWindowTest {
    Q_OBJECT

    QList<int> loginModes;
    int loginAnswer = 2;

    TfmMain* MakeMain() {
        loginModes.clear();
        return new TfmMain(env, [this](int mode) {
            loginModes << mode;
            return loginAnswer;
        });
    }

private slots:
    void init() {
        QVERIFY(dir.isValid());
        ResetEnv();
        loginAnswer = 2;
        QFile::remove(env.IniPath());
        QDir(env.IniPath()).removeRecursively();
    }

    void startsWithLocationCaptionAndBackground() {
        WriteFile(env.IniPath(), "[ZEDA]\r\nBetriebsort=Werk \xC4 Nord\r\nFormsColor=2\r\n");
        std::unique_ptr<TfmMain> w(MakeMain());
        QCOMPARE(loginModes, QList<int>{0});
        QCOMPARE(w->windowTitle(), QString::fromUtf8("ZEDA Werk Ä Nord"));
        QVERIFY(w->findChild<QAction*>("ColorChange2")->isChecked());
        QCOMPARE(Config->backgroundColour, 0xC0C0C0u);
        QCOMPARE(w->AccessLevel(), 2);
        QVERIFY(w->MainTimer()->isActive());
        QCOMPARE(w->MainTimer()->interval(), 5000);
    }

    void operatorLogoffClearsTheOperatorAndTheLocation() {
        WriteFile(env.IniPath(), "[ZEDA]\nBetriebsort=Werk\n");
        std::unique_ptr<TfmMain> w(MakeMain());
        auto* logoff = w->findChild<QAction*>("Logoff");
        QVERIFY(!logoff->isEnabled());
        Config->operatorLoggedIn = true;
        Config->operatorName = "Anna";
        Config->operatorIndex = 0;
        w->UpdateCommands();
        QVERIFY(logoff->isEnabled());
        logoff->trigger();
        QCOMPARE(w->windowTitle(), QString("ZEDA "));
        QVERIFY(!Config->operatorLoggedIn);
        QVERIFY(Config->operatorName.isEmpty());
        QCOMPARE(Config->operatorIndex, -1);
        QVERIFY(!logoff->isEnabled());
    }

    void unknownBackgroundChoiceKeepsWhite() {
        WriteFile(env.IniPath(), "[ZEDA]\nFormsColor=7\n");
        std::unique_ptr<TfmMain> w(MakeMain());
        QVERIFY(w->findChild<QAction*>("ColorChange1")->isChecked());
        QCOMPARE(Config->backgroundColour, 0xFFFFFFu);
        QCOMPARE(w->windowTitle(), QString("ZEDA "));
    }

    void showCreatesRunningWindowWithConfiguredZooms() {
        WriteFile(env.IniPath(), "[ZEDA]\nZeitfaktor=-5\n" + SettingKey::SizeZoom + "=10\n");
        std::unique_ptr<TfmMain> w(MakeMain());
        w->show();
        QVERIFY(fmChildAct);
        QCOMPARE(fmChildAct->Tag, 1);
        QCOMPARE(fmChildAct->windowTitle(), QString("Aktuell:"));
        QCOMPARE(fmChildAct->GetTimeZoom(), -5);
        QCOMPARE(fmChildAct->GetValueZoom(), 10);
        QVERIFY(w->findChild<QAction*>("SetX-5")->isChecked());
        QVERIFY(w->findChild<QAction*>("SetY10")->isChecked());
        // A user close only minimises the running-month window.
        fmChildAct->close();
        QVERIFY(fmChildAct);
        QVERIFY(fmChildAct->isMinimized());
    }

    void timerCountsTicksBetweenCycles() {
        std::unique_ptr<TfmMain> w(MakeMain());
        TCountingCycle counting;
        auto* child = &counting;
        counting.Install(*w->Service());
        w->Timer1Timer(); // the first tick runs the first cycle
        QCOMPARE(child->cycles, 1);
        QCOMPARE(w->TicksToCycle(), 11);
        for (int i = 0; i < 10; ++i)
            w->Timer1Timer();
        QCOMPARE(child->cycles, 1);
        w->Timer1Timer();
        QCOMPARE(child->cycles, 2);
        child->answer = 1;
        for (int i = 0; i < 11; ++i)
            w->Timer1Timer();
        QCOMPARE(child->cycles, 3);
        w->Timer1Timer(); // a result of 1 runs the next cycle on the next tick
        QCOMPARE(child->cycles, 4);
    }

    void busyFlagHoldsTheCycleButNotTheSimulator() {
        std::unique_ptr<TfmMain> w(MakeMain());
        TCountingCycle counting;
        auto* child = &counting;
        child->answer = 1;
        counting.Install(*w->Service());
        w->SetBusy(true);
        for (int i = 0; i < 3; ++i) {
            clock.Advance(60);
            w->Timer1Timer();
        }
        QCOMPARE(child->cycles, 0);
        QCOMPARE(w->TicksToCycle(), 0);
        int32_t count = 0;
        Comm->GetRecordCount(count);
        QCOMPARE(count, 3); // one record per new minute while busy
        w->SetBusy(false);
        w->Timer1Timer();
        QCOMPARE(child->cycles, 1);
        QVERIFY(!w->Busy());
    }

    void closeWritesTheRunningWindowsZooms() {
        WriteFile(env.IniPath(), "; settings\r\n[ZEDA]\r\nFormsColor=7\r\nBaudrate=9600\r\n");
        std::unique_ptr<TfmMain> w(MakeMain());
        w->show();
        fmChildAct->ApplyTimeZoom(4);
        fmChildAct->ApplyValueZoom(3);
        auto* other = new TfmChildData(env, dir.filePath("D2026-01.ZMF"));
        w->MdiArea()->addSubWindow(other);
        other->ApplyTimeZoom(-20);
        other->ApplyValueZoom(20);
        other->show();
        w->MdiArea()->setActiveSubWindow(other);
        QVERIFY(w->close());
        QCOMPARE(ReadFile(env.IniPath()),
                 "; settings\r\n[ZEDA]\r\nFormsColor=7\r\nBaudrate=9600\r\nZeitfaktor=4\r\n" +
                     SettingKey::SizeZoom + "=3\r\n");
        QCOMPARE(loginModes, QList<int>{0}); // administrator level: no question
        QTRY_VERIFY(!fmChildAct);            // freed, not minimised
    }

    void operatorLevelCloseAsksAndCanBeRefused() {
        loginAnswer = 1;
        std::unique_ptr<TfmMain> w(MakeMain());
        w->show();
        loginAnswer = 0;
        messages.Clear();
        QVERIFY(!w->close());
        QCOMPARE(loginModes, (QList<int>{0, 1}));
        QCOMPARE(messages.Texts(), QStringList{"Cancel close!"});
        QVERIFY(!QFile::exists(env.IniPath()));
        loginAnswer = 1;
        QVERIFY(w->close());
        QVERIFY(QFile::exists(env.IniPath()));
    }

    void cancelledLoginEndsWithoutWriting() {
        loginAnswer = 0;
        {
            std::unique_ptr<TfmMain> w(MakeMain());
            QVERIFY(w->Terminating());
            QVERIFY(!messages.shown.isEmpty());
            QCOMPARE(messages.shown[0].kind, TMessages::Error);
            QCOMPARE(messages.shown[0].text, QString("Login cancel. Application Terminate!"));
            QVERIFY(w->close());
        }
        QVERIFY(!QFile::exists(env.IniPath()));
        QVERIFY(!Config);
        QVERIFY(!Comm);
    }

    void cancelledLoginEndsTheProgramWhateverMessageAppears() {
        // A directory of its own: the windows of the other tests fetch the
        // unit's records as soon as they are shown.
        QTemporaryDir own;
        const QString shared = env.dataDir;
        env.dataDir = own.path();
        TNestedLoopMessages nested;
        env.messages = &nested;
        QTimer guard;
        guard.setSingleShot(true);
        bool timedOut = false;
        connect(&guard, &QTimer::timeout, [&timedOut] {
            timedOut = true;
            QCoreApplication::exit(99);
        });
        guard.start(5000);
        const int result = RunMainWindow(env, [](int) { return 0; });
        guard.stop();
        env.messages = &messages;
        QCOMPARE(result, 0);
        QVERIFY(!timedOut);
        QCOMPARE(nested.Texts(), QStringList{"Login cancel. Application Terminate!"});
        QVERIFY(QDir(own.path())
                    .entryList(QDir::Files)
                    .filter(QRegularExpression("\\.(ini|ZMF)$"))
                    .isEmpty());
        QVERIFY(!Comm);
        env.dataDir = shared;
    }

    void secondWriterOnADataDirectoryIsRefused() {
        TDataDirLock other(dir.path(), "zeda");
        QVERIFY(other.TryLock("zedactl"));
        {
            std::unique_ptr<TfmMain> w(MakeMain());
            QVERIFY(w->Terminating());
            QCOMPARE(w->ExitCode(), 1);
            QVERIFY(loginModes.isEmpty());
            QCOMPARE(messages.Texts(),
                     QStringList{QString("Error - The data directory %1 is in use by zedactl "
                                         "(process %2)!")
                                     .arg(dir.path())
                                     .arg(QCoreApplication::applicationPid())});
            QVERIFY(!Comm);
        }
        // While the program runs, the next one is refused.
        std::unique_ptr<TfmMain> first(MakeMain());
        QVERIFY(first->Terminating()); // still held by `other`
    }

    // The fault: an unreadable INI file read as empty, and the program ran
    // on the defaults (the simulated unit among them). It stops now, before
    // the login and before it writes anything.
    void unreadableIniFileStopsZeda() {
        QFile::remove(dir.filePath("zeda.lock"));
        WriteFile(env.IniPath(), "[ZEDA]\nUnit=serial\n" + QByteArray(5 << 20, '#'));
        std::unique_ptr<TfmMain> w(MakeMain());
        QVERIFY(w->Terminating());
        QCOMPARE(w->ExitCode(), 1);
        QVERIFY(loginModes.isEmpty());
        QCOMPARE(messages.Texts(),
                 QStringList{"Error - The settings file " + env.IniPath() +
                             " cannot be read: it is larger than 4194304 bytes!"});
        QVERIFY(!Comm);
        QVERIFY(!QFile::exists(dir.filePath("zeda.lock")));
    }

    void closingWindowsDoesNotCallIntoADestroyedMainWindow() {
        std::unique_ptr<TfmMain> w(MakeMain());
        w->show();
        for (const char* name : {"D2026-01.ZMF", "D2026-02.ZMF"}) {
            auto* child = new TfmChildData(env, dir.filePath(name), w.get());
            w->MdiArea()->addSubWindow(child);
            child->show();
            w->MdiArea()->setActiveSubWindow(child);
        }
        QCOMPARE(w->MdiArea()->subWindowList().size(), 3);
        w.reset(); // the windows go with the main window, and nothing calls back into it
        QVERIFY(!fmChildAct);
        QVERIFY(!fmMain);
    }

    void operatorOnDutyIsStoredWithEveryMinute() {
        QVERIFY(WriteOperatorList(dir.filePath("operator.dat"),
                                  {TOperator::FromName("Anna"), TOperator::FromName("Bernd")}));
        std::unique_ptr<TfmMain> w(MakeMain());
        w->show();
        w->ExecDialog = [](QDialog& d) {
            if (auto* list = d.findChild<QListWidget*>("lstOperators"))
                list->setCurrentRow(1);
            if (auto* name = d.findChild<QLineEdit*>("edtName"); name && !name->isReadOnly())
                name->setText("Druck");
            if (auto* max = d.findChild<QLineEdit*>("edtMax"))
                max->setText("100"); // a range the dialog accepts
            d.findChild<QPushButton*>("btnOk")->click();
            return d.result();
        };
        w->findChild<QAction*>("Login")->trigger();
        // A maximised child window adds its caption in brackets.
        QCOMPARE(w->windowTitle().section(" - [", 0, 0), QString("ZEDA - Operator:Bernd"));
        QVERIFY(w->findChild<QAction*>("Logoff")->isEnabled());
        for (int tick = 0; tick < 40; ++tick) {
            clock.Advance(5);
            w->Timer1Timer();
        }
        const QByteArray file = ReadFile(dir.filePath("D2026-03.ZMF"));
        QVERIFY(file.size() > HeaderSize);
        QCOMPARE(HeaderOperatorCount(file.left(HeaderSize)), uint8_t(1));
        QCOMPARE(OperatorName(file.mid(OperatorTableOffset(33), 16), 0), QByteArray("Bernd"));
        const uint32_t last = HeaderEndSlot(file.left(HeaderSize)) - 1;
        QCOMPARE(uint8_t(file[SlotOffset(last) + 1]), uint8_t(0));

        // A new channel name shows at once; the file takes it with the next record.
        w->findChild<QAction*>("SetKanal1")->trigger();
        QCOMPARE(HeaderChannel(fmChildAct->Document().header, 0).name, QByteArray("Druck"));
        QCOMPARE(HeaderChannel(ReadFile(dir.filePath("D2026-03.ZMF")).left(HeaderSize), 0).name,
                 QByteArray());
    }

    void endOfSessionClosesWithoutTheLogin() {
        loginAnswer = 1;
        std::unique_ptr<TfmMain> w(MakeMain());
        w->show();
        w->EndOfSession();
        QVERIFY(!w->isVisible());
        QCOMPARE(loginModes, QList<int>{0});
        QVERIFY(ReadFile(env.IniPath()).contains("Zeitfaktor=1"));
    }

    void unwritableIniFileIsReported() {
        // An INI file without its owner's write permission: no write
        // replaces it, for root neither.
        WriteFile(env.IniPath(), "[ZEDA]\n");
        QVERIFY(QFile::setPermissions(env.IniPath(), QFileDevice::ReadOwner));
        std::unique_ptr<TfmMain> w(MakeMain());
        w->show();
        messages.Clear();
        QVERIFY(w->close());
        const QString text = "Error - File " + env.IniPath() + " cannot be written!";
        // The administrator's close asks first: acquisition stops.
        QCOMPARE(messages.Texts(),
                 (QStringList{"Acquisition stops until ZEDA is started again.\nClose ZEDA?", text,
                              text, text}));
    }
};

QTEST_MAIN(TestMain)
#include "tst_main.moc"
