#include "view/Cscale.h"

#include "files/Cmonthdocument.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int32_t Base = 3000;
// The value band a window fits to its height.
constexpr int32_t FitBandUnits = 300;

struct Ratio {
    int32_t other; // minutes or value units
    int32_t pixels;
    uint32_t units; // what the document keeps
};

Ratio RatioOf(int n) {
    if (n > 0)
        return {Base, Base * n, uint32_t(Base * n)};
    if (n < 0)
        return {Base * -n, Base, uint32_t(Base / -n)};
    return {Base, Base, Base};
}

int FactorOf(int32_t other, int32_t pixels) {
    if (other == pixels || other == 0 || pixels == 0)
        return 1;
    if (pixels > other)
        return pixels / other;
    return -(other / pixels);
}

// A division of `level` minutes is shown when it is wider than 25 pixels.
uint32_t Shown(uint32_t units, int level) {
    return (int64_t(units) * level / Base) >= 26 ? 1 : 0;
}

} // namespace

int32_t MulDivTrunc(int64_t a, int64_t b, int64_t c) {
    if (c == 0)
        return 0;
    return static_cast<int32_t>(a * b / c);
}

int StepTimeZoom(int current, int steps) {
    static constexpr int Factors[] = {-20, -10, -5, -4, -3, -2, 1, 2, 3, 4, 5, 10};
    constexpr int n = int(std::size(Factors));
    if (current == 0 || current == -1)
        current = 1;
    // The index of the current factor, or of the gap it lies in.
    int i = 0;
    while (i < n && Factors[i] < current)
        ++i;
    const bool exact = i < n && Factors[i] == current;
    int target = i;
    if (steps > 0)
        target = (exact ? i : i - 1) + steps;
    else if (steps < 0)
        target = i + steps;
    return Factors[std::clamp(target, 0, n - 1)];
}

TScale::TScale(MonthDocument* document) : document(document) {}

void TScale::SetTimeZoom(int n) {
    const Ratio r = RatioOf(std::clamp(n, MinTimeZoom, MaxTimeZoom));
    timeMinutes = r.other;
    timePixels = r.pixels;
    document->display.timeZoomUnits = r.units;
    ComputeTimeSteps();
    UpdatePixelWidth();
}

void TScale::SetValueZoom(int n) {
    FValueZoom = std::clamp(n, MinValueZoom, MaxValueZoom);
    const Ratio r = RatioOf(FValueZoom);
    valueUnits = r.other;
    valuePixels = r.pixels;
    document->display.valueZoomUnits = int32_t(r.units);
    if (fitHeight > 0) {
        // The band of 300 units fills fitHeight pixels at zoom 1.
        valueUnits = FitBandUnits;
        valuePixels = FValueZoom * fitHeight;
        // The print of the current view draws what the window shows: the
        // pixels of a value unit, in thousandths of the base.
        document->display.valueZoomUnits = int32_t(int64_t(Base) * valuePixels / FitBandUnits);
    }
    valueStep = 50;
    UpdatePixelHeight();
}

void TScale::SetExtent(int minutes, int values) {
    minuteCount = minutes;
    valueCount = values;
    UpdatePixelWidth();
    UpdatePixelHeight();
}

void TScale::ComputeTimeSteps() {
    MonthDisplay& d = document->display;
    const uint32_t u = d.timeZoomUnits;
    dayLines = d.showDayLines = Shown(u, 1440);
    hourLines = d.showHourLines = Shown(u, 60);
    quarterLines = d.showQuarterLines = Shown(u, 15);
    fiveMinuteLines = d.showFiveMinuteLines = Shown(u, 5);
    if (fiveMinuteLines)
        timeStep = 5;
    else if (quarterLines)
        timeStep = 15;
    else if (hourLines)
        timeStep = 60;
    else
        timeStep = 1440;
}

int TScale::TimeZoomFactor() const {
    return FactorOf(timeMinutes, timePixels);
}

int TScale::ValueZoomFactor() const {
    return FValueZoom;
}

void TScale::SetFitHeight(int pixels) {
    fitHeight = std::max(pixels, 0);
    SetValueZoom(FValueZoom);
}

int TScale::PixelToMinute(int px) const {
    return MulDivTrunc(px, timeMinutes, timePixels);
}

int TScale::MinutesToPixels(int minutes) const {
    return MulDivTrunc(minutes, timePixels, timeMinutes);
}

int TScale::ValuesToPixels(int values) const {
    return MulDivTrunc(values, valuePixels, valueUnits);
}

int TScale::PixelsToValues(int px) const {
    return MulDivTrunc(px, valueUnits, valuePixels);
}

void TScale::UpdatePixelWidth() {
    pixelWidth = MinutesToPixels(minuteCount);
}

void TScale::UpdatePixelHeight() {
    pixelHeight = ValuesToPixels(valueCount);
}
