#include "view/Uplotwidgets.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

TPaintStrip::TPaintStrip(QWidget* parent) : QWidget(parent) {}

void TPaintStrip::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setClipRegion(event->region());
    if (onPaint)
        onPaint(p);
}

TPlotScrollArea::TPlotScrollArea(QWidget* parent) : QAbstractScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
}

int TPlotScrollArea::HorzPosition() const {
    return FPaintAt ? FPaintAt->x() : horizontalScrollBar()->value();
}

int TPlotScrollArea::VertPosition() const {
    return FPaintAt ? FPaintAt->y() : verticalScrollBar()->value();
}

void TPlotScrollArea::SetHorzRange(int range) {
    FHorzRange = range;
    UpdateBars();
}

void TPlotScrollArea::SetHorzLineStep(int step) {
    horizontalScrollBar()->setSingleStep(step);
}

void TPlotScrollArea::SetHorzVisible(bool visible) {
    FHorzVisible = visible;
    setHorizontalScrollBarPolicy(visible ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    UpdateBars();
}

void TPlotScrollArea::SetVertRange(int range) {
    FVertRange = range;
    UpdateBars();
}

void TPlotScrollArea::SetVertLineStep(int step) {
    verticalScrollBar()->setSingleStep(step);
}

int TPlotScrollArea::ClientWidth() const {
    return viewport()->width();
}

int TPlotScrollArea::ClientHeight() const {
    return viewport()->height();
}

void TPlotScrollArea::SetHorzPosition(int pos) {
    horizontalScrollBar()->setValue(pos);
}

void TPlotScrollArea::SetVertPosition(int pos) {
    verticalScrollBar()->setValue(pos);
}

QPoint TPlotScrollArea::ToPlot(QPoint viewportPos) const {
    return viewportPos + QPoint(HorzPosition(), VertPosition());
}

void TPlotScrollArea::UpdateBars() {
    const QSize client = viewport()->size();
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, FHorzVisible ? std::max(FHorzRange - client.width(), 0) : 0);
    h->setPageStep(std::max(client.width(), 1));
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(FVertRange - client.height(), 0));
    v->setPageStep(std::max(client.height(), 1));
}

void TPlotScrollArea::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    p.setClipRegion(event->region());
    if (onPaint)
        onPaint(p, event->rect());
}

void TPlotScrollArea::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateBars();
    if (onResize)
        onResize();
}

void TPlotScrollArea::mousePressEvent(QMouseEvent* event) {
    if (onMouseDown)
        onMouseDown(event->button(), ToPlot(event->position().toPoint()));
}

void TPlotScrollArea::mouseMoveEvent(QMouseEvent* event) {
    if (onMouseMove)
        onMouseMove(ToPlot(event->position().toPoint()));
}

void TPlotScrollArea::mouseReleaseEvent(QMouseEvent* event) {
    if (onMouseUp)
        onMouseUp(event->button(), ToPlot(event->position().toPoint()));
}

void TPlotScrollArea::scrollContentsBy(int dx, int dy) {
    viewport()->update();
    if (onScroll) {
        if (dx != 0)
            onScroll(Qt::Horizontal);
        if (dy != 0)
            onScroll(Qt::Vertical);
    }
}

void TPlotScrollArea::wheelEvent(QWheelEvent* event) {
    if (onWheel && onWheel(event->angleDelta(), event->modifiers(), event->position().toPoint())) {
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}
