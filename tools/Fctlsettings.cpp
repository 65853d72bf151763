#include "tools/Fctlsettings.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Fsettingkeys.h"
#include "config/Ftextfield.h"
#include "files/Fmonthfile.h"
#include "operators/Coperator.h"
#include "operators/Fpassword.h"
#include "tools/Fctlcommon.h"
#include "tools/Fjson.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

bool Refuse(const char* command, const QString& text) {
    std::fprintf(stderr, "zedactl %s: %s\n", command, qPrintable(text));
    return false;
}

// A whole number of the option text; out-of-range values are brought to the
// dialog's limits afterwards, as the dialog does.
bool ParseNumber(const QString& text, long& value) {
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok);
    if (!ok)
        return false;
    value = long(std::clamp<long long>(v, 0, 999999999));
    return true;
}

// Applies one FIELD=VALUE to the definition; false with a message when the
// field is unknown or the value unusable.
bool ApplyField(ChannelDef& c, const QString& assignment) {
    const qsizetype eq = assignment.indexOf('=');
    if (eq <= 0)
        return Refuse("channel", QCoreApplication::translate("zedactl", "--set takes FIELD=VALUE"));
    const QString field = assignment.left(eq);
    const QString value = assignment.mid(eq + 1);
    if (field == "name" || field == "dimension") {
        const QString outside = TextFieldRefusal(
            field == "name" ? AnsiField::ChannelName : AnsiField::ChannelUnit, value);
        if (!outside.isEmpty())
            return Refuse("channel", outside);
        const QByteArray text = ToAnsi(value);
        const int limit = field == "name" ? ChannelNameLength : ChannelDimensionLength;
        if (!IsChannelText(text) || text.size() > limit)
            return Refuse("channel", QCoreApplication::translate(
                                         "zedactl", "%1 takes at most %2 characters and no comma")
                                         .arg(field)
                                         .arg(limit));
        (field == "name" ? c.name : c.dimension) = text;
        return true;
    }
    long n = 0;
    if (!ParseNumber(value, n))
        return Refuse("channel",
                      QCoreApplication::translate("zedactl", "%1 takes a whole number").arg(field));
    if (field == "active")
        c.active = n != 0 ? 1 : 0;
    else if (field == "dispOffset")
        c.dispOffset = uint16_t(std::min(n, MaxDispOffset));
    else if (field == "inputMult")
        c.inputMult = uint16_t(std::min(n, MaxInputMult));
    else if (field == "minValue")
        c.minValue = uint32_t(std::min(n, MaxChannelValue));
    else if (field == "maxValue")
        c.maxValue = uint32_t(std::min(n, MaxChannelValue));
    else if (field == "offsetValue")
        c.offsetValue = uint32_t(std::min(n, MaxChannelValue));
    else if (field == "decimals")
        c.decimals = uint8_t(std::min(n, MaxDecimals));
    else if (field == "colour" && n < ColourEntryCount)
        SetColourEntry(c, int(n));
    else if (field == "colour")
        return Refuse("channel",
                      QCoreApplication::translate(
                          "zedactl", "colour takes an entry 0 .. 13 of the colour list"));
    else
        return Refuse("channel",
                      QCoreApplication::translate("zedactl", "unknown field %1").arg(field));
    return true;
}

// One line of a password: a CR before its end is the line end of a file
// or terminal written with CRLF, not part of the password.
QString PasswordLine(std::string line) {
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

// The new password twice: from standard input, or asked on the terminal
// without echo.
bool ReadPasswordTwice(bool fromStdin, QString& password, QString& confirmation) {
    const bool terminal = !fromStdin && ::isatty(STDIN_FILENO);
    termios saved{};
    if (terminal) {
        ::tcgetattr(STDIN_FILENO, &saved);
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string first;
    std::string second;
    if (terminal)
        std::fprintf(stderr, "%s",
                     qPrintable(QCoreApplication::translate("zedactl", "New password: ")));
    const bool gotFirst = bool(std::getline(std::cin, first));
    if (terminal)
        std::fprintf(stderr, "\n%s",
                     qPrintable(QCoreApplication::translate("zedactl", "Confirm: ")));
    const bool gotSecond = gotFirst && bool(std::getline(std::cin, second));
    if (terminal) {
        Complain(QString()); // ends the line the hidden input left open
        ::tcsetattr(STDIN_FILENO, TCSANOW, &saved);
    }
    password = PasswordLine(first);
    confirmation = PasswordLine(second);
    return gotSecond;
}

} // namespace

int CmdChannel(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl", "Shows or changes the definition of channel N (1 .. 14) in the INI file, with "
                   "the ranges of the channel dialog. FIELD is active, name, dimension, "
                   "dispOffset, inputMult, minValue, maxValue, offsetValue, decimals or colour "
                   "(entry 0 .. 13 of the colour list: \"Schwarz / 1\" .. \"Grun / 2\")."));
    parser.addOption(DataDirOption());
    parser.addOption(
        {"show", QCoreApplication::translate("zedactl", "Print the definition (JSON).")});
    parser.addOption(
        {"set",
         QCoreApplication::translate("zedactl", "Change a field; may be given several times."),
         "FIELD=VALUE"});
    parser.addPositionalArgument("N",
                                 QCoreApplication::translate("zedactl", "The channel, 1 .. 14."));
    const ParseResult pr = ParseOptions(parser, "channel", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    bool ok = false;
    const int channel = parser.positionalArguments().value(0).toInt(&ok);
    if (parser.positionalArguments().size() != 1 || !ok || channel < 1 || channel > ChannelCount ||
        parser.isSet("show") == parser.isSet("set")) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl channel: needs N (1 .. 14) and either --show or --set"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    TIniFile ini(ctl.env.IniPath());
    ChannelDef c = WithinDialogRanges(
        ParseChannelDef(ini.ReadString(IniSection, SettingKey::Channel(channel), "")));
    if (parser.isSet("show")) {
        PrintJson(ChannelToJson(c));
        return 0;
    }
    for (const QString& assignment : parser.values("set"))
        if (!ApplyField(c, assignment))
            return 2;
    if (ColourEntryOf(c) < 0)
        SetColourEntry(c, c.colourChoice < ColourEntryCount ? c.colourChoice : 0);
    if (!ctl.LockDataDir())
        return 1;
    return WriteConfigKey(ctl.env, SettingKey::Channel(channel), FormatChannelDef(c)) ? 0 : 1;
}

