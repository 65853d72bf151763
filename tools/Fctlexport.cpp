#include "tools/Fctlexport.h"

#include "config/Fcalendar.h"
#include "config/Fcodec.h"
#include "files/Cfiledata.h"
#include "files/Cmonthdata.h"
#include "files/Cmonthdocument.h"
#include "files/Fbackup.h"
#include "files/Fexceptions.h"
#include "files/Fexport.h"
#include "tools/Fctlcommon.h"
#include "view/Fviewchannel.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <optional>

int OpenMarked(const QCommandLineParser& parser, const char* command, CtlEnv& ctl, MarkedFile& m) {
    if (parser.positionalArguments().size() != 1 || !parser.isSet("from") || !parser.isSet("to")) {
        Complain(
            QCoreApplication::translate("zedactl", "zedactl %1: needs one FILE, --from and --to")
                .arg(command));
        return 2;
    }
    LocalTime from;
    LocalTime to;
    std::array<bool, ChannelCount> shown;
    shown.fill(true);
    if (!ParseDateTime(parser.value("from"), from) || !ParseDateTime(parser.value("to"), to) ||
        (parser.isSet("channels") && !ParseChannelList(parser.value("channels"), shown))) {
        Complain(QCoreApplication::translate(
                     "zedactl", "zedactl %1: times are \"YYYY-MM-DD HH:MM\", channels a list "
                                "of 1..14")
                     .arg(command));
        return 2;
    }
    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    ctl.messages.reading = path;
    m.file = std::make_unique<TFileData>(&m.document, ctl.env);
    uint8_t year = 0;
    uint8_t month = 0;
    if (!m.file->ValidateWithMessage(path, year, month))
        return 1;
    if (!m.file->Open(path, year, month)) {
        ctl.messages.Show(TMessages::Error, ValidateMessage(TFileBase::CannotOpen));
        return 1;
    }
    const std::optional<uint16_t> first = SlotOfTime(m.document.Info(), from);
    const std::optional<uint16_t> last = SlotOfTime(m.document.Info(), to);
    if (!first || !last || *first > *last) {
        Complain(QCoreApplication::translate(
                     "zedactl", "zedactl %1: --from and --to must be minutes of the file, "
                                "in order")
                     .arg(command));
        return 2;
    }
    m.document.display.markStart = *first;
    m.document.display.markEnd = *last;
    for (int i = 0; i < ChannelCount; ++i)
        m.document.display.channelVisible[i] = shown[i] ? 1 : 0;
    return 0;
}

void AddRangeOptions(QCommandLineParser& parser) {
    parser.addOption(DataDirOption());
    parser.addOption({"from",
                      QCoreApplication::translate("zedactl", "First minute, \"YYYY-MM-DD HH:MM\"."),
                      "TIME"});
    parser.addOption({"to",
                      QCoreApplication::translate("zedactl", "Last minute, \"YYYY-MM-DD HH:MM\"."),
                      "TIME"});
    parser.addOption(
        {"channels",
         QCoreApplication::translate("zedactl", "Shown channels, e.g. \"1,3,14\" (default: all)."),
         "LIST"});
    parser.addPositionalArgument("FILE", QCoreApplication::translate("zedactl", "The month file."));
}

