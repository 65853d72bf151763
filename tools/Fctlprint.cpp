#include "tools/Fctlprint.h"

#include "config/Cconfig.h"
#include "config/Fcalendar.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"
#include "files/Fexceptions.h"
#include "files/Fmonthfile.h"
#include "files/Foutput.h"
#include "print/Cprintbase.h"
#include "print/Csystemprint.h"
#include "print/Fprintwindow.h"
#include "print/Freportpdf.h"
#include "tools/Fctlcommon.h"
#include "view/Cscale.h"
#include "view/Fviewchannel.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

namespace {

void AddReportKindOptions(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", QCoreApplication::translate("zedactl", "The month file."));
    parser.addOption(DataDirOption());
    parser.addOption({"days",
                      QCoreApplication::translate(
                          "zedactl", "Day report of the days FIRST to LAST (counted from 1)."),
                      "FIRST-LAST"});
    parser.addOption(
        {"month",
         QCoreApplication::translate("zedactl", "Month report with 3, 4 or 5 days on a page."),
         "N"});
}

// "3-5" as two day numbers within 1 .. maxDay.
bool ParseDayRange(const QString& text, int maxDay, int& first, int& last) {
    static const QRegularExpression form(R"(^\s*(\d{1,3})\s*-\s*(\d{1,3})\s*$)");
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    first = m.captured(1).toInt();
    last = m.captured(2).toInt();
    return first >= 1 && last >= 1 && first <= maxDay && last <= maxDay;
}

// The request of --days or --month (or --view when allowed); false after a
// message when they are missing, combined or out of range.
bool ParseRequest(const QCommandLineParser& parser, const char* command, bool viewAllowed,
                  int maxDay, TPrintRequest& request) {
    const int kinds = int(parser.isSet("days")) + int(parser.isSet("month")) +
                      int(viewAllowed && parser.isSet("view"));
    if (kinds != 1) {
        Complain((viewAllowed
                      ? QCoreApplication::translate(
                            "zedactl", "zedactl %1: give exactly one of --days, --month, --view")
                      : QCoreApplication::translate(
                            "zedactl", "zedactl %1: give exactly one of --days, --month"))
                     .arg(command));
        return false;
    }
    if (parser.isSet("days")) {
        request.kind = TPrintRequest::Days;
        if (!ParseDayRange(parser.value("days"), maxDay, request.first, request.last)) {
            Complain(QCoreApplication::translate(
                         "zedactl", "zedactl %1: --days takes FIRST-LAST within 1 .. %2")
                         .arg(command)
                         .arg(maxDay));
            return false;
        }
    } else if (parser.isSet("month")) {
        request.kind = TPrintRequest::Month;
        if (!ParseBoundedInt(parser, "month", 3, 5, request.daysPerPage))
            return false;
    } else {
        request.kind = TPrintRequest::View;
    }
    return true;
}

// True when printer 1 or 2 is enabled and named, installed or not (one
// that is not installed is the print's own failure).
bool AnyPrinterChosen(const TPrintBase& engine) {
    return (engine.printer1Enabled != 0 && !engine.printer1Name.isEmpty()) ||
           (engine.printer2Enabled != 0 && !engine.printer2Name.isEmpty());
}

// Opens a month file into the document, its day blocks too when wanted.
bool OpenMonth(const TEnv& env, const QString& path, MonthDocument& doc, TFileData& file,
               bool days) {
    uint8_t year = 0;
    uint8_t month = 0;
    if (!file.ValidateWithMessage(path, year, month) || !file.Open(path, year, month))
        return false;
    if (days && !file.LoadDays()) {
        env.messages->Show(TMessages::Error, ValidateMessage(TFileBase::CannotOpen));
        return false;
    }
    ShowChannelsInUse(doc);
    return true;
}

// The window the view print reads: zooms, client size and first minute.
bool SetUpView(const QCommandLineParser& parser, MonthDocument& doc) {
    int timeZoom = 1;
    int sizeZoom = 1;
    int width = 1000;
    int height = 600;
    if (!ParseBoundedInt(parser, "time-zoom", TScale::MinTimeZoom, TScale::MaxTimeZoom, timeZoom) ||
        !ParseBoundedInt(parser, "size-zoom", TScale::MinValueZoom, TScale::MaxValueZoom,
                         sizeZoom) ||
        !ParseBoundedInt(parser, "width", 1, 32767, width) ||
        !ParseBoundedInt(parser, "height", 1, 32767, height))
        return false;
    TScale scale(&doc);
    scale.SetTimeZoom(timeZoom);
    scale.SetValueZoom(sizeZoom);
    doc.display.viewWidth = int16_t(width);
    doc.display.viewHeight = int16_t(height);
    doc.display.minutesShown = HeaderEndSlot(doc.header);
    uint32_t first = 0;
    if (parser.isSet("first")) {
        LocalTime t;
        const MonthInfo info = doc.Info();
        if (!ParseDateTime(parser.value("first"), t) || t.year != 1980 + info.year ||
            t.month != info.month) {
            Complain(QCoreApplication::translate(
                "zedactl",
                "zedactl report: --first takes \"YYYY-MM-DD HH:MM\" within the file's month"));
            return false;
        }
        first = uint32_t((t.day - 1) * SlotsPerDay + t.hour * 60 + t.minute);
    }
    // A window shows from a whole step of its time zoom on.
    const uint32_t step = std::max<uint32_t>(3000 / doc.display.timeZoomUnits, 1);
    doc.display.printStartMinute = uint16_t(first / step * step);
    return true;
}

} // namespace

