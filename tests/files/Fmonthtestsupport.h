#pragma once

#include "Ffiletestsupport.h"

#include "config/Fmemory.h"
#include "files/Cfileact.h"
#include "files/Cfiledata.h"

#include <QFile>

#include <array>
#include <csignal>
#include <memory>
#include <sys/resource.h>

// Minute of a day as a slot of the month file.
constexpr uint16_t At(int day, int hour, int minute) {
    return static_cast<uint16_t>((day - 1) * 1440 + hour * 60 + minute);
}

// A month file in a temporary data directory, opened into a document as a
// window of an opened file holds it.
struct TMonthFixture {
    TFilesFixture fx;
    MonthDocument doc;
    std::unique_ptr<TFileData> file;
    QString path;

    // Every channel in use, shown, scaled 1:1 and admitted from 0 to 65535.
    TMonthFixture() {
        for (ChannelDef& c : fx.config->channels) {
            c.maxValue = 65535;
            c.dimension = "V";
        }
    }

    bool Make(int calendarYear = 2026, int month = 3) {
        MonthDocument scratch;
        TFileAct act(&scratch, fx.env, *fx.config);
        if (!act.CreateMonthFile(Year(calendarYear), uint8_t(month)))
            return false;
        path = fx.MonthPath(calendarYear, month);
        return Open();
    }

    bool Open() {
        file = std::make_unique<TFileData>(&doc, fx.env);
        uint8_t y = 0;
        uint8_t m = 0;
        if (TFileBase::Validate(path, y, m) != TFileBase::Valid || !file->Open(path, y, m) ||
            !file->LoadDays())
            return false;
        doc.display.channelVisible.fill(1);
        return true;
    }

    // Writes the raw values of a slot straight into the file.
    bool PutValues(uint32_t slot, const std::array<uint16_t, 14>& values) {
        QFile f(path);
        if (!f.open(QIODevice::ReadWrite) || !f.seek(SlotOffset(slot)))
            return false;
        const QByteArray s = BuildSlot(0, values);
        return f.write(s) == s.size();
    }
    bool PutValue(uint32_t slot, uint16_t value) {
        std::array<uint16_t, 14> v;
        v.fill(value);
        return PutValues(slot, v);
    }

    void Show(std::initializer_list<int> channels) {
        doc.display.channelVisible.fill(0);
        for (int c : channels)
            doc.display.channelVisible[c - 1] = 1;
    }
    void Mark(uint16_t from, uint16_t to) {
        doc.display.markStart = from;
        doc.display.markEnd = to;
    }
    QByteArray Bytes() const { return ReadBytes(path); }
};