int CmdExport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl", "Exports the values of the given channels between two minutes of a month file "
                   "as CSV, exactly as the program's export of a marked range."));
    AddRangeOptions(parser);
    parser.addOption(
        {{"o", "output"}, QCoreApplication::translate("zedactl", "The CSV file to write."), "OUT"});
    parser.addOption({"dialect",
                      QCoreApplication::translate(
                          "zedactl", "zeda (default: \";\", decimal comma, Windows-1252), excel-de, "
                                     "excel-en or rfc4180 (UTF-8, empty cells where no value is)."),
                      "NAME"});
    parser.addOption({"state", QCoreApplication::translate(
                                   "zedactl", "A column after each value that says why it is "
                                              "empty (not with the zeda dialect).")});
    const ParseResult pr = ParseOptions(parser, "export", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (!parser.isSet("output")) {
        Complain(QCoreApplication::translate("zedactl", "zedactl export: needs -o OUT.csv"));
        return 2;
    }
    TCsvOptions options;
    if (parser.isSet("dialect") && !ParseCsvDialect(parser.value("dialect"), options.dialect)) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl export: --dialect is zeda, excel-de, excel-en or rfc4180"));
        return 2;
    }
    options.stateColumns = parser.isSet("state");
    if (options.stateColumns && options.dialect == TCsvDialect::Zeda) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl export: --state needs --dialect excel-de, excel-en or rfc4180"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    MarkedFile m;
    if (const int rc = OpenMarked(parser, "export", ctl, m); rc != 0)
        return rc;
    // Unless asked for, the channels not in use are left out.
    if (!parser.isSet("channels"))
        ShowChannelsInUse(m.document);
    const auto& shown = m.document.display.channelVisible;
    if (std::none_of(shown.cbegin(), shown.cend(), [](uint32_t v) { return v != 0; })) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl export: the file has no channel in use; name some with --channels"));
        return 1;
    }
    return m.file->ExportCsv(parser.value("output"), options) ? 0 : 1;
}

int CmdException(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Sets an exception period (the text of an exception-list entry; its first four characters "
        "give the code) or clears the one that matches range and channels exactly."));
    AddRangeOptions(parser);
    parser.addOption({"set", QCoreApplication::translate("zedactl", "The entry's text."), "TEXT"});
    parser.addOption(
        {"clear", QCoreApplication::translate("zedactl", "Clear the matching period.")});
    const ParseResult pr = ParseOptions(parser, "exception", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (parser.isSet("set") == parser.isSet("clear")) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl exception: needs either --set TEXT or --clear"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    MarkedFile m;
    if (const int rc = OpenMarked(parser, "exception", ctl, m); rc != 0)
        return rc;
    const QByteArray text = parser.isSet("clear") ? ClearExceptText : ToAnsi(parser.value("set"));
    return m.file->ApplyException(text) ? 0 : 1;
}

int CmdBackup(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("zedactl", "Backs a month file up into a directory."));
    parser.addPositionalArgument("FILE", QCoreApplication::translate("zedactl", "The month file."));
    parser.addPositionalArgument("DIR",
                                 QCoreApplication::translate("zedactl", "The target directory."));
    const ParseResult pr = ParseOptions(parser, "backup", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (parser.positionalArguments().size() != 2) {
        Complain(QCoreApplication::translate("zedactl", "zedactl backup: needs FILE and DIR"));
        return 2;
    }
    CtlEnv ctl{QString()};
    const QString path = QFileInfo(parser.positionalArguments()[0]).absoluteFilePath();
    const QString dir = QFileInfo(parser.positionalArguments()[1]).absoluteFilePath();
    ctl.messages.reading = path;
    uint8_t year = 0;
    uint8_t month = 0;
    // The program backs up only files it has opened, that is valid ones.
    const int result = TFileBase::Validate(path, year, month);
    if (result != TFileBase::Valid) {
        ctl.messages.Show(TMessages::Error, ValidateMessage(result));
        return 1;
    }
    if (!QFileInfo(dir).isDir()) {
        Complain(QCoreApplication::translate("zedactl", "zedactl backup: %1 is not a directory")
                     .arg(dir));
        return 2;
    }
    return BackupToDirectory(path, dir, ctl.messages) ? 0 : 1;
}

int CmdImport(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Imports a month file into the data directory, asking first unless --yes is given."));
    parser.addOption(DataDirOption());
    parser.addOption(
        {"yes", QCoreApplication::translate("zedactl", "Answer the question with Yes.")});
    parser.addPositionalArgument(
        "FILE", QCoreApplication::translate("zedactl", "The month file to import."));
    const ParseResult pr = ParseOptions(parser, "import", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (parser.positionalArguments().size() != 1) {
        Complain(QCoreApplication::translate("zedactl", "zedactl import: needs one FILE"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    if (!ctl.LockDataDir())
        return 1;
    ctl.messages.assumeYes = parser.isSet("yes");
    const QFileInfo source(parser.positionalArguments().first());
    ctl.messages.reading = source.absoluteFilePath();
    const QString target = ctl.env.FilePath(source.fileName());
    return ImportMonthFile(source.absoluteFilePath(), target, ctl.messages) ? 0 : 1;
}
