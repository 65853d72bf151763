#include "print/Freportpdf.h"

#include "config/Cenv.h"
#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "print/Cprintbase.h"

#include <QCoreApplication>

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

// The name under which the PDF counts as an installed printer.
const QString PdfPrinterName = QStringLiteral("zedactl PDF");
constexpr int PdfResolution = 1200;
constexpr double PdfMarginMm = 5;

// "Werk Nord 2026-11": the file's location and month.
QString FileMonth(const MonthDocument& d) {
    const QString month = QString::asprintf("%04u-%02u", 1980u + HeaderYear(d.header),
                                            unsigned(HeaderMonth(d.header)));
    const QString location = FromAnsi(HeaderLocation(d.header)).trimmed();
    return location.isEmpty() ? month : location + ' ' + month;
}

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
    writer.setCreator(QStringLiteral("ZEDA " ZEDA_VERSION));
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

QString ReportPdfTitle(const MonthDocument& d, const TPrintRequest& r) {
    QString kind;
    if (r.kind == TPrintRequest::View)
        kind = QCoreApplication::translate("Freportpdf", "view print");
    else if (r.kind == TPrintRequest::Month)
        kind = QCoreApplication::translate("Freportpdf", "month report, %1 days a page")
                   .arg(r.daysPerPage);
    else if (r.first == r.last)
        kind = QCoreApplication::translate("Freportpdf", "day report, day %1").arg(r.first);
    else
        kind = QCoreApplication::translate("Freportpdf", "day report, days %1-%2")
                   .arg(r.first)
                   .arg(r.last);
    return FileMonth(d) + QStringLiteral(": ") + kind;
}

QString ReportPdfFileName(const MonthDocument& d, const TPrintRequest& r) {
    QString kind;
    if (r.kind == TPrintRequest::View)
        kind = QCoreApplication::translate("Freportpdf", "view");
    else if (r.kind == TPrintRequest::Month)
        kind = QCoreApplication::translate("Freportpdf", "month");
    else if (r.first == r.last)
        kind = QCoreApplication::translate("Freportpdf", "day %1").arg(r.first);
    else
        kind = QCoreApplication::translate("Freportpdf", "days %1-%2").arg(r.first).arg(r.last);
    QString name = FileMonth(d) + ' ' + kind + QStringLiteral(".pdf");
    // A location is free text: a slash would name another directory.
    for (QChar& c : name) {
        if (c == '/' || c == '\\' || c == ':' || c.unicode() < 32)
            c = '-';
    }
    return name;
}

QString ReportWrittenText(const QString& path) {
    return QCoreApplication::translate("Freportpdf", "The report was written to %1.").arg(path);
}
