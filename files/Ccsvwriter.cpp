#include "files/Ccsvwriter.h"

#include "config/Fcodec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// The room of one value's text: a decimals byte of up to 255 gives a
// leading zero, a separator and 255 digits.
constexpr int MaxValueText = 2 + 255;
// The longest state text, "exception".
constexpr int MaxStateText = 9;

// "00" to "99": two digits of a value at a time.
constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536"
    "37383940414243444546474849505152535455565758596061626364656667686970717273"
    "7475767778798081828384858687888990919293949596979899";

// The decimal digits of a value, written right to left ending at end, two
// at a time; returns where they begin (1 to 10 digits).
char* PutDigitsBefore(char* end, uint32_t value) {
    char* p = end;
    while (value >= 100) {
        p -= 2;
        std::memcpy(p, &DigitPairs[2 * (value % 100)], 2);
        value /= 100;
    }
    if (value >= 10) {
        p -= 2;
        std::memcpy(p, &DigitPairs[2 * value], 2);
    } else {
        *--p = char('0' + value);
    }
    return p;
}

constexpr uint32_t Pow10[10] = {1,      10,      100,      1000,      10000,
                                100000, 1000000, 10000000, 100000000, 1000000000};

// The number of decimal digits of a value above 0.
int DigitCount(uint32_t value) {
    const int t = (std::bit_width(value) * 1233) >> 12;
    return t + (value >= Pow10[t]);
}

// The digits of a value above 0, written forward; returns the end.
[[gnu::always_inline]] inline char* PutWhole(char* out, uint32_t value) {
    char* const end = out + DigitCount(value);
    PutDigitsBefore(end, value);
    return end;
}

// The digits of a value below 10 000 without a branch on its length: a
// value's digits are the ones a column of a month keeps changing, and a
// mispredicted length costs more than writing four bytes. Writes 4 bytes,
// of which the digits are the first; returns the end of the digits. 0 is
// "0".
[[gnu::always_inline]] inline char* PutSmall(char* out, uint32_t value) {
    const int n = DigitCount(value | 1);
    if constexpr (std::endian::native == std::endian::little) {
        // "0042" as a little-endian word; shifted, its last n digits lead.
        // Pairs read as 16-bit words: a 4-byte read of 2-byte halves
        // written to memory would wait for them.
        uint16_t hi = 0;
        uint16_t lo = 0;
        std::memcpy(&hi, &DigitPairs[2 * (value / 100)], 2);
        std::memcpy(&lo, &DigitPairs[2 * (value % 100)], 2);
        const uint32_t word = (uint32_t(hi) | uint32_t(lo) << 16) >> (8 * (4 - n));
        std::memcpy(out, &word, 4);
        return out + n;
    } else {
        if (value == 0) {
            *out = '0';
            return out + 1;
        }
        return PutWhole(out, value);
    }
}

// Exactly n digits of a value below 10^n, zeros in front, forward;
// returns the end.
[[gnu::always_inline]] inline char* PutPadded(char* out, uint32_t value, int n) {
    char* const end = out + n;
    char* p = end;
    for (; n >= 2; n -= 2) {
        p -= 2;
        std::memcpy(p, &DigitPairs[2 * (value % 100)], 2);
        value /= 100;
    }
    if (n == 1)
        *--p = char('0' + value);
    return end;
}

// A value with more decimals than a 32-bit value has digits: zeros up to
// one digit before the separator, then the digits.
char* PutManyDecimals(char* out, uint32_t value, unsigned decimals, char separator) {
    *out++ = '0';
    *out++ = separator;
    const int n = DigitCount(value);
    std::memset(out, '0', decimals - unsigned(n));
    out += decimals - unsigned(n);
    return PutWhole(out, value);
}

// The whole part, the separator and exactly decimals digits (1 to 9).
// Inlined into each count of decimals below, the division by a power of
// ten becomes a multiplication.
[[gnu::always_inline]] inline char* PutParted(char* out, uint32_t value, uint32_t divisor,
                                              int decimals, char separator) {
    const uint32_t whole = value / divisor;
    out = whole < 10000 ? PutSmall(out, whole) : PutWhole(out, whole);
    *out++ = separator;
    return PutPadded(out, value - whole * divisor, decimals);
}

// A month is some 600 000 values: each is written straight into the
// buffer, the whole part, the separator and exactly as many decimals as
// the channel has. 0 is "0", without decimals. Returns the end.
[[gnu::always_inline]] inline char* PutFixed(char* out, uint32_t value, unsigned decimals,
                                             char separator) {
    if (value == 0) {
        *out = '0';
        return out + 1;
    }
    if (decimals == 0)
        return value < 10000 ? PutSmall(out, value) : PutWhole(out, value);
    if (decimals >= 10)
        return PutManyDecimals(out, value, decimals, separator);
    // The usual decimals divide by a constant, which costs a multiplication.
    switch (decimals) {
    case 1:
        return PutParted(out, value, 10, 1, separator);
    case 2:
        return PutParted(out, value, 100, 2, separator);
    case 3:
        return PutParted(out, value, 1000, 3, separator);
    default:
        return PutParted(out, value, Pow10[decimals], int(decimals), separator);
    }
}

