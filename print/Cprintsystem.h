#pragma once

#include <QPainter>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class QPaintDevice;

// The printable area of a page: in device pixels and in whole millimetres.
// Drawing positions count from its top-left corner.
struct TPageMetrics {
    int32_t widthPx = 0;
    int32_t heightPx = 0;
    int32_t widthMm = 0;
    int32_t heightMm = 0;
};

// The printable area of a paged device (a printer or a PDF writer) as its
// page layout gives it; for any other device its size.
TPageMetrics PageMetricsOf(const QPaintDevice& device);

// One print job with one page, being drawn. A page that is neither ended nor
// aborted when it goes away is aborted, so that no half-drawn page is ever
// sent to a printer.
class TPrintPage {
public:
    virtual ~TPrintPage() = default;
    virtual QPainter& Painter() = 0;
    virtual TPageMetrics Metrics() const = 0;
    // Abandons the job: nothing of it reaches the printer.
    virtual void Abort() = 0;
    virtual bool Aborted() const = 0;
    // Sends the page; false when the printer reported a failure.
    virtual bool End() = 0;
};

// Where pages go: the installed printers and their jobs.
class TPrintSystem {
public:
    virtual ~TPrintSystem() = default;
    // The names of the installed printers, in the platform's order.
    virtual QStringList PrinterNames() const = 0;
    // Starts a job of one page on a printer, under a document name that
    // tells the page; null when the job cannot start.
    virtual std::unique_ptr<TPrintPage> BeginJob(const QString& printer,
                                                 const QString& documentName) = 0;
};

// Every job's page, one after another, on one device: a multi-page PDF
// writer, the printer of a preview, or a test's recording device. The
// printers named are taken as installed.
class TPageSequence : public TPrintSystem {
public:
    // A paged device gives its page layout; other devices their size.
    TPageSequence(QPaintDevice& device, QStringList printerNames);
    TPageSequence(QPaintDevice& device, QStringList printerNames, TPageMetrics metrics);
    ~TPageSequence() override;

    TPageSequence(const TPageSequence&) = delete;
    TPageSequence& operator=(const TPageSequence&) = delete;

    QStringList PrinterNames() const override { return FNames; }
    std::unique_ptr<TPrintPage> BeginJob(const QString& printer,
                                         const QString& documentName) override;

    // The document names of the pages ended, in order.
    const QStringList& Pages() const { return FPages; }
    // Pages that were begun and abandoned.
    int AbortedPages() const { return FAborted; }
    // Ends the painting; false when the device reported a failure.
    bool Finish();

private:
    class Page;

    QPaintDevice& FDevice;
    QStringList FNames;
    TPageMetrics FMetrics;
    QPainter FPainter;
    bool FStarted = false;
    bool FPageOpen = false;
    bool FNeedsNewPage = false;
    QStringList FPages;
    int FAborted = 0;
};
