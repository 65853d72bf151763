#include "Fpdfpages.h"
#include "Fprinttestsupport.h"

#include "app/Umain.h"
#include "config/Cclock.h"
#include "config/Cinifile.h"
#include "print/Uprinter.h"
#include "print/Uprintpreview.h"
#include "support/Cmainwindowtest.h"
#include "view/Uchildbase.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QWheelEvent>

namespace {

QByteArray Ini(const QString& iniPath) {
    const TIniFile ini(iniPath);
    return ini.ReadString(IniSection, "Druckparameter", "?") + "|" +
           ini.ReadString(IniSection, "Druck1", "?") + "|" +
           ini.ReadString(IniSection, "Druck2", "?");
}

// Pages onto a recording device, noting whether acquisition was held back
// while each job ran; jobs can be made not to start.
class TFakeSystem : public TPrintSystem {
public:
    QStringList PrinterNames() const override { return {"Fake One", "Fake Two"}; }
    std::unique_ptr<TPrintPage> BeginJob(const QString& printer, const QString& name) override {
        busyAtJob << (fmMain && fmMain->Busy());
        if (failToBegin)
            return nullptr;
        return pages.BeginJob(printer, name);
    }

    TRecordingDevice device{2000, 2000};
    TPageSequence pages{device, PrinterNames(), TPrintFixture::Metrics};
    QList<bool> busyAtJob;
    bool failToBegin = false;
};

} // namespace

class TestPrintCommands : public TMainWindowTest {
    Q_OBJECT

    std::unique_ptr<TfmMain> w;
    TFakeSystem* fake = nullptr;

    // The main window with a month file of 31 days active: channel 1 on
    // printer 1, channel 2 on printer 2, both printers set up.
    bool OpenMonth() {
        ChannelDefs c = NoChannels();
        c[0] = PrintChannel("K1", 0);
        c[1] = PrintChannel("K2", 1);
        MonthDocument d;
        InitDocument(d, c, 31 * 1440);
        const QString path = dir.filePath("D2026-03.ZMF");
        TIniFile ini(env.IniPath());
        if (!WriteBytes(path, FileImage(d)) || !ini.WriteString(IniSection, "Druck1", "fake one") ||
            !ini.WriteString(IniSection, "Druck2", "Fake Two") ||
            !ini.WriteString(IniSection, "Druckparameter", "1,1,0"))
            return false;
        w = std::make_unique<TfmMain>(env, [](int) { return 2; });
        w->show();
        auto system = std::make_unique<TFakeSystem>();
        fake = system.get();
        Prnt->ReplaceSystem(std::move(system));
        Prnt->ReadParameters();
        TfmChildData* child = w->OpenMonthFile(path);
        if (!child)
            return false;
        child->ShowChannel(-1, false);
        child->ShowChannel(0, true);
        child->ShowChannel(1, true);
        messages.Clear(); // the serial port's start-up notice
        return true;
    }

    QAction* Item(const char* name) const { return w->findChild<QAction*>(name); }

private slots:
    void init() {
        QDir(dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(dir.path()));
        ResetEnv();
    }

    void cleanup() {
        if (w)
            w->close();
        w.reset();
    }

    void printerDialogWritesTheThreeKeys() {
        // A first start: both printers on, none chosen, no automatic print.
        TfmPrinter first(env, {"PDF1", "PDF2"});
        QVERIFY(first.chkPrinter1->isChecked() && first.chkPrinter2->isChecked());
        QVERIFY(!first.chkAutomat->isChecked() && first.cmbPrinter1->currentIndex() == -1);
        first.btnOk->click();
        QCOMPARE(first.result(), int(QDialog::Accepted));
        QCOMPARE(Ini(env.IniPath()), QByteArray("1,1,0||"));

        // Stored printers are found whatever their letter case; one no
        // longer installed is not; an unchecked printer loses its list.
        TIniFile ini(env.IniPath());
        ini.WriteString(IniSection, "Druckparameter", "1,1,1");
        ini.WriteString(IniSection, "Druck1", "pdf2");
        ini.WriteString(IniSection, "Druck2", "Gone");
        TfmPrinter d(env, {"PDF1", "PDF2"});
        QCOMPARE(d.cmbPrinter1->currentText(), QString("PDF2"));
        QCOMPARE(d.cmbPrinter2->currentIndex(), -1);
        d.cmbPrinter2->setCurrentIndex(0);
        d.chkPrinter2->click();
        QVERIFY(!d.cmbPrinter2->isEnabled() && d.cmbPrinter2->currentIndex() == -1);
        d.btnOk->click();
        QCOMPARE(Ini(env.IniPath()), QByteArray("1,0,1|PDF2|"));

        // Cancel writes nothing.
        TfmPrinter again(env, {"PDF1"});
        again.chkAutomat->click();
        again.btnCancel->click();
        QCOMPARE(Ini(env.IniPath()), QByteArray("1,0,1|PDF2|"));
    }

