#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

class TIniFile;

// One channel's definition: 52 bytes, also stored as such in month files.
struct ChannelDef {
    static constexpr int Size = 52;

    uint16_t active = 0;
    QByteArray name;      // at most 20 bytes
    QByteArray dimension; // at most 8 bytes
    uint16_t dispOffset = 0;
    uint16_t inputMult = 0;
    uint32_t minValue = 0;
    uint32_t maxValue = 0;
    uint32_t offsetValue = 0;
    uint8_t decimals = 0;
    uint8_t printer = 0;
    uint8_t printColour = 0;
    uint8_t colourChoice = 0;

    bool operator==(const ChannelDef&) const = default;
};

// The unit's channels: every table with an entry per channel has this many.
constexpr int ChannelCount = 14;

using ChannelDefs = std::array<ChannelDef, ChannelCount>;

// The 52-byte record at offset `at` of a buffer (which must hold it).
ChannelDef ReadChannelDef(const QByteArray& b, qsizetype at);
void WriteChannelDef(QByteArray& b, qsizetype at, const ChannelDef& c);

// The digit rule of the text form: the value, or -1 for a malformed field.
long ParseDecimal(const QByteArray& field);
// Fills every field from the text form; never fails.
ChannelDef ParseChannelDef(const QByteArray& text);
// The text form "%d,%s,%s,%d,%d,%ld,%ld,%ld,%d,%d,%d,%d".
QByteArray FormatChannelDef(const ChannelDef& c);
// Reads "Kanal_1" .. "Kanal_14" into the 14 definitions.
void ReloadChannelDefs(const TIniFile& ini, ChannelDefs& channels);

// The channel dialog's rules, which zedactl shares.
constexpr int ChannelNameLength = 20;
constexpr int ChannelDimensionLength = 8;
constexpr long MaxDispOffset = 999;
constexpr long MaxInputMult = 9999;
constexpr long MaxChannelValue = 999999; // minimal, maximal and offset value
constexpr long MaxDecimals = 9;
// The dialog's colour list: entry i stands for printer i / 7 and print
// colour i % 7, and the entry itself is the screen colour choice.
constexpr int ColourEntryCount = 14;
constexpr int PrintColours = 7;

// Every number brought into the dialog's range.
ChannelDef WithinDialogRanges(ChannelDef c);
// The colour entry that printer and print colour name, or -1.
int ColourEntryOf(const ChannelDef& c);
// Printer, print colour and screen colour of entry 0..13.
void SetColourEntry(ChannelDef& c, int entry);
// A name or unit the text form can hold: no comma (the form has no
// quoting, a comma would shift every later field) and no line break.
bool IsChannelText(const QByteArray& text);

// inputMult x raw + offsetValue, in units of 10^-decimals, 32 bits.
// (Inline: the export turns some 600 000 values a month.)
inline uint32_t ScaledValue(const ChannelDef& c, uint16_t raw) {
    // Unsigned arithmetic wraps at 32 bits like the stored values do.
    return static_cast<uint32_t>(c.inputMult) * raw + c.offsetValue;
}
// Where a scaled value lies against the channel's measurable limits.
enum class TLimitVerdict { InRange, UnderLimit, OverLimit };
// The limit rule of every reader: a value counts as measured when
// minValue <= value <= maxValue, compared as unsigned 32-bit numbers.
inline TLimitVerdict LimitVerdict(const ChannelDef& c, uint32_t value) {
    if (value < c.minValue)
        return TLimitVerdict::UnderLimit;
    return value > c.maxValue ? TLimitVerdict::OverLimit : TLimitVerdict::InRange;
}
inline bool WithinLimits(const ChannelDef& c, uint32_t value) {
    return LimitVerdict(c, value) == TLimitVerdict::InRange;
}
// "#U/L" below the minimal value, "#O/L" above the maximal one; empty in
// range.
QByteArray LimitText(TLimitVerdict verdict);
// The fixed-point text of a scaled value with "." or "," as separator.
QByteArray FormatFixed(uint32_t value, unsigned decimals, bool comma);
// LimitText beyond the limits, otherwise FormatFixed.
QByteArray ValueText(const ChannelDef& c, uint32_t value, bool comma);
// "#U/L" below the minimal value, "#O/L" above the maximal one, otherwise
// the value divided by 10^decimals, right-aligned in six characters with
// exactly that many decimals and a point.
QByteArray ChannelValueText(const ChannelDef& c, uint32_t value);
