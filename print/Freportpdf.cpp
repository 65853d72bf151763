#include "print/Freportpdf.h"

#include "config/Cenv.h"
#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "print/Cprintbase.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// The name under which the PDF counts as an installed printer.
const QString PdfPrinterName = QStringLiteral("zedactl PDF");
constexpr int PdfResolution = 1200;
constexpr double PdfMarginMm = 5;

void CannotWrite(const TEnv& env, const QString& path) {
    if (env.messages)
        env.messages->Show(TMessages::Error, CannotWriteText(path));
}

} // namespace

TReportPdf WriteReportPdf(const TEnv& env, const TConfig* config, MonthDocument& document,
                          const TViewBase* view, TFileBase* file, const TReportPdfJob& job,
                          const std::function<bool()>& failed) {
    TReportPdf result;
    QSaveFile out(job.output);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) {
        CannotWrite(env, job.output);
        return result;
    }
    QPdfWriter writer(&out);
    writer.setResolution(PdfResolution);
    writer.setCreator("zedactl");
    writer.setTitle(job.title);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(PdfMarginMm, PdfMarginMm, PdfMarginMm, PdfMarginMm),
                                     QPageLayout::Millimeter));
    auto pages = std::make_unique<TPageSequence>(writer, QStringList{PdfPrinterName});
    TPageSequence* sequence = pages.get();
    TPrintBase engine(env, config, std::move(pages));
    engine.printer1Name = engine.printer2Name = PdfPrinterName;
    engine.printer1Enabled = job.printer == 0 ? 1 : 0;
    engine.printer2Enabled = job.printer == 1 ? 1 : 0;
    engine.fitToPage = job.fitToPage;
    if (job.request.kind == TPrintRequest::View)
        PrintCurrentView(engine, document, view, file, job.printer);
    else
        RunPrintRequest(engine, document, view, file, job.request);
    result.pages = int(sequence->Pages().size());
    const bool finished = sequence->Finish();
    if ((failed && failed()) || result.pages == 0) {
        out.cancelWriting();
        return result;
    }
    if (!finished || !CommitWhole(out)) {
        CannotWrite(env, job.output);
        return result;
    }
    result.written = true;
    return result;
}
