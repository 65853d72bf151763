#include "config/Fdatadir.h"

#include <QFileInfo>
#include <QStandardPaths>

QString DefaultDataDir(const QString& programDir) {
    const QFileInfo dir(programDir);
    // The directories of the system's packages are never a data directory,
    // even for root, who may write there.
    const bool system = programDir.startsWith("/usr/") || programDir == "/bin";
    if (!system && dir.isDir() && dir.isWritable())
        return programDir;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/zeda";
}