    void printCommandsRunOnTheActiveWindowWithAcquisitionHeldBack() {
        QVERIFY(OpenMonth());
        QList<int> asked;
        w->ChoosePrintDays = [&asked](int& first, int& last, int maxDay) {
            asked = {first, last, maxDay};
            first = 2;
            last = 3;
            return true;
        };
        Item("PrintDay")->trigger();
        QCOMPARE(asked, QList<int>({1, 1, 33})); // limited to the day blocks
        QCOMPARE(fake->pages.Pages(),
                 QStringList({"ZEDA D2026-03 day 2, printer 1", "ZEDA D2026-03 day 2, printer 2",
                              "ZEDA D2026-03 day 3, printer 1", "ZEDA D2026-03 day 3, printer 2"}));
        Item("PrintMonth4")->trigger();
        QCOMPARE(fake->pages.Pages().size(), 4 + 16); // 8 pages on each printer
        Item("PrintCopy")->trigger();
        QCOMPARE(fake->pages.Pages().last(), QString("ZEDA D2026-03 view, printer 1"));
        QVERIFY(!fake->busyAtJob.contains(false));
        QVERIFY(!w->Busy());
        QCOMPARE(messages.Texts(), QStringList());
    }

    void errorInTheMiddleOfAPrintDoesNotStopAcquisition() {
        QVERIFY(OpenMonth());
        fake->failToBegin = true;
        Item("PrintMonth5")->trigger();
        QVERIFY(!w->Busy()); // the next acquisition cycle can run
        QCOMPARE(messages.Texts(), QStringList(7, CannotPrintText));
        QVERIFY(fake->pages.Pages().isEmpty());
    }

    void printerDialogStoresFitToPageOrActualSize() {
        TfmPrinter first(env, {"PDF1"});
        QVERIFY(first.rbFitToPage->isChecked()); // no key: fitted
        QVERIFY(!first.rbActualSize->isChecked());
        first.rbActualSize->click();
        first.btnOk->click();
        const TIniFile ini(env.IniPath());
        QCOMPARE(ini.ReadString(IniSection, "DruckAnpassen", "?"), QByteArray("0"));
        TfmPrinter again(env, {"PDF1"});
        QVERIFY(again.rbActualSize->isChecked());
        again.rbFitToPage->click();
        again.btnOk->click();
        QCOMPARE(ini.ReadString(IniSection, "DruckAnpassen", "?"), QByteArray("1"));
        TPrintBase engine(env, nullptr, std::make_unique<TFakeSystem>());
        QVERIFY(engine.fitToPage);
        TIniFile(env.IniPath()).WriteString(IniSection, "DruckAnpassen", "0");
        engine.ReadParameters();
        QVERIFY(!engine.fitToPage);
    }

    // Before printers were chosen Show and Print did nothing and said
    // nothing; with a chosen printer that is not installed the preview
    // opened only with "Es kann nicht gedruckt werden!".
    void previewShowsPagesWithoutAPrinterAndPrintSaysWhereToChooseOne() {
        QVERIFY(OpenMonth());
        TIniFile ini(env.IniPath());
        for (const char* settings : {"0,0,0", "1,1,0"}) {
            ini.WriteString(IniSection, "Druckparameter", settings);
            ini.WriteString(IniSection, "Druck1", "Not installed");
            ini.WriteString(IniSection, "Druck2", "");
            Prnt->ReadParameters();
            QStringList shown;
            int pageCount = 0;
            w->ShowPrintPreview = [&](TfmPrintPreview& p) {
                p.edtBeginDay->setValue(2);
                p.edtEndDay->setValue(2);
                p.btnShowClick();
                shown = p.PageNames();
                pageCount = p.pvPages->pageCount();
                p.btnPrintClick();
            };
            Item("PrintPreview")->trigger();
            QCOMPARE(shown, QStringList({"ZEDA D2026-03 day 2, printer 1",
                                         "ZEDA D2026-03 day 2, printer 2"}));
            QCOMPARE(pageCount, 2);
            QCOMPARE(messages.Texts(), QStringList{NoPrinterText()});
            QVERIFY(fake->pages.Pages().isEmpty());
            // The engine's printers are as they were.
            QCOMPARE(Prnt->printer1Name, QString("Not installed"));
            messages.Clear();
        }
    }

