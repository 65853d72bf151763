#include "comm/Ccommbase.h"

#include "comm/Cnotices.h"
#include "comm/Fframe.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Cmessages.h"
#include "config/Fmemory.h"
#include "config/Fsettingkeys.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QSerialPort>
#include <QThread>
#include <QTimer>

#include <algorithm>

TCommBase* Comm = nullptr;

namespace {

// Days before the first of each month, ordinary year and leap year.
constexpr int DaysBeforeMonth[2][12] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};

// Minutes from 1970-01-01 to 1980-01-01 (3652 days).
constexpr int64_t MinutesBefore1980 = 5258880;
// A record may lie 30 days before or after the PC clock.
constexpr int64_t PlausibleMinutes = 43200;
// The no-connection notice comes at most every five minutes.
constexpr uint32_t NoticeInterval = 300000;

} // namespace

QByteArray SampleRecordToBytes(const SampleRecord& record) {
    QByteArray b(SampleRecord::Size, '\0');
    PutU8(b, 0, record.year);
    PutU8(b, 1, record.month);
    PutU16(b, 2, record.minute);
    for (int i = 0; i < ChannelCount; ++i)
        PutU16(b, 4 + 2 * i, record.values[i]);
    return b;
}

SampleRecord SampleRecordFromBytes(const QByteArray& bytes, qsizetype at) {
    SampleRecord r;
    r.year = GetU8(bytes, at);
    r.month = GetU8(bytes, at + 1);
    r.minute = GetU16(bytes, at + 2);
    for (int i = 0; i < ChannelCount; ++i)
        r.values[i] = GetU16(bytes, at + 4 + 2 * i);
    return r;
}

QString PortDevice(const TIniFile& ini, uint16_t portNumber) {
    if (portNumber < 1 || portNumber > 4)
        return {};
    const QByteArray other = ini.ReadString(IniSection, SettingKey::PortDevice(portNumber), "");
    if (!other.isEmpty())
        return QFile::decodeName(other);
    return QStringLiteral("/dev/ttyS%1").arg(portNumber - 1);
}

TCommBase::TCommBase(const TEnv& env) : FEnv(env) {}

TCommBase::~TCommBase() {
    ClosePort();
}

bool TCommBase::Start() {
    ReadPortSettings();
    if (!UsesPort())
        return true;
    const QString failure = TryOpenPort();
    if (failure.isEmpty())
        return true;
    const QString device = PortDevice(TIniFile(FEnv.IniPath()), PortNumber);
    const QString tried = device.isEmpty() ? PortName() : PortName() + " (" + device + ')';
    Inform(failure + '\n' +
           QCoreApplication::translate("Ccommbase", "Tried: %1. The port of the unit is chosen "
                                                    "under Admin › Communications parameter...")
               .arg(tried));
    return false;
}

void TCommBase::ReadPortSettings() {
    const TIniFile ini(FEnv.IniPath());
    PortNumber = static_cast<uint16_t>(ini.ReadInteger(IniSection, SettingKey::PortNumber, 2));
    BaudRate = static_cast<uint16_t>(ini.ReadInteger(IniSection, SettingKey::BaudRate, 19200));
}

QString TCommBase::PortName() const {
    return QStringLiteral("COM%1").arg(PortNumber);
}

bool TCommBase::OpenPort() {
    if (!UsesPort())
        return true;
    const QString failure = TryOpenPort();
    if (failure.isEmpty())
        return true;
    Inform(failure);
    return false;
}

QString TCommBase::TryOpenPort() {
    ClosePort();
    const QString device = PortDevice(TIniFile(FEnv.IniPath()), PortNumber);
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(device);
    if (device.isEmpty() || !port->open(QIODevice::ReadWrite)) {
        MarkLost();
        return QCoreApplication::translate("Ccommbase", "Communications port %1 cannot connected!")
            .arg(PortName());
    }
    // 8N1 at the configured speed; a speed the port refuses (0 among them)
    // fails here.
    const bool ready = port->setBaudRate(BaudRate) && port->setDataBits(QSerialPort::Data8) &&
                       port->setParity(QSerialPort::NoParity) &&
                       port->setStopBits(QSerialPort::OneStop);
    if (!ready) {
        port->close();
        MarkLost();
        return QCoreApplication::translate("Ccommbase",
                                           "Communications port %1 it can not be initialized!")
            .arg(PortName());
    }
    port->clear(QSerialPort::AllDirections);
    PortHandle = std::move(port);

    DeviceInfo info;
    if (GetInfo(info) == 0) {
        ClosePort();
        return NoConnectionText();
    }
    return QString();
}

bool TCommBase::KeepConnected() {
    if (!LinkDown())
        return true;
    MarkLost();
    return TryOpenPort().isEmpty();
}

