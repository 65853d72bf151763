#pragma once

#include <QByteArray>
#include <QRect>

#include <cstdint>
#include <vector>

struct ChannelDef;
struct MonthDocument;

// The texts of the channel value window, built from the window's document
// (texts are the file's own Windows-1252 bytes).

// Shows the channels in use of the document's file and hides the others:
// what a window, a print of it and the drawing and export commands start
// with.
void ShowChannelsInUse(MonthDocument& document);

// The channels the window lists, in channel order: in use and shown.
std::vector<int> ListedChannels(const MonthDocument& document);

// Height of the window for n listed channels.
constexpr int ChannelWindowHeight(int n) {
    return n * 25 + 50;
}

// "%2d %-20s %-6s %s": row number (from 1), name, dimension, value text.
QByteArray ChannelRowText(int row, const ChannelDef& c, uint32_t value);

// The row of a channel at a minute without data: the value column shows
// "—" (Windows-1252 0x97), right-aligned in six characters.
QByteArray ChannelRowNoDataText(int row, const ChannelDef& c);

// "Day: %4u.%.2u.%.2u  /  Hour: %2u:%.2u      " for a slot of the document's
// month file (overflow slots belong to the following month).
QByteArray SlotTimeText(const MonthDocument& document, uint32_t slot);

// "Operator: Unknown" for no operator (255) or an index beyond the file's
// operator names, otherwise "Operator: " and the name.
QByteArray OperatorLineText(const MonthDocument& document, uint8_t operatorIndex);

// The value of a channel at a slot as the channel legend shows it: the
// diagram's value text ("#U/L", "#O/L" or the fixed-point value); empty for
// a slot out of memory, "\x97" (a dash) for a minute without data.
QByteArray CursorValueText(const MonthDocument& document, int channel, int slot);

// True when the slot's day block is in memory.
bool SlotInMemory(const MonthDocument& document, int slot);

// Where the value window goes inside the plot area `area` (screen
// coordinates): at its top, on the side away from the cursor column
// cursorX. It stays where it is (current) while the cursor keeps its
// distance; it moves to the other side when the cursor comes near.
QRect ValueWindowPlace(const QRect& area, const QSize& size, int cursorX, const QRect& current);
