#include "app/Uprintcommands.h"

#include "app/Fmainshared.h"
#include "app/Umain.h"
#include "app/Umenuitems.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cmessages.h"
#include "files/Fmonthfile.h"
#include "files/Foutput.h"
#include "print/Cprintbase.h"
#include "print/Fprintwindow.h"
#include "print/Freportpdf.h"
#include "print/Uprintpreview.h"
#include "view/Uchildbase.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPointer>

namespace {

class TBusyScope {
public:
    explicit TBusyScope(TfmMain& main) : FMain(main), FWas(main.Busy()) { FMain.SetBusy(true); }
    ~TBusyScope() { FMain.SetBusy(FWas); }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    TfmMain& FMain;
    bool FWas;
};

// Runs a request on the window, if it is still there.
void RunOnWindow(TPrintBase& printer, TfmChildBase* w, const TPrintRequest& request) {
    if (w)
        RunPrintRequest(printer, w->Document(), w->View(), w->File(), request);
}

} // namespace

TPrintCommands::TPrintCommands(TfmMain& main) : FMain(main) {
    mnPrint = MakeMenu(&main, tr("Print"), "mnPrint");
    PrintDay = AddItem(mnPrint, tr("Day print"), "PrintDay", 0, tr("&Tagesdruck..."));
    QObject::connect(PrintDay, &QAction::triggered, &main, [this] { PrintDayExecute(); });
    QMenu* month = MakeMenu(mnPrint, tr("Month print"), "mnPrintMonth");
    mnPrint->addMenu(month);
    for (int n : {3, 4, 5}) {
        QAction* a = AddItem(month, tr("&%1 Day on page").arg(n),
                             QByteArray("PrintMonth" + QByteArray::number(n)).constData(), n);
        QObject::connect(a, &QAction::triggered, &main, [this, a] { PrintMonthExecute(a); });
    }
    PrintCopy = AddItem(mnPrint, tr("Expression of the actual image"), "PrintCopy", 0,
                        tr("&Ausdruck der aktuellen Darstellung"));
    QObject::connect(PrintCopy, &QAction::triggered, &main, [this] { PrintCopyExecute(); });
    PrintPreview = AddItem(mnPrint, tr("Preview..."), "PrintPreview", 0);
    QObject::connect(PrintPreview, &QAction::triggered, &main, [this] { PrintPreviewExecute(); });
    ExportReport = MakeItem(&main, tr("Export report as PDF..."), "ExportReport", 0);
    QObject::connect(ExportReport, &QAction::triggered, &main, [this] { ExportReportExecute(); });
    mnPrint->addSeparator();
    PrinterSetup = AddItem(mnPrint, tr("Print setup"), "PrinterSetup", 0, tr("Drucken setup"));
    QObject::connect(PrinterSetup, &QAction::triggered, &main, [this] { PrinterSetupExecute(); });
    Printer = MakeItem(&main, tr("Printers..."), "Printer", 0, tr("&Druckparameter..."));
    QObject::connect(Printer, &QAction::triggered, &main, [this] { PrinterExecute(); });
}

void TPrintCommands::PrinterSetupExecute() {
    FMain.RunPrinterSetup();
}

void TPrintCommands::PrintDayExecute() {
    TfmChildBase* w = FMain.ActiveChild();
    if (!w || !Prnt)
        return;
    int first = 1;
    int last = 1;
    if (!FMain.ChoosePrintDays(first, last, HeaderDaysStored(w->Document().header)))
        return;
    const TBusyScope busy(FMain);
    PrintDays(*Prnt, w->Document(), first, last);
}

void TPrintCommands::PrintMonthExecute(QAction* item) {
    TfmChildBase* w = FMain.ActiveChild();
    if (!w || !Prnt)
        return;
    const TBusyScope busy(FMain);
    PrintMonth(*Prnt, w->Document(), Tag(item));
}

void TPrintCommands::PrintCopyExecute() {
    TfmChildBase* w = FMain.ActiveChild();
    if (!w || !Prnt)
        return;
    const TBusyScope busy(FMain);
    PrintCurrentView(*Prnt, w->Document(), w->View(), w->File());
}

void TPrintCommands::PrintPreviewExecute() {
    TfmChildBase* active = FMain.ActiveChild();
    if (!active || !Prnt)
        return;
    const QPointer<TfmChildBase> w(active);
    auto run = [this, w](TPrintBase& printer, const TPrintRequest& request) {
        const TBusyScope busy(FMain);
        RunOnWindow(printer, w.data(), request);
    };
    TfmPrintPreview preview(*Prnt, run, run, HeaderDaysStored(active->Document().header), &FMain);
    preview.SetExporter([this, w](const TPrintRequest& request, int printer) {
        ExportReportOf(w.data(), request, printer);
    });
    FMain.ShowPrintPreview(preview);
}

void TPrintCommands::ExportReportExecute() {
    PrintPreviewExecute();
}

void TPrintCommands::ExportReportOf(TfmChildBase* w, const TPrintRequest& request, int printer) {
    if (!w || !Prnt)
        return;
    const TEnv& env = FMain.Env();
    const QString proposed = QDir(env.dataDir).filePath(ReportPdfFileName(w->Document(), request));
    const QString path = FMain.ChooseSaveFile(proposed, PdfFilter());
    if (path.isEmpty())
        return;
    const QString refusal = RefusedOutputTarget(path, w->Document().FilePath());
    if (!refusal.isEmpty()) {
        env.messages->Show(TMessages::Error, refusal);
        return;
    }
    const TBusyScope busy(FMain);
    TReportPdfJob job;
    job.request = request;
    job.printer = printer;
    job.fitToPage = Prnt->fitToPage;
    job.output = path;
    job.title = ReportPdfTitle(w->Document(), request);
    if (WriteReportPdf(env, Config, w->Document(), w->View(), w->File(), job, nullptr).written)
        env.messages->Show(TMessages::Information, ReportWrittenText(path));
}

void TPrintCommands::PrinterExecute() {
    if (!Prnt)
        return;
    FMain.ShowPrinterDialog(Prnt->System().PrinterNames());
    // Read again whichever button closed the dialog.
    Prnt->ReadParameters();
}
