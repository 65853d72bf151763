#include "view/Fviewchannel.h"

#include "config/Fcalendar.h"
#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "config/Fforpeople.h"
#include "files/Cmonthdata.h"
#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Pads on the right to at least width bytes, like "%-Ns".
QByteArray PadRight(const QByteArray& s, int width) {
    return s.size() >= width ? s : s + QByteArray(width - s.size(), ' ');
}

// Pads on the left to at least width bytes, like "%Nd".
QByteArray PadLeft(const QByteArray& s, int width) {
    return s.size() >= width ? s : QByteArray(width - s.size(), ' ') + s;
}

} // namespace

void ShowChannelsInUse(MonthDocument& document) {
    for (int ch = 0; ch < ChannelCount; ++ch)
        document.display.channelVisible[ch] =
            HeaderChannel(document.header, ch).active != 0 ? 1 : 0;
}

std::vector<int> ListedChannels(const MonthDocument& document) {
    std::vector<int> listed;
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if (HeaderChannel(document.header, ch).active != 0 &&
            document.display.channelVisible[ch] != 0)
            listed.push_back(ch);
    }
    return listed;
}

QByteArray ChannelRowText(int row, const ChannelDef& c, uint32_t value) {
    QByteArray shown = ChannelValueText(c, value);
    if (DecimalCommaForPeople())
        shown.replace('.', ',');
    return PadLeft(QByteArray::number(row), 2) + ' ' + PadRight(c.name, 20) + ' ' +
           PadRight(c.dimension, 6) + ' ' + shown;
}

QByteArray ChannelRowNoDataText(int row, const ChannelDef& c) {
    return PadLeft(QByteArray::number(row), 2) + ' ' + PadRight(c.name, 20) + ' ' +
           PadRight(c.dimension, 6) + ' ' + PadLeft("\x97", 6);
}

QByteArray SlotTimeText(const MonthDocument& document, uint32_t slot) {
    const MonthInfo info = document.Info();
    const QString date =
        FormatDateForPeople(SlotYear(info, slot), SlotMonth(info, slot), SlotDay(info, slot));
    const QString hour = FormatTimeForPeople(int(SlotHour(slot)), int(slot % 60));
    return ToAnsi(
        QCoreApplication::translate("Fviewchannel", "Day: %1  /  Hour: %2      ").arg(date, hour));
}

QByteArray OperatorLineText(const MonthDocument& document, uint8_t operatorIndex) {
    if (operatorIndex == NoOperator || operatorIndex >= HeaderOperatorCount(document.header) ||
        operatorIndex >= MaxOperators)
        return ToAnsi(QCoreApplication::translate("Fviewchannel", "Operator: Unknown"));
    return ToAnsi(QCoreApplication::translate("Fviewchannel", "Operator: ")) +
           OperatorName(document.operators, operatorIndex);
}

bool SlotInMemory(const MonthDocument& document, int slot) {
    if (slot < 0)
        return false;
    const int block = slot / SlotsPerDay;
    return block < MaxDayBlocks && block < HeaderDaysStored(document.header) &&
           document.dayBlocks[block].size() >= DayBlockSize;
}

QByteArray CursorValueText(const MonthDocument& document, int channel, int slot) {
    TMemoryDays days(document);
    TMonthReader minutes(document, days);
    if (slot < 0 || !minutes.Readable(uint32_t(slot)))
        return {};
    const TChannelMinute m = minutes.At(channel, uint32_t(slot));
    return m.stored ? ValueText(minutes.Channel(channel), m.value, DecimalCommaForPeople())
                    : QByteArray("\x97");
}

QRect ValueWindowPlace(const QRect& area, const QSize& size, int cursorX, const QRect& current) {
    // Closer than this to the window, the cursor counts as near.
    constexpr int Near = 40;
    constexpr int Gap = 5;
    const int top = area.top() + Gap;
    const QRect left(QPoint(area.left() + Gap, top), size);
    const QRect right(QPoint(std::max(area.right() + 1 - Gap - size.width(), area.left()), top),
                      size);
    const auto clear = [cursorX](const QRect& r) {
        return cursorX < r.left() - Near || cursorX > r.right() + Near;
    };
    if ((current == left || current == right) && clear(current))
        return current;
    const QRect& away = cursorX > area.center().x() ? left : right;
    const QRect& other = &away == &left ? right : left;
    // A plot area too narrow for either side to keep clear of the cursor
    // keeps the side away from it.
    return clear(away) || !clear(other) ? away : other;
}
