// zeda-unit: an emulator of the acquisition unit on a serial line or on a
// pseudo-terminal, so that ZEDA runs over a real serial link without the
// hardware. It answers the auto-detect handshake and the framed protocol of
// docs/unit-protocol.md, and sends its bytes no faster than the line's
// speed allows.

#include "config/Cclock.h"
#include "config/Fcommandline.h"
#include "config/Flanguage.h"
#include "unit/Cunitemulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t Stop = 0;

void OnSignal(int) {
    Stop = 1;
}

// A partial request older than this is thrown away.
constexpr int64_t RequestTimeoutUs = 100000;

struct Speed {
    speed_t code;
    int baud;
};

constexpr Speed Speeds[] = {{B300, 300},     {B600, 600},       {B1200, 1200},    {B2400, 2400},
                            {B4800, 4800},   {B9600, 9600},     {B19200, 19200},  {B38400, 38400},
                            {B57600, 57600}, {B115200, 115200}, {B230400, 230400}};

int BaudOf(speed_t code) {
    for (const Speed& s : Speeds) {
        if (s.code == code)
            return s.baud;
    }
    return 0;
}

bool CodeOf(int baud, speed_t& code) {
    for (const Speed& s : Speeds) {
        if (s.baud == baud) {
            code = s.code;
            return true;
        }
    }
    return false;
}

int64_t NowUs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

void SleepUntilUs(int64_t us) {
    const timespec ts{time_t(us / 1000000), long(us % 1000000) * 1000};
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR && !Stop) {
    }
}

// Says why on stderr, in the user's language.
void Complain(const char* text) {
    std::fprintf(stderr, "zeda-unit: %s\n",
                 qPrintable(QCoreApplication::translate("zeda-unit", text)));
}

bool Fail(const char* text) {
    Complain(text);
    return false;
}

// The serial line: the descriptor the bytes travel through, and the one
// whose line settings tell the speed the PC has set.
class TLine {
public:
    ~TLine() {
        if (FLineFd >= 0 && FLineFd != FIoFd)
            close(FLineFd);
        if (FIoFd >= 0)
            close(FIoFd);
    }

    // A pseudo-terminal: the PC opens the path printed.
    bool OpenPty(QByteArray& path) {
        char name[256] = {};
        if (openpty(&FIoFd, &FLineFd, name, nullptr, nullptr) != 0)
            return Fail(QT_TRANSLATE_NOOP("zeda-unit", "cannot create a pseudo-terminal"));
        // The emulator keeps the PC's end open as well, so the line stays up
        // while the PC closes and opens its port, and reads the speed the PC
        // set there.
        termios raw{};
        tcgetattr(FLineFd, &raw);
        cfmakeraw(&raw);
        tcsetattr(FLineFd, TCSANOW, &raw);
        fcntl(FIoFd, F_SETFL, fcntl(FIoFd, F_GETFL) | O_NONBLOCK);
        path = name;
        return true;
    }

    bool OpenDevice(const QByteArray& path, int baud) {
        speed_t code{};
        if (!CodeOf(baud, code))
            return Fail(QT_TRANSLATE_NOOP("zeda-unit", "--baud names no speed of the line"));
        FIoFd = open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (FIoFd < 0)
            return Fail(QT_TRANSLATE_NOOP("zeda-unit", "cannot open the device"));
        FLineFd = FIoFd;
        termios t{};
        tcgetattr(FIoFd, &t);
        cfmakeraw(&t);
        t.c_cflag |= CLOCAL | CREAD;
        cfsetspeed(&t, code);
        if (tcsetattr(FIoFd, TCSANOW, &t) != 0)
            return Fail(QT_TRANSLATE_NOOP("zeda-unit", "cannot set the line"));
        return true;
    }

    int Fd() const { return FIoFd; }
    int Baud() const {
        termios t{};
        return tcgetattr(FLineFd, &t) == 0 ? BaudOf(cfgetospeed(&t)) : 0;
    }

    // Sends the bytes as the line would carry them: the first no earlier
    // than notBeforeUs, each after the time of its ten bits.
    void Send(const QByteArray& bytes, int64_t notBeforeUs, int baud) {
        const int64_t byteUs = 10000000LL / std::max(baud, 1);
        const int64_t start = std::max(NowUs(), notBeforeUs);
        for (qsizetype k = 0; k < bytes.size() && !Stop; ++k) {
            SleepUntilUs(start + (k + 1) * byteUs);
            // Nobody reading: the byte is lost, as on a line without a PC.
            if (write(FIoFd, bytes.constData() + k, 1) < 0 && errno != EAGAIN)
                return;
        }
    }

private:
    int FIoFd = -1;
    int FLineFd = -1;
};

