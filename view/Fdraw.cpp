#include "view/Fdraw.h"

#include "config/Ctablecolor.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>

#include <cmath>

bool MovesByWholePixels(const QTransform& t) {
    return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
           t.dy() == std::floor(t.dy());
}

bool PaintsWholeRasterPixels(const QPainter& p) {
    const QPaintDevice* device = p.device();
    return device && p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster &&
           MovesByWholePixels(p.deviceTransform()) && device->devicePixelRatio() == 1 &&
           p.opacity() == 1.0 && p.compositionMode() == QPainter::CompositionMode_SourceOver;
}

void TextOutTopLeft(QPainter& p, int x, int y, const QString& text) {
    const QFontMetrics fm(p.font(), p.device());
    p.drawText(QPoint(x, y + fm.ascent()), text);
}

void SetFontPointSize(QPainter& p, int points) {
    QFont f = p.font();
    if (f.pointSize() == points)
        return;
    f.setPointSize(points);
    p.setFont(f);
}

QColor ChannelColour(int colourChoice) {
    if (Colors)
        return ToQColor(Colors->Color(colourChoice));
    static const TTableColor defaults;
    return ToQColor(defaults.Color(colourChoice));
}

bool GridIsGrey(int backgroundChoice) {
    return backgroundChoice == 1;
}
