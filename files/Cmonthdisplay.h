#pragma once

#include "config/Fchannel.h"

#include <array>
#include <cstdint>

// The display part of a month document: what the diagram window, its view,
// the channel value window and the print of the current view share about how
// the month is shown. It lives in the document because those readers have the
// document but not the view.
struct MonthDisplay {
    static constexpr uint16_t NoMark = 0xFFFF;

    int16_t viewWidth = 0; // client size of the scroll area
    int16_t viewHeight = 0;
    uint16_t minutesShown = 0;     // copy of the header's end slot
    uint16_t printStartMinute = 0; // first visible slot when printing the view
    uint32_t timeZoomUnits = 0;    // 3000 x pixels per minute
    uint32_t showDayLines = 0;
    uint32_t showHourLines = 0;
    uint32_t showQuarterLines = 0;
    uint32_t showFiveMinuteLines = 0;
    int16_t valueOrigin = 0;
    int32_t valueZoomUnits = 0; // 3000 x value zoom
    std::array<uint32_t, ChannelCount> channelVisible{};
    uint16_t markStart = NoMark;
    uint16_t markEnd = NoMark;

    bool HasStart() const { return markStart != NoMark; }
    bool HasEnd() const { return markEnd != NoMark; }
    bool BothMarks() const { return HasStart() && HasEnd(); }
    bool AnyMark() const { return HasStart() || HasEnd(); }
    void ClearMarks() { markStart = markEnd = NoMark; }

    // A click on slot m: a click on a mark removes it, otherwise the free
    // mark or, with both set, the nearer one takes m (the start at equal
    // distance); the start always stays the earlier slot.
    void ToggleMark(uint16_t m);
};