    void exportReportWritesThePagesOfTheChosenPrinterIntoAPdf() {
        QVERIFY(OpenMonth());
        const QString pdf = dir.filePath("report.pdf");
        QString proposed;
        w->ChooseSaveFile = [pdf, &proposed](const QString& d, const QString& filter) {
            proposed = d;
            return filter == QString("PDF files (*.pdf)") ? pdf : QString();
        };
        w->ShowPrintPreview = [](TfmPrintPreview& p) {
            QVERIFY(p.btnExport->isEnabled());
            p.edtBeginDay->setValue(1);
            p.edtEndDay->setValue(3);
            p.cmbPrinter->setCurrentIndex(1);
            p.btnExportClick();
        };
        Item("ExportReport")->trigger();
        // A name of the report is proposed, and where it went is told.
        QCOMPARE(proposed, dir.filePath("Werk Nord 2026-03 days 1-3.pdf"));
        QCOMPARE(messages.Texts(), QStringList{"The report was written to " + pdf + "."});
        QCOMPARE(PdfInfo(pdf), QString("Pages: 3, 595x842"));
        // Its title names the report, its creator the program.
        const QString info = QString::fromUtf8(RunTool("pdfinfo", {pdf}).out);
        QVERIFY2(info.contains(QRegularExpression("Title: +Werk Nord 2026-03: day report, days "
                                                  "1-3\n")),
                 qPrintable(info));
        QVERIFY(info.contains(QRegularExpression("Creator: +ZEDA " ZEDA_VERSION "\n")));
        messages.Clear();
        QVERIFY(fake->pages.Pages().isEmpty()); // no printer was asked
        // The month file itself is never the target.
        const QString month = dir.filePath("D2026-03.ZMF");
        const QByteArray before = ReadBytes(month);
        w->ChooseSaveFile = [month](const QString&, const QString&) { return month; };
        Item("ExportReport")->trigger();
        QCOMPARE(messages.Texts().size(), 1);
        QCOMPARE(ReadBytes(month), before);
    }

    // Nothing of a page was readable on screen, and nothing told which page
    // was shown.
    void previewZoomsAndCountsItsPages() {
        QVERIFY(OpenMonth());
        w->ShowPrintPreview = [](TfmPrintPreview& p) {
            p.show();
            QVERIFY(QTest::qWaitForWindowExposed(&p));
            p.edtBeginDay->setValue(5);
            p.edtEndDay->setValue(6);
            p.btnShowClick();
            QCOMPARE(p.lblPage->text(), QString("Page 1 of 4"));
            QCOMPARE(p.pvPages->zoomMode(), QPrintPreviewWidget::FitToWidth);
            const qreal fit = p.pvPages->zoomFactor();
            p.btnZoomIn->click();
            QVERIFY(p.pvPages->zoomFactor() > fit);
            p.btnZoomOut->click();
            p.btnZoomOut->click();
            QVERIFY(p.pvPages->zoomFactor() < fit);
            QCOMPARE(p.btnZoomIn->shortcut(), QKeySequence(QKeySequence::ZoomIn));
            // Ctrl with the wheel over the pages.
            QWidget* pages = p.pvPages->findChild<QAbstractScrollArea*>()->viewport();
            const qreal before = p.pvPages->zoomFactor();
            QWheelEvent up(QPointF(10, 10), pages->mapToGlobal(QPointF(10, 10)), QPoint(),
                           QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                           false);
            QApplication::sendEvent(pages, &up);
            QVERIFY(p.pvPages->zoomFactor() > before);
            p.btnFitWidth->click();
            QCOMPARE(p.pvPages->zoomMode(), QPrintPreviewWidget::FitToWidth);
            p.pvPages->setCurrentPage(3);
            QCOMPARE(p.lblPage->text(), QString("Page 3 of 4"));
        };
        Item("PrintPreview")->trigger();
    }

    void previewShowsThePagesOfBothPrintersAndPrintsThem() {
        QVERIFY(OpenMonth());
        QStringList shown;
        w->ShowPrintPreview = [&shown](TfmPrintPreview& p) {
            p.edtBeginDay->setValue(5);
            p.edtEndDay->setValue(6);
            p.btnShowClick();
            shown = p.PageNames();
            QCOMPARE(p.pvPages->pageCount(), 4);
            p.rbMonth->setChecked(true);
            p.cmbDaysPerPage->setCurrentIndex(2); // 5 days on a page
            p.btnPrintClick();
        };
        Item("PrintPreview")->trigger();
        QCOMPARE(shown,
                 QStringList({"ZEDA D2026-03 day 5, printer 1", "ZEDA D2026-03 day 5, printer 2",
                              "ZEDA D2026-03 day 6, printer 1", "ZEDA D2026-03 day 6, printer 2"}));
        // The preview sent nothing to the printers; "Print" sent the month.
        QCOMPARE(fake->pages.Pages().size(), 14);
    }
};

QTEST_MAIN(TestPrintCommands)
#include "tst_printcommands.moc"
