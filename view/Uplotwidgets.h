#pragma once

#include "view/Cpaintarea.h"

#include <QAbstractScrollArea>
#include <QWidget>

#include <functional>
#include <optional>

class QPainter;

// A strip that hands its paint to a callback (the axis strips px and py).
class TPaintStrip : public QWidget {
    Q_OBJECT
public:
    explicit TPaintStrip(QWidget* parent = nullptr);
    std::function<void(QPainter&)> onPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A widget seen as a paint area of the drawing classes.
class TWidgetArea : public TPaintArea {
public:
    explicit TWidgetArea(QWidget* widget) : FWidget(widget) {}
    int Width() const override { return FWidget->width(); }
    int Height() const override { return FWidget->height(); }
    void Repaint() override { FWidget->repaint(); }
    void SetOpaque() override { FWidget->setAttribute(Qt::WA_OpaquePaintEvent); }

private:
    QWidget* FWidget;
};

// The scroll area sb around the plot area pw. Its scroll bars carry the
// view's ranges (the plot's size in pixels) and line steps; the plot area
// itself is only the visible viewport, painted with the scroll offsets, so
// no widget is ever as wide as a month.
class TPlotScrollArea : public QAbstractScrollArea, public TScrollArea {
    Q_OBJECT
public:
    explicit TPlotScrollArea(QWidget* parent = nullptr);

    int HorzRange() const override { return FHorzRange; }
    int HorzPosition() const override;
    void SetHorzRange(int range) override;
    void SetHorzLineStep(int step) override;
    void SetHorzVisible(bool visible) override;
    int VertRange() const override { return FVertRange; }
    int VertPosition() const override;
    void SetVertRange(int range) override;
    void SetVertLineStep(int step) override;
    int FullWidth() const override { return width(); }
    int FullHeight() const override { return height(); }
    int ClientWidth() const override;
    int ClientHeight() const override;

    void SetHorzPosition(int pos);
    void SetVertPosition(int pos);

    // Plot-area coordinates of a viewport point.
    QPoint ToPlot(QPoint viewportPos) const;

    // While a picture of another place is painted the area tells that
    // place as its positions; the scroll bars do not move.
    void PaintAt(std::optional<QPoint> place) { FPaintAt = place; }

    // The plot area's events, in plot-area coordinates for the mouse.
    std::function<void(QPainter&, const QRect& exposed)> onPaint;
    std::function<void(Qt::MouseButton, QPoint)> onMouseDown;
    std::function<void(QPoint)> onMouseMove;
    std::function<void(Qt::MouseButton, QPoint)> onMouseUp;
    std::function<void(Qt::Orientation)> onScroll;
    std::function<void()> onResize;
    // A wheel turn (angle, modifiers, viewport position); true when taken,
    // otherwise the area scrolls as usual.
    std::function<bool(QPoint, Qt::KeyboardModifiers, QPoint)> onWheel;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    std::optional<QPoint> FPaintAt;
    void UpdateBars();

    int FHorzRange = 0;
    int FVertRange = 0;
    bool FHorzVisible = true;
};