char* PutBytes(char* out, const char* text) {
    const size_t n = std::strlen(text);
    std::memcpy(out, text, n);
    return out + n;
}

// Why a value of a new dialect is empty; "" when it is shown. The limit
// marks are the ones the screen shows.
const char* StateText(uint8_t flags) {
    if (flags & CsvNoData)
        return "no data";
    if (flags & CsvException)
        return "exception";
    if (flags & CsvBelowLimits)
        return "#U/L";
    if (flags & CsvAboveLimits)
        return "#O/L";
    return "";
}

} // namespace

QStringList CsvDialectNames() {
    return {"zeda", "excel-de", "excel-en", "rfc4180"};
}

bool ParseCsvDialect(const QString& name, TCsvDialect& dialect) {
    const int i = int(CsvDialectNames().indexOf(name));
    if (i < 0)
        return false;
    dialect = TCsvDialect(i);
    return true;
}

TCsvWriter::TCsvWriter(const TCsvOptions& options, std::vector<ChannelDef> channels)
    : FOptions(options), FChannels(std::move(channels)) {
    const bool comma =
        options.dialect == TCsvDialect::ExcelEn || options.dialect == TCsvDialect::Rfc4180;
    FSeparator = comma ? ',' : ';';
    FDecimal = comma ? '.' : ',';
    if (options.dialect == TCsvDialect::Zeda)
        FOptions.stateColumns = false;
}

char* TCsvWriter::Room(qsizetype bytes) {
    if (FText.size() < FUsed + bytes)
        FText.resize(std::max(FUsed + bytes, 2 * FText.size()));
    return FText.data() + FUsed;
}

QByteArray TCsvWriter::Take(QByteArray spare) {
    FText.resize(FUsed);
    QByteArray lines = std::move(FText);
    FText = std::move(spare);
    FText.resize(0);
    FUsed = 0;
    return lines;
}

void TCsvWriter::PutLineEnd(char*& out) const {
    if (FOptions.dialect != TCsvDialect::Rfc4180)
        *out++ = '\r';
    *out++ = '\n';
}

// A header text: the stored bytes as they are in "zeda"; otherwise UTF-8 in
// quotes, a quote doubled, so that a separator in a name shifts no column.
void TCsvWriter::PutText(const QByteArray& ansi) {
    QByteArray text = ansi;
    if (FOptions.dialect != TCsvDialect::Zeda)
        text = '"' + FromAnsi(ansi).toUtf8().replace('"', "\"\"") + '"';
    char* out = Room(text.size());
    std::memcpy(out, text.constData(), size_t(text.size()));
    FUsed += text.size();
}

void TCsvWriter::Begin() {
    // The mark tells a spreadsheet that the text is UTF-8.
    if (FOptions.dialect == TCsvDialect::ExcelDe || FOptions.dialect == TCsvDialect::ExcelEn) {
        std::memcpy(Room(3), "\xEF\xBB\xBF", 3);
        FUsed += 3;
    }
    PutText("Datum/Uhrzeit");
    for (const ChannelDef& c : FChannels) {
        *Room(1) = FSeparator;
        ++FUsed;
        PutText(c.name + " (" + c.dimension + ')');
        if (FOptions.stateColumns) {
            *Room(1) = FSeparator;
            ++FUsed;
            PutText(c.name + " Status");
        }
    }
    char* out = Room(2);
    PutLineEnd(out);
    FUsed = out - FText.data();
}

void TCsvWriter::Minute(const char* time, const TCsvCell* cells) {
    const qsizetype perChannel = 2 + MaxValueText + MaxStateText;
    char* out = Room(16 + qsizetype(FChannels.size()) * perChannel + 2);
    std::memcpy(out, time, 16);
    out += 16;
    const bool zeda = FOptions.dialect == TCsvDialect::Zeda;
    for (size_t i = 0; i < FChannels.size(); ++i) {
        const TCsvCell& cell = cells[i];
        *out++ = FSeparator;
        if (zeda && (cell.flags & (CsvException | CsvBelowLimits | CsvAboveLimits)))
            *out++ = '0';
        else if (zeda || cell.flags == 0)
            out = PutFixed(out, cell.value, FChannels[i].decimals, FDecimal);
        if (FOptions.stateColumns) {
            *out++ = FSeparator;
            out = PutBytes(out, StateText(cell.flags));
        }
    }
    PutLineEnd(out);
    FUsed = out - FText.data();
}
