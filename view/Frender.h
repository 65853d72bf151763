#pragma once

#include "config/Fchannel.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

struct TEnv;

// What to render of a month file: the zooms as the View menu knows them,
// the client area of the window, the first visible minute slot, the shown
// channels (none given: the channels in use, as a window opens), the marks
// and the background choice (1 white, 2 grey).
struct TRenderRequest {
    QString path;
    int timeZoom = 1;
    int sizeZoom = 1;
    int width = 1000;
    int height = 600;
    int firstSlot = 0;
    std::optional<std::array<bool, ChannelCount>> channels;
    uint16_t markStart = 0xFFFF;
    uint16_t markEnd = 0xFFFF;
    int background = 1;
};

// Width of the scroll bars in a rendered picture.
constexpr int RenderScrollBarExtent = 16;

// Paints what a month-file window with that client area shows: the time
// strip above, the value strip on the left and the plot area with its scroll
// bars, scrolled so that its first visible slot is firstSlot as far as the
// scroll range allows. The same view, axes and plotter as the window draw
// it. False, after the validation's message through env.messages, when the
// file is not a valid data file or cannot be loaded; the image is then null.
bool RenderMonthFile(const TEnv& env, const TRenderRequest& request, QImage& image);
