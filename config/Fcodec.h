#pragma once

#include <QByteArray>
#include <QString>

// Texts in files are Windows-1252 bytes; the user interface works with
// QString. These two convert at the edge, and nowhere else.
QString FromAnsi(const QByteArray& bytes);
// Characters without a Windows-1252 byte become '?'.
QByteArray ToAnsi(const QString& text);
// True when every character has a Windows-1252 byte, so that ToAnsi keeps
// the text as typed.
bool FitsAnsi(const QString& text);
