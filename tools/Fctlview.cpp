#include "tools/Fctlview.h"

#include "config/Cmessages.h"
#include "files/Fmonthfile.h"
#include "files/Foutput.h"
#include "tools/Fctlcommon.h"
#include "view/Frender.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

bool ParseMarks(const QString& text, TRenderRequest& r) {
    const QStringList parts = text.split(',');
    if (parts.size() != 2)
        return false;
    bool okA = false;
    bool okB = false;
    const int a = parts[0].trimmed().toInt(&okA);
    const int b = parts[1].trimmed().toInt(&okB);
    if (!okA || !okB || a < 0 || b < 0 || a > 0xFFFF || b > 0xFFFF)
        return false;
    r.markStart = static_cast<uint16_t>(a);
    r.markEnd = static_cast<uint16_t>(b);
    return true;
}

} // namespace

int CmdRender(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl", "Paints what a month-file window of W x H pixels shows (time strip above, value "
                   "strip on the left) into a PNG picture."));
    parser.addPositionalArgument("FILE", QCoreApplication::translate("zedactl", "The month file."));
    parser.addOption(DataDirOption());
    parser.addOption({{"o", "output"},
                      QCoreApplication::translate("zedactl", "The PNG file to write."),
                      "OUT.png"});
    parser.addOption(
        {"time-zoom",
         QCoreApplication::translate("zedactl", "Time zoom as the View menu has it (-20 .. 10)."),
         "N"});
    parser.addOption(
        {"size-zoom", QCoreApplication::translate("zedactl", "Size zoom (1 .. 20)."), "N"});
    parser.addOption({"width",
                      QCoreApplication::translate(
                          "zedactl", "Width of the window's client area (default 1000)."),
                      "W"});
    parser.addOption({"height",
                      QCoreApplication::translate(
                          "zedactl", "Height of the window's client area (default 600)."),
                      "H"});
    parser.addOption(
        {"first", QCoreApplication::translate("zedactl", "First visible minute slot."), "SLOT"});
    parser.addOption(
        {"channels",
         QCoreApplication::translate("zedactl",
                                    "Shown channels, e.g. 1,2,5 (default: the channels in use)."),
         "LIST"});
    parser.addOption(
        {"marks", QCoreApplication::translate("zedactl", "The two marked slots."), "A,B"});
    parser.addOption(
        {"background", QCoreApplication::translate("zedactl", "1 white, 2 grey."), "1|2"});
    const ParseResult pr = ParseOptions(parser, "render", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);

    TRenderRequest r;
    if (!ParseBoundedInt(parser, "time-zoom", -20, 10, r.timeZoom) ||
        !ParseBoundedInt(parser, "size-zoom", 1, 20, r.sizeZoom) ||
        !ParseBoundedInt(parser, "width", 50, 16384, r.width) ||
        !ParseBoundedInt(parser, "height", 50, 16384, r.height) ||
        !ParseBoundedInt(parser, "first", 0, MaxDayBlocks * SlotsPerDay - 1, r.firstSlot) ||
        !ParseBoundedInt(parser, "background", 1, 2, r.background))
        return 2;
    bool ok = parser.positionalArguments().size() == 1 && parser.isSet("output");
    if (ok && parser.isSet("channels")) {
        r.channels.emplace();
        ok = ParseChannelList(parser.value("channels"), *r.channels);
    }
    if (ok && parser.isSet("marks"))
        ok = ParseMarks(parser.value("marks"), r);
    if (!ok) {
        Complain(
            QCoreApplication::translate("zedactl", "zedactl render: needs FILE and -o OUT.png; see "
                                                   "--help for the options and their ranges"));
        return 2;
    }
    r.path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    const QString output = parser.value("output");

    CtlEnv ctl(parser.value("data-dir"));
    ctl.messages.reading = r.path;
    const QString refusal = RefusedOutputTarget(output, r.path);
    if (!refusal.isEmpty()) {
        ctl.messages.Show(TMessages::Error, refusal);
        return 1;
    }
    QImage image;
    if (!RenderMonthFile(ctl.env, r, image))
        return 1;
    // The picture replaces an older one only when it was written whole.
    QSaveFile file(output);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !CommitWhole(file)) {
        ctl.messages.Show(TMessages::Error, CannotWriteText(output));
        return 1;
    }
    return 0;
}
