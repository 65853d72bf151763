// The print of a window's current view: the screen diagram turned by a
// quarter turn, time down the page, stretched to the printable area.

#include "print/Cprintview.h"

#include "config/Cenv.h"
#include "config/Fcalendar.h"
#include "config/Fcodec.h"
#include "files/Cmonthdocument.h"
#include "files/Falarmlog.h"
#include "files/Fexceptionlist.h"
#include "files/Fexceptions.h"
#include "files/Fmonthfile.h"
#include "print/Cprintbase.h"
#include "print/Cprinttrace.h"
#include "print/Fpagesections.h"
#include "view/Falarmmarks.h"
#include "view/Fexceptionbands.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>

namespace {

constexpr uint32_t ZoomBase = 3000;

// The sections of a view print. Left of left the time texts, above top the
// header and the legend; from the time grid on, ToDeviceX and ToDeviceY
// turn screen pixels into the diagram's page pixels.
class TViewPage {
public:
    TViewPage(QPainter& p, const TPrintBase& page, const MonthDocument& d, const TViewSpan& span,
              QSize font)
        : FPainter(p), FPage(page), FDocument(d), FSpan(span), FCharWidth(font.width()),
          FLineHeight(font.height()) {}

    int32_t Left() const { return 7 * FCharWidth; }
    int32_t Top(int channels) const { return ((channels - 1) / 3 + 5) * FLineHeight; }

    void Header(const QString& location) const;
    // The values of the first shown minute, 100 mm columns.
    void Legend(const std::vector<int>& channels, TDaySource& days, const TTableColor& colours);
    // Day numbers at midnight, times where their rows are far enough apart.
    void TimeGrid() const;
    // Plot positions 0 to 300, numbered above the diagram.
    void ValueGrid() const;
    // The exception periods over the printed minutes, as bands across the
    // diagram labelled at their first row: shaded, or outlined when the
    // period only notes.
    void ExceptionBands(const std::vector<QByteArray>& descriptions) const;
    // The alarms over the printed minutes, as bars in the channels' print
    // colours down the diagram's left edge, where the screen marks them
    // under its time axis.
    void AlarmBars(const std::vector<AlarmStretch>& stretches, const TTableColor& colours) const;
    TTraceFrame Frame() const;

private:
    // The page row of a minute at or after the first printed one.
    int32_t Row(uint32_t minute) const {
        return int32_t(int64_t(minute - FSpan.firstMinute) * FSpan.stepRows /
                       int32_t(FSpan.stepMinutes));
    }
    int32_t X(int32_t a) const { return FPage.PageX(a); }
    int32_t Y(int32_t row) const { return FPage.PageY(row); }
    int32_t PlotX(int32_t position) const {
        return X(int32_t(int64_t(position) * FDocument.display.valueZoomUnits / ZoomBase));
    }
    // Whether the rows of a time step lie more than a text height apart.
    bool Apart(uint32_t minutes) const {
        return FPage.ToDeviceY(int32_t(FDocument.display.timeZoomUnits * minutes / ZoomBase)) >
               FLineHeight;
    }

