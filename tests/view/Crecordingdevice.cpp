#include "Crecordingdevice.h"

#include <QPainterPath>
#include <QTextItem>

QStringList TRecording::TextStrings() const {
    QStringList out;
    for (const Text& t : texts)
        out << t.text;
    return out;
}

namespace {

class TRecordingEngine : public QPaintEngine {
public:
    explicit TRecordingEngine(TRecording& r) : QPaintEngine(AllFeatures), FRec(r) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState&) override {}

    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i)
            FRec.lines.append({Map(lines[i].p1()), Map(lines[i].p2()), state->pen()});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            FRec.lines.append(
                {Map(lines[i].p1().toPoint()), Map(lines[i].p2().toPoint()), state->pen()});
    }
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override {
        TRecording::Polyline p{{}, state->pen()};
        for (int i = 0; i < count; ++i)
            p.points.append(Map(points[i]));
        if (mode == PolylineMode)
            FRec.polylines.append(p);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        TRecording::Polyline p{{}, state->pen()};
        for (int i = 0; i < count; ++i)
            p.points.append(Map(points[i].toPoint()));
        if (mode == PolylineMode)
            FRec.polylines.append(p);
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i)
            FRec.fills.append({state->transform().mapRect(rects[i]), state->brush().color()});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            FRec.fills.append(
                {state->transform().mapRect(rects[i]).toRect(), state->brush().color()});
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        FRec.texts.append({item.text(), Map(p.toPoint()), state->font(), state->pen().color()});
    }
    void drawPath(const QPainterPath&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    QPoint Map(QPoint p) const { return state->transform().map(p); }

    TRecording& FRec;
};

} // namespace

TRecordingDevice::TRecordingDevice(int width, int height)
    : FWidth(width), FHeight(height), FEngine(std::make_unique<TRecordingEngine>(FRecording)) {}

TRecordingDevice::~TRecordingDevice() = default;

QPaintEngine* TRecordingDevice::paintEngine() const {
    return FEngine.get();
}

int TRecordingDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth:
        return FWidth;
    case PdmHeight:
        return FHeight;
    case PdmWidthMM:
        return FWidth * 254 / 960;
    case PdmHeightMM:
        return FHeight * 254 / 960;
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return 0;
    }
}
