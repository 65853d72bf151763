#include "config/Ffontrecord.h"

#include "config/Fmemory.h"

namespace {

// A hexadecimal digit as the text form counts it: below '9' + 1 by its
// distance from '0', above by its distance from 'A' - 10. Other characters
// are not refused; they just give other values.
int DigitValue(char c) {
    const int code = static_cast<unsigned char>(c);
    return code < 58 ? code - 48 : code - 55;
}

} // namespace

QByteArray FontFieldsToBytes(const FontFields& f) {
    QByteArray b(FontBytesSize, '\0');
    PutI32(b, FontOffHeight, f.height);
    PutU8(b, FontOffItalic, f.italic ? 1 : 0);
    PutU8(b, FontOffUnderline, f.underline ? 1 : 0);
    PutU8(b, FontOffStrikeOut, f.strikeOut ? 1 : 0);
    PutU8(b, FontOffCharSet, f.charSet);
    PutU8(b, FontOffOutPrecision, f.pointSize);
    PutText(b, FontOffFaceName, FontSizeFaceName, f.faceName);
    return b;
}

QByteArray FontBytesToText(const QByteArray& bytes) {
    return bytes.toHex().toUpper();
}

bool TextToFontBytes(const QByteArray& text, QByteArray& bytes) {
    if (text.size() != FontTextSize)
        return false;
    QByteArray b(FontBytesSize, '\0');
    for (int i = 0; i < FontBytesSize; ++i) {
        const int value = 16 * DigitValue(text[2 * i]) + DigitValue(text[2 * i + 1]);
        PutU8(b, i, static_cast<uint8_t>(value));
    }
    // No font can be made without a face name that ends inside its field.
    const QByteArray face = GetText(b, FontOffFaceName, FontSizeFaceName);
    if (face.isEmpty() || face.size() == FontSizeFaceName)
        return false;
    bytes = b;
    return true;
}
