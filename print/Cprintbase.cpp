#include "print/Cprintbase.h"

#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Fcalendar.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "print/Cprinttrace.h"
#include "print/Fprintparams.h"

#include <QFileInfo>
#include <QPainter>

#include <algorithm>

TPrintBase* Prnt = nullptr;

namespace {

constexpr uint32_t MinutesPerDay = SlotsPerDay;

const QPen DashedPen(Qt::black, 0, Qt::DashLine);
const QPen DottedPen(Qt::black, 0, Qt::DotLine);

constexpr int SingleLine = Qt::TextSingleLine | Qt::TextDontClip;

QString DateText(const MonthInfo& info, uint32_t minute) {
    return QString::asprintf("%4u.%.2u.%.2u", unsigned(SlotYear(info, minute)),
                             unsigned(SlotMonth(info, minute)), unsigned(SlotDay(info, minute)));
}

// The channels of a page: shown in the window and belonging to printer n.
std::vector<int> ReportChannels(const MonthDocument& d, int n) {
    std::vector<int> out;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (d.display.channelVisible[ch] && HeaderChannel(d.header, ch).printer == n)
            out.push_back(ch);
    }
    return out;
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
                   Qt::AlignHCenter | Qt::AlignBottom | SingleLine, FromAnsi(l.text));
    }
}

void TPrintBase::CannotPrint() const {
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, CannotPrintText);
}

void TPrintBase::FileError() {
    if (FRunDepth > 0 && FFileErrorShown)
        return;
    FFileErrorShown = true;
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Error, ValidateMessage(TFileBase::CannotOpen));
}

QSize TPrintBase::StartPage(TPrintPage& page) {
    QPainter& p = page.Painter();
    p.setFont(FConfig ? PrinterFont(*FConfig) : QFont());
    const TPageMetrics metrics = page.Metrics();
    horzSize = metrics.widthMm;
    vertSize = metrics.heightMm * 6;
    horzRes = metrics.widthPx;
    vertRes = metrics.heightPx;
    return QSize(p.fontMetrics().maxWidth(), p.fontMetrics().height());
}

QString TPrintBase::DocumentName(const MonthDocument& d, const QString& what, int printer) const {
    const QString file = d.fileName.isEmpty()
                             ? MonthFileName(HeaderYear(d.header), HeaderMonth(d.header))
                             : d.fileName;
    return QStringLiteral("ZEDA %1 %2, printer %3")
        .arg(QFileInfo(file).completeBaseName(), what)
        .arg(printer + 1);
}