// Splits what arrives into the handshake byte and request frames.
class TReceiver {
public:
    TReceiver(TLine& line, TUnitEmulator& unit, int baud) : FLine(line), FUnit(unit), FBaud(baud) {}

    void Feed(const char* bytes, ssize_t n, int64_t nowUs) {
        const int lineBaud = FLine.Baud();
        // At another speed the unit hears only noise.
        if (FBaud != 0 && lineBaud != FBaud) {
            FFrame.clear();
            return;
        }
        const int baud = lineBaud != 0 ? lineBaud : 19200;
        const int64_t byteUs = 10000000LL / baud;
        for (ssize_t i = 0; i < n; ++i) {
            const auto b = static_cast<uint8_t>(bytes[i]);
            if (FFrame.isEmpty()) {
                if (b == DetectRequest)
                    FLine.Send(QByteArray(1, char(DetectAnswer)), nowUs + byteUs, baud);
                else if (b == FrameStart)
                    Begin(nowUs);
                continue;
            }
            FFrame.append(char(b));
            FLastUs = nowUs;
            Complete(byteUs, baud);
        }
    }

    // Drops a request whose rest did not come.
    void Expire(int64_t nowUs) {
        if (!FFrame.isEmpty() && nowUs - FLastUs > RequestTimeoutUs)
            FFrame.clear();
    }

private:
    void Begin(int64_t nowUs) {
        FFrame = QByteArray(1, char(FrameStart));
        FFirstUs = nowUs;
        FLastUs = nowUs;
    }

    void Complete(int64_t byteUs, int baud) {
        if (FFrame.size() < 2)
            return;
        const int n = static_cast<uint8_t>(FFrame[1]);
        if (n > MaxFramePayload) {
            FFrame.clear();
            return;
        }
        if (FFrame.size() < FrameOverhead + n)
            return;
        Frame request;
        const FrameScan scan = TakeFrame(FFrame, request);
        const qsizetype size = FrameOverhead + n;
        FFrame.clear();
        if (scan != FrameScan::Taken)
            return;
        const int64_t nowMs = NowUs() / 1000;
        const QByteArray answer = FUnit.Answer(request, nowMs);
        // The answer starts once the whole request has crossed the line.
        if (!answer.isEmpty())
            FLine.Send(answer, FFirstUs + size * byteUs, baud);
    }

    TLine& FLine;
    TUnitEmulator& FUnit;
    int FBaud;
    QByteArray FFrame;
    int64_t FFirstUs = 0;
    int64_t FLastUs = 0;
};

bool ParseFrom(const QString& text, int64_t& seconds) {
    static const QRegularExpression form(R"(^\s*(\d{4})-(\d{2})-(\d{2})[ T](\d{2}):(\d{2})\s*$)");
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return false;
    const LocalTime t{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                      m.captured(4).toInt(), m.captured(5).toInt(), 0};
    if (t.year < 1980 || t.year > 2235 || t.month < 1 || t.month > 12 || t.day < 1 || t.day > 31 ||
        t.hour > 23 || t.minute > 59)
        return false;
    seconds = SecondsFromLocal(t);
    return LocalFromSeconds(seconds).day == t.day; // no 31 April
}

