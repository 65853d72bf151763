#include "print/Cprintbase.h"

#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Fcalendar.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Falarmlog.h"
#include "files/Fmonthfile.h"
#include "print/Cprinttrace.h"
#include "print/Falarmlist.h"
#include "print/Fpagesections.h"
#include "print/Fprintparams.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>

#include <algorithm>
#include <cmath>

TPrintBase* Prnt = nullptr;

namespace {

// The channels of a page: shown in the window and belonging to printer n.
std::vector<int> ReportChannels(const MonthDocument& d, int n) {
    std::vector<int> out;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (d.display.channelVisible[ch] && HeaderChannel(d.header, ch).printer == n)
            out.push_back(ch);
    }
    return out;
}

// The minutes a report page covers. A page has the rows of one day: with
// several days on it, a row stands for as many minutes as there are days.
struct TReportSpan {
    uint32_t firstMinute = 0;
    uint32_t minutesPerRow = 1;
    uint32_t endMinute = 0;
    int32_t rows = 0;
    uint32_t lastMinute = 0; // the last minute the page really covers, which dates its end

    int32_t RowOf(uint32_t minute) const { return int32_t((minute - firstMinute) / minutesPerRow); }
};

TReportSpan ReportSpan(const MonthDocument& d, int firstDay, int daysPerPage) {
    TReportSpan span;
    span.minutesPerRow = uint32_t(daysPerPage);
    span.firstMinute = uint32_t(firstDay) * MinutesPerDay;
    span.endMinute = std::min<uint32_t>(span.firstMinute + span.minutesPerRow * MinutesPerDay,
                                        HeaderEndSlot(d.header));
    if (span.minutesPerRow > 1) {
        // A month report stops at the end of the file's own month.
        const MonthInfo info = d.Info();
        const int ownDays = int(info.daysStored) - int(info.overflowDays);
        span.endMinute =
            std::min<uint32_t>(span.endMinute, uint32_t(std::max(ownDays, 0)) * MinutesPerDay);
    }
    span.rows = (int32_t(span.endMinute) - int32_t(span.firstMinute)) / int32_t(span.minutesPerRow);
    span.lastMinute = span.endMinute > span.firstMinute ? span.endMinute - 1 : span.firstMinute;
    return span;
}

// The sections of a report page, placed in millimetres across from the
// left margin and rows (sixths of a millimetre) down from the top margin.
class TReportPage {
public:
    TReportPage(QPainter& p, const TPrintBase& page, const MonthDocument& d,
                const TReportSpan& span, int32_t lineHeight)
        : FPainter(p), FPage(page), FDocument(d), FSpan(span), FLineHeight(lineHeight) {}

    void Header(const QString& location) const;
    // Every n-th hour of the day on a page of n days, numbered.
    void HourGrid() const;
    // Numbered above the page; lines only where the page has rows.
    void ValueGrid() const;
    // A tick where the operator changes, a line while one is logged in, and
    // the name beside the tick; false when a day block could not be had.
    bool OperatorColumn(TDaySource& days) const;
    // Each channel's value at minute 0 of the first day, three to a line.
    void Legend(const std::vector<int>& channels, const QByteArray& firstDay,
                const TTableColor& colours) const;
    TTraceFrame Frame(int32_t charWidth) const;
    // The alarms raised in the page's minutes, beneath the chart down to
    // the footer's line.
    void AlarmList(const std::vector<AlarmLogEntry>& log) const;

private:
    int32_t X(int32_t mm) const { return FPage.PageX(mm); }
    int32_t Y(int32_t row) const { return FPage.PageY(row); }

    QPainter& FPainter;
    const TPrintBase& FPage;
    const MonthDocument& FDocument;
    const TReportSpan& FSpan;
    int32_t FLineHeight;
};

void TReportPage::Header(const QString& location) const {
    const MonthInfo info = FDocument.Info();
    QString title = PageTitle(location, info, FSpan.firstMinute);
    if (FSpan.minutesPerRow > 1)
        title += QStringLiteral(" - ") + DateText(info, FSpan.lastMinute);
    DrawPageHeader(FPainter, QRect(X(0), Y(-204), FPage.ToDeviceX(300), FLineHeight), title);
}

void TReportPage::AlarmList(const std::vector<AlarmLogEntry>& log) const {
    AlarmListBox box;
    box.columnX = {X(0), X(40), X(100), X(130), X(170), X(210)};
    box.top = Y(FSpan.rows) + FLineHeight / 2;
    box.bottom = FPage.vertRes - FLineHeight;
    box.lineHeight = FLineHeight;
    DrawAlarmList(FPainter, box, ReportAlarms(FDocument, log, FSpan.firstMinute, FSpan.endMinute));
}

