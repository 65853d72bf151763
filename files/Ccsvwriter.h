#pragma once

#include "config/Fchannel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// The layouts a CSV export can take. "zeda" is the system's own (";",
// decimal comma, Windows-1252, 0 for a value that cannot be shown); the
// others leave such a value empty, quote their texts and are UTF-8:
// "excel-de" keeps ";" and the comma, "excel-en" takes "," and ".", both
// with a byte-order mark and CR LF; "rfc4180" takes "," and "." with LF and
// no mark.
enum class TCsvDialect { Zeda, ExcelDe, ExcelEn, Rfc4180 };

struct TCsvOptions {
    TCsvDialect dialect = TCsvDialect::Zeda;
    // A column after each value that says why it is empty (not in "zeda").
    bool stateColumns = false;
};

// "zeda", "excel-de", "excel-en", "rfc4180", in the order of the dialects.
QStringList CsvDialectNames();
// False for a name that is none of them.
bool ParseCsvDialect(const QString& name, TCsvDialect& dialect);

// What stands behind a value; any of them together.
enum TCsvFlag : uint8_t {
    CsvNoData = 1,      // the minute holds no record
    CsvBelowLimits = 2, // below the channel's minimal value
    CsvAboveLimits = 4, // above its maximal value
    CsvException = 8    // an ordinary exception period hides it
};

// One channel's value of a minute: the scaled value and its flags.
struct TCsvCell {
    uint32_t value = 0;
    uint8_t flags = 0;
};

// Formats an export into one growing buffer, without a locale and without
// a string per value; the caller writes the buffer out when it likes and
// clears it. Reading the values is the caller's business.
class TCsvWriter {
public:
    // The channels of the columns, in order (names, units and decimals).
    TCsvWriter(const TCsvOptions& options, std::vector<ChannelDef> channels);

    // The byte-order mark where the dialect has one, and the header line.
    void Begin();
    // One line: the minute as "YYYY-MM-DD HH:MM" (16 bytes) and one cell per
    // channel of the columns.
    void Minute(const char* time, const TCsvCell* cells);

    qsizetype Size() const { return FUsed; }
    // The lines so far, handed out whole; the writer goes on in spare, an
    // emptied earlier piece whose memory it reuses.
    QByteArray Take(QByteArray spare = {});

private:
    char* Room(qsizetype bytes);
    void PutText(const QByteArray& ansi);
    void PutLineEnd(char*& out) const;

    TCsvOptions FOptions;
    std::vector<ChannelDef> FChannels;
    char FSeparator;
    char FDecimal;
    QByteArray FText;
    qsizetype FUsed = 0;
};
