#include "config/Ffilestamp.h"

#include <QDateTime>
#include <QFileInfo>

QString FileStamp(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QString();
    return QString::number(info.size()) + QLatin1Char(' ') +
           QString::number(info.lastModified().toMSecsSinceEpoch());
}
