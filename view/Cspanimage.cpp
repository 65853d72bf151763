#include "view/Cspanimage.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace {

// The fingerprint of a column without spans.
constexpr uint64_t EmptyColumn = 0x9E3779B97F4A7C15ull;
// The fingerprint of a column of a painted picture: no spans match it, so
// the next paint of spans writes every column.
constexpr uint64_t PaintedColumn = 0x6A09E667F3BCC909ull;

uint64_t Mix(uint64_t h, uint64_t v) {
    h = (h ^ v) * 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 31);
}

// A span's part of its columns' fingerprints: its rows and its colour.
uint64_t Mix(uint64_t h, const QRect& r, QRgb colour) {
    const uint64_t rows = uint64_t(uint32_t(r.top())) << 32 | uint32_t(r.bottom());
    return Mix(Mix(h, rows), colour);
}

} // namespace

bool TSpanImage::Reshow(QPainter& p, QSize size, QPoint origin, int shift, uint64_t key) {
    if (key == 0 || key != FKey || FImage.size() != size || FShift != shift ||
        FOrigin != origin + QPoint(shift, 0))
        return false;
    FWritten = 0;
    Show(p);
    return true;
}

void TSpanImage::Show(QPainter& p) const {
    if (!FImage.isNull())
        p.drawImage(FOrigin - QPoint(FShift, 0), FImage);
}

void TSpanImage::Begin(QSize size, QPoint origin, int shift, uint64_t key) {
    FSpans.clear();
    FShift = shift;
    FNextKey = key;
    origin.rx() += shift;
    FWritten = 0;
    if (FImage.size() != size || FOrigin.y() != origin.y()) {
        FImage = QImage(size, QImage::Format_ARGB32_Premultiplied);
        FImage.fill(0);
        FColumns.assign(size_t(std::max(size.width(), 0)), EmptyColumn);
    } else if (FOrigin.x() != origin.x()) {
        Move(origin.x() - FOrigin.x());
    }
    FOrigin = origin;
}

QImage& TSpanImage::BeginPainted(QSize size, QPoint origin, uint64_t key) {
    FSpans.clear();
    FShift = 0;
    FNextKey = key;
    FWritten = size.width();
    if (FImage.size() != size)
        FImage = QImage(size, QImage::Format_ARGB32_Premultiplied);
    FImage.fill(0);
    FColumns.assign(size_t(std::max(size.width(), 0)), PaintedColumn);
    FOrigin = origin;
    return FImage;
}

void TSpanImage::FinishPainted(QPainter& p) {
    FKey = FNextKey;
    Show(p);
}

bool TSpanImage::Repeats(uint64_t key) {
    const bool again = key != 0 && key == FLastAsked;
    FLastAsked = key;
    return again;
}

void TSpanImage::Add(const QRect& span, QRgb colour) {
    FSpans.push_back({span.translated(FShift, 0), qPremultiply(colour)});
}

// The picture moves by dx columns to the left (right when negative); the
// columns that come into view are blank.
void TSpanImage::Move(int dx) {
    const int w = FImage.width();
    const int keep = std::max(w - std::abs(dx), 0);
    if (keep == 0) {
        FImage.fill(0);
        FColumns.assign(FColumns.size(), EmptyColumn);
        return;
    }
    const int from = dx > 0 ? dx : 0;
    const int to = dx > 0 ? 0 : -dx;
    for (int y = 0; y < FImage.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(FImage.scanLine(y));
        std::memmove(line + to, line + from, size_t(keep) * sizeof(QRgb));
    }
    std::memmove(FColumns.data() + to, FColumns.data() + from, size_t(keep) * sizeof(uint64_t));
    const int blank = dx > 0 ? keep : 0;
    Clear(blank, blank + w - keep);
    std::fill(FColumns.begin() + blank, FColumns.begin() + blank + (w - keep), EmptyColumn);
}

std::vector<uint64_t> TSpanImage::Fingerprints() const {
    const int w = FImage.width();
    std::vector<uint64_t> out(size_t(w), EmptyColumn);
    for (const Span& s : FSpans) {
        const int from = std::max(s.rect.left() - FOrigin.x(), 0);
        const int to = std::min(s.rect.right() - FOrigin.x() + 1, w);
        for (int x = from; x < to; ++x)
            out[size_t(x)] = Mix(out[size_t(x)], s.rect, s.colour);
    }
    return out;
}

void TSpanImage::Clear(int from, int to) {
    for (int y = 0; y < FImage.height() && from < to; ++y) {
        auto* line = reinterpret_cast<QRgb*>(FImage.scanLine(y));
        std::fill(line + from, line + to, QRgb(0));
    }
}

// Writes the span's pixels in image columns from .. to - 1: a strided fill
// down the rows of a one-column span.
void TSpanImage::Fill(const Span& s, int from, int to) {
    const int top = std::max(s.rect.top() - FOrigin.y(), 0);
    const int bottom = std::min(s.rect.bottom() - FOrigin.y(), FImage.height() - 1);
    if (top > bottom || from >= to)
        return;
    uchar* bits = FImage.bits();
    const qsizetype stride = FImage.bytesPerLine();
    for (int y = top; y <= bottom; ++y) {
        auto* line = reinterpret_cast<QRgb*>(bits + y * stride);
        std::fill(line + from, line + to, s.colour);
    }
}

void TSpanImage::Finish(QPainter& p) {
    const std::vector<uint64_t> now = Fingerprints();
    const int w = FImage.width();
    std::vector<uint8_t> changed(size_t(w), 0);
    for (int x = 0; x < w; ++x) {
        changed[size_t(x)] = now[size_t(x)] != FColumns[size_t(x)];
        FWritten += changed[size_t(x)];
    }
    if (FWritten == w) {
        FImage.fill(0);
    } else {
        for (int x = 0; x < w;) {
            const int from = x;
            while (x < w && changed[size_t(x)])
                ++x;
            Clear(from, x);
            ++x;
        }
    }
    for (const Span& s : FSpans) {
        const int left = std::max(s.rect.left() - FOrigin.x(), 0);
        const int right = std::min(s.rect.right() - FOrigin.x() + 1, w);
        for (int x = left; x < right;) {
            const int from = x;
            while (x < right && changed[size_t(x)])
                ++x;
            Fill(s, from, x);
            ++x;
        }
    }
    FColumns = now;
    FSpans.clear();
    FKey = FNextKey;
    Show(p);
}
