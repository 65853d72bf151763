// The print of a window's current view: the screen diagram turned by a
// quarter turn, time down the page, stretched to the printable area.

#include "print/Cprintbase.h"

#include "config/Cconfig.h"
#include "config/Fcalendar.h"
#include "config/Fcodec.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "print/Cprinttrace.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr uint32_t ZoomBase = 3000;
constexpr int SingleLine = Qt::TextSingleLine | Qt::TextDontClip;

const QPen DashedPen(Qt::black, 0, Qt::DashLine);
const QPen DottedPen(Qt::black, 0, Qt::DotLine);

} // namespace

int TPrintBase::PrintView(const MonthDocument& d, int n) {
    const MonthDisplay& v = d.display;
    std::vector<int> shown;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (v.channelVisible[ch])
            shown.push_back(ch);
    }
    if (shown.empty() || !Enabled(n))
        return 1;
    const QString name = SelectPrinter(n);
    if (name.isEmpty()) {
        CannotPrint();
        return 0;
    }
    // A window whose scroll area has no size (minimised, or shrunk to its
    // strips) shows nothing, and nothing is printed.
    const int32_t Ws = v.viewWidth;
    const int32_t Hs = v.viewHeight;
    const uint32_t Z = v.timeZoomUnits;
    const int32_t V = v.valueZoomUnits;
    if (Ws <= 0 || Hs <= 0 || Z == 0 || V <= 0)
        return 1;

    // A step of sm minutes moves sr rows (screen columns) down.
    const uint32_t sm = ZoomBase / Z >= 1 ? ZoomBase / Z : 1;
    const int32_t sr = ZoomBase / Z >= 1 ? 1 : int32_t(Z / ZoomBase);
    const uint32_t F0 = v.printStartMinute;
    // The visible span in 32 bits, never beyond the minutes shown.
    const uint32_t span = uint32_t(Ws) * ZoomBase / Z;
    const uint32_t E = uint32_t(std::min<uint64_t>(v.minutesShown, uint64_t(F0) + span + sm));
    // The walk starts one step above the view, so that a trace enters the
    // diagram from its top edge.
    const uint32_t m0 = F0 >= sm ? F0 - sm : F0;
    const int32_t r0 = F0 >= sm ? -sr : 0;

    // The slots come from the day blocks in memory; a block that is not
    // there is never read.
    TMemoryDays days(d);
    if (E > m0) {
        for (uint32_t b = m0 / SlotsPerDay; b <= (E - 1) / SlotsPerDay; ++b) {
            if (!days.Block(int(b))) {
                FileError();
                return 0;
            }
        }
    }

    TPrintJobGuard page(FSystem->BeginJob(name, DocumentName(d, QStringLiteral("view"), n)));
    if (!page.Valid()) {
        CannotPrint();
        return 0;
    }
    QPainter& p = page->Painter();
    const QSize font = StartPage(*page);
    const int32_t h = font.height();
    const int32_t w = font.width();
    const int32_t pageWidth = horzRes;
    const int32_t pageHeight = vertRes;
    const int32_t L = 7 * w;
    const int32_t T = ((int32_t(shown.size()) - 1) / 3 + 5) * h;
    leftMargin = L;
    topMargin = T;

    // Header.
    const MonthInfo info = d.Info();
    const QString location = FromAnsi(FConfig ? FConfig->location : QByteArray());
    const QString header =
        QString::asprintf("ZEDA-/-%s: %4u.%.2u.%.2u  %2u:%.2u", location.toUtf8().constData(),
                          unsigned(SlotYear(info, F0)), unsigned(SlotMonth(info, F0)),
                          unsigned(SlotDay(info, F0)), unsigned(SlotHour(F0)), unsigned(F0 % 60));
    p.setPen(Qt::black);
    p.drawText(QRect(L, h / 2, 50 * w, h), Qt::AlignLeft | Qt::AlignTop | SingleLine, header);

    // Legend: the values of the first shown minute, 100 mm columns.
    const TTableColor& table = Colors ? *Colors : FDefaultColors;
    const QByteArray* first = days.Block(int(F0 / SlotsPerDay));
    for (int k = 0; k < int(shown.size()); ++k) {
        const ChannelDef c = HeaderChannel(d.header, shown[k]);
        const QByteArray value =
            first ? PrintValueText(*first, int(F0 % SlotsPerDay), shown[k], c) : "-";
        p.setPen(ColourToQColor(table.Color(c.printColour % 7)));
        p.drawText(QRect(ToDeviceX((k % 3) * 100) + L, (k / 3 + 2) * h, ToDeviceX(100), h),
                   Qt::AlignLeft | Qt::AlignTop | SingleLine,
                   FromAnsi(c.name + ": " + value + ' ' + c.dimension));
    }

    // From here on a screen height is page width and a screen width page
    // height: the diagram fills the page right of L, below T and down to
    // two text heights above the bottom edge.
    horzRes = pageWidth - L;
    horzSize = Hs;
    vertRes = pageHeight - T - 2 * h;
    vertSize = Ws;
    const auto X = [this](int32_t a) { return ToDeviceX(a) + leftMargin; };
    const auto Y = [this](int32_t a) { return ToDeviceY(a) + topMargin; };
    const auto plotX = [&X, V](int32_t q) { return X(int32_t(int64_t(q) * V / ZoomBase)); };

    const bool show5 = ToDeviceY(int32_t(Z * 5 / ZoomBase)) > h;
    const bool show15 = ToDeviceY(int32_t(Z * 15 / ZoomBase)) > h;
    const bool show60 = ToDeviceY(int32_t(Z * 60 / ZoomBase)) > h;

    // Time grid: day numbers at midnight, times where their rows are far
    // enough apart.
    p.setPen(DashedPen);
    int32_t r = 0;
    for (uint32_t m = F0; m < E; m += sm, r += sr) {
        QString text;
        if (m % SlotsPerDay == 0)
            text = QStringLiteral("%1.Tag").arg(SlotDay(info, m));
        else if ((show60 && m % 60 == 0) || (show15 && m % 15 == 0) || (show5 && m % 5 == 0))
            text = QString::asprintf("%u:%.2u", unsigned(SlotHour(m)), unsigned(m % 60));
        else
            continue;
        p.drawText(QRect(L - 6 * w - w / 2, Y(r) - h, 6 * w, 2 * h),
                   Qt::AlignRight | Qt::AlignVCenter | SingleLine, text);
        p.drawLine(X(0), Y(r), plotX(300), Y(r));
    }

    // Value grid: plot positions 0 to 300.
    for (int32_t g = 0; g <= 300; g += 10) {
        const int32_t x = plotX(g);
        if (g % 50 == 0) {
            p.setPen(DashedPen);
            p.drawText(QRect(x - 3 * w, T - h - h / 2, 6 * w, h),
                       Qt::AlignHCenter | Qt::AlignBottom | SingleLine, QString::number(g));
        } else {
            p.setPen(DottedPen);
        }
        p.drawLine(x, Y(0), x, Y(Ws));
    }

    // Nothing more left of L or above T, the labels included.
    p.setClipRect(QRect(L, T, pageWidth - L, pageHeight - T));

    const TTraceFrame frame{plotX, [&Y](int32_t row) { return Y(row); }, w, h};
    return FinishPage(page, d, shown, frame, TTraceWalk{m0, sm, E, r0, sr, m0}, days);
}
