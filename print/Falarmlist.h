#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

class QPainter;
struct AlarmLogEntry;
struct MonthDocument;

// The alarms a day or month report lists beneath its chart.

// The alarms raised in minutes first .. end - 1 of the document's month
// file, from the lines of the alarm log, in the order they were raised.
std::vector<AlarmLogEntry> ReportAlarms(const MonthDocument& document,
                                        const std::vector<AlarmLogEntry>& log, uint32_t first,
                                        uint32_t end);

// The cells of an alarm's line: time raised, channel, kind, limit, peak and
// who acknowledged it.
constexpr int AlarmListColumns = 6;
std::array<QString, AlarmListColumns> AlarmListCells(const AlarmLogEntry& alarm);

// Where the list goes: the left edge of every column, and the lines from
// top down to bottom (device pixels).
struct AlarmListBox {
    std::array<int32_t, AlarmListColumns> columnX{};
    int32_t top = 0;
    int32_t bottom = 0;
    int32_t lineHeight = 1;
};

// Draws the column heads and a line for every alarm; when the box has no
// room for all, its last line says how many more the alarm log holds.
// The number of alarms listed.
int DrawAlarmList(QPainter& p, const AlarmListBox& box, const std::vector<AlarmLogEntry>& alarms);
