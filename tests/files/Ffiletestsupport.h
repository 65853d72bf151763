#pragma once

#include "comm/Ccommbase.h"
#include "config/Cclock.h"
#include "config/Cconfig.h"
#include "config/Cenv.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"
#include "support/Cfilesizelimit.h"
#include "support/Crecordingmessages.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include <csignal>
#include <sys/resource.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// Helpers shared by the month-file tests.

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Years count from 1980.
constexpr uint8_t Year(int calendarYear) {
    return static_cast<uint8_t>(calendarYear - 1980);
}

inline SampleRecord Record(int calendarYear, int month, int day, int hour, int minute,
                           uint16_t firstValue = 0) {
    SampleRecord r;
    r.year = Year(calendarYear);
    r.month = static_cast<uint8_t>(month);
    r.minute = static_cast<uint16_t>((day - 1) * 1440 + hour * 60 + minute);
    for (int i = 0; i < 14; ++i)
        r.values[i] = static_cast<uint16_t>(firstValue + i);
    return r;
}

// The 30 bytes of slot s of a month file image.
inline QByteArray SlotBytes(const QByteArray& file, uint32_t slot) {
    return file.mid(SlotOffset(slot), SlotSize);
}

// A data directory with its INI file, messages, clock and configuration.
struct TFilesFixture {
    QTemporaryDir dir;
    TRecordingMessages messages;
    TSimClock clock;
    TEnv env;
    std::unique_ptr<TConfig> config;

    TFilesFixture() {
        env.dataDir = dir.path();
        env.clock = &clock;
        env.messages = &messages;
        // Files held by a test's foreign lock stay busy; nobody waits long.
        env.lockWaitMs = 100;
        config = std::make_unique<TConfig>(env.IniPath());
        config->location = "Werk Nord";
        for (int i = 0; i < 14; ++i) {
            config->channels[i].active = 1;
            config->channels[i].name = "Kanal " + QByteArray::number(i + 1);
            config->channels[i].inputMult = 1;
        }
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString MonthPath(int calendarYear, int month) const {
        return Path(MonthFileName(Year(calendarYear), static_cast<uint8_t>(month)));
    }
};

// Holds a lock on a file as another program would.
class TForeignLock {
public:
    TForeignLock(const QString& path, int operation) {
        FFd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
        FLocked = FFd >= 0 && ::flock(FFd, operation | LOCK_NB) == 0;
    }
    ~TForeignLock() {
        if (FFd >= 0)
            ::close(FFd);
    }
    TForeignLock(const TForeignLock&) = delete;
    TForeignLock& operator=(const TForeignLock&) = delete;
    bool Locked() const { return FLocked; }

private:
    int FFd = -1;
    bool FLocked = false;
};
