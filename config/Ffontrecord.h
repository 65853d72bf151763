#pragma once

#include <QByteArray>

#include <cstdint>

// A font travels through the INI file as the 60 bytes of a LOGFONTA-layout
// record, written as 120 uppercase hexadecimal digits. This is the record
// alone; config/Ffont.h makes fonts of it.
constexpr int FontBytesSize = 60;
constexpr int FontTextSize = 120;

// Offsets of the fields in the record.
constexpr qsizetype FontOffHeight = 0;
constexpr qsizetype FontOffWeight = 16;
constexpr qsizetype FontOffItalic = 20;
constexpr qsizetype FontOffUnderline = 21;
constexpr qsizetype FontOffStrikeOut = 22;
constexpr qsizetype FontOffCharSet = 23;
constexpr qsizetype FontOffOutPrecision = 24;
constexpr qsizetype FontOffFaceName = 28;
constexpr qsizetype FontSizeFaceName = 32;

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

// Decodes a font text into its 60 bytes. False, leaving bytes alone, when the
// text does not have exactly 120 characters or no font can be made from the
// bytes (empty face name, or one without its NUL within its 32 bytes).
bool TextToFontBytes(const QByteArray& text, QByteArray& bytes);
