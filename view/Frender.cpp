#include "view/Frender.h"

#include "config/Ffont.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "view/Cpaintarea.h"
#include "view/Cviewbase.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int TimeStripHeight = 30;
constexpr int ValueStripWidth = 20;

const QColor BarTrack(240, 240, 240);
const QColor BarThumb(192, 192, 192);

QColor BackgroundOf(int choice) {
    return choice == 2 ? QColor(192, 192, 192) : QColor(Qt::white);
}

// A plain scroll bar: track and a thumb at the position.
void PaintBar(QPainter& p, const QRect& track, int range, int page, int pos, bool horizontal) {
    p.fillRect(track, BarTrack);
    const int length = horizontal ? track.width() : track.height();
    if (range <= 0 || length <= 0)
        return;
    const int thumb = std::max(length * std::min(page, range) / range, 8);
    const int at = range > page ? (length - thumb) * pos / (range - page) : 0;
    if (horizontal)
        p.fillRect(track.left() + at, track.top() + 2, thumb, track.height() - 4, BarThumb);
    else
        p.fillRect(track.left() + 2, track.top() + at, track.width() - 4, thumb, BarThumb);
}

} // namespace

bool RenderMonthFile(const TEnv& env, const TRenderRequest& r, QImage& image) {
    image = QImage();
    const int width = std::max(r.width, ValueStripWidth + 1);
    const int height = std::max(r.height, TimeStripHeight + 1);

    MonthDocument doc;
    doc.display.ClearMarks();
    TScrollModel sb(width - ValueStripWidth, height - TimeStripHeight, RenderScrollBarExtent);
    TViewData view(&doc, &sb);
    TFixedArea timeStrip(width, TimeStripHeight);
    TFixedArea valueStrip(ValueStripWidth, height - TimeStripHeight);
    TScrolledPlotArea plot(&sb);
    view.CreatePlotters(&plot, &timeStrip, &valueStrip);

    TFileData file(&doc, env);
    uint8_t year = 0;
    uint8_t month = 0;
    if (!file.ValidateWithMessage(r.path, year, month) || !file.Open(r.path, year, month) ||
        !file.LoadDays())
        return false;
    view.DataLoaded();
    view.LoadAlarms(env);
    view.timeStripOrigin = ValueStripWidth;
    view.SetTimeZoom(r.timeZoom);
    view.SetValueZoom(r.sizeZoom);
    if (r.channels) {
        for (int ch = 0; ch < ChannelCount; ++ch)
            view.SetChannelVisible(ch, (*r.channels)[ch]);
    }
    doc.display.markStart = r.markStart;
    doc.display.markEnd = r.markEnd;
    if (doc.display.BothMarks() && doc.display.markStart > doc.display.markEnd)
        std::swap(doc.display.markStart, doc.display.markEnd);
    sb.SetHorzPosition(view.scale.MinutesToPixels(std::max(r.firstSlot, 0)));
    doc.display.viewWidth = int16_t(sb.ClientWidth());
    doc.display.viewHeight = int16_t(sb.ClientHeight());
    view.diagram->backgroundChoice = r.background;

    const QColor background = BackgroundOf(r.background);
    image = QImage(width, height, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setFont(NamedFont("MS Sans Serif", 8));
    p.setPen(Qt::black);

    p.save();
    p.setClipRect(0, 0, width, TimeStripHeight);
    view.PaintTimeAxis(p);
    p.restore();

    p.save();
    p.translate(0, TimeStripHeight);
    p.setClipRect(0, 0, ValueStripWidth, valueStrip.height);
    view.PaintValueAxis(p);
    p.restore();

    p.save();
    p.translate(ValueStripWidth, TimeStripHeight);
    p.setClipRect(0, 0, sb.ClientWidth(), sb.ClientHeight());
    p.fillRect(0, 0, sb.ClientWidth(), sb.ClientHeight(), background);
    p.translate(-sb.HorzPosition(), -sb.VertPosition());
    view.Paint(p);
    p.restore();

    const int barX = ValueStripWidth;
    const int barY = TimeStripHeight;
    const int bar = sb.BarExtent();
    if (sb.HorzBarShown())
        PaintBar(p, QRect(barX, barY + sb.ClientHeight(), sb.ClientWidth(), bar), sb.HorzRange(),
                 sb.ClientWidth(), sb.HorzPosition(), true);
    if (sb.VertBarShown())
        PaintBar(p, QRect(barX + sb.ClientWidth(), barY, bar, sb.ClientHeight()), sb.VertRange(),
                 sb.ClientHeight(), sb.VertPosition(), false);
    if (sb.HorzBarShown() && sb.VertBarShown())
        p.fillRect(barX + sb.ClientWidth(), barY + sb.ClientHeight(), bar, bar, BarTrack);
    return true;
}
