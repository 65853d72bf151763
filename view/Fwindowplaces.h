#pragma once

#include <QList>
#include <QRect>

// Where Cascade puts n windows inside area: each at least two thirds of the
// area in both directions, each one step further right and down than the
// one before; when the steps would leave the area they start again at its
// top-left corner.
QList<QRect> CascadePlaces(const QRect& area, int n, int step);
