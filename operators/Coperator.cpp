#include "operators/Coperator.h"

#include "config/Cenv.h"
#include "config/Cfileaccess.h"

#include <QSaveFile>

namespace {

// A list of this size is no operator list of ours.
constexpr qint64 MaxListSize = 1024 * 1024;

} // namespace

QString OperatorListPath(const TEnv& env) {
    return env.FilePath("operator.dat");
}

TOperator TOperator::FromName(const QByteArray& name) {
    return FromRecord(name.left(MaxNameLength));
}

TOperator TOperator::FromRecord(const QByteArray& bytes) {
    TOperator o;
    o.FRecord.replace(0, qMin<qsizetype>(bytes.size(), RecordSize), bytes.left(RecordSize));
    return o;
}

QByteArray TOperator::Name() const {
    const qsizetype zero = FRecord.indexOf('\0');
    return FRecord.left(qMin<qsizetype>(zero < 0 ? RecordSize : zero, MaxNameLength));
}

TOperatorList ReadOperatorList(const QString& path) {
    TOperatorList list;
    QByteArray data;
    if (!ReadRegularFile(path, MaxListSize, data))
        return list;
    for (qsizetype at = 0; at < data.size(); at += TOperator::RecordSize)
        list.push_back(TOperator::FromRecord(data.mid(at, TOperator::RecordSize)));
    return list;
}

bool WriteOperatorList(const QString& path, const TOperatorList& list) {
    QByteArray data;
    for (const TOperator& o : list)
        data += o.Record();
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // An unfinished save file is thrown away when it goes out of scope.
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    return CommitWhole(file);
}
