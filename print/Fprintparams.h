#pragma once

#include <QByteArray>

// The printer parameters of the INI file: "Druckparameter" holds three flags
// as five characters "F,F,F" (printer 1 enabled, printer 2 enabled,
// automatic print), "Druck1" and "Druck2" the names of the two printers.

inline const QByteArray PrintFlagsKey = "Druckparameter";
inline const QByteArray Printer1Key = "Druck1";
inline const QByteArray Printer2Key = "Druck2";

// How report pages meet the paper: "1" (or no key) scales a layout wider
// than the printable area down to its width, "0" keeps the layout's
// millimetres for wide paper.
inline const QByteArray PrintFitKey = "DruckAnpassen";

// True unless the text is "0".
bool ParsePrintFit(const QByteArray& text);

struct TPrintFlags {
    bool printer1 = false;
    bool printer2 = false;
    bool automatic = false;
};

// False, leaving flags alone, when the text is not exactly five characters
// with commas at positions 1 and 3. A flag is set by "1", cleared by any
// other character.
bool ParsePrintFlags(const QByteArray& text, TPrintFlags& flags);
// "1,0,0" and the like.
QByteArray FormatPrintFlags(const TPrintFlags& flags);