int CmdOperators(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Lists or edits the operator list operator.dat; names are cut to 15 characters."));
    parser.addOption(DataDirOption());
    parser.addOption({"list", QCoreApplication::translate(
                                  "zedactl", "Print the names, one a line, in file order.")});
    parser.addOption({"add", QCoreApplication::translate("zedactl", "Append a name."), "NAME"});
    parser.addOption(
        {"delete",
         QCoreApplication::translate("zedactl", "Remove the name at INDEX (counting from 0)."),
         "INDEX"});
    const ParseResult pr = ParseOptions(parser, "operators", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (int(parser.isSet("list")) + int(parser.isSet("add")) + int(parser.isSet("delete")) != 1) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl operators: needs one of --list, --add NAME, --delete INDEX"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    const QString path = OperatorListPath(ctl.env);
    TOperatorList list;
    if (!ReadOperatorList(path, list)) {
        ctl.messages.Show(TMessages::Error, UnreadableOperatorListText(path));
        return 1;
    }
    if (parser.isSet("list")) {
        for (const TOperator& o : list)
            Print(FromAnsi(o.Name()).toUtf8() + '\n');
        return 0;
    }
    if (parser.isSet("add")) {
        const QByteArray name = ToAnsi(parser.value("add"));
        QString refusal = TextFieldRefusal(AnsiField::OperatorName, parser.value("add"));
        if (refusal.isEmpty())
            refusal = OperatorNameRefusal(list, name);
        if (!refusal.isEmpty()) {
            ctl.messages.Show(TMessages::Error, refusal);
            return 1;
        }
        list.push_back(TOperator::FromName(TrimmedOperatorName(name)));
    } else {
        int index = -1;
        if (!ParseBoundedInt(parser, "delete", 0, int(list.size()) - 1, index))
            return 2;
        list.erase(list.begin() + index);
    }
    if (!ctl.LockDataDir())
        return 1;
    if (!WriteOperatorList(path, list)) {
        ctl.messages.Show(TMessages::Error, CannotWriteText(path));
        return 1;
    }
    return 0;
}

int CmdPassword(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl",
        "Sets the operator or the administrator password. It is asked twice on the terminal "
        "without echo, or read as two lines from standard input with --stdin."));
    parser.addOption(DataDirOption());
    parser.addOption(
        {"operator", QCoreApplication::translate("zedactl", "Set the operator password.")});
    parser.addOption(
        {"admin", QCoreApplication::translate("zedactl", "Set the administrator password.")});
    parser.addOption(
        {"stdin", QCoreApplication::translate(
                      "zedactl", "Read password and confirmation from standard input.")});
    const ParseResult pr = ParseOptions(parser, "password", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    if (parser.isSet("operator") == parser.isSet("admin")) {
        Complain(QCoreApplication::translate(
            "zedactl", "zedactl password: needs either --operator or --admin"));
        return 2;
    }
    CtlEnv ctl(parser.value("data-dir"));
    QString password;
    QString confirmation;
    ReadPasswordTwice(parser.isSet("stdin"), password, confirmation);
    const QString refusal = TypedPasswordRefusal(password, confirmation);
    if (!refusal.isEmpty()) {
        ctl.messages.Show(TMessages::Error, refusal);
        return 1;
    }
    if (!ctl.LockDataDir())
        return 1;
    return StorePassword(ctl.env, parser.isSet("admin"), ToAnsi(password)) ? 0 : 1;
}

int CmdLocation(const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zedactl", "Prints the location of the installation, or changes it with --set; the "
                   "month files take it into their headers when they are created."));
    parser.addOption(DataDirOption());
    parser.addOption({"set", QCoreApplication::translate("zedactl", "The new location."), "TEXT"});
    const ParseResult pr = ParseOptions(parser, "location", args);
    if (pr != ParseResult::Ok)
        return ParseExit(pr);
    CtlEnv ctl(parser.value("data-dir"));
    if (!parser.isSet("set")) {
        const TIniFile ini(ctl.env.IniPath());
        Print(FromAnsi(ini.ReadString(IniSection, SettingKey::Location, QByteArray())).toUtf8() +
              '\n');
        return 0;
    }
    // The dialog's rules; what it cuts to its field is refused here.
    const QString text = parser.value("set");
    QString refusal = TextFieldRefusal(AnsiField::Location, text);
    if (text.isEmpty())
        refusal = QCoreApplication::translate("TfmLocation", "Empty Betriebsort!");
    else if (refusal.isEmpty() && text.size() > LocationSize - 1)
        refusal =
            QCoreApplication::translate("zedactl", "The location holds at most %1 characters.")
                .arg(LocationSize - 1);
    if (!refusal.isEmpty()) {
        ctl.messages.Show(TMessages::Error, refusal);
        return 1;
    }
    if (!ctl.LockDataDir())
        return 1;
    return WriteConfigKey(ctl.env, SettingKey::Location, ToAnsi(text)) ? 0 : 1;
}
