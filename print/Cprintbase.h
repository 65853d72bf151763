#pragma once

#include "config/Ctablecolor.h"
#include "print/Cprintsystem.h"

#include <QByteArray>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;
class TConfig;
class TDaySource;
class TPrintJobGuard;
struct AlarmStretch;
struct MonthDocument;
struct TEnv;
struct TTraceFrame;
struct TTraceWalk;

// A label collected while a page is drawn and drawn after all traces: where
// a trace starts again (its value) or meets an exception period (its code).
struct PrintLabel {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    uint32_t colour = 0; // 0x00BBGGRR
    // The whole text: a value text longer than the seven characters the
    // label was made for (0.000005) is printed whole, never cut.
    QByteArray text;
};

// The printing engine: day and month report pages and the print of a
// window's current view, drawn as paper-recorder charts on printer 1 and
// printer 2. Time runs down the page, plot positions across it.
//
// Page units: millimetres across and sixths of a millimetre down, turned
// into printer pixels of the printable area by ToDeviceX and ToDeviceY.
class TPrintBase {
public:
    static constexpr int PointBufferSize = 2048;
    static constexpr int MaxLabels = 200;

    // Reads the printer parameters. The configuration (location, printer
    // font) is read when pages are drawn; it may be null (defaults).
    TPrintBase(const TEnv& env, const TConfig* config, std::unique_ptr<TPrintSystem> system);
    ~TPrintBase();

    TPrintBase(const TPrintBase&) = delete;
    TPrintBase& operator=(const TPrintBase&) = delete;

    // "Druckparameter", "Druck1" and "Druck2" of the INI file; a malformed
    // "Druckparameter" leaves the flags as they are.
    void ReadParameters();
    // The installed name of printer n (0 or 1): the first installed printer
    // whose name equals the configured one, letter case not considered.
    // Empty when there is none (an empty name never is).
    QString SelectPrinter(int n) const;

    // One page per printer of the days firstDay .. firstDay + daysPerPage - 1
    // (counted from 0 in the month file) with the shown channels of that
    // printer. 1 when done; 0 when a printer is not installed (after
    // "Es kann nicht gedruckt werden!") or the page could not be made.
    int PrintPeriod(const MonthDocument& document, int firstDay, int daysPerPage);
    // One page on printer n of what the window of the document shows, from
    // its printStartMinute. 1 when done or nothing to do, 0 on a failure.
    int PrintView(const MonthDocument& document, int printerIndex);

    // Millimetres across and sixths of a millimetre down to printer pixels:
    // multiplication first, truncated toward zero; 0 before the page has a
    // size.
    int32_t ToDeviceX(int32_t a) const;
    int32_t ToDeviceY(int32_t a) const;
    // The same from the margins: the places on the page.
    int32_t PageX(int32_t a) const { return ToDeviceX(a) + leftMargin; }
    int32_t PageY(int32_t a) const { return ToDeviceY(a) + topMargin; }
    // Draws the first count labels, each in its colour, centred on the
    // bottom line of its rectangle.
    void DrawLabels(QPainter& p, const std::vector<PrintLabel>& labels, int count) const;

    // True when an enabled printer is installed: a print can start.
    bool HasPrinter() const;
    // Tells the user that no printer is chosen and where to choose one.
    void NoPrinter() const;

    // Where the pages go; the previous system is handed back.
    std::unique_ptr<TPrintSystem> ReplaceSystem(std::unique_ptr<TPrintSystem> system);
    TPrintSystem& System() const { return *FSystem; }

    // Room for the points of one trace; a longer trace is drawn in pieces.
    std::vector<QPoint> pointBuffer;
    // Page metrics, set at the start of every page.
    int32_t horzRes = 0;    // printable width in pixels
    int32_t vertRes = 0;    // printable height in pixels
    int32_t horzSize = 0;   // printable width in millimetres
    int32_t vertSize = 0;   // printable height in millimetres x 6
    int32_t leftMargin = 0; // pixels
    int32_t topMargin = 0;  // pixels
    // The flags the reports consult, and the same as read from the INI file.
    int32_t printer1Enabled = 0;
    int32_t printer2Enabled = 0;
    int32_t printer1Configured = 0;
    int32_t printer2Configured = 0;
    QString printer1Name;
    QString printer2Name;
    // Scales a layout wider than the printable area down to its width
    // (both directions alike); false keeps the layout's millimetres.
    bool fitToPage = true;
    // Kept and shown; nothing prints on its own.
    int32_t automaticPrint = 0;
    // Day blocks read from month files so far: a page reads one at a time.
    uint64_t dayBlocksRead = 0;

private:
    friend class TPrintRun;

    // Tells the user that the month file cannot be read: once for a run.
    void FileError();
    // Sets the printer font on a new page and takes the page's metrics; the
    // font's line height and widest character in printer pixels. A layout
    // of layoutWidthMm that is wider than the printable area is drawn
    // scaled down to it when fitToPage is set: the page then counts as
    // that much larger, in both directions.
    QSize StartPage(TPrintPage& page, int layoutWidthMm);
    // Draws the traces of the channels, then their labels over them, and
    // sends the page: 1 when sent, 0 after the message of what failed.
    int FinishPage(TPrintJobGuard& page, int printer, const MonthDocument& document,
                   const std::vector<int>& channels, const TTraceFrame& frame,
                   const TTraceWalk& walk, TDaySource& days);
    // The page's number for its printer and the print date, in the bottom
    // right corner of the printable area, below every layout.
    void DrawFooter(QPainter& p, int printer) const;
    QString DocumentName(const MonthDocument& document, const QString& what, int printer) const;
    bool Enabled(int n) const { return (n == 0 ? printer1Enabled : printer2Enabled) != 0; }
    // "Es kann nicht gedruckt werden!"
    void CannotPrint() const;
    // The lines of the exception list, which name the periods' codes.
    std::vector<QByteArray> ExceptionTexts() const;
    // The alarms of the document's month file, from the alarm log.
    std::vector<AlarmStretch> AlarmStretches(const MonthDocument& d) const;
    // The location of the page headers, from the configuration.
    QString Location() const;
    // The colours of the traces and the legend.
    const TTableColor& Table() const;
    int PrintReportPage(const MonthDocument& document, int printer, int firstDay, int daysPerPage,
                        const QString& printerName);

    const TEnv& FEnv;
    const TConfig* FConfig;
    std::unique_ptr<TPrintSystem> FSystem;
    TTableColor FDefaultColors;
    int FRunDepth = 0;
    bool FFileErrorShown = false;
    QSize FPageExtent;                // the printable area as the page is drawn
    std::array<int, 2> FPagesSent{}; // of each printer in this run
};

extern TPrintBase* Prnt;

// A report run or a view print: a file that cannot be read is reported once
// for the whole run, not once per page.
class TPrintRun {
public:
    explicit TPrintRun(TPrintBase& printer);
    ~TPrintRun();
    TPrintRun(const TPrintRun&) = delete;
    TPrintRun& operator=(const TPrintRun&) = delete;

private:
    TPrintBase& FPrinter;
};

// The widths of the layouts, margins included: the report's hour labels,
// 300 mm of grid and the operator column; the view print's legend.
constexpr int ReportLayoutWidthMm = 340;
constexpr int ViewLayoutWidthMm = 310;

// "Es kann nicht gedruckt werden!"
inline const QString CannotPrintText = QStringLiteral("Es kann nicht gedruckt werden!");
// A print asked for before any installed printer was chosen.
QString NoPrinterText();
