#include "operators/Coperator.h"

#include "config/Cenv.h"
#include "config/Cfileaccess.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

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
    if (!ReadOperatorList(path, list))
        list.clear();
    return list;
}

bool ReadOperatorList(const QString& path, TOperatorList& list) {
    list.clear();
    QByteArray data;
    if (!ReadRegularFile(path, OperatorListMaxSize, data))
        // Only a list that is not there at all is an empty one.
        return !QFileInfo(path).exists() && !QFileInfo(path).isSymLink();
    for (qsizetype at = 0; at < data.size(); at += TOperator::RecordSize)
        list.push_back(TOperator::FromRecord(data.mid(at, TOperator::RecordSize)));
    return true;
}

QString UnreadableOperatorListText(const QString& path) {
    return QCoreApplication::translate("Coperator",
                                       "The operator list %1 cannot be read whole (it is "
                                       "unreadable, not a regular file or larger than %2 bytes). "
                                       "It is left as it is and cannot be changed here.")
        .arg(path)
        .arg(OperatorListMaxSize);
}

QByteArray TrimmedOperatorName(const QByteArray& name) {
    return name.trimmed().left(TOperator::MaxNameLength);
}

QString OperatorNameRefusal(const TOperatorList& list, const QByteArray& name) {
    const QByteArray trimmed = TrimmedOperatorName(name);
    if (trimmed.isEmpty())
        return QCoreApplication::translate("Coperator", "Type a name first.");
    for (const TOperator& o : list)
        if (o.Name() == trimmed)
            return QCoreApplication::translate("Coperator", "This name is already in the list.");
    return QString();
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
