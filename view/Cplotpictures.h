#pragma once

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>
#include <vector>

// How a painter on a window paints, as far as a picture painted for it must
// repeat it: the pixel format of the raster behind it, its resolution and
// the painter's initial pen, brush, font and hints.
struct TPictureLook {
    QImage::Format format = QImage::Format_RGB32;
    int dpiX = 96;
    int dpiY = 96;
    QFont font;
    QPen pen;
    QBrush brush;
    QBrush background;
    QPainter::RenderHints hints;
    Qt::LayoutDirection direction = Qt::LeftToRight;

    // The look of a painter whose picture, copied onto its device, shows
    // the very pixels painting there would: a raster image behind it, one
    // pixel per point, moved by whole pixels only, opaque. None otherwise.
    static std::optional<TPictureLook> Of(const QPainter& p);
};

// Finished pictures of a plot area at a few scroll positions: the one in
// view and the pages either side of it. A page scroll to one of them shows
// it with one copy instead of walking and drawing every curve again. They
// stay only while nothing they show changes: any change forgets them all.
class TPlotPictures {
public:
    // The picture of that position and size, or none.
    const QImage* Find(QPoint position, QSize size) const;
    // Paints a picture with paint, starting from the look, and keeps it.
    const QImage& Make(QPoint position, QSize size, const TPictureLook& look,
                       const std::function<void(QPainter&)>& paint);
    // The position in view and a page either side.
    static constexpr int MaxImages = 3;

    // What is shown changed: every picture is forgotten.
    void Forget();
    // Forgets the pictures and lets their memory go.
    void Drop();
    // Keeps only the pictures at these positions.
    void KeepOnly(const std::vector<QPoint>& positions);
    int Count() const { return int(FPictures.size()); }

private:
    struct Picture {
        QPoint position;
        QImage image;
    };
    // Puts a picture's image aside for the next one.
    void Spare(QImage image);

    std::vector<Picture> FPictures;
    // The image of one forgotten picture: a new picture of its size paints
    // on it, as a freshly allocated one costs a page fault per 4 KB.
    QImage FSpare;
};
