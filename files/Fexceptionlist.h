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

// Makes the file show the entries, in that order, and keeps every other
// line byte for byte (see MergeExceptionList), in a new file that replaces
// the old one only when complete. False on failure, the old file kept.
bool WriteExceptionList(const QString& path, const std::vector<QByteArray>& entries);

// The list's bytes changed so that the menu shows the entries. A line whose
// entry stays (moved or not) keeps all its bytes; a changed entry takes the
// line of one that went; a line that goes takes its ending along; new
// lines follow the last entry, with the file's line ending (LF in a new
// file). What the menu does not show (lines after the 30th, characters
// after the 70th, text after a NUL, indented lines) stays where it is.
// False when the menu could not show that many entries (new ones beyond
// its 30 lines or the bytes it reads).
bool MergeExceptionList(const QByteArray& text, const std::vector<QByteArray>& entries,
                        QByteArray& merged);
// How the file's lines leave room for entries, and whether it holds text
// the menu does not show.
struct ExceptionListShape {
    int capacity = 30;      // entries the menu can show at most
    bool hidesText = false; // lines or characters the menu does not show
};
ExceptionListShape ExceptionListShapeOf(const QByteArray& text);
// The same of the file; false when it is there but cannot be read.
bool ReadExceptionListShape(const QString& path, ExceptionListShape& shape);
// The notice that the file holds more than the menu shows, all of it kept.
QString HiddenExceptionTextNotice(const QString& path);

// The entry as stored: "!" before the text of a note-only entry.
QByteArray ExceptionEntry(const QByteArray& text, bool noteOnly);
bool IsNoteOnlyEntry(const QByteArray& entry);
// The text of an entry without the "!" of a note-only one.
QByteArray ExceptionEntryText(const QByteArray& entry);

// Why an entry (as stored) cannot be one: empty, a blank at its start (the
// menu skips such a line), a control character, over 70 characters; an
// empty text when it can. FitsAnsi is checked before the text becomes bytes.
QString ExceptionEntryRefusal(const QByteArray& entry);
// Why a list cannot take one more entry (capacity, 30 at most, are the most
// the menu shows); empty when it can.
QString ExceptionListFullRefusal(int count, int capacity = 30);
// The report of a list that is there but cannot be read.
QString UnreadableExceptionListText(const QString& path);
// The text that typed text has no byte for some character.
QString ExceptionTextOutsideCodePage();
