#include "print/Uprintsystem.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {

class TSystemPage : public TPrintPage {
public:
    TSystemPage(const QString& printer, const QString& documentName)
        : FPrinter(QPrinter::HighResolution) {
        FPrinter.setPrinterName(printer);
        FPrinter.setDocName(documentName);
        FPrinter.setFullPage(false);
    }
    ~TSystemPage() override {
        if (FPainter.isActive())
            Abort();
    }
    bool Begin() { return FPrinter.isValid() && FPainter.begin(&FPrinter); }

    QPainter& Painter() override { return FPainter; }
    TPageMetrics Metrics() const override {
        const QPageLayout layout = FPrinter.pageLayout();
        const QRect px = layout.paintRectPixels(FPrinter.resolution());
        const QRectF mm = layout.paintRect(QPageLayout::Millimeter);
        return {px.width(), px.height(), int32_t(std::lround(mm.width())),
                int32_t(std::lround(mm.height()))};
    }
    void Abort() override {
        // The spooled page is thrown away before it reaches the queue.
        FPrinter.abort();
        if (FPainter.isActive())
            FPainter.end();
    }
    bool Aborted() const override { return FPrinter.printerState() == QPrinter::Aborted; }
    bool End() override {
        const bool ended = FPainter.end();
        return ended && FPrinter.printerState() != QPrinter::Error;
    }

private:
    QPrinter FPrinter;
    QPainter FPainter;
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
