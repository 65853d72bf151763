#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <cstdint>
#include <vector>

class QPainter;

// The curves of a compressed zoom as one picture: the vertical spans of all
// channels written straight into an image the size of the painted area,
// kept between paints. A paint hands in every span again, in drawing order;
// only the columns whose spans changed are cleared and written anew, so a
// repaint of the same picture writes nothing, a scroll moves the image and
// writes the columns that came into view, and a new minute writes its
// column. Spans are opaque: a pixel shows the last span that covers it,
// exactly as filling the same rectangles one after the other would.
class TSpanImage {
public:
    // Starts a paint of an area of the given size whose top-left pixel
    // shows plot position origin. A changed size or height position starts
    // a blank picture; a horizontal move keeps the columns still in view.
    // A plotter whose columns count from a moving first minute names the
    // column of that minute (shift): the picture moves with it.
    // A key other than 0 names everything the spans were made of: a later
    // paint with the same key and place shows the picture without handing
    // in the spans again.
    void Begin(QSize size, QPoint origin, int shift = 0, uint64_t key = 0);
    // Draws the picture as the last paint left it when it was made with
    // that key for that place; false otherwise.
    bool Reshow(QPainter& p, QSize size, QPoint origin, int shift, uint64_t key);
    // A span in plot coordinates, after those it covers.
    void Add(const QRect& span, QRgb colour);
    // Writes what changed and draws the picture with its top-left at the
    // painter's plot position origin.
    void Finish(QPainter& p);

    // A picture the caller paints whole (the curves of the finer zooms,
    // drawn as polylines), blank and placed as Begin places one; it is kept
    // under the key and shown again by Reshow, never moved.
    QImage& BeginPainted(QSize size, QPoint origin, uint64_t key);
    void FinishPainted(QPainter& p);
    // True when the paint before had the same key; remembers this one.
    // A picture pays only when a view is painted again unchanged: a scroll
    // draws straight onto the device, a second paint of the same view
    // keeps its picture.
    bool Repeats(uint64_t key);

    const QImage& Image() const { return FImage; }
    // Columns written by the last paint.
    int ColumnsWritten() const { return FWritten; }

private:
    struct Span {
        QRect rect;
        QRgb colour;
    };
    void Show(QPainter& p) const;
    void Move(int dx);
    std::vector<uint64_t> Fingerprints() const;
    void Clear(int from, int to);
    void Fill(const Span& s, int from, int to);

    QImage FImage;
    // The top-left pixel's position, its column counted from the shift.
    QPoint FOrigin;
    int FShift = 0;
    // What each column shows, as a fingerprint of its spans.
    std::vector<uint64_t> FColumns;
    std::vector<Span> FSpans;
    int FWritten = 0;
    uint64_t FKey = 0;
    uint64_t FNextKey = 0;
    uint64_t FLastAsked = 0;
};