    QPainter& FPainter;
    const TPrintBase& FPage;
    const MonthDocument& FDocument;
    const TViewSpan& FSpan;
    int32_t FCharWidth;
    int32_t FLineHeight;
};

void TViewPage::Header(const QString& location) const {
    const uint32_t first = FSpan.firstMinute;
    const QString title =
        PageTitle(location, FDocument.Info(), first) +
        QString::asprintf("  %2u:%.2u", unsigned(SlotHour(first)), unsigned(first % 60));
    DrawPageHeader(FPainter, QRect(Left(), FLineHeight / 2, 50 * FCharWidth, FLineHeight), title);
}

void TViewPage::Legend(const std::vector<int>& channels, TDaySource& days,
                       const TTableColor& colours) {
    const QByteArray* first = days.Block(int(FSpan.firstMinute / SlotsPerDay));
    const int minute = int(FSpan.firstMinute % SlotsPerDay);
    const auto value = [first, minute](int channel, const ChannelDef& c) {
        return first ? PrintValueText(*first, minute, channel, c) : QByteArray("-");
    };
    const auto box = [this](int k) {
        return QRect(FPage.ToDeviceX((k % 3) * 100) + Left(), (k / 3 + 2) * FLineHeight,
                     FPage.ToDeviceX(100), FLineHeight);
    };
    DrawLegend(FPainter, FDocument, channels, colours, {value, box});
}

void TViewPage::TimeGrid() const {
    const MonthInfo info = FDocument.Info();
    const bool show5 = Apart(5);
    const bool show15 = Apart(15);
    const bool show60 = Apart(60);
    std::vector<TTimeGridLine> lines;
    int32_t row = 0;
    for (uint32_t m = FSpan.firstMinute; m < FSpan.endMinute;
         m += FSpan.stepMinutes, row += FSpan.stepRows) {
        QString text;
        if (m % SlotsPerDay == 0)
            text = QCoreApplication::translate("Cprintview", "%1.Tag").arg(SlotDay(info, m));
        else if ((show60 && m % 60 == 0) || (show15 && m % 15 == 0) || (show5 && m % 5 == 0))
            text = QString::asprintf("%u:%.2u", unsigned(SlotHour(m)), unsigned(m % 60));
        else
            continue;
        const QRect box(Left() - 6 * FCharWidth - FCharWidth / 2, Y(row) - FLineHeight,
                        6 * FCharWidth, 2 * FLineHeight);
        lines.push_back({box, text, QLine(X(0), Y(row), PlotX(300), Y(row))});
    }
    DrawTimeGrid(FPainter, lines);
}

void TViewPage::ValueGrid() const {
    const int32_t top = FPage.topMargin;
    DrawValueGrid(FPainter, {[this](int32_t position) { return PlotX(position); },
                             [this, top](int32_t, int32_t x) {
                                 return QRect(x - 3 * FCharWidth,
                                              top - FLineHeight - FLineHeight / 2, 6 * FCharWidth,
                                              FLineHeight);
                             },
                             Y(0), Y(FDocument.display.viewWidth), true});
}

void TViewPage::ExceptionBands(const std::vector<QByteArray>& descriptions) const {
    if (FSpan.endMinute <= FSpan.firstMinute)
        return;
    const int32_t left = X(0);
    const int32_t right = X(FDocument.display.viewHeight);
    for (const ExceptionBand& b :
         ShownExceptionBands(FDocument, int(FSpan.firstMinute), int(FSpan.endMinute) - 1)) {
        const uint32_t from = std::max(b.from, FSpan.firstMinute);
        const uint32_t to = std::min(b.to + 1, FSpan.endMinute);
        const QRect band(QPoint(left, Y(Row(from))), QPoint(right, Y(Row(to)) - 1));
        FPainter.save();
        if (b.noteOnly) {
            FPainter.setPen(QPen(Qt::black, 0, Qt::DashLine));
            FPainter.setBrush(Qt::NoBrush);
            FPainter.drawRect(band);
        } else {
            FPainter.fillRect(band, QColor(224, 224, 224));
        }
        FPainter.setPen(Qt::black);
        FPainter.drawText(QRect(left + FCharWidth, band.top(), right - left, FLineHeight),
                          Qt::AlignLeft | Qt::AlignTop,
                          FromAnsi(ExceptionBandLabel(b.code, descriptions)));
        FPainter.restore();
    }
}

void TViewPage::AlarmBars(const std::vector<AlarmStretch>& stretches,
                          const TTableColor& colours) const {
    // The bar fills the gap between the time texts and the diagram.
    const int32_t right = X(0) - 1;
    const int32_t left = right - std::max(FCharWidth / 2, 2) + 1;
    const uint32_t end = FDocument.display.minutesShown;
    for (const AlarmStretch& s : stretches) {
        const uint32_t to = StretchEnd(s, end);
        const uint32_t from = std::max(s.from, FSpan.firstMinute);
        const uint32_t last = std::min(to, FSpan.endMinute);
        if (from >= last)
            continue;
        const ChannelDef c = HeaderChannel(FDocument.header, s.channel);
        FPainter.fillRect(QRect(QPoint(left, Y(Row(from))), QPoint(right, Y(Row(last)) - 1)),
                          ColourToQColor(colours.PrintColor(c.printColour)));
    }
}

TTraceFrame TViewPage::Frame() const {
    return {[this](int32_t position) { return PlotX(position); },
            [this](int32_t row) { return Y(row); }, FCharWidth, FLineHeight};
}

} // namespace

