#include "config/Fscramble.h"

namespace {

// Value of a hexadecimal digit, -1 for any other character.
int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char KeyByte(const QByteArray& key, qsizetype i) {
    return key.isEmpty() ? 0 : key[i % key.size()];
}

} // namespace

QByteArray ScramblePassword(const QByteArray& key, const QByteArray& password) {
    static constexpr char Digits[] = "0123456789abcdef";
    QByteArray out;
    out.reserve(password.size() * 2);
    for (qsizetype i = 0; i < password.size(); ++i) {
        const auto b = static_cast<unsigned char>(password[i] ^ KeyByte(key, i));
        out.append(Digits[b >> 4]);
        out.append(Digits[b & 0x0F]);
    }
    return out;
}

QByteArray UnscramblePassword(const QByteArray& key, const QByteArray& text) {
    QByteArray out;
    const qsizetype count = text.size() / 2;
    out.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const int high = HexDigit(text[2 * i]);
        const int low = HexDigit(text[2 * i + 1]);
        const char b = high < 0 || low < 0 ? char(32) : static_cast<char>(high * 16 + low);
        out.append(static_cast<char>(b ^ KeyByte(key, i)));
    }
    return out;
}
