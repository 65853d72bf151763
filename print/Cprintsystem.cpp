#include "print/Cprintsystem.h"

#include <QPageLayout>
#include <QPagedPaintDevice>

#include <cmath>

TPageMetrics PageMetricsOf(const QPaintDevice& device) {
    TPageMetrics m;
    m.widthPx = device.width();
    m.heightPx = device.height();
    if (const auto* paged = dynamic_cast<const QPagedPaintDevice*>(&device)) {
        const QRectF mm = paged->pageLayout().paintRect(QPageLayout::Millimeter);
        m.widthMm = int32_t(std::lround(mm.width()));
        m.heightMm = int32_t(std::lround(mm.height()));
    } else {
        m.widthMm = device.widthMM();
        m.heightMm = device.heightMM();
    }
    return m;
}

// A page of the sequence: the painter's state is saved when it starts, so
// that nothing of one page (a clip, a pen) carries over to the next.
class TPageSequence::Page : public TPrintPage {
public:
    Page(TPageSequence& owner, QString name) : FOwner(owner), FName(std::move(name)) {
        FOwner.FPainter.save();
        FOwner.FPageOpen = true;
    }
    ~Page() override {
        if (!FDone)
            Abort();
    }
    QPainter& Painter() override { return FOwner.FPainter; }
    TPageMetrics Metrics() const override { return FOwner.FMetrics; }
    void Abort() override {
        if (FDone)
            return;
        Close();
        FAborted = true;
        ++FOwner.FAborted;
    }
    bool Aborted() const override { return FAborted; }
    bool End() override {
        if (FDone)
            return !FAborted;
        Close();
        FOwner.FPages.append(FName);
        return true;
    }

private:
    void Close() {
        FDone = true;
        FOwner.FPainter.restore();
        FOwner.FPageOpen = false;
        // What was drawn stays on the device: the next page starts afresh.
        FOwner.FNeedsNewPage = true;
    }

    TPageSequence& FOwner;
    QString FName;
    bool FDone = false;
    bool FAborted = false;
};

TPageSequence::TPageSequence(QPaintDevice& device, QStringList printerNames)
    : TPageSequence(device, std::move(printerNames), PageMetricsOf(device)) {}

TPageSequence::TPageSequence(QPaintDevice& device, QStringList printerNames, TPageMetrics metrics)
    : FDevice(device), FNames(std::move(printerNames)), FMetrics(metrics) {}

TPageSequence::~TPageSequence() {
    Finish();
}

std::unique_ptr<TPrintPage> TPageSequence::BeginJob(const QString&, const QString& documentName) {
    if (FPageOpen)
        return nullptr;
    if (!FStarted) {
        if (!FPainter.begin(&FDevice))
            return nullptr;
        FStarted = true;
    } else if (FNeedsNewPage) {
        auto* paged = dynamic_cast<QPagedPaintDevice*>(&FDevice);
        if (paged && !paged->newPage())
            return nullptr;
    }
    FNeedsNewPage = false;
    return std::make_unique<Page>(*this, documentName);
}

bool TPageSequence::Finish() {
    if (!FPainter.isActive())
        return true;
    return FPainter.end();
}
