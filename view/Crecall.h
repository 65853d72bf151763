#pragma once

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPen>

// Keep a canvas's pen, font or brush and put it back when the scope ends,
// early returns included.

class TPenRecall {
public:
    explicit TPenRecall(QPainter& p) : FPainter(p), FPen(p.pen()) {}
    ~TPenRecall() { FPainter.setPen(FPen); }
    TPenRecall(const TPenRecall&) = delete;
    TPenRecall& operator=(const TPenRecall&) = delete;

private:
    QPainter& FPainter;
    QPen FPen;
};

class TFontRecall {
public:
    explicit TFontRecall(QPainter& p) : FPainter(p), FFont(p.font()) {}
    ~TFontRecall() { FPainter.setFont(FFont); }
    TFontRecall(const TFontRecall&) = delete;
    TFontRecall& operator=(const TFontRecall&) = delete;

private:
    QPainter& FPainter;
    QFont FFont;
};

class TBrushRecall {
public:
    explicit TBrushRecall(QPainter& p) : FPainter(p), FBrush(p.brush()) {}
    ~TBrushRecall() { FPainter.setBrush(FBrush); }
    TBrushRecall(const TBrushRecall&) = delete;
    TBrushRecall& operator=(const TBrushRecall&) = delete;

private:
    QPainter& FPainter;
    QBrush FBrush;
};