int CmdReport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Draws the pages that printer 1 (or 2) would receive for a day report, a month report or "
        "the print of a window's view into one multi-page PDF, through the same printing engine as "
        "the program. The pages are A4 with a printable area 5 mm inside each edge, at 1200 dpi. "
        "Location and printer font come from the INI file of the data directory; the chosen "
        "printer counts as enabled and installed."));
    AddReportKindOptions(parser);
    parser.addOption(
        {"view", QCoreApplication::translate(
                     "zedactl", "The print of a window's view (see --first and the zooms).")});
    parser.addOption({{"o", "output"},
                      QCoreApplication::translate("zedactl", "The PDF file to write."),
                      "OUT.pdf"});
    parser.addOption({"first", QCoreApplication::translate("zedactl", "View: first shown minute."),
                      "YYYY-MM-DD HH:MM"});
    parser.addOption({"time-zoom",
                      QCoreApplication::translate(
                          "zedactl", "View: time zoom as the View menu has it (-20 .. 10)."),
                      "N"});
    parser.addOption(
        {"size-zoom", QCoreApplication::translate("zedactl", "View: size zoom (1 .. 20)."), "N"});
    parser.addOption({"width",
                      QCoreApplication::translate(
                          "zedactl", "View: width of the window's plot area (default 1000)."),
                      "W"});
    parser.addOption({"height",
                      QCoreApplication::translate(
                          "zedactl", "View: height of the window's plot area (default 600)."),
                      "H"});
    parser.addOption(
        {"printer",
         QCoreApplication::translate("zedactl", "The printer whose pages are drawn (default 1)."),
         "1|2"});
    parser.addOption({"channels",
                      QCoreApplication::translate(
                          "zedactl", "Shown channels, e.g. 1,2,5 (default: the channels in use)."),
                      "LIST"});
    parser.addOption({"actual-size", QCoreApplication::translate(
                                         "zedactl", "Keep the layout's millimetres instead of "
                                                    "fitting the page's printable width.")});
    const ParseResult pr = ParseOptions(parser, "report", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    int printer = 1;
    if (!ParseBoundedInt(parser, "printer", 1, 2, printer))
        return 2;
    std::array<bool, ChannelCount> channels{};
    if (parser.positionalArguments().size() != 1 || !parser.isSet("output") ||
        (parser.isSet("channels") && !ParseChannelList(parser.value("channels"), channels))) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl report: needs FILE and -o OUT.pdf; see --help"));
        return 2;
    }
    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    const QString output = parser.value("output");

    CtlEnv ctl(parser.value("data-dir"));
    ctl.messages.reading = path;
    MonthDocument doc;
    TFileData file(&doc, ctl.env);
    const bool view = parser.isSet("view");
    if (!OpenMonth(ctl.env, path, doc, file, view))
        return 1;
    TPrintRequest request;
    if (!ParseRequest(parser, "report", true, HeaderDaysStored(doc.header), request) ||
        (view && !SetUpView(parser, doc)))
        return 2;
    if (parser.isSet("channels")) {
        for (int ch = 0; ch < ChannelCount; ++ch)
            doc.display.channelVisible[ch] = channels[ch] ? 1 : 0;
    }
    const QString refusal = RefusedOutputTarget(output, path);
    if (!refusal.isEmpty()) {
        ctl.messages.Show(TMessages::Error, refusal);
        return 1;
    }

    // The report replaces an older one only when it was written whole.
    const TConfig config(ctl.env.IniPath());
    TReportPdfJob job;
    job.request = request;
    job.printer = printer - 1;
    job.fitToPage = !parser.isSet("actual-size");
    job.output = output;
    job.title = ReportPdfTitle(doc, request);
    const TReportPdf written = WriteReportPdf(ctl.env, &config, doc, nullptr, nullptr, job,
                                              [&ctl] { return ctl.messages.errors > 0; });
    if (ctl.messages.errors > 0)
        return 1;
    if (written.pages == 0) {
        Complain(QCoreApplication::translate(
                     "zedactl", "zedactl report: no page for printer %1 (no shown channel of it)")
                     .arg(printer));
        return 1;
    }
    if (!written.written)
        return 1;
    const int pageCount = written.pages;
    std::printf("%d\n", pageCount);
    return 0;
}

int CmdPrint(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Prints a day report or a month report of a month file on the printers that the INI file "
        "of the data directory names, with their flags, as the program's print commands do."));
    AddReportKindOptions(parser);
    const ParseResult pr = ParseOptions(parser, "print", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (parser.positionalArguments().size() != 1) {
        Complain(QCoreApplication::translate("zedactl", "zedactl print: needs FILE; see --help"));
        return 2;
    }
    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    CtlEnv ctl(parser.value("data-dir"));
    ctl.messages.reading = path;
    MonthDocument doc;
    TFileData file(&doc, ctl.env);
    if (!OpenMonth(ctl.env, path, doc, file, false))
        return 1;
    TPrintRequest request;
    if (!ParseRequest(parser, "print", false, HeaderDaysStored(doc.header), request))
        return 2;
    const TConfig config(ctl.env.IniPath());
    TPrintBase engine(ctl.env, &config, std::make_unique<TSystemPrintSystem>());
    // Without a chosen printer the reports would print nothing, and say so.
    if (!AnyPrinterChosen(engine)) {
        ctl.messages.Show(TMessages::Error, QCoreApplication::translate(
                                                "Cprintbase", "Es kann nicht gedruckt werden!"));
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl print: no printer is chosen; printers are chosen in the program "
                       "under Admin > Printers... (the INI keys Druck1, Druck2 and "
                       "Druckparameter)"));
        return 1;
    }
    RunPrintRequest(engine, doc, nullptr, nullptr, request);
    return ctl.messages.errors > 0 ? 1 : 0;
}
