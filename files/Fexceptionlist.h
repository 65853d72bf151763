#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// The exception list AUSNAHME.LST as it is edited: its entries in menu
// order, Windows-1252 bytes, within the limits the menu reads (30 lines,
// 70 characters a line). An entry starting with "!" sets note-only periods.

// The path of AUSNAHME.LST in the data directory.
QString ExceptionListPath(const QString& dataDir);

// The entries the exception menu shows. A missing or empty file is an empty
// list; false when a file is there that cannot be read (it is then never
// written back).
bool ReadExceptionList(const QString& path, std::vector<QByteArray>& entries);

// Writes one entry a line, each ended by LF, into a new file that replaces
// the old one only when complete. False on failure, the old file kept.
bool WriteExceptionList(const QString& path, const std::vector<QByteArray>& entries);

// The entry as stored: "!" before the text of a note-only entry.
QByteArray ExceptionEntry(const QByteArray& text, bool noteOnly);
bool IsNoteOnlyEntry(const QByteArray& entry);
// The text of an entry without the "!" of a note-only one.
QByteArray ExceptionEntryText(const QByteArray& entry);

// Why an entry (as stored) cannot be one: empty, a blank at its start (the
// menu skips such a line), a control character, over 70 characters; an
// empty text when it can. FitsAnsi is checked before the text becomes bytes.
QString ExceptionEntryRefusal(const QByteArray& entry);
// Why a list cannot take one more entry (30 are the most); empty when it can.
QString ExceptionListFullRefusal(int count);
// The report of a list that is there but cannot be read.
QString UnreadableExceptionListText(const QString& path);
// The text that typed text has no byte for some character.
QString ExceptionTextOutsideCodePage();
