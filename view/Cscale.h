#pragma once

#include <cstdint>

struct MonthDocument;

// Converts between minute slots and pixels and between value units and
// pixels for one diagram window. Every ratio is two integers on a base of
// 3000, so magnification and compression are both exact: one minute per
// pixel is 3000:3000, ten pixels per minute 3000:30000, twenty minutes per
// pixel 60000:3000. The zooms and the chosen time divisions are written into
// the document too, because the print of the current view reads them there.
class TScale {
public:
    // The zoom factors the View menu offers reach from here to there.
    static constexpr int MinTimeZoom = -20;
    static constexpr int MaxTimeZoom = 10;
    static constexpr int MinValueZoom = 1;
    static constexpr int MaxValueZoom = 20;

    explicit TScale(MonthDocument* document);

    // A factor n > 0 magnifies n:1, n < 0 compresses 1:|n|, 0 acts as 1.
    // Factors outside the menu's range (only a hand-edited INI file has
    // them) are brought into it, so no product can leave 32 bits.
    void SetTimeZoom(int n);
    void SetValueZoom(int n);
    // A window fits the value band to its height: at value zoom n the band
    // is n times pixels high (0: one pixel per value unit times n, as the
    // drawings without a window have it). The document keeps the zoom.
    void SetFitHeight(int pixels);
    void SetExtent(int minutes, int values);
    // Which time divisions are wider than 25 pixels, and the finest of them.
    void ComputeTimeSteps();

    int TimeZoomFactor() const;
    int ValueZoomFactor() const;
    int PixelToMinute(int px) const;

    // The conversions, multiplication first, truncating.
    int MinutesToPixels(int minutes) const;
    int ValuesToPixels(int values) const;
    int PixelsToValues(int px) const;

    int32_t minuteCount = 0;
    int32_t valueCount = 0;
    int32_t pixelWidth = 0;
    int32_t pixelHeight = 0;
    int32_t timeMinutes = 0;
    int32_t valueUnits = 0;
    int32_t timePixels = 0;
    int32_t valuePixels = 0;
    int32_t timeStep = 0;
    uint32_t valueStep = 0;
    uint32_t dayLines = 0;
    uint32_t hourLines = 0;
    uint32_t quarterLines = 0;
    uint32_t fiveMinuteLines = 0;
    int32_t fitHeight = 0;
    MonthDocument* document;

private:
    void UpdatePixelWidth();
    int32_t FValueZoom = 1;
    void UpdatePixelHeight();
};

// The time zoom `steps` menu steps finer (positive) or coarser (negative)
// than `current`, among the View menu's factors -20 .. 10; stops at the ends.
// A factor between two menu steps moves to the next one in that direction.
int StepTimeZoom(int current, int steps);

// a x b / c in 64 bits, truncated toward zero, 0 for c = 0 (a scale before
// its first zoom).
int32_t MulDivTrunc(int64_t a, int64_t b, int64_t c);