void TReportPage::HourGrid() const {
    std::vector<TTimeGridLine> lines;
    for (uint32_t m = FSpan.firstMinute; m < FSpan.endMinute; m += FSpan.minutesPerRow) {
        if (m % 60 != 0 || uint32_t(SlotHour(m)) % FSpan.minutesPerRow != 0)
            continue;
        const int32_t y = Y(FSpan.RowOf(m));
        lines.push_back({QRect(X(-7), y - FLineHeight, FPage.ToDeviceX(6), 2 * FLineHeight),
                         QString::number(SlotHour(m)), QLine(X(0), y, X(300), y)});
    }
    DrawTimeGrid(FPainter, lines);
}

void TReportPage::ValueGrid() const {
    DrawValueGrid(FPainter, {[this](int32_t mm) { return X(mm); },
                             [this](int32_t mm, int32_t) {
                                 return QRect(X(mm - 10), Y(-6) - FLineHeight, FPage.ToDeviceX(20),
                                              FLineHeight);
                             },
                             Y(0), Y(FSpan.rows), FSpan.rows > 0});
}

bool TReportPage::OperatorColumn(TDaySource& days) const {
    FPainter.setPen(DashedPen);
    const int operatorCount = std::min<int>(HeaderOperatorCount(FDocument.header), MaxOperators);
    int current = NoOperator;
    int32_t begin = 0;
    for (uint32_t m = FSpan.firstMinute; m < FSpan.endMinute; m += FSpan.minutesPerRow) {
        const QByteArray* block = days.Block(int(m / MinutesPerDay));
        if (!block)
            return false;
        const int op = SlotOperator(*block, int(m % MinutesPerDay));
        if (op == current)
            continue;
        const int32_t row = FSpan.RowOf(m);
        if (current != NoOperator)
            FPainter.drawLine(X(302), Y(begin), X(302), Y(row));
        current = op;
        begin = row;
        FPainter.drawLine(X(301), Y(row), X(302), Y(row));
        // An index beyond the file's operators (a damaged file) has no name.
        if (current != NoOperator && current < operatorCount)
            FPainter.drawText(QRect(X(303), Y(row), FPage.ToDeviceX(30), 4 * FLineHeight),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                              FromAnsi(OperatorName(FDocument.operators, current)));
    }
    if (current != NoOperator) {
        FPainter.drawLine(X(302), Y(begin), X(302), Y(FSpan.rows));
        FPainter.drawLine(X(301), Y(FSpan.rows), X(302), Y(FSpan.rows));
    }
    return true;
}

void TReportPage::Legend(const std::vector<int>& channels, const QByteArray& firstDay,
                         const TTableColor& colours) const {
    const auto value = [&firstDay](int channel, const ChannelDef& c) {
        return PrintValueText(firstDay, 0, channel, c);
    };
    const auto box = [this](int k) {
        return QRect(X((k % 3) * 100), Y(-150) + ((k / 3) * FLineHeight * 3) / 2,
                     FPage.ToDeviceX(100), FLineHeight);
    };
    DrawLegend(FPainter, FDocument, channels, colours, {value, box});
}

TTraceFrame TReportPage::Frame(int32_t charWidth) const {
    return {[this](int32_t mm) { return X(mm); }, [this](int32_t row) { return Y(row); }, charWidth,
            FLineHeight};
}

} // namespace

TPrintBase::TPrintBase(const TEnv& env, const TConfig* config, std::unique_ptr<TPrintSystem> system)
    : pointBuffer(PointBufferSize), FEnv(env), FConfig(config), FSystem(std::move(system)) {
    ReadParameters();
}

TPrintBase::~TPrintBase() = default;

std::unique_ptr<TPrintSystem> TPrintBase::ReplaceSystem(std::unique_ptr<TPrintSystem> system) {
    std::swap(FSystem, system);
    return system;
}

void TPrintBase::ReadParameters() {
    const TIniFile ini(FEnv.IniPath());
    TPrintFlags flags;
    if (ParsePrintFlags(ini.ReadString(IniSection, PrintFlagsKey, QByteArray()), flags)) {
        printer1Configured = flags.printer1 ? 1 : 0;
        printer2Configured = flags.printer2 ? 1 : 0;
        printer1Enabled = printer1Configured;
        printer2Enabled = printer2Configured;
        automaticPrint = flags.automatic ? 1 : 0;
    }
    fitToPage = ParsePrintFit(ini.ReadString(IniSection, PrintFitKey, QByteArray()));
    printer1Name = FromAnsi(ini.ReadString(IniSection, Printer1Key, QByteArray()));
    printer2Name = FromAnsi(ini.ReadString(IniSection, Printer2Key, QByteArray()));
}

