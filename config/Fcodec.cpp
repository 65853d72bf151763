#include "config/Fcodec.h"

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unused
// bytes map to the C1 controls of the same value.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString FromAnsi(const QByteArray& bytes) {
    QString s;
    s.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        s.append(b >= 0x80 && b < 0xA0 ? QChar(High[b - 0x80]) : QChar(b));
    }
    return s;
}

bool FitsAnsi(const QString& text) {
    return FromAnsi(ToAnsi(text)) == text;
}

QByteArray ToAnsi(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(static_cast<char>(u));
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i) {
            if (High[i] == u) {
                b = static_cast<char>(0x80 + i);
                break;
            }
        }
        out.append(b);
    }
    return out;
}
