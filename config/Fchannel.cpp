#include "config/Fchannel.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fmemory.h"
#include "config/Fsettingkeys.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Offsets and sizes of the 52-byte record.
constexpr qsizetype OffActive = 0;
constexpr qsizetype OffName = 2;
constexpr qsizetype SizeName = 21;
constexpr qsizetype OffDimension = 23;
constexpr qsizetype SizeDimension = 9;
constexpr qsizetype OffDispOffset = 32;
constexpr qsizetype OffInputMult = 34;
constexpr qsizetype OffMin = 36;
constexpr qsizetype OffMax = 40;
constexpr qsizetype OffOffsetValue = 44;
constexpr qsizetype OffDecimals = 48;
constexpr qsizetype OffPrinter = 49;
constexpr qsizetype OffPrintColour = 50;
constexpr qsizetype OffColourChoice = 51;

// Walks the text form field by field.
class TFieldReader {
public:
    explicit TFieldReader(const QByteArray& text) : FText(text) {}

    // The next field, cut to at most limit characters. The first call takes
    // the first field; later calls first drop what the previous field had
    // beyond its limit and step over the comma.
    QByteArray Next(qsizetype limit) {
        if (FStarted) {
            while (FPos < FText.size() && FText[FPos] != ',')
                ++FPos;
            if (FPos < FText.size())
                ++FPos;
        }
        FStarted = true;
        const qsizetype begin = FPos;
        while (FPos < FText.size() && FPos - begin < limit && FText[FPos] != ',')
            ++FPos;
        return FText.mid(begin, FPos - begin);
    }

    // A numeric field; a malformed one gives the fallback.
    long Number(qsizetype limit, long fallback) {
        const long v = ParseDecimal(Next(limit));
        return v < 0 ? fallback : v;
    }

private:
    const QByteArray& FText;
    qsizetype FPos = 0;
    bool FStarted = false;
};

} // namespace

ChannelDef ReadChannelDef(const QByteArray& b, qsizetype at) {
    ChannelDef c;
    c.active = GetU16(b, at + OffActive);
    // A text field without its NUL (a damaged file) is cut to its limit.
    c.name = GetText(b, at + OffName, SizeName - 1);
    c.dimension = GetText(b, at + OffDimension, SizeDimension - 1);
    c.dispOffset = GetU16(b, at + OffDispOffset);
    c.inputMult = GetU16(b, at + OffInputMult);
    c.minValue = GetU32(b, at + OffMin);
    c.maxValue = GetU32(b, at + OffMax);
    c.offsetValue = GetU32(b, at + OffOffsetValue);
    c.decimals = GetU8(b, at + OffDecimals);
    c.printer = GetU8(b, at + OffPrinter);
    c.printColour = GetU8(b, at + OffPrintColour);
    c.colourChoice = GetU8(b, at + OffColourChoice);
    return c;
}

void WriteChannelDef(QByteArray& b, qsizetype at, const ChannelDef& c) {
    PutU16(b, at + OffActive, c.active);
    PutText(b, at + OffName, SizeName, c.name);
    PutText(b, at + OffDimension, SizeDimension, c.dimension);
    PutU16(b, at + OffDispOffset, c.dispOffset);
    PutU16(b, at + OffInputMult, c.inputMult);
    PutU32(b, at + OffMin, c.minValue);
    PutU32(b, at + OffMax, c.maxValue);
    PutU32(b, at + OffOffsetValue, c.offsetValue);
    PutU8(b, at + OffDecimals, c.decimals);
    PutU8(b, at + OffPrinter, c.printer);
    PutU8(b, at + OffPrintColour, c.printColour);
    PutU8(b, at + OffColourChoice, c.colourChoice);
}

long ParseDecimal(const QByteArray& field) {
    long value = 0;
    for (const char ch : field) {
        if (ch < '0' || ch > '9')
            return -1;
        // Only a field far beyond any limit gets here; it is not a number.
        if (value > (std::numeric_limits<long>::max() - 9) / 10)
            return -1;
        value = value * 10 + (ch - '0');
    }
    return value;
}