QString TPrintBase::SelectPrinter(int n) const {
    if ((n != 0 && n != 1) || !FSystem)
        return QString();
    const QString& wanted = n == 0 ? printer1Name : printer2Name;
    if (wanted.isEmpty())
        return QString();
    for (const QString& name : FSystem->PrinterNames()) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    }
    return QString();
}

int32_t TPrintBase::ToDeviceX(int32_t a) const {
    if (horzSize == 0)
        return 0;
    return int32_t(int64_t(a) * horzRes / horzSize);
}

int32_t TPrintBase::ToDeviceY(int32_t a) const {
    if (vertSize == 0)
        return 0;
    return int32_t(int64_t(a) * vertRes / vertSize);
}

void TPrintBase::DrawLabels(QPainter& p, const std::vector<PrintLabel>& labels, int count) const {
    count = std::min(count, int(labels.size()));
    for (int i = 0; i < count; ++i) {
        const PrintLabel& l = labels[i];
        p.setPen(ColourToQColor(l.colour));
        p.drawText(QRect(l.left, l.top, l.right - l.left, l.bottom - l.top),
                   Qt::AlignHCenter | Qt::AlignBottom | SingleLineText, FromAnsi(l.text));
    }
}

QString TPrintBase::Location() const {
    return FromAnsi(FConfig ? FConfig->location : QByteArray());
}

const TTableColor& TPrintBase::Table() const {
    return Colors ? *Colors : FDefaultColors;
}

bool TPrintBase::HasPrinter() const {
    for (int n = 0; n < 2; ++n) {
        if (Enabled(n) && !SelectPrinter(n).isEmpty())
            return true;
    }
    return false;
}

QString NoPrinterText() {
    return QCoreApplication::translate(
        "Cprintbase", "Es kann nicht gedruckt werden: kein Drucker gewählt. Die Drucker werden "
                      "unter Admin › Printers... gewählt.");
}

void TPrintBase::NoPrinter() const {
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, NoPrinterText());
}

void TPrintBase::CannotPrint() const {
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, QCoreApplication::translate(
                                                  "Cprintbase", "Es kann nicht gedruckt werden!"));
}

void TPrintBase::FileError() {
    if (FRunDepth > 0 && FFileErrorShown)
        return;
    FFileErrorShown = true;
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, ValidateMessage(TFileBase::CannotOpen));
}

QSize TPrintBase::StartPage(TPrintPage& page, int layoutWidthMm) {
    QPainter& p = page.Painter();
    p.setFont(FConfig ? PrinterFont(*FConfig) : QFont());
    const TPageMetrics metrics = page.Metrics();
    horzSize = metrics.widthMm;
    vertSize = metrics.heightMm * 6;
    horzRes = metrics.widthPx;
    vertRes = metrics.heightPx;
    if (fitToPage && metrics.widthMm > 0 && layoutWidthMm > metrics.widthMm) {
        // The page is drawn as if it were wide enough and shrunk as a
        // whole, text included; hairlines stay one device pixel wide.
        const double f = double(metrics.widthMm) / layoutWidthMm;
        p.scale(f, f);
        horzSize = layoutWidthMm;
        vertSize = int32_t(std::lround(metrics.heightMm * 6 / f));
        horzRes = int32_t(std::lround(metrics.widthPx / f));
        vertRes = int32_t(std::lround(metrics.heightPx / f));
    }
    FPageExtent = QSize(horzRes, vertRes);
    return QSize(p.fontMetrics().maxWidth(), p.fontMetrics().height());
}

QString TPrintBase::DocumentName(const MonthDocument& d, const QString& what, int printer) const {
    const QString file = d.fileName.isEmpty()
                             ? MonthFileName(HeaderYear(d.header), HeaderMonth(d.header))
                             : d.fileName;
    return QCoreApplication::translate("Cprintbase", "ZEDA %1 %2, printer %3")
        .arg(QFileInfo(file).completeBaseName(), what)
        .arg(printer + 1);
}

int TPrintBase::PrintPeriod(const MonthDocument& d, int firstDay, int daysPerPage) {
    const TPrintRun run(*this); // a call of its own numbers its pages from 1
    if (firstDay < 0 || firstDay >= HeaderDaysStored(d.header) || daysPerPage < 1)
        return 1;
    for (int n = 0; n < 2; ++n) {
        if (ReportChannels(d, n).empty() || !Enabled(n))
            continue;
        const QString name = SelectPrinter(n);
        if (name.isEmpty()) {
            CannotPrint();
            return 0;
        }
        if (!PrintReportPage(d, n, firstDay, daysPerPage, name))
            return 0;
    }
    return 1;
}

