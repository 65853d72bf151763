#pragma once

#include <QByteArray>
#include <QString>

struct MonthDocument;
class TMessages;

// Writes the values of the shown channels for every minute from the start
// mark to the end mark into a semicolon-separated file (Windows-1252, CR LF):
// a header line, then one line per minute. Values hidden by an ordinary
// exception period and values outside the channel's limits are written as 0.
// The day blocks are read afresh from the month file, one at a time; a
// file that cannot be read or ends inside the range is reported and leaves
// no file. Missing marks or no shown channel: false, no file, no message.
// True after a complete export (with the success message); a target that
// cannot be created or written is reported and no incomplete file is left.
bool ExportCsv(const MonthDocument& document, const QString& path, TMessages& messages);

// The date and time of a slot as the export writes it, "YYYY-MM-DD HH:MM".
QByteArray ExportTimeText(const MonthDocument& document, uint32_t slot);

QString ExportCreateFailedText();
QString ExportDoneText();
