#include "tools/Fctlcommon.h"

#include "config/Cinifile.h"
#include "config/Fcalendar.h"
#include "config/Fdatadir.h"
#include "config/Flanguage.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QRegularExpression>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

void Print(const QByteArray& text) {
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
}

void PrintJson(const QJsonObject& o) {
    Print(QJsonDocument(o).toJson(QJsonDocument::Indented));
}

ParseResult ParseOptions(QCommandLineParser& parser, const QString& command,
                         const QStringList& args) {
    parser.addHelpOption();
    QStringList all = args;
    all.prepend("zedactl " + command);
    if (!parser.parse(all)) {
        std::fprintf(stderr, "zedactl %s: %s\n", qPrintable(command),
                     qPrintable(parser.errorText()));
        return ParseResult::Error;
    }
    if (parser.isSet("help")) {
        // Qt names the program by the path it was started as (a helper's).
        QString help = parser.helpText();
        const QString self = QCoreApplication::arguments().value(0);
        const qsizetype at = self.isEmpty() ? -1 : help.indexOf(self);
        if (at >= 0)
            help.replace(at, self.size(), "zedactl " + command);
        Print(help.toUtf8());
        return ParseResult::Help;
    }
    return ParseResult::Ok;
}

void Complain(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

QCommandLineOption DataDirOption() {
    return QCommandLineOption("data-dir",
                              QCoreApplication::translate(
                                  "Fctlcommon", "Data directory (default: the program's directory "
                                                "when it may be written, otherwise "
                                                "$XDG_DATA_HOME/zeda)."),
                              "DIR");
}

bool TakeLanguageOption(int& argc, char* argv[], QByteArray& language) {
    language = LanguageOption(argc, argv);
    argc = RemoveLanguageOption(argc, argv);
    if (language.isEmpty() || ParseLanguage(language))
        return true;
    // No catalogue is installed yet: the locale's language is not known.
    std::fprintf(stderr, "zedactl: --language takes en, de or source\n");
    return false;
}

void TakeVerboseOption(int& argc, char* argv[]) {
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strcmp(argv[i], "--verbose") == 0)
            setenv(VerboseVariable, "1", 1);
        else
            argv[kept++] = argv[i];
    }
    argv[kept] = nullptr;
    argc = kept;
}

void MoveDataDirBehindCommand(int argc, char* argv[]) {
    int command = 1;
    while (command < argc) {
        const QByteArray a(argv[command]);
        if (a == "--data-dir" && command + 1 < argc)
            command += 2;
        else if (a.startsWith("--data-dir="))
            command += 1;
        else
            break;
    }
    if (command > 1 && command < argc)
        std::rotate(argv + 1, argv + command, argv + command + 1);
}

namespace {

QtMessageHandler EarlierHandler = nullptr;

void PassAllButRuntimeDirNotice(QtMsgType type, const QMessageLogContext& context,
                                const QString& text) {
    if (type == QtWarningMsg &&
        text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (EarlierHandler)
        EarlierHandler(type, context, text);
}

} // namespace

void QuietRuntimeDirNotice() {
    if (!EarlierHandler)
        EarlierHandler = qInstallMessageHandler(PassAllButRuntimeDirNotice);
}

void InstallCtlLanguage(QCoreApplication& app, const QByteArray& option) {
    InstallLanguage(app,
                    ChooseLanguage(option, QByteArray(), QProcessEnvironment::systemEnvironment()));
}

bool ParseDateTime(const QString& text, LocalTime& t) {
    static const QRegularExpression form(R"(^\s*(\d{4})-(\d{2})-(\d{2})[ T](\d{2}):(\d{2})\s*$)");
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    t.year = m.captured(1).toInt();
    t.month = m.captured(2).toInt();
    t.day = m.captured(3).toInt();
    t.hour = m.captured(4).toInt();
    t.minute = m.captured(5).toInt();
    t.second = 0;
    return t.year >= 1980 && t.year <= 2235 && t.month >= 1 && t.month <= 12 && t.day >= 1 &&
           t.day <= DaysInMonth(uint8_t(t.year - 1980), uint8_t(t.month)) && t.hour <= 23 &&
           t.minute <= 59;
}

QString ZedactlDir() {
    const QString handedOver = qEnvironmentVariable(ZedactlDirVariable);
    return handedOver.isEmpty() ? QCoreApplication::applicationDirPath() : handedOver;
}

CtlEnv::CtlEnv(const QString& dataDir, std::unique_ptr<TClock> ownClock)
    : clock(ownClock ? std::move(ownClock) : std::make_unique<TSystemClock>()) {
    env.dataDir = dataDir.isEmpty() ? DefaultDataDir(ZedactlDir()) : QDir(dataDir).absolutePath();
    env.clock = clock.get();
    env.messages = &messages;
    env.notices = &notices;
    const QString problem = IniReadProblem(env.IniPath());
    if (!problem.isEmpty())
        throw UnreadableSettings{UnreadableIniText(env.IniPath(), problem)};
}

bool CtlEnv::LockDataDir(const QString& program) {
    QDir().mkpath(env.dataDir);
    lock = std::make_unique<TDataDirLock>(env.dataDir, env.appName);
    if (lock->TryLock(program)) {
        RemoveInterruptedCreations(env.dataDir);
        return true;
    }
    messages.Show(TMessages::Error, lock->RefusalText());
    return false;
}

bool ParseBoundedInt(const QCommandLineParser& parser, const QString& name, int min, int max,
                     int& value) {
    long long v = value;
    if (!ParseBoundedInt(parser, name, (long long)min, (long long)max, v))
        return false;
    value = int(v);
    return true;
}

bool ParseChannelList(const QString& text, std::array<bool, ChannelCount>& shown) {
    shown.fill(false);
    const QStringList parts = text.split(',', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        bool ok = false;
        const int n = part.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > ChannelCount)
            return false;
        shown[n - 1] = true;
    }
    return true;
}

int RunCommand(const std::function<int(const QStringList&)>& run, const QStringList& args) {
    try {
        return run(args);
    } catch (const UnreadableSettings& unreadable) {
        TStderrMessages messages;
        messages.Show(TMessages::Error, unreadable.text);
        return 1;
    }
}

namespace {

int SignalFds[2] = {-1, -1};

void OnSignal(int) {
    const char b = 1;
    [[maybe_unused]] const ssize_t n = ::write(SignalFds[0], &b, 1);
}

} // namespace

std::unique_ptr<QSocketNotifier> CatchTermination(std::function<void()> onSignal) {
    if (SignalFds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, SignalFds) != 0)
        return nullptr;
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    if (::sigaction(SIGTERM, &sa, nullptr) != 0 || ::sigaction(SIGINT, &sa, nullptr) != 0)
        return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(SignalFds[1], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [onSignal] {
        char b = 0;
        [[maybe_unused]] const ssize_t n = ::read(SignalFds[1], &b, 1);
        onSignal();
    });
    return notifier;
}
