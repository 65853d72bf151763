#pragma once

#include <QFont>
#include <QLine>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <QRegion>
#include <QString>
#include <QTransform>

#include <memory>
#include <vector>

// A page kept in memory until it is complete and then drawn onto its
// printer at once, so that a page abandoned half-way never reaches the
// printer (the platform's print jobs cannot be called back once begun).
// It has the metrics of the printer it stands for, so that fonts and text
// measure as they will print.
class TPageBuffer : public QPaintDevice {
public:
    explicit TPageBuffer(const QPaintDevice& target);
    ~TPageBuffer() override;

    QPaintEngine* paintEngine() const override;
    // Draws everything painted so far onto p, in the same order.
    void Replay(QPainter& p) const;

    // One drawing step with the state it was drawn in.
    struct Step {
        enum Kind { Lines, Polyline, Text, Path } kind = Lines;
        QPen pen;
        QBrush brush;
        QTransform transform; // a page fitted to the paper is drawn scaled

        bool clipped = false;
        QRegion clip;
        QList<QLineF> lines;
        QPolygonF points;
        QPointF at;
        QFont font;
        QString text;
        QPainterPath path;
    };
    std::vector<Step> steps;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    std::vector<int> FMetrics;
    std::unique_ptr<QPaintEngine> FEngine;
};
