#include "config/Ctablecolor.h"

TTableColor* Colors = nullptr;

TTableColor::TTableColor()
    : FColors{0x000000, 0x0000FF, 0xFF0000, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0x00FF00,
              0x808080, 0x000080, 0x800000, 0x808000, 0x008080, 0x800080, 0x008000} {}

uint32_t TTableColor::Color(int index) const {
    if (index < 0 || index >= Count)
        return FColors[0];
    return FColors[index];
}

QColor ColourToQColor(uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
