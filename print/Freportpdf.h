#pragma once

#include "print/Fprintwindow.h"

#include <QString>

#include <functional>

class TConfig;
class TFileBase;
class TViewBase;
struct MonthDocument;
struct TEnv;

// What a report written into a PDF file came to.
struct TReportPdf {
    int pages = 0;
    bool written = false; // the file is in place, whole
};

// How the pages of one printer are written into a PDF file.
struct TReportPdfJob {
    TPrintRequest request;
    int printer = 0; // 0 printer 1, 1 printer 2
    bool fitToPage = true;
    QString output;
    QString title; // the PDF's title (ReportPdfTitle)
};

// "Werk Nord 2026-11: day report, days 3-4": location and month of the
// file, the kind of report and its days.
QString ReportPdfTitle(const MonthDocument& document, const TPrintRequest& request);
// "Werk Nord 2026-11 day 3.pdf": the name proposed for the PDF, without
// characters a file name cannot hold.
QString ReportPdfFileName(const MonthDocument& document, const TPrintRequest& request);
// "The report was written to <path>."
QString ReportWrittenText(const QString& path);

// Draws the pages that one printer would receive for a request into an A4
// PDF file with the printing engine; no printer is needed. The file is
// written whole or not at all: nothing is put in place when there is no
// page, when failed() says a message of an error was given meanwhile, or
// when writing fails (which is told through the environment's messages).
TReportPdf WriteReportPdf(const TEnv& env, const TConfig* config, MonthDocument& document,
                          const TViewBase* view, TFileBase* file, const TReportPdfJob& job,
                          const std::function<bool()>& failed);