ChannelDef ParseChannelDef(const QByteArray& text) {
    TFieldReader r(text);
    ChannelDef c;
    // The field limits keep every number within its field.
    c.active = static_cast<uint16_t>(r.Number(4, 0));
    c.name = r.Next(20);
    c.dimension = r.Next(8);
    c.dispOffset = static_cast<uint16_t>(r.Number(4, 0));
    c.inputMult = static_cast<uint16_t>(r.Number(4, 1));
    c.minValue = static_cast<uint32_t>(r.Number(6, 0));
    c.maxValue = static_cast<uint32_t>(r.Number(6, 0));
    c.offsetValue = static_cast<uint32_t>(r.Number(6, 0));
    c.decimals = static_cast<uint8_t>(r.Number(1, 0));
    c.printer = static_cast<uint8_t>(r.Number(1, 0));
    c.printColour = static_cast<uint8_t>(r.Number(1, 0));
    c.colourChoice = static_cast<uint8_t>(r.Number(2, 0));
    return c;
}

QByteArray FormatChannelDef(const ChannelDef& c) {
    // The 32-bit fields are written unsigned, so that a value from a damaged
    // month file never turns into a negative (malformed) field.
    const QByteArray comma(",");
    return QByteArray::number(c.active) + comma + c.name + comma + c.dimension + comma +
           QByteArray::number(c.dispOffset) + comma + QByteArray::number(c.inputMult) + comma +
           QByteArray::number(c.minValue) + comma + QByteArray::number(c.maxValue) + comma +
           QByteArray::number(c.offsetValue) + comma + QByteArray::number(c.decimals) + comma +
           QByteArray::number(c.printer) + comma + QByteArray::number(c.printColour) + comma +
           QByteArray::number(c.colourChoice);
}

void ReloadChannelDefs(const TIniFile& ini, ChannelDefs& channels) {
    for (int n = 1; n <= static_cast<int>(channels.size()); ++n) {
        channels[n - 1] =
            ParseChannelDef(ini.ReadString(IniSection, SettingKey::Channel(n), QByteArray()));
    }
}

QByteArray FormatFixed(uint32_t value, unsigned decimals, bool comma) {
    if (value == 0 || decimals == 0)
        return QByteArray::number(value);
    QByteArray digits = QByteArray::number(value);
    if (digits.size() <= static_cast<qsizetype>(decimals))
        digits = QByteArray(decimals - digits.size() + 1, '0') + digits;
    digits.insert(digits.size() - decimals, comma ? ',' : '.');
    return digits;
}

QByteArray LimitText(TLimitVerdict verdict) {
    switch (verdict) {
    case TLimitVerdict::UnderLimit:
        return "#U/L";
    case TLimitVerdict::OverLimit:
        return "#O/L";
    default:
        return {};
    }
}

QByteArray ValueText(const ChannelDef& c, uint32_t value, bool comma) {
    const TLimitVerdict verdict = LimitVerdict(c, value);
    return verdict == TLimitVerdict::InRange ? FormatFixed(value, c.decimals, comma)
                                             : LimitText(verdict);
}

QByteArray ChannelValueText(const ChannelDef& c, uint32_t value) {
    const TLimitVerdict verdict = LimitVerdict(c, value);
    if (verdict != TLimitVerdict::InRange)
        return LimitText(verdict);
    // QByteArray::number ignores the locale: always a point.
    const double v = double(value) / std::pow(10.0, c.decimals);
    return QByteArray::number(v, 'f', c.decimals).rightJustified(6, ' ');
}

ChannelDef WithinDialogRanges(ChannelDef c) {
    c.active = c.active != 0 ? 1 : 0;
    c.dispOffset = static_cast<uint16_t>(std::min<long>(c.dispOffset, MaxDispOffset));
    c.inputMult = static_cast<uint16_t>(std::min<long>(c.inputMult, MaxInputMult));
    c.minValue = static_cast<uint32_t>(std::min<long>(c.minValue, MaxChannelValue));
    c.maxValue = static_cast<uint32_t>(std::min<long>(c.maxValue, MaxChannelValue));
    c.offsetValue = static_cast<uint32_t>(std::min<long>(c.offsetValue, MaxChannelValue));
    c.decimals = static_cast<uint8_t>(std::min<long>(c.decimals, MaxDecimals));
    return c;
}

int ColourEntryOf(const ChannelDef& c) {
    const int entry = c.printer * PrintColours + c.printColour;
    return c.printColour < PrintColours && entry < ColourEntryCount ? entry : -1;
}

void SetColourEntry(ChannelDef& c, int entry) {
    c.colourChoice = static_cast<uint8_t>(entry);
    c.printer = static_cast<uint8_t>(entry / PrintColours);
    c.printColour = static_cast<uint8_t>(entry % PrintColours);
}

bool IsChannelText(const QByteArray& text) {
    return !text.contains(',') && !text.contains('\n') && !text.contains('\r');
}
