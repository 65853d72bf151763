#include "view/Caxis.h"

#include "view/Cpaintarea.h"
#include "view/Crecall.h"
#include "view/Cscale.h"
#include "view/Fdraw.h"
#include "view/Ftimesteps.h"

#include <QPainter>

TAxis::TAxis(TPaintArea* area, TScale* scale) : area(area), scale(scale) {
    area->SetOpaque();
}

void TAxis::Repaint() {
    area->Repaint();
}

namespace {

void FillCream(QPainter& p, const TPaintArea& area) {
    p.setBrush(AxisCream);
    p.fillRect(0, 0, area.Width(), area.Height(), AxisCream);
}

int LabelPoints(TTimeLevel level) {
    switch (level) {
    case TTimeLevel::Day:
        return 14;
    case TTimeLevel::Hour:
        return 12;
    default:
        return 10;
    }
}

} // namespace

void TAxisX::Draw(QPainter& p, int first, int count, int daysInMonth) {
    const TFontRecall fontRecall(p);
    const TBrushRecall brushRecall(p);
    FillCream(p, *area);

    TTimeWalk walk(*scale, first, daysInMonth);
    if (walk.level == TTimeLevel::None)
        return;
    const int tm = scale->timeMinutes;
    const int tp = scale->timePixels;
    float x = float(MulDivTrunc(walk.offset, tp, tm) + 15);
    const float dx = float(MulDivTrunc(walk.step, tp, tm));
    const int end = first + count;
    while (walk.minute < end) {
        QString text;
        switch (walk.level) {
        case TTimeLevel::Day:
            text = QString::number(walk.day) + '.';
            break;
        case TTimeLevel::Hour:
            text = QString::number(walk.hour);
            break;
        default:
            text = QString::number(walk.minuteOfHour);
            break;
        }
        SetFontPointSize(p, LabelPoints(walk.level));
        TextOutTopLeft(p, int(x), 10, text);
        walk.Advance();
        x += dx;
    }
}

void TAxisY::Draw(QPainter& p, int bottom, int span) {
    const TFontRecall fontRecall(p);
    const TBrushRecall brushRecall(p);
    FillCream(p, *area);
    SetFontPointSize(p, 10);

    const int vu = scale->valueUnits;
    const int vp = scale->valuePixels;
    const int step = int(scale->valueStep ? scale->valueStep : 50);
    const int c = bottom % step; // keeps the sign of bottom
    const int off = c == 0 ? 0 : step - c;
    float y = float(MulDivTrunc(off, vp, vu) + 8);
    const float dy = float(MulDivTrunc(step, vp, vu));
    int v = bottom + off;
    int label = v / step;
    const int height = area->Height();
    while (v <= bottom + span) {
        TextOutTopLeft(p, 5, int(float(height) - y), QString::number(label));
        ++label;
        v += step;
        y += dy;
    }
}
