#include "tools/Fctlexceptions.h"

#include "config/Cmessages.h"
#include "config/Fcodec.h"
#include "files/Fexceptionlist.h"
#include "tools/Fctlcommon.h"

#include <QCoreApplication>

namespace {

// The entry --add or --set makes of the text; false after the refusal.
bool EntryOf(CtlEnv& ctl, const QString& text, bool noteOnly, QByteArray& entry) {
    if (!FitsAnsi(text)) {
        ctl.messages.Show(TMessages::Error, ExceptionTextOutsideCodePage());
        return false;
    }
    entry = ExceptionEntry(ToAnsi(text), noteOnly);
    const QString refusal = ExceptionEntryRefusal(entry);
    if (!refusal.isEmpty()) {
        ctl.messages.Show(TMessages::Error, refusal);
        return false;
    }
    return true;
}

// Applies --add, --set or --delete to the list; 0, or the exit status.
int Edit(const QCommandLineParser& parser, CtlEnv& ctl, std::vector<QByteArray>& list,
         const ExceptionListShape& shape) {
    const bool noteOnly = parser.isSet("note-only");
    QByteArray entry;
    if (parser.isSet("add")) {
        const QString full = ExceptionListFullRefusal(int(list.size()), shape.capacity);
        if (!full.isEmpty()) {
            ctl.messages.Show(TMessages::Error, full);
            return 1;
        }
        if (!EntryOf(ctl, parser.value("add"), noteOnly, entry))
            return 1;
        list.push_back(entry);
        return 0;
    }
    const QString option = parser.isSet("set") ? "set" : "delete";
    int n = 0;
    if (list.empty()) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl exceptions: the list holds no description to change"));
        return 1;
    }
    if (!ParseBoundedInt(parser, option, 1, int(list.size()), n))
        return 2;
    if (option == "delete") {
        list.erase(list.begin() + (n - 1));
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        Complain(QCoreApplication::translate("zedactl",
                                             "zedactl exceptions: --set N needs the new TEXT"));
        return 2;
    }
    if (!EntryOf(ctl, positional.first(), noteOnly, entry))
        return 1;
    list[n - 1] = entry;
    return 0;
}

} // namespace

int CmdExceptions(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Lists or edits the exception descriptions of AUSNAHME.LST, which fill the exception "
        "menu: at most 30, each at most 70 characters; a description starting with \"!\" sets "
        "note-only periods, and its first four characters are the code a period carries."));
    parser.addOption(DataDirOption());
    parser.addOption(
        {"list", QCoreApplication::translate(
                     "zedactl", "Print the descriptions, one a line, in menu order.")});
    parser.addOption(
        {"add", QCoreApplication::translate("zedactl", "Append a description."), "TEXT"});
    parser.addOption(
        {"set",
         QCoreApplication::translate("zedactl", "Replace description N (counting from 1) by TEXT."),
         "N"});
    parser.addOption(
        {"delete",
         QCoreApplication::translate("zedactl", "Remove description N (counting from 1)."), "N"});
    parser.addOption(
        {"note-only", QCoreApplication::translate(
                          "zedactl", "With --add or --set: a note-only description (\"!\").")});
    parser.addPositionalArgument(
        "TEXT", QCoreApplication::translate("zedactl", "The new text of --set."), "[TEXT]");
    const ParseResult pr = ParseOptions(parser, "exceptions", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (int(parser.isSet("list")) + int(parser.isSet("add")) + int(parser.isSet("set")) +
            int(parser.isSet("delete")) !=
        1) {
        Complain(QCoreApplication::translate(
            "zedactl",
            "zedactl exceptions: needs one of --list, --add TEXT, --set N TEXT, --delete N"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    const QString path = ExceptionListPath(ctl.env.dataDir);
    // A writer reads the list under the lock, so that no change is undone.
    if (!parser.isSet("list") && !ctl.LockDataDir())
        return 1;
    std::vector<QByteArray> list;
    ExceptionListShape shape;
    if (!ReadExceptionList(path, list) || !ReadExceptionListShape(path, shape)) {
        ctl.messages.Show(TMessages::Error, UnreadableExceptionListText(path));
        return 1;
    }
    if (parser.isSet("list")) {
        for (const QByteArray& e : list)
            Print(FromAnsi(e).toUtf8() + '\n');
        if (shape.hidesText)
            ctl.messages.Show(TMessages::Warning, HiddenExceptionTextNotice(path));
        return 0;
    }
    if (const int status = Edit(parser, ctl, list, shape); status != 0)
        return status;
    if (!WriteExceptionList(path, list)) {
        ctl.messages.Show(TMessages::Error, CannotWriteText(path));
        return 1;
    }
    return 0;
}
