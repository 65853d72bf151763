#pragma once

#include "config/Cfileaccess.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

struct MonthDocument;
class TMessages;

// The text of the exception menu's clear command.
inline const QByteArray ClearExceptText = "ClearExcept";

// The exception list: at most this many bytes and lines are looked at, and a
// line gives at most this many characters of menu text.
constexpr int ExceptionListMaxBytes = 2160;
constexpr int ExceptionListMaxLines = 30;
constexpr int ExceptionTextMaxLength = 70;

// One entry of the exception menu: its text (Windows-1252 bytes) and the
// line of the list it came from (1..30), which the menu item keeps as tag.
struct ExceptionMenuEntry {
    QByteArray text;
    int tag = 0;
    bool operator==(const ExceptionMenuEntry&) const = default;
};

// Reads the exception list (AUSNAHME.LST) into entries (which it clears).
// False when the file cannot be read or is empty; no message either way.
bool LoadExceptionMenu(const QString& path, std::vector<ExceptionMenuEntry>& entries);
// The entries the menu shows of the list's bytes: of the first 30 lines
// (counted by LF, the first 2160 bytes, up to a NUL), those that start with
// neither a blank nor a line break, cut at a CR or after 70 characters.
std::vector<ExceptionMenuEntry> ExceptionMenuOf(QByteArray text);

// The channels a period set or cleared in a window concerns: bit i for
// channel i + 1 when the file's channel definition is in use and the window
// shows the channel.
uint16_t WindowChannelMask(const MonthDocument& document);

// The code of a period set from a menu text: its first four characters, or
// four zeros when a blank, a tab or the end of the text falls among them.
QByteArray ExceptionCode(const QByteArray& text);

// Sets a period (a menu text) or clears one (ClearExceptText) for the
// document's marked range and shown channels, and writes count and table to
// the month file. The count and table are read from the file under its lock
// right before the change, so that a change made in another window or
// program is neither undone nor overwritten; the document takes them over.
// On a refusal or a failed write the file stays as it was, and the user is
// told. True when a period was added or removed.
bool ApplyException(MonthDocument& document, const QByteArray& text, TMessages& messages,
                    int lockWaitMs = TFileAccess::LockWaitMs);

// Reads the exception count and the 5000-byte table of an open month file
// with that many day blocks; false when it cannot be read or the count does
// not fit the table.
bool ReadExceptionTable(TFileAccess& f, int daysStored, uint16_t& count, QByteArray& table);

// The three refusals.
QString ExceptionOverlapText();
QString ExceptionTableFullText();
QString ExceptionMismatchText();