int TPrintBase::PrintPeriod(const MonthDocument& d, int firstDay, int daysPerPage) {
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
    const MonthInfo info = d.Info();
    const uint32_t D = uint32_t(daysPerPage);
    const uint32_t S = uint32_t(firstDay) * MinutesPerDay;
    uint32_t E = std::min<uint32_t>(S + D * MinutesPerDay, HeaderEndSlot(d.header));
    if (D > 1) {
        const int ownDays = int(info.daysStored) - int(info.overflowDays);
        E = std::min<uint32_t>(E, uint32_t(std::max(ownDays, 0)) * MinutesPerDay);
    }
    const int32_t rows = (int32_t(E) - int32_t(S)) / int32_t(D);
    // The last minute the page really covers dates its end.
    const uint32_t lastMinute = E > S ? E - 1 : S;

    // A page is made only from the measurements themselves: a file that
    // cannot be opened or is too short for the page prints nothing.
    TFileDays days(d.FilePath(), FEnv.lockWaitMs, dayBlocksRead);
    if (d.fileName.isEmpty() || !days.Holds(int(lastMinute / MinutesPerDay))) {
        FileError();
        return 0;
    }
    const int lastDay = int(lastMinute / MinutesPerDay) + 1;
    const QString what = D == 1 ? QStringLiteral("day %1").arg(firstDay + 1)
                                : QStringLiteral("days %1-%2").arg(firstDay + 1).arg(lastDay);
    TPrintJobGuard page(FSystem->BeginJob(printerName, DocumentName(d, what, n)));
    if (!page.Valid()) {
        CannotPrint();
        return 0;
    }
    QPainter& p = page->Painter();
    const QSize font = StartPage(*page);
    const int32_t h = font.height();
    const int32_t w = font.width();
    leftMargin = ToDeviceX(7);
    topMargin = ToDeviceY(210);
    const auto X = [this](int32_t a) { return ToDeviceX(a) + leftMargin; };
    const auto Y = [this](int32_t a) { return ToDeviceY(a) + topMargin; };
    const auto rowOf = [S, D](uint32_t m) { return int32_t((m - S) / D); };

    // Header.
    const QString location = FromAnsi(FConfig ? FConfig->location : QByteArray());
    QString header = QStringLiteral("ZEDA-/-%1: %2").arg(location, DateText(info, S));
    if (D > 1)
        header += QStringLiteral(" - ") + DateText(info, lastMinute);
    p.setPen(Qt::black);
    p.drawText(QRect(X(0), Y(-204), ToDeviceX(300), h), Qt::AlignLeft | Qt::AlignTop | SingleLine,
               header);

    // Hour grid: every D-th hour of the day.
    p.setPen(DashedPen);
    for (uint32_t m = S; m < E; m += D) {
        if (m % 60 != 0 || uint32_t(SlotHour(m)) % D != 0)
            continue;
        const int32_t y = Y(rowOf(m));
        p.drawText(QRect(X(-7), y - h, ToDeviceX(6), 2 * h),
                   Qt::AlignRight | Qt::AlignVCenter | SingleLine, QString::number(SlotHour(m)));
        p.drawLine(X(0), y, X(300), y);
    }

    // Millimetre grid; lines only where the page has rows.
    for (int32_t x = 0; x <= 300; x += 10) {
        if (x % 50 == 0) {
            p.setPen(DashedPen);
            p.drawText(QRect(X(x - 10), Y(-6) - h, ToDeviceX(20), h),
                       Qt::AlignHCenter | Qt::AlignBottom | SingleLine, QString::number(x));
        } else {
            p.setPen(DottedPen);
        }
        if (rows > 0)
            p.drawLine(X(x), Y(0), X(x), Y(rows));
    }

    // Operator column: a tick where the operator changes, a line while one
    // is logged in, and the name beside the tick.
    p.setPen(DashedPen);
    const int operatorCount = std::min<int>(HeaderOperatorCount(d.header), MaxOperators);
    int current = NoOperator;
    int32_t begin = 0;
    for (uint32_t m = S; m < E; m += D) {
        const QByteArray* block = days.Block(int(m / MinutesPerDay));
        if (!block) {
            FileError();
            return 0;
        }
        const int op = SlotOperator(*block, int(m % MinutesPerDay));
        if (op == current)
            continue;
        const int32_t row = rowOf(m);
        if (current != NoOperator)
            p.drawLine(X(302), Y(begin), X(302), Y(row));
        current = op;
        begin = row;
        p.drawLine(X(301), Y(row), X(302), Y(row));
        // An index beyond the file's operators (a damaged file) has no name.
        if (current != NoOperator && current < operatorCount)
            p.drawText(QRect(X(303), Y(row), ToDeviceX(30), 4 * h),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                       FromAnsi(OperatorName(d.operators, current)));
    }
    if (current != NoOperator) {
        p.drawLine(X(302), Y(begin), X(302), Y(rows));
        p.drawLine(X(301), Y(rows), X(302), Y(rows));
    }

    // Legend: each channel's value at minute 0 of the first day.
    const std::vector<int> channels = ReportChannels(d, n);
    const TTableColor& table = Colors ? *Colors : FDefaultColors;
    const QByteArray* first = days.Block(firstDay);
    if (!first) {
        FileError();
        return 0;
    }
    for (int k = 0; k < int(channels.size()); ++k) {
        const ChannelDef c = HeaderChannel(d.header, channels[k]);
        const QByteArray text =
            c.name + ": " + PrintValueText(*first, 0, channels[k], c) + ' ' + c.dimension;
        p.setPen(ColourToQColor(table.Color(c.printColour % 7)));
        p.drawText(QRect(X((k % 3) * 100), Y(-150) + ((k / 3) * h * 3) / 2, ToDeviceX(100), h),
                   Qt::AlignLeft | Qt::AlignTop | SingleLine, FromAnsi(text));
    }

    const TTraceFrame frame{X, [&Y](int32_t row) { return Y(row); }, w, h};
    return FinishPage(page, d, channels, frame, TTraceWalk{S, D, E, 0, 1, S}, days);
}

int TPrintBase::FinishPage(TPrintJobGuard& page, const MonthDocument& d,
                           const std::vector<int>& channels, const TTraceFrame& frame,
                           const TTraceWalk& walk, TDaySource& days) {
    QPainter& p = page->Painter();
    const TTableColor& table = Colors ? *Colors : FDefaultColors;
    std::vector<PrintLabel> labels;
    labels.reserve(MaxLabels);
    TTracePlotter plotter(p, pointBuffer, labels);
    for (int ch : channels) {
        const ChannelDef c = HeaderChannel(d.header, ch);
        if (!plotter.Run(d, ch, table.Color(c.printColour % 7), frame, walk, days)) {
            FileError();
            return 0;
        }
    }
    DrawLabels(p, labels, int(labels.size()));
    if (!page.End()) {
        CannotPrint();
        return 0;
    }
    return 1;
}

TPrintRun::TPrintRun(TPrintBase& printer) : FPrinter(printer) {
    if (FPrinter.FRunDepth++ == 0)
        FPrinter.FFileErrorShown = false;
}

TPrintRun::~TPrintRun() {
    --FPrinter.FRunDepth;
}
