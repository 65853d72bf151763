#pragma once

class QPainter;
class TPaintArea;
class TScale;

// An axis strip beside the plot area. The strips do not scroll: the view
// hands them the visible range on every paint. Each paint fills the strip,
// changes only the size of the canvas's font and gives font and brush back.
class TAxis {
public:
    TAxis(TPaintArea* area, TScale* scale);

    // Has the strip repainted at once.
    void Repaint();

    TPaintArea* area;
    TScale* scale;
};

// The time strip above the plot area: day labels at 14 points, hour labels
// at 12, minute labels at 10, each just left of its grid line.
class TAxisX : public TAxis {
public:
    using TAxis::TAxis;
    // Labels for minute slots first .. first + count - 1 of a month of
    // daysInMonth days (its two overflow days count as days 1 and 2).
    void Draw(QPainter& p, int first, int count, int daysInMonth);
};

// The value strip left of the plot area: the numbers of the 50-unit
// divisions, centred on their grid lines.
class TAxisY : public TAxis {
public:
    using TAxis::TAxis;
    // Labels for the value units bottom .. bottom + span.
    void Draw(QPainter& p, int bottom, int span);
};
