#include "print/Csystemprint.h"

#include "print/Cpagebuffer.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {

// A page is drawn into a buffer with the printer's metrics and only goes to
// the printer, as one job, when it is complete: the platform's job cannot
// be taken back once begun, so an abandoned page never starts one.
class TSystemPage : public TPrintPage {
public:
    TSystemPage(const QString& printer, const QString& documentName)
        : FPrinter(QPrinter::HighResolution) {
        FPrinter.setPrinterName(printer);
        FPrinter.setDocName(documentName);
        FPrinter.setFullPage(false);
    }
    bool Begin() {
        if (!FPrinter.isValid())
            return false;
        FBuffer = std::make_unique<TPageBuffer>(FPrinter);
        return FPainter.begin(FBuffer.get());
    }

    QPainter& Painter() override { return FPainter; }
    TPageMetrics Metrics() const override {
        const QPageLayout layout = FPrinter.pageLayout();
        const QRect px = layout.paintRectPixels(FPrinter.resolution());
        const QRectF mm = layout.paintRect(QPageLayout::Millimeter);
        return {px.width(), px.height(), int32_t(std::lround(mm.width())),
                int32_t(std::lround(mm.height()))};
    }
    void Abort() override {
        FPainter.end();
        FAborted = true;
    }
    bool Aborted() const override { return FAborted; }
    bool End() override {
        FPainter.end();
        QPainter printer;
        if (FAborted || !printer.begin(&FPrinter))
            return false;
        FBuffer->Replay(printer);
        return printer.end() && FPrinter.printerState() != QPrinter::Error;
    }

private:
    QPrinter FPrinter;
    std::unique_ptr<TPageBuffer> FBuffer;
    QPainter FPainter;
    bool FAborted = false;
};

} // namespace

QStringList TSystemPrintSystem::PrinterNames() const {
    return QPrinterInfo::availablePrinterNames();
}

std::unique_ptr<TPrintPage> TSystemPrintSystem::BeginJob(const QString& printer,
                                                         const QString& documentName) {
    auto page = std::make_unique<TSystemPage>(printer, documentName);
    if (!page->Begin())
        return nullptr;
    return page;
}
