#include "view/Fdraw.h"

#include "config/Ctablecolor.h"

#include <QFontMetrics>
#include <QPainter>

void TextOutTopLeft(QPainter& p, int x, int y, const QString& text) {
    const QFontMetrics fm(p.font(), p.device());
    p.drawText(QPoint(x, y + fm.ascent()), text);
}

void SetFontPointSize(QPainter& p, int points) {
    QFont f = p.font();
    if (f.pointSize() == points)
        return;
    f.setPointSize(points);
    p.setFont(f);
}

QColor ChannelColour(int colourChoice) {
    if (Colors)
        return ToQColor(Colors->Color(colourChoice));
    static const TTableColor defaults;
    return ToQColor(defaults.Color(colourChoice));
}

bool GridIsGrey(int backgroundChoice) {
    return backgroundChoice == 1;
}
