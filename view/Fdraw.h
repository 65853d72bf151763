#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

class QPainter;
class QTransform;

// Writes text with the top-left corner of its line at (x, y), as the
// platform's text output does; QPainter itself places the baseline.
void TextOutTopLeft(QPainter& p, int x, int y, const QString& text);

// True when the transformation only moves, by whole pixels.
bool MovesByWholePixels(const QTransform& t);
// True when the painter puts its device's pixels onto a raster one for one,
// moved by whole pixels, and draws opaque colours as they are: a picture
// painted for it and copied on shows the very pixels painting would.
bool PaintsWholeRasterPixels(const QPainter& p);

// Sets the size of the canvas's font in points, keeping everything else.
void SetFontPointSize(QPainter& p, int points);

// The screen colour of a channel's colour choice, from the colour table
// (its default entries when the table has not been built).
QColor ChannelColour(int colourChoice);

// The colour of the grid lines: grey on the white background (choice 1),
// otherwise the canvas's own pen colour.
bool GridIsGrey(int backgroundChoice);
inline const QColor GridGrey(128, 128, 128);
inline const QColor AxisCream(255, 251, 240);
