#pragma once

#include "files/Ccsvwriter.h"

#include <QByteArray>
#include <QString>

struct MonthDocument;
class TMessages;

// Writes the values of the shown channels for every minute from the start
// mark to the end mark into a CSV file of the chosen dialect: a header line,
// then one line per minute. In the system's own dialect (";", Windows-1252,
// CR LF) values hidden by an ordinary exception period and values outside
// the channel's limits are written as 0; the other dialects leave them and
// minutes without a record empty.
// The day blocks are read afresh from the month file, one at a time.
// Missing marks or no shown channel: false, no file, no message. True after
// a complete export (with the success message); a target that cannot be
// created or written is reported and no incomplete file is left.
bool ExportCsv(const MonthDocument& document, const QString& path, TMessages& messages,
               const TCsvOptions& options = {});

// The date and time of a slot as the export writes it, "YYYY-MM-DD HH:MM".
QByteArray ExportTimeText(const MonthDocument& document, uint32_t slot);

QString ExportCreateFailedText();
QString ExportDoneText();