bool ParseFaults(const QString& list, UnitOptions& o) {
    for (const QString& f : list.split(',', Qt::SkipEmptyParts)) {
        const QString name = f.trimmed();
        if (name == "drop-byte")
            o.dropByte = true;
        else if (name == "corrupt-frame")
            o.corruptFrame = true;
        else if (name == "silence")
            o.silence = true;
        else
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    const QByteArray language = LanguageOption(argc, argv);
    if (!language.isEmpty() && !ParseLanguage(language)) {
        std::fprintf(stderr, "zeda-unit: --language takes en, de or source\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    InstallLanguage(
        app, ChooseLanguage(language, QByteArray(), QProcessEnvironment::systemEnvironment()));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "zeda-unit",
        "Emulates the acquisition unit on a serial device or a new pseudo-terminal (its path is "
        "the first line of output)."));
    parser.addHelpOption();
    parser.addOption({"pty", QCoreApplication::translate(
                                 "zeda-unit", "Create a pseudo-terminal and print its path.")});
    parser.addOption({"device",
                      QCoreApplication::translate("zeda-unit", "Serial device to answer on."),
                      "PATH"});
    parser.addOption({"baud",
                      QCoreApplication::translate(
                          "zeda-unit", "Answer only while the line is set to this speed."),
                      "N"});
    parser.addOption(
        {"from",
         QCoreApplication::translate(
             "zeda-unit", "Start the clock at \"YYYY-MM-DD HH:MM\" (default: local time)."),
         "TIME"});
    parser.addOption(
        {"speed",
         QCoreApplication::translate("zeda-unit", "Clock minutes per second (default: real time)."),
         "N"});
    parser.addOption(
        {"records",
         QCoreApplication::translate("zeda-unit", "Make this many records, then no more."), "N"});
    parser.addOption({"faults",
                      QCoreApplication::translate(
                          "zeda-unit", "drop-byte, corrupt-frame, silence (comma-separated)."),
                      "LIST"});
    parser.addOption(
        {"seed", QCoreApplication::translate("zeda-unit", "Seed of the fault dice."), "N"});
    parser.addOption(
        {"language",
         QCoreApplication::translate(
             "zeda-unit", "en, de or source (the system's own texts); overrides the locale."),
         "LANG"});
    parser.process(app);

    UnitOptions o;
    long long baud = 0;
    long long speed = 0;
    long long seed = 1;
    long long records = -1;
    if (parser.isSet("pty") == parser.isSet("device")) {
        Complain(QT_TRANSLATE_NOOP("zeda-unit", "needs --pty or --device PATH"));
        return 2;
    }
    if (!ParseBoundedInt(parser, "baud", 300, 230400, baud) ||
        !ParseBoundedInt(parser, "speed", 1, 1000000, speed) ||
        !ParseBoundedInt(parser, "records", 0, 1000000000, records) ||
        !ParseBoundedInt(parser, "seed", 0, 0xFFFFFFFFLL, seed))
        return 2;
    speed_t code{};
    if (baud != 0 && !CodeOf(int(baud), code)) {
        Complain(QT_TRANSLATE_NOOP("zeda-unit", "--baud names no speed of the line"));
        return 2;
    }
    if (!ParseFaults(parser.value("faults"), o)) {
        Complain(
            QT_TRANSLATE_NOOP("zeda-unit", "--faults takes drop-byte, corrupt-frame, silence"));
        return 2;
    }
    o.seed = uint32_t(seed);
    o.records = records;
    if (parser.isSet("from")) {
        if (!ParseFrom(parser.value("from"), o.clockSeconds)) {
            Complain(QT_TRANSLATE_NOOP("zeda-unit", "--from takes \"YYYY-MM-DD HH:MM\""));
            return 2;
        }
    } else {
        o.clockSeconds = SecondsFromLocal(TSystemClock().Local());
    }
    o.clockRate = speed != 0 ? speed * 60 : 1;

    TLine line;
    if (parser.isSet("pty")) {
        QByteArray path;
        if (!line.OpenPty(path))
            return 1;
        std::printf("%s\n", path.constData());
        std::fflush(stdout);
    } else if (!line.OpenDevice(QFile::encodeName(parser.value("device")),
                                baud != 0 ? int(baud) : 19200)) {
        return 1;
    }

    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);

    TUnitEmulator unit(o, NowUs() / 1000);
    TReceiver receiver(line, unit, int(baud));
    char buffer[512];
    while (!Stop) {
        pollfd p{line.Fd(), POLLIN, 0};
        const int ready = poll(&p, 1, 5);
        const int64_t now = NowUs();
        unit.Produce(now / 1000);
        receiver.Expire(now);
        if (ready <= 0 || !(p.revents & POLLIN))
            continue;
        const ssize_t n = read(line.Fd(), buffer, sizeof buffer);
        if (n > 0)
            receiver.Feed(buffer, n, now);
    }
    const QString faults = QCoreApplication::translate(
                               "zeda-unit", "faults: %1 drop-byte, %2 corrupt-frame, %3 silence")
                               .arg(unit.dropped)
                               .arg(unit.corrupted)
                               .arg(unit.silences);
    std::fprintf(stderr, "zeda-unit: %s\n", qPrintable(faults));
    return 0;
}
