#pragma once

#include "config/Ffontrecord.h"

#include <QByteArray>
#include <QFont>
#include <QString>

#include <cstdint>

class TConfig;
struct TEnv;

// Fonts made of the INI file's font records (config/Ffontrecord.h), and
// records made of fonts.

// The fields of a font as the platform reports them.
FontFields FontFieldsOf(const QFont& font);
// The 120-character font text of a font.
QByteArray FontToText(const QFont& font);

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

// The printer font of a configuration: the font of its record, or the
// default font while the INI file names none.
QFont PrinterFont(const TConfig& config);
