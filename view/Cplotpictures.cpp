#include "view/Cplotpictures.h"

#include "view/Fdraw.h"

#include <QPaintDevice>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>

std::optional<TPictureLook> TPictureLook::Of(const QPainter& p) {
    // The picture is painted in the device's own coordinates, on an image
    // of the format of the one behind the device.
    if (!PaintsWholeRasterPixels(p) || !p.worldTransform().isIdentity())
        return std::nullopt;
    const QPaintDevice* raster = p.paintEngine()->paintDevice();
    if (!raster || raster->devType() != QInternal::Image)
        return std::nullopt;
    const QPaintDevice* device = p.device();
    TPictureLook look;
    look.format = static_cast<const QImage*>(raster)->format();
    look.dpiX = device->logicalDpiX();
    look.dpiY = device->logicalDpiY();
    look.font = p.font();
    look.pen = p.pen();
    look.brush = p.brush();
    look.background = p.background();
    look.hints = p.renderHints();
    look.direction = p.layoutDirection();
    return look;
}

const QImage* TPlotPictures::Find(QPoint position, QSize size) const {
    for (const Picture& p : FPictures) {
        if (p.position == position && p.image.size() == size)
            return &p.image;
    }
    return nullptr;
}

const QImage& TPlotPictures::Make(QPoint position, QSize size, const TPictureLook& look,
                                  const std::function<void(QPainter&)>& paint) {
    std::erase_if(FPictures, [&](const Picture& p) { return p.position == position; });
    QImage image = FSpare.size() == size && FSpare.format() == look.format
                       ? std::move(FSpare)
                       : QImage(size, look.format);
    FSpare = QImage();
    // Texts take the window's resolution: a point is as many pixels.
    image.setDotsPerMeterX(int(std::lround(look.dpiX / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(look.dpiY / 0.0254)));
    {
        QPainter p(&image);
        p.setFont(look.font);
        p.setPen(look.pen);
        p.setBrush(look.brush);
        p.setBackground(look.background);
        p.setRenderHints(look.hints);
        p.setLayoutDirection(look.direction);
        paint(p);
    }
    FPictures.push_back({position, std::move(image)});
    return FPictures.back().image;
}

void TPlotPictures::Forget() {
    if (!FPictures.empty())
        Spare(std::move(FPictures.back().image));
    FPictures.clear();
}

void TPlotPictures::Drop() {
    FPictures.clear();
    FSpare = QImage();
}

void TPlotPictures::KeepOnly(const std::vector<QPoint>& positions) {
    QImage dropped;
    std::erase_if(FPictures, [&](Picture& p) {
        if (std::find(positions.begin(), positions.end(), p.position) != positions.end())
            return false;
        dropped = std::move(p.image);
        return true;
    });
    Spare(std::move(dropped));
}

// One image is kept aside only while fewer pictures than the places of a
// window are kept: never more images than that.
void TPlotPictures::Spare(QImage image) {
    if (FSpare.isNull() && int(FPictures.size()) < MaxImages)
        FSpare = std::move(image);
}
