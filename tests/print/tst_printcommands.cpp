#include "Fprinttestsupport.h"

#include "app/Umain.h"
#include "config/Cclock.h"
#include "config/Cinifile.h"
#include "print/Uprintday.h"
#include "print/Uprinter.h"
#include "print/Uprintpreview.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Key(const QString& iniPath, const char* key) {
    return TIniFile(iniPath).ReadString(IniSection, key, "<none>");
}

// Pages onto a recording device, noting whether acquisition was held back
// while each job ran; a job can be made to fail.
class TFakeSystem : public TPrintSystem {
public:
    QStringList PrinterNames() const override { return {"Fake One", "Fake Two"}; }
    std::unique_ptr<TPrintPage> BeginJob(const QString& printer,
                                         const QString& documentName) override {
        busyAtJob << (fmMain && fmMain->Busy());
        if (failToBegin)
            return nullptr;
        return pages.BeginJob(printer, documentName);
    }

    TRecordingDevice device{2000, 2000};
    TPageSequence pages{device, PrinterNames(), TPrintFixture::Metrics};
    QList<bool> busyAtJob;
    bool failToBegin = false;
};

} // namespace

class TestPrintCommands : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    TSimClock clock{SecondsFromLocal({2026, 3, 10, 14, 0, 30}), 1000};
    TRecordingMessages messages;
    TEnv env;
    std::unique_ptr<TfmMain> w;
    TFakeSystem* fake = nullptr;
    std::function<void(TfmPrintPreview&)> previewDriver;

    // The main window with a month file of 31 days open: channel 1 on
    // printer 1, channel 2 on printer 2; both printers set up.
    TfmChildData* OpenMonth() {
        ChannelDefs c = NoChannels();
        c[0] = PrintChannel("K1", 0);
        c[1] = PrintChannel("K2", 1);
        MonthDocument d;
        InitDocument(d, c, 31 * 1440);
        const QString path = dir.filePath("D2026-03.ZMF");
        if (!WriteBytes(path, FileImage(d)))
            return nullptr;
        TIniFile ini(env.IniPath());
        ini.WriteString(IniSection, "Druckparameter", "1,1,0");
        ini.WriteString(IniSection, "Druck1", "fake one");
        ini.WriteString(IniSection, "Druck2", "Fake Two");
        w = std::make_unique<TfmMain>(env, [](int) { return 2; });
        w->resize(1000, 700);
        w->show();
        auto system = std::make_unique<TFakeSystem>();
        fake = system.get();
        Prnt->ReplaceSystem(std::move(system));
        Prnt->ReadParameters();
        w->ShowPrintPreview = [this](TfmPrintPreview& p) { previewDriver(p); };
        TfmChildData* child = w->OpenMonthFile(path);
        if (child) {
            child->ShowChannel(-1, false);
            child->ShowChannel(0, true);
            child->ShowChannel(1, true);
        }
        messages.Clear(); // the serial port's start-up notice
        return child;
    }

    QAction* Item(const char* name) const { return w->findChild<QAction*>(name); }

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        messages.Clear();
    }

    void cleanup() {
        if (w)
            w->close();
        w.reset();
        fake = nullptr;
    }

    void printerDialogFirstStartStoresBothPrintersAndEmptyNames() {
        TfmPrinter d(env, {"PDF1", "PDF2"});
        QCOMPARE(d.windowTitle(), QString("Setting printers"));
        QVERIFY(d.chkPrinter1->isChecked() && d.chkPrinter2->isChecked());
        QVERIFY(!d.chkAutomat->isChecked());
        QCOMPARE(d.cmbPrinter1->currentIndex(), -1);
        QCOMPARE(d.cmbPrinter2->count(), 2);
        QTest::mouseClick(d.btnOk, Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(Key(env.IniPath(), "Druckparameter"), QByteArray("1,1,0"));
        QCOMPARE(Key(env.IniPath(), "Druck1"), QByteArray(""));
        QCOMPARE(Key(env.IniPath(), "Druck2"), QByteArray(""));
    }

    void printerDialogShowsStoredPrintersAndUncheckingClearsTheList() {
        TIniFile ini(env.IniPath());
        ini.WriteString(IniSection, "Druckparameter", "1,1,1");
        ini.WriteString(IniSection, "Druck1", "pdf2"); // letter case not considered
        ini.WriteString(IniSection, "Druck2", "Gone"); // no longer installed
        TfmPrinter d(env, {"PDF1", "PDF2"});
        QCOMPARE(d.cmbPrinter1->currentText(), QString("PDF2"));
        QCOMPARE(d.cmbPrinter2->currentIndex(), -1);
        QVERIFY(d.chkAutomat->isChecked());
        d.cmbPrinter2->setCurrentIndex(0);
        d.chkPrinter2->click();
        QVERIFY(!d.cmbPrinter2->isEnabled());
        QCOMPARE(d.cmbPrinter2->currentIndex(), -1);
        d.btnOk->click();
        QCOMPARE(Key(env.IniPath(), "Druckparameter"), QByteArray("1,0,1"));
        QCOMPARE(Key(env.IniPath(), "Druck1"), QByteArray("PDF2"));
        QCOMPARE(Key(env.IniPath(), "Druck2"), QByteArray(""));

        // Cancel writes nothing; a short "Druckparameter" shows the defaults.
        ini.WriteString(IniSection, "Druckparameter", "0,0");
        const QByteArray before = ReadBytes(env.IniPath());
        TfmPrinter again(env, {"PDF1", "PDF2"});
        QVERIFY(again.chkPrinter1->isChecked() && !again.chkAutomat->isChecked());
        again.chkAutomat->click();
        again.btnCancel->click();
        QCOMPARE(again.result(), int(QDialog::Rejected));
        QCOMPARE(ReadBytes(env.IniPath()), before);
    }

    void dayDialogFieldsAreLimitedToTheDayBlocks() {
        TfmPrintDay d(1, 1, 33);
        QCOMPARE(d.windowTitle(), QString("Printed establishment of the period"));
        d.edtBeginDay->setValue(0);
        d.edtEndDay->setValue(40);
        QCOMPARE(d.First(), 1);
        QCOMPARE(d.Last(), 33);
        d.btnOk->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void printCommandsRunOnTheActiveWindowWithAcquisitionHeldBack() {
        QVERIFY(OpenMonth());
        int asked = 0;
        QList<int> preset;
        w->ChoosePrintDays = [&asked, &preset](int& first, int& last, int maxDay) -> bool {
            asked = maxDay;
            preset = {first, last};
            first = 2;
            last = 3;
            return true;
        };
        QVERIFY(Item("PrintDay")->isEnabled());
        Item("PrintDay")->trigger();
        QCOMPARE(asked, 33);
        QCOMPARE(preset, QList<int>({1, 1}));
        QCOMPARE(fake->pages.Pages(),
                 QStringList({"ZEDA D2026-03 day 2, printer 1", "ZEDA D2026-03 day 2, printer 2",
                              "ZEDA D2026-03 day 3, printer 1", "ZEDA D2026-03 day 3, printer 2"}));
        Item("PrintMonth4")->trigger();
        QCOMPARE(fake->pages.Pages().size(), 4 + 16); // 8 pages on each printer
        Item("PrintCopy")->trigger();
        QCOMPARE(fake->pages.Pages().last(), QString("ZEDA D2026-03 view, printer 1"));
        QVERIFY(!fake->busyAtJob.contains(false));
        QVERIFY(!w->Busy());
        QCOMPARE(messages.Texts().join("|"), QString());
    }

    void failedPrintClearsBusyAndTellsTheUser() {
        QVERIFY(OpenMonth());
        fake->failToBegin = true;
        Item("PrintMonth5")->trigger();
        QVERIFY(!fake->busyAtJob.isEmpty());
        QVERIFY(!w->Busy()); // the next acquisition cycle can run
        QCOMPARE(messages.Texts(), QStringList(7, CannotPrintText));
    }

    void printerCommandRereadsTheParametersWhateverTheDialogDid() {
        QVERIFY(OpenMonth());
        QStringList offered;
        w->ShowPrinterDialog = [this, &offered](const QStringList& printers) {
            offered = printers;
            TIniFile(env.IniPath()).WriteString(IniSection, "Druckparameter", "0,1,0");
        };
        Item("Printer")->trigger();
        QCOMPARE(offered, QStringList({"Fake One", "Fake Two"}));
        QCOMPARE(Prnt->printer1Enabled, 0);
        QCOMPARE(Prnt->printer2Enabled, 1);
    }

    void previewShowsThePagesOfBothPrintersAndPrintsThem() {
        QVERIFY(OpenMonth());
        QStringList shown;
        int previewPages = 0;
        previewDriver = [&](TfmPrintPreview& p) {
            p.edtBeginDay->setValue(5);
            p.edtEndDay->setValue(6);
            p.btnShowClick();
            shown = p.PageNames();
            previewPages = p.pvPages->pageCount();
            QCOMPARE(p.lstPages->count(), 4);
            p.rbMonth->setChecked(true);
            p.cmbDaysPerPage->setCurrentIndex(2); // 5 days on a page
            p.btnPrintClick();
        };
        Item("PrintPreview")->trigger();
        QCOMPARE(shown,
                 QStringList({"ZEDA D2026-03 day 5, printer 1", "ZEDA D2026-03 day 5, printer 2",
                              "ZEDA D2026-03 day 6, printer 1", "ZEDA D2026-03 day 6, printer 2"}));
        QCOMPARE(previewPages, 4);
        // The preview drew nothing on the printers; "Print" sent the month.
        QCOMPARE(fake->pages.Pages().size(), 14);
        QVERIFY(!w->Busy());
    }
};

QTEST_MAIN(TestPrintCommands)
#include "tst_printcommands.moc"
