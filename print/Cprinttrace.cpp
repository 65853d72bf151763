#include "print/Cprinttrace.h"

#include "config/Ctablecolor.h"
#include "config/Fchannel.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptionstate.h"
#include "files/Fmonthfile.h"

#include <QPainter>

namespace {

constexpr int32_t BandStep = 200;
constexpr int32_t BandWidth = 300;

QPen TracePen(uint32_t colour, int state) {
    // Round ends make a trace drawn in pieces look like one polyline.
    if (state == ExceptionNoteOnly)
        return QPen(ColourToQColor(colour), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    return QPen(ColourToQColor(colour), 0, Qt::SolidLine);
}

} // namespace

QByteArray PrintValueText(const QByteArray& block, int minute, int channel, const ChannelDef& c) {
    const TChannelMinute m = ChannelMinuteIn(block, minute, channel, c);
    return m.stored ? ValueText(c, m.value, false) : QByteArray("-");
}

bool TTracePlotter::Run(const MonthDocument& document, int channel, uint32_t colour,
                        const TTraceFrame& frame, const TTraceWalk& walk, TDaySource& days) {
    FFrame = &frame;
    FColour = colour;
    FPoints = 0;
    FBuffered = 0;
    FPainter.setPen(TracePen(colour, ExceptionNone));
    TMonthReader minutes(document, days);
    const ChannelDef& c = minutes.Channel(channel);
    int previous = ExceptionNone;
    int32_t base = 0;
    int32_t last = 0; // the last plotted position
    int32_t row = walk.row0;
    for (uint32_t m = walk.first; m < walk.end; m += walk.step, row += walk.rowStep) {
        if (!minutes.Readable(m)) {
            Flush();
            return false;
        }
        const TChannelMinute at = minutes.At(channel, m);
        const int s = at.exception;
        if (s != previous && FPoints > 0) {
            Flush();
            if (s != ExceptionNone) {
                char code[5] = {0, 0, 0, 0, 0};
                ExceptionAt(document, channel, m, code);
                AddLabel(frame.x(last - base), frame.y(row), QByteArray(code));
            }
        }
        const int before = previous;
        previous = s;
        if (s == ExceptionOrdinary)
            continue;
        // An empty minute is no measurement: the trace ends there, as at
        // an ordinary period, but without a label.
        if (!at.stored) {
            Flush();
            continue;
        }
        const int32_t p = int32_t(c.dispOffset) + int32_t(at.raw);
        if (FPoints > 0 && (p - base < 0 || p - base > BandWidth))
            Flush();
        if (FPoints == 0) {
            base = p / BandStep * BandStep;
            FState = s;
            if (m > walk.labelsAfter && ((s == ExceptionNone && before != ExceptionNoteOnly) ||
                                         (s == ExceptionNoteOnly && before != ExceptionNone)))
                AddLabel(frame.x(p - base) - 3 * frame.charWidth, frame.y(row),
                         ValueText(c, at.value, false));
        }
        Append(QPoint(frame.x(p - base), frame.y(row)));
        last = p;
    }
    Flush();
    return true;
}

void TTracePlotter::Append(QPoint point) {
    if (FBuffered == int(FBuffer.size())) {
        // A full buffer is drawn; its last point starts the next piece, so
        // the pieces join exactly.
        DrawPiece();
        FBuffer[0] = FBuffer[FBuffered - 1];
        FBuffered = 1;
    }
    FBuffer[FBuffered++] = point;
    ++FPoints;
}

void TTracePlotter::Flush() {
    if (FPoints > 1 && FBuffered > 1)
        DrawPiece();
    FPoints = 0;
    FBuffered = 0;
}

void TTracePlotter::DrawPiece() {
    FPainter.setPen(TracePen(FColour, FState));
    FPainter.drawPolyline(FBuffer.data(), FBuffered);
}

void TTracePlotter::AddLabel(int32_t left, int32_t bottom, const QByteArray& text) {
    if (int(FLabels.size()) >= TPrintBase::MaxLabels)
        return;
    PrintLabel l;
    l.left = left;
    l.right = left + 6 * FFrame->charWidth;
    l.bottom = bottom;
    l.top = bottom - FFrame->textHeight;
    l.colour = FColour;
    l.text = text;
    FLabels.push_back(l);
}