std::vector<QByteArray> TPrintBase::ExceptionTexts() const {
    // A list that cannot be read names no period: the bands keep their codes.
    std::vector<QByteArray> texts;
    ReadExceptionList(ExceptionListPath(FEnv.dataDir), texts);
    return texts;
}

std::vector<AlarmStretch> TPrintBase::AlarmStretches(const MonthDocument& d) const {
    // A log that cannot be read marks no alarm: the print goes on without.
    std::vector<AlarmLogEntry> log;
    if (!ReadAlarmLog(AlarmLogPath(FEnv.dataDir), log))
        return {};
    return AlarmStretchesOf(d, log);
}

bool ViewSpanOf(const MonthDisplay& display, TViewSpan& span) {
    const uint32_t zoom = display.timeZoomUnits;
    if (display.viewWidth <= 0 || display.viewHeight <= 0 || zoom == 0 ||
        display.valueZoomUnits <= 0)
        return false;
    span.stepMinutes = ZoomBase / zoom >= 1 ? ZoomBase / zoom : 1;
    span.stepRows = ZoomBase / zoom >= 1 ? 1 : int32_t(zoom / ZoomBase);
    span.firstMinute = display.printStartMinute;
    // The visible span in 32 bits, never beyond the minutes shown.
    const uint32_t visible = uint32_t(display.viewWidth) * ZoomBase / zoom;
    span.endMinute = uint32_t(std::min<uint64_t>(
        display.minutesShown, uint64_t(span.firstMinute) + visible + span.stepMinutes));
    const bool above = span.firstMinute >= span.stepMinutes;
    span.walkStart = above ? span.firstMinute - span.stepMinutes : span.firstMinute;
    span.walkRow = above ? -span.stepRows : 0;
    return true;
}

int TPrintBase::PrintView(const MonthDocument& d, int n) {
    const TPrintRun run(*this);
    std::vector<int> shown;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (d.display.channelVisible[ch])
            shown.push_back(ch);
    }
    if (shown.empty() || !Enabled(n))
        return 1;
    const QString name = SelectPrinter(n);
    if (name.isEmpty()) {
        CannotPrint();
        return 0;
    }
    TViewSpan span;
    if (!ViewSpanOf(d.display, span))
        return 1;
    // The slots come from the day blocks in memory; a block that is not
    // there is never read.
    TMemoryDays days(d);
    for (uint32_t b = span.walkStart / SlotsPerDay;
         span.endMinute > span.walkStart && b <= (span.endMinute - 1) / SlotsPerDay; ++b) {
        if (!days.Block(int(b))) {
            FileError();
            return 0;
        }
    }
    TPrintJobGuard page(FSystem->BeginJob(
        name, DocumentName(d, QCoreApplication::translate("Cprintview", "view"), n)));
    if (!page.Valid()) {
        CannotPrint();
        return 0;
    }
    const QSize font = StartPage(*page, ViewLayoutWidthMm);
    TViewPage sections(page->Painter(), *this, d, span, font);
    const int32_t pageWidth = horzRes;
    const int32_t pageHeight = vertRes;
    leftMargin = sections.Left();
    topMargin = sections.Top(int(shown.size()));
    sections.Header(Location());
    sections.Legend(shown, days, Table());
    // From here on a screen height is page width and a screen width page
    // height: the diagram fills the page right of the left margin, below the
    // top margin and down to two text heights above the bottom edge.
    horzRes = pageWidth - leftMargin;
    horzSize = d.display.viewHeight;
    vertRes = pageHeight - topMargin - 2 * font.height();
    vertSize = d.display.viewWidth;
    sections.ExceptionBands(ExceptionTexts());
    sections.AlarmBars(AlarmStretches(d), Table());
    sections.TimeGrid();
    sections.ValueGrid();
    // Nothing more left of the margin or above it, the labels included.
    page->Painter().setClipRect(
        QRect(leftMargin, topMargin, pageWidth - leftMargin, pageHeight - topMargin));
    const TTraceWalk walk{span.walkStart, span.stepMinutes, span.endMinute,
                          span.walkRow,   span.stepRows,    span.walkStart};
    return FinishPage(page, n, d, shown, sections.Frame(), walk, days);
}
