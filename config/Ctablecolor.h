#pragma once

#include <QColor>

#include <array>
#include <cstdint>

// The 14 channel colours, as 0x00BBGGRR values. On screen a channel takes
// the entry of its colour choice, on paper the entry of its print colour
// modulo 7.
class TTableColor {
public:
    static constexpr int Count = 14;

    TTableColor();

    // The colour of an entry 0..13. A hand-edited channel text can hold a
    // colour choice up to 99: such a channel is drawn in black (entry 0).
    uint32_t Color(int index) const;
    // The colour of a channel on paper: the entry of its print colour modulo 7.
    uint32_t PrintColor(int printColour) const { return Color(printColour % 7); }

private:
    std::array<uint32_t, Count> FColors;
};

extern TTableColor* Colors;

// A 0x00BBGGRR value as the colour to draw with.
QColor ColourToQColor(uint32_t bgr);
// The same, under the shorter name some drawing code uses.
inline QColor ToQColor(uint32_t bgr) {
    return ColourToQColor(bgr);
}
