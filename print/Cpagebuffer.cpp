#include "print/Cpagebuffer.h"

#include <QPainter>
#include <QTextItem>

namespace {

constexpr int MetricCount = QPaintDevice::PdmDevicePixelRatioScaled + 1;

// A device's metric through its public accessors.
int MetricOf(const QPaintDevice& d, QPaintDevice::PaintDeviceMetric m) {
    switch (m) {
    case QPaintDevice::PdmWidth:
        return d.width();
    case QPaintDevice::PdmHeight:
        return d.height();
    case QPaintDevice::PdmWidthMM:
        return d.widthMM();
    case QPaintDevice::PdmHeightMM:
        return d.heightMM();
    case QPaintDevice::PdmNumColors:
        return d.colorCount();
    case QPaintDevice::PdmDepth:
        return d.depth();
    case QPaintDevice::PdmDpiX:
        return d.logicalDpiX();
    case QPaintDevice::PdmDpiY:
        return d.logicalDpiY();
    case QPaintDevice::PdmPhysicalDpiX:
        return d.physicalDpiX();
    case QPaintDevice::PdmPhysicalDpiY:
        return d.physicalDpiY();
    case QPaintDevice::PdmDevicePixelRatio:
        return d.devicePixelRatio();
    case QPaintDevice::PdmDevicePixelRatioScaled:
        return int(d.devicePixelRatioF() * QPaintDevice::devicePixelRatioFScale());
    }
    return 0;
}

class TBufferEngine : public QPaintEngine {
public:
    explicit TBufferEngine(std::vector<TPageBuffer::Step>& steps)
        : QPaintEngine(AllFeatures), FSteps(steps) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState&) override {}

    void drawLines(const QLine* lines, int count) override {
        TPageBuffer::Step& s = Add(TPageBuffer::Step::Lines);
        for (int i = 0; i < count; ++i)
            s.lines.append(QLineF(lines[i]));
    }
    void drawLines(const QLineF* lines, int count) override {
        TPageBuffer::Step& s = Add(TPageBuffer::Step::Lines);
        for (int i = 0; i < count; ++i)
            s.lines.append(lines[i]);
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon.append(QPointF(points[i]));
        AddPolygon(polygon, mode);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        AddPolygon(QPolygonF(QList<QPointF>(points, points + count)), mode);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        TPageBuffer::Step& s = Add(TPageBuffer::Step::Text);
        s.at = p;
        s.font = item.font();
        s.text = item.text();
    }
    void drawPath(const QPainterPath& path) override { Add(TPageBuffer::Step::Path).path = path; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    // The painter's state with the step. The engine takes the coordinates
    // as given (it claims every feature), so the transform goes with them.
    TPageBuffer::Step& Add(TPageBuffer::Step::Kind kind) {
        TPageBuffer::Step s;
        s.kind = kind;
        s.pen = painter()->pen();
        s.brush = painter()->brush();
        s.transform = painter()->transform();
        s.clipped = painter()->hasClipping();
        if (s.clipped)
            s.clip = painter()->clipRegion();
        FSteps.push_back(std::move(s));
        return FSteps.back();
    }
    void AddPolygon(const QPolygonF& polygon, PolygonDrawMode mode) {
        if (mode == PolylineMode) {
            Add(TPageBuffer::Step::Polyline).points = polygon;
        } else {
            QPainterPath path;
            path.addPolygon(polygon);
            path.closeSubpath();
            drawPath(path);
        }
    }

    std::vector<TPageBuffer::Step>& FSteps;
};

} // namespace

TPageBuffer::TPageBuffer(const QPaintDevice& target)
    : FMetrics(MetricCount, 0), FEngine(std::make_unique<TBufferEngine>(steps)) {
    for (int m = PdmWidth; m < MetricCount; ++m)
        FMetrics[m] = MetricOf(target, PaintDeviceMetric(m));
}

TPageBuffer::~TPageBuffer() = default;

QPaintEngine* TPageBuffer::paintEngine() const {
    return FEngine.get();
}

int TPageBuffer::metric(PaintDeviceMetric m) const {
    return m >= 0 && m < MetricCount ? FMetrics[m] : 0;
}

void TPageBuffer::Replay(QPainter& p) const {
    const QTransform base = p.transform();
    for (const Step& s : steps) {
        // The clip was taken in the step's own coordinates.
        p.setTransform(s.transform * base);
        p.setPen(s.pen);
        p.setBrush(s.brush);
        if (s.clipped)
            p.setClipRegion(s.clip);
        else
            p.setClipping(false);
        switch (s.kind) {
        case Step::Lines:
            p.drawLines(s.lines);
            break;
        case Step::Polyline:
            p.drawPolyline(s.points);
            break;
        case Step::Text:
            p.setFont(s.font);
            p.drawText(s.at, s.text);
            break;
        case Step::Path:
            p.drawPath(s.path);
            break;
        }
    }
    p.setTransform(base);
}
