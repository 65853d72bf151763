#include "view/Fwindowplaces.h"

#include <algorithm>

QList<QRect> CascadePlaces(const QRect& area, int n, int step) {
    QList<QRect> places;
    if (n <= 0 || area.isEmpty())
        return places;
    step = std::max(step, 1);
    const int minWidth = area.width() * 2 / 3;
    const int minHeight = area.height() * 2 / 3;
    const int width = std::max(area.width() - (n - 1) * step, minWidth);
    const int height = std::max(area.height() - (n - 1) * step, minHeight);
    const int fit = 1 + std::min((area.width() - width) / step, (area.height() - height) / step);
    for (int i = 0; i < n; ++i) {
        const int offset = (i % std::max(fit, 1)) * step;
        places.append(QRect(area.left() + offset, area.top() + offset, width, height));
    }
    return places;
}
