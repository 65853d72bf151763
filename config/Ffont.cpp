#include "config/Ffont.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Fmemory.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

// Offsets of the LOGFONTA-layout record.
constexpr qsizetype OffHeight = 0;
constexpr qsizetype OffWeight = 16;
constexpr qsizetype OffItalic = 20;
constexpr qsizetype OffUnderline = 21;
constexpr qsizetype OffStrikeOut = 22;
constexpr qsizetype OffCharSet = 23;
constexpr qsizetype OffOutPrecision = 24;
constexpr qsizetype OffFaceName = 28;
constexpr qsizetype SizeFaceName = 32;

// Larger pixel sizes are no font anyone can use; they only cost memory.
constexpr int MaxPixelSize = 0xFFFF;

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
    PutI32(b, OffHeight, f.height);
    PutU8(b, OffItalic, f.italic ? 1 : 0);
    PutU8(b, OffUnderline, f.underline ? 1 : 0);
    PutU8(b, OffStrikeOut, f.strikeOut ? 1 : 0);
    PutU8(b, OffCharSet, f.charSet);
    PutU8(b, OffOutPrecision, f.pointSize);
    PutText(b, OffFaceName, SizeFaceName, f.faceName);
    return b;
}

QByteArray FontBytesToText(const QByteArray& bytes) {
    return bytes.toHex().toUpper();
}

FontFields FontFieldsOf(const QFont& font) {
    const QFontInfo info(font);
    FontFields f;
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : info.pixelSize();
    f.height = -pixels;
    f.italic = font.italic();
    f.underline = font.underline();
    f.strikeOut = font.strikeOut();
    f.charSet = 0;
    const int points = font.pointSize() > 0 ? font.pointSize() : info.pointSize();
    f.pointSize = static_cast<uint8_t>(points);
    f.faceName = ToAnsi(font.family());
    return f;
}

QByteArray FontToText(const QFont& font) {
    return FontBytesToText(FontFieldsToBytes(FontFieldsOf(font)));
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
    const QByteArray face = GetText(b, OffFaceName, SizeFaceName);
    if (face.isEmpty() || face.size() == SizeFaceName)
        return false;
    bytes = b;
    return true;
}

QFont FontFromBytes(const QByteArray& bytes) {
    QFont font(FontFamily(GetText(bytes, OffFaceName, SizeFaceName)));
    const int points = GetU8(bytes, OffOutPrecision);
    const int64_t height = GetI32(bytes, OffHeight);
    if (points > 0) {
        font.setPointSize(points);
    } else if (height != 0) {
        // Negative: character height; positive: cell height. Both are taken
        // as the pixel size.
        font.setPixelSize(int(qMin<int64_t>(height < 0 ? -height : height, MaxPixelSize)));
    }
    // Weight 0 leaves the default weight; a hand-edited weight is honoured.
    const int32_t weight = GetI32(bytes, OffWeight);
    if (weight >= 1 && weight <= 1000)
        font.setWeight(QFont::Weight(weight));
    font.setItalic(GetU8(bytes, OffItalic) != 0);
    font.setUnderline(GetU8(bytes, OffUnderline) != 0);
    font.setStrikeOut(GetU8(bytes, OffStrikeOut) != 0);
    return font;
}

QString FontFamily(const QByteArray& face) {
    if (face == "MS Sans Serif")
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (face == "Courier New")
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return FromAnsi(face);
}

QFont NamedFont(const QByteArray& face, int pointSize) {
    QFont font(FontFamily(face));
    font.setPointSize(pointSize);
    if (face == "Courier New")
        font.setStyleHint(QFont::Monospace);
    return font;
}

bool WriteFontKey(const QString& iniPath, const QByteArray& key, const QFont& font) {
    return TIniFile(iniPath).WriteString(IniSection, key, FontToText(font));
}

bool WriteFontKey(const TEnv& env, const QByteArray& key, const QFont& font) {
    return WriteConfigKey(env, key, FontToText(font));
}
