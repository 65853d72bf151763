#include "app/Umain.h"

#include "app/Fmainshared.h"
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
#include <QFileInfo>
#include <QPointer>

// The print commands of the Data menu and the printer parameters of the
// Admin menu. Reports and view prints keep acquisition waiting: FBusy is set
// for their whole run and cleared on every way out.

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

void TfmMain::PrintDayExecute() {
    TfmChildBase* w = ActiveChild();
    if (!w || !Prnt)
        return;
    int first = 1;
    int last = 1;
    if (!ChoosePrintDays(first, last, HeaderDaysStored(w->Document().header)))
        return;
    const TBusyScope busy(*this);
    PrintDays(*Prnt, w->Document(), first, last);
}

void TfmMain::PrintMonthExecute(QAction* item) {
    TfmChildBase* w = ActiveChild();
    if (!w || !Prnt)
        return;
    const TBusyScope busy(*this);
    PrintMonth(*Prnt, w->Document(), Tag(item));
}

void TfmMain::PrintCopyExecute() {
    TfmChildBase* w = ActiveChild();
    if (!w || !Prnt)
        return;
    const TBusyScope busy(*this);
    PrintCurrentView(*Prnt, w->Document(), w->View(), w->File());
}

void TfmMain::PrintPreviewExecute() {
    TfmChildBase* active = ActiveChild();
    if (!active || !Prnt)
        return;
    const QPointer<TfmChildBase> w(active);
    auto run = [this, w](TPrintBase& printer, const TPrintRequest& request) {
        const TBusyScope busy(*this);
        RunOnWindow(printer, w.data(), request);
    };
    TfmPrintPreview preview(*Prnt, run, run, HeaderDaysStored(active->Document().header), this);
    preview.SetExporter([this, w](const TPrintRequest& request, int printer) {
        ExportReportOf(w.data(), request, printer);
    });
    ShowPrintPreview(preview);
}

void TfmMain::ExportReportExecute() {
    PrintPreviewExecute();
}

void TfmMain::ExportReportOf(TfmChildBase* w, const TPrintRequest& request, int printer) {
    if (!w || !Prnt)
        return;
    const QString proposed =
        QDir(FEnv.dataDir).filePath(ReportPdfFileName(w->Document(), request));
    const QString path = ChooseSaveFile(proposed, PdfFilter());
    if (path.isEmpty())
        return;
    const QString refusal = RefusedOutputTarget(path, w->Document().FilePath());
    if (!refusal.isEmpty()) {
        FEnv.messages->Show(TMessages::Error, refusal);
        return;
    }
    const TBusyScope busy(*this);
    TReportPdfJob job;
    job.request = request;
    job.printer = printer;
    job.fitToPage = Prnt->fitToPage;
    job.output = path;
    job.title = ReportPdfTitle(w->Document(), request);
    if (WriteReportPdf(FEnv, Config, w->Document(), w->View(), w->File(), job, nullptr).written)
        FEnv.messages->Show(TMessages::Information, ReportWrittenText(path));
}

void TfmMain::PrinterExecute() {
    if (!Prnt)
        return;
    ShowPrinterDialog(Prnt->System().PrinterNames());
    // Read again whichever button closed the dialog.
    Prnt->ReadParameters();
}
