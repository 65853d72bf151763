#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

// What a paint produced, in device coordinates: lines and polylines with
// their pens, texts with their baseline positions and fonts, filled rects.
struct TRecording {
    struct Line {
        QPoint from;
        QPoint to;
        QPen pen;
    };
    struct Polyline {
        QList<QPoint> points;
        QPen pen;
    };
    struct Text {
        QString text;
        QPoint baseline;
        QFont font;
        QColor colour;
    };
    struct Fill {
        QRect rect;
        QColor colour;
    };

    QList<Line> lines;
    QList<Polyline> polylines;
    QList<Text> texts;
    QList<Fill> fills;

    void Clear() { *this = TRecording(); }
    QStringList TextStrings() const;
};

// A paint device of a given size (96 dpi) whose engine records instead of
// painting.
class TRecordingDevice : public QPaintDevice {
public:
    TRecordingDevice(int width, int height);
    ~TRecordingDevice() override;

    QPaintEngine* paintEngine() const override;
    TRecording& Recording() { return FRecording; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    int FWidth;
    int FHeight;
    TRecording FRecording;
    std::unique_ptr<QPaintEngine> FEngine;
};
