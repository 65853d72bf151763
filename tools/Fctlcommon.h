#pragma once

#include "comm/Cnotices.h"
#include "config/Cclock.h"
#include "config/Cdatadirlock.h"
#include "config/Cenv.h"
#include "config/Fchannel.h"
#include "config/Fcommandline.h"
#include "tools/Cctlmessages.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QJsonObject>
#include <QSocketNotifier>
#include <QString>

#include <array>
#include <functional>
#include <memory>

// Helpers shared by zedactl's commands.

// Set by zedactl when it hands a command over to zedactl-draw: zedactl's own
// directory, which gives the default data directory.
inline constexpr char ZedactlDirVariable[] = "ZEDACTL_DIR";

void Print(const QByteArray& text);
// One line on stderr: why a command cannot run.
void Complain(const QString& text);
void PrintJson(const QJsonObject& o);

// The outcome of parsing a command's options.
enum class ParseResult { Ok, Help, Error };
ParseResult ParseOptions(QCommandLineParser& parser, const QString& command,
                         const QStringList& args);
// Exit code for a parse that did not give Ok.
inline int ParseExit(ParseResult r) {
    return r == ParseResult::Help ? 0 : 2;
}

QCommandLineOption DataDirOption();

// Takes "--language en|de|source" out of the command line, wherever it
// stands, before the application object sees it; false (after saying so)
// when it names no language.
bool TakeLanguageOption(int& argc, char* argv[], QByteArray& language);
// Takes "--verbose" out of the command line, wherever it stands, and hands
// it on to the helper programs through VerboseVariable.
void TakeVerboseOption(int& argc, char* argv[]);
// "--data-dir DIR" before the command moves behind it, where every command
// reads its options.
void MoveDataDirBehindCommand(int argc, char* argv[]);
// Keeps Qt's notice that XDG_RUNTIME_DIR is unset (usual under cron, sudo
// and services, and harmless: Qt takes a private directory) off stderr;
// every other message passes as before.
void QuietRuntimeDirNotice();
// The language of a command: the option, otherwise the user's locale.
void InstallCtlLanguage(QCoreApplication& app, const QByteArray& option);

// "YYYY-MM-DD HH:MM" as a broken-down time; false when malformed.
bool ParseDateTime(const QString& text, LocalTime& t);

// "1,3,14" as the 14 shown flags of channels 1..14; false when malformed.
bool ParseChannelList(const QString& text, std::array<bool, ChannelCount>& shown);

// ParseBoundedInt of config/Fcommandline.h for options of type int.
bool ParseBoundedInt(const QCommandLineParser& parser, const QString& name, int min, int max,
                     int& value);

// Thrown by CtlEnv when the INI file exists but cannot be read: every
// command stops with the message (status 1) before it reads a setting.
struct UnreadableSettings {
    QString text;
};

// Runs one command; an unreadable INI file stops it with the message and
// status 1, whichever program serves the command.
int RunCommand(const std::function<int(const QStringList&)>& run, const QStringList& args);

// Runs onSignal from the event loop when SIGTERM or SIGINT arrives (the
// handler itself only writes a byte); null when they cannot be caught.
std::unique_ptr<QSocketNotifier> CatchTermination(std::function<void()> onSignal);

// The directory of the zedactl that was run.
QString ZedactlDir();

// The environment of one command: data directory, clock, messages, notices.
struct CtlEnv {
    std::unique_ptr<TClock> clock;
    TStderrMessages messages;
    TStderrMessages noticeMessages{true};
    TMessageNotices notices{noticeMessages};
    TEnv env;
    std::unique_ptr<TDataDirLock> lock;

    // The system clock, or the given clock (taken over). Throws
    // UnreadableSettings for an INI file that cannot be read.
    explicit CtlEnv(const QString& dataDir, std::unique_ptr<TClock> ownClock = nullptr);

    // Commands that write into the data directory hold its lock: one writer
    // at a time. False after telling who holds it. The holder clears away
    // what killed month-file creations left.
    bool LockDataDir(const QString& program = QStringLiteral("zedactl"));
};