int32_t TCommBase::FetchOldest(SampleRecord& record) {
    for (;;) {
        const int32_t r = KeepConnected() ? ReadOldest(record) : -1;
        if (r != -1) {
            FFailures = 0;
            return r;
        }
        // Only a request that waited for its answer is tried again at once;
        // a port that does not open fails without waiting.
        if (PortHandle && FSinceAnswer.isValid() && FSinceAnswer.elapsed() < GlitchMs)
            continue;
        const uint32_t pause = RetryPauseMs();
        FFailures = std::min(FFailures + 1, RetryPausesMs.size() - 1);
        if (pause >= ReopenIntervalMs) {
            // The next try opens the device afresh by its name: one that
            // vanished, or moved to another name, is found again there.
            ClosePort();
            return -1;
        }
        Pause(pause);
    }
}

uint32_t TCommBase::RetryPauseMs() const {
    return RetryPausesMs[FFailures];
}

void TCommBase::Pause(uint32_t ms) {
    if (ms == 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(int(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TCommBase::MarkLost() {
    if (NoConnection == 0 || !FLostKnown) {
        FLostKnown = FEnv.clock != nullptr;
        if (FLostKnown)
            FLostAt = FEnv.clock->Local();
    }
    NoConnection = 1;
}

void TCommBase::SetConnected(bool answered) {
    const bool wasCut = NoConnection != 0;
    if (answered) {
        FSinceAnswer.start();
        NoConnection = 0;
    } else {
        MarkLost();
    }
    if (answered && wasCut && FEnv.notices)
        FEnv.notices->Reconnected();
}

bool TCommBase::AutoDetect(uint16_t& portNumber, uint32_t& speed, TDetectObserver* observer) {
    const TIniFile ini(FEnv.IniPath());
    for (uint16_t p = 1; p <= 4; ++p) {
        const QString device = PortDevice(ini, p);
        QSerialPort port(device);
        if (device.isEmpty() || !port.open(QIODevice::ReadWrite))
            continue;
        const bool lineSet = port.setDataBits(QSerialPort::Data8) &&
                             port.setParity(QSerialPort::NoParity) &&
                             port.setStopBits(QSerialPort::OneStop);
        for (const uint32_t s : DetectSpeeds) {
            if (!lineSet)
                break;
            const QString name = QStringLiteral("COM%1").arg(p);
            if (observer && !observer->Trying(name, s))
                return false;
            bool cancelled = false;
            if (Handshake(port, s, observer, cancelled)) {
                port.close();
                portNumber = p;
                speed = s;
                return true;
            }
            if (cancelled)
                return false;
        }
        port.close();
    }
    return false;
}

bool TCommBase::Handshake(QSerialPort& port, uint32_t speed, TDetectObserver* observer,
                          bool& cancelled) {
    if (!port.setBaudRate(static_cast<qint32>(speed)))
        return false;
    port.clear(QSerialPort::Input);
    port.clear(QSerialPort::Output);
    port.clearError();
    port.readAll();
    const char request = char(DetectRequest);
    if (port.write(&request, 1) != 1 || !port.waitForBytesWritten(100))
        return false;
    // Unsigned difference of the tick counts: right across a wrap of the
    // counter, where start + 200 would overflow.
    const uint32_t start = FEnv.clock->TickCount();
    for (;;) {
        const uint32_t elapsed = FEnv.clock->TickCount() - start;
        if (elapsed >= DetectWaitMs)
            break;
        const uint32_t left = DetectWaitMs - elapsed;
        if (observer) {
            if (!observer->Wait(left)) {
                cancelled = true;
                return false;
            }
        } else {
            QThread::msleep(left);
        }
    }
    while (port.waitForReadyRead(0)) {
    }
    return port.readAll() == QByteArray(1, char(DetectAnswer));
}

void TCommBase::ClosePort() {
    if (!PortHandle)
        return;
    PortHandle->close();
    PortHandle.reset();
}

bool TCommBase::IsTimePlausible(const SampleRecord& record) const {
    // A month outside 1..12 has no place in the calendar: never plausible.
    if (record.month < 1 || record.month > 12)
        return false;
    const int64_t y = record.year;
    const int leap = y % 4 == 0 ? 1 : 0;
    const int64_t days = DaysBeforeMonth[leap][record.month - 1] + 365 * y + (y + 3) / 4;
    const int64_t recordMinutes = days * 1440 + record.minute;
    const int64_t pcMinutes = FEnv.clock->SecondsSince1970() / 60 - MinutesBefore1980;
    const int64_t diff = recordMinutes - pcMinutes;
    return diff >= -PlausibleMinutes && diff <= PlausibleMinutes;
}

void TCommBase::RemindNoConnection() {
    if (NoConnection == 0)
        return;
    TickNow = FEnv.clock->TickCount();
    // Unsigned difference: the time since the last notice, also across a
    // wrap of the tick count.
    if (static_cast<uint32_t>(TickNow - LastNoticeTick) > NoticeInterval) {
        if (FEnv.notices)
            FEnv.notices->Disconnect();
        LastNoticeTick = FEnv.clock->TickCount();
    }
}

void TCommBase::Inform(const QString& text) const {
    if (FEnv.messages)
        FEnv.messages->Show(TMessages::Information, text);
}

QString NoConnectionText() {
    return QCoreApplication::translate("Ccommbase",
                                       "Es besteht keine Verbindung zum Akquisitionssystem!");
}
