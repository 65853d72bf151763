#include "config/Ffont.h"

#include "config/Cconfig.h"
#include "config/Cinifile.h"
#include "config/Fcodec.h"
#include "config/Fmemory.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace {

// Larger pixel sizes are no font anyone can use; they only cost memory.
constexpr int MaxPixelSize = 0xFFFF;

} // namespace

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

QFont FontFromBytes(const QByteArray& bytes) {
    QFont font(FontFamily(GetText(bytes, FontOffFaceName, FontSizeFaceName)));
    const int points = GetU8(bytes, FontOffOutPrecision);
    const int64_t height = GetI32(bytes, FontOffHeight);
    if (points > 0) {
        font.setPointSize(points);
    } else if (height != 0) {
        // Negative: character height; positive: cell height. Both are taken
        // as the pixel size.
        font.setPixelSize(int(qMin<int64_t>(height < 0 ? -height : height, MaxPixelSize)));
    }
    // Weight 0 leaves the default weight; a hand-edited weight is honoured.
    const int32_t weight = GetI32(bytes, FontOffWeight);
    if (weight >= 1 && weight <= 1000)
        font.setWeight(QFont::Weight(weight));
    font.setItalic(GetU8(bytes, FontOffItalic) != 0);
    font.setUnderline(GetU8(bytes, FontOffUnderline) != 0);
    font.setStrikeOut(GetU8(bytes, FontOffStrikeOut) != 0);
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

QFont PrinterFont(const TConfig& config) {
    return config.printerFontSet ? FontFromBytes(config.printerFontRecord) : QFont();
}
