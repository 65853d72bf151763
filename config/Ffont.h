#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

#include <cstdint>

struct TEnv;

// A font travels through the INI file as the 60 bytes of a LOGFONTA-layout
// record, written as 120 uppercase hexadecimal digits.
constexpr int FontBytesSize = 60;
constexpr int FontTextSize = 120;

// The fields of the record this system fills; every other byte is zero.
struct FontFields {
    int32_t height = 0; // negative: character height in pixels
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint8_t charSet = 0;
    uint8_t pointSize = 0; // kept in the output-precision byte
    QByteArray faceName;   // Windows-1252, at most 31 bytes are kept
};

// The 60 bytes of a font description (weight 0: bold is not kept).
QByteArray FontFieldsToBytes(const FontFields& f);
// Two uppercase hexadecimal digits per byte, high digit first.
QByteArray FontBytesToText(const QByteArray& bytes);
// The fields of a font as the platform reports them.
FontFields FontFieldsOf(const QFont& font);
// The 120-character font text of a font.
QByteArray FontToText(const QFont& font);

// Decodes a font text into its 60 bytes. False, leaving bytes alone, when the
// text does not have exactly 120 characters or no font can be made from the
// bytes (empty face name, or one without its NUL within its 32 bytes).
bool TextToFontBytes(const QByteArray& text, QByteArray& bytes);
// The font described by 60 bytes that TextToFontBytes accepted.
QFont FontFromBytes(const QByteArray& bytes);

// The family to use for a face name: "MS Sans Serif" and "Courier New" are
// the system's sans-serif and monospace fonts, other names stay as they are.
QString FontFamily(const QByteArray& face);
// A font of that face and size in points.
QFont NamedFont(const QByteArray& face, int pointSize);

// Writes FontToText(font) under the key in section "ZEDA"; false when the
// file could not be written.
bool WriteFontKey(const QString& iniPath, const QByteArray& key, const QFont& font);
// The same through WriteConfigKey, which tells the user when the write fails.
bool WriteFontKey(const TEnv& env, const QByteArray& key, const QFont& font);
