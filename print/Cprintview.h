#pragma once

#include <cstdint>

struct MonthDisplay;

// What the print of a window's current view covers: the screen diagram
// turned by a quarter turn, time down the page. A step of stepMinutes
// minutes moves stepRows rows (screen columns) down.
struct TViewSpan {
    uint32_t firstMinute = 0; // the window's first visible minute
    uint32_t endMinute = 0;   // the visible span, never beyond the minutes shown
    uint32_t stepMinutes = 1;
    int32_t stepRows = 1;
    // The traces start one step above the view, so that a trace enters the
    // diagram from its top edge.
    uint32_t walkStart = 0;
    int32_t walkRow = 0;
};

// The span of what a window shows; false when it shows nothing: a scroll
// area without size (minimised, or shrunk to its strips) or without zoom.
bool ViewSpanOf(const MonthDisplay& display, TViewSpan& span);
