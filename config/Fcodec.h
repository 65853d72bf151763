#pragma once

#include <QByteArray>
#include <QString>

// Texts in files are Windows-1252 bytes; the user interface works with
// QString. These two convert at the edge, and nowhere else.
QString FromAnsi(const QByteArray& bytes);
// Characters without a Windows-1252 byte become '?'.
QByteArray ToAnsi(const QString& text);
