#pragma once

#include "files/Cmonthdisplay.h"
#include "files/Fmonthfile.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

// The in-memory image of one open month, shared by a diagram window, its
// month-file object, its view, the channel value window and the printing.
// The window owns it; everything else works on it through a pointer.
struct MonthDocument {
    // --- File part: filled by the month-file object ---

    QString fileName;  // without directory
    QString directory; // ends in a path separator
    // The 765-byte header; all zero while the document holds no file.
    QByteArray header = QByteArray(HeaderSize, '\0');
    // Day block b holds its 1440 slots once the days are loaded; only the
    // first days-stored entries are used, the others stay empty.
    std::array<QByteArray, MaxDayBlocks> dayBlocks;
    QByteArray exceptions = QByteArray(ExceptionTableSize, '\0'); // count in the header
    QByteArray operators = QByteArray(OperatorTableSize, '\0');   // count in the header

    // --- Display part: the view model's fields ---

    // Summer-time state of the file's month, set when the file is opened.
    uint16_t summerMode = 1;
    uint16_t summerSwitch = 0;
    MonthDisplay display; // zooms, visibility, marks (files/Cmonthdisplay.h)

    // Full path of the file, or empty while the document holds no file.
    QString FilePath() const { return fileName.isEmpty() ? QString() : directory + fileName; }
    MonthInfo Info() const { return HeaderMonthInfo(header); }
};
