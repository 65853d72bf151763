#include "files/Foutput.h"

#include "config/Cfileaccess.h"
#include "files/Fmonthfile.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

// How long an output target that is locked is waited for: a locked file
// is a month file in use.
constexpr int TargetLockWaitMs = 200;

bool IsMonthFile(const QString& path) {
    TFileAccess f(path, TFileAccess::ReadShared, TargetLockWaitMs);
    if (!f.IsOpen())
        return f.Why() == TFileAccess::Busy;
    QByteArray signature(MonthFileSignature.size(), '\0');
    return f.ReadInto(0, signature, 0, signature.size()) == signature.size() &&
           signature == MonthFileSignature;
}

} // namespace

QString RefusedOutputTarget(const QString& target, const QString& source) {
    if (!QFileInfo::exists(target))
        return QString();
    if ((!source.isEmpty() && SameFile(target, source)) || IsMonthFile(target))
        return OutputIsMonthFileText(target);
    return QString();
}

QString OutputIsMonthFileText(const QString& path) {
    return QCoreApplication::translate("Foutput",
                                       "Error - File %1 is a month file and is not overwritten!")
        .arg(path);
}
