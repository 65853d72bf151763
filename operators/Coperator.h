#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

struct TEnv;

// One record of the operator list "operator.dat": 16 bytes, a name of at
// most 15 characters ended by a zero byte. A record read from the file keeps
// its bytes as read, also those after the zero byte.
class TOperator {
public:
    static constexpr int RecordSize = 16;
    static constexpr int MaxNameLength = 15;

    // An empty name.
    TOperator() = default;
    // A new entry: the name cut to 15 characters, zeros behind it.
    static TOperator FromName(const QByteArray& name);
    // A record as read: up to 16 bytes, the rest zero.
    static TOperator FromRecord(const QByteArray& bytes);

    // The name up to its zero byte and never more than 15 characters, also
    // for a record written elsewhere that has no zero byte.
    QByteArray Name() const;
    const QByteArray& Record() const { return FRecord; }

private:
    QByteArray FRecord = QByteArray(RecordSize, '\0');
};

using TOperatorList = std::vector<TOperator>;

// The path of the operator list "operator.dat" in the data directory.
QString OperatorListPath(const TEnv& env);

// The list in file order; a missing or unreadable file gives an empty list.
// A last record shorter than 16 bytes still counts.
TOperatorList ReadOperatorList(const QString& path);
// The same, false when a file is there that cannot be read whole (unreadable,
// not a regular file, larger than OperatorListMaxSize): such a list must
// never be written back, or every name in it would be lost. A missing file
// is an empty list.
bool ReadOperatorList(const QString& path, TOperatorList& list);
// A list of this size is no operator list of ours (65536 names).
constexpr qint64 OperatorListMaxSize = 1024 * 1024;
// The report of a list that cannot be read whole.
QString UnreadableOperatorListText(const QString& path);

// The name as it is added: blanks at either end dropped. An empty text when
// it can be added, otherwise why not (empty, or already in the list).
QString OperatorNameRefusal(const TOperatorList& list, const QByteArray& name);
QByteArray TrimmedOperatorName(const QByteArray& name);
// Writes the records in list order into a new file that replaces the old one
// only when complete: a failure leaves the old list. False on failure.
bool WriteOperatorList(const QString& path, const TOperatorList& list);