int TPrintBase::PrintReportPage(const MonthDocument& d, int n, int firstDay, int daysPerPage,
                                const QString& printerName) {
    const TReportSpan span = ReportSpan(d, firstDay, daysPerPage);
    // A page is made only from the measurements themselves: a file that
    // cannot be opened or is too short for the page prints nothing.
    TFileDays days(d.FilePath(), FEnv.lockWaitMs, dayBlocksRead);
    if (d.fileName.isEmpty() || !days.Holds(int(span.lastMinute / MinutesPerDay))) {
        FileError();
        return 0;
    }
    const int lastDay = int(span.lastMinute / MinutesPerDay) + 1;
    const QString what = daysPerPage == 1
                             ? QCoreApplication::translate("Cprintbase", "day %1").arg(firstDay + 1)
                             : QCoreApplication::translate("Cprintbase", "days %1-%2")
                                   .arg(firstDay + 1)
                                   .arg(lastDay);
    TPrintJobGuard page(FSystem->BeginJob(printerName, DocumentName(d, what, n)));
    if (!page.Valid()) {
        CannotPrint();
        return 0;
    }
    const QSize font = StartPage(*page, ReportLayoutWidthMm);
    leftMargin = ToDeviceX(7);
    topMargin = ToDeviceY(210);
    const TReportPage sections(page->Painter(), *this, d, span, font.height());
    sections.Header(Location());
    sections.HourGrid();
    sections.ValueGrid();
    if (!sections.OperatorColumn(days)) {
        FileError();
        return 0;
    }
    // Read after the operator column: the days share one buffer.
    const std::vector<int> channels = ReportChannels(d, n);
    const QByteArray* first = days.Block(firstDay);
    if (!first) {
        FileError();
        return 0;
    }
    sections.Legend(channels, *first, Table());
    // A log that cannot be read lists nothing: the chart is what the page is for.
    std::vector<AlarmLogEntry> log;
    if (ReadAlarmLog(AlarmLogPath(FEnv.dataDir), log))
        sections.AlarmList(log);
    const TTraceWalk walk{span.firstMinute, span.minutesPerRow, span.endMinute, 0, 1,
                          span.firstMinute};
    return FinishPage(page, n, d, channels, sections.Frame(font.width()), walk, days);
}

void TPrintBase::DrawFooter(QPainter& p, int printer) const {
    QString text = QCoreApplication::translate("Cprintbase", "Page %1").arg(FPagesSent[printer] + 1);
    if (FEnv.clock) {
        const LocalTime t = FEnv.clock->Local();
        text = QCoreApplication::translate("Cprintbase", "Page %1, printed %2")
                   .arg(FPagesSent[printer] + 1)
                   .arg(QString::asprintf("%04d.%02d.%02d %02d:%02d", t.year, t.month, t.day,
                                          t.hour, t.minute));
    }
    p.setPen(Qt::black);
    p.drawText(QRect(QPoint(0, 0), FPageExtent), Qt::AlignRight | Qt::AlignBottom | SingleLineText,
               text);
}

int TPrintBase::FinishPage(TPrintJobGuard& page, int printer, const MonthDocument& d,
                           const std::vector<int>& channels, const TTraceFrame& frame,
                           const TTraceWalk& walk, TDaySource& days) {
    QPainter& p = page->Painter();
    const TTableColor& table = Table();
    std::vector<PrintLabel> labels;
    labels.reserve(MaxLabels);
    TTracePlotter plotter(p, pointBuffer, labels);
    for (int ch : channels) {
        const ChannelDef c = HeaderChannel(d.header, ch);
        if (!plotter.Run(d, ch, table.PrintColor(c.printColour), frame, walk, days)) {
            FileError();
            return 0;
        }
    }
    DrawLabels(p, labels, int(labels.size()));
    DrawFooter(p, printer);
    if (!page.End()) {
        CannotPrint();
        return 0;
    }
    ++FPagesSent[printer];
    return 1;
}

TPrintRun::TPrintRun(TPrintBase& printer) : FPrinter(printer) {
    if (FPrinter.FRunDepth++ == 0) {
        FPrinter.FFileErrorShown = false;
        FPrinter.FPagesSent = {};
    }
}

TPrintRun::~TPrintRun() {
    --FPrinter.FRunDepth;
}
