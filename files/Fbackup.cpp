#include "files/Fbackup.h"

#include "config/Cfileaccess.h"
#include "config/Cmessages.h"
#include "files/Cfilebase.h"
#include "files/Cfiledata.h"
#include "files/Fmonthfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>

#include <cstdio>

namespace {

constexpr qint64 CopyChunk = 1024 * 1024;

} // namespace

qint64 SystemFreeSpace(const QString& directory) {
    const QStorageInfo storage(directory);
    if (!storage.isValid() || !storage.isReady())
        return -1;
    return storage.bytesAvailable();
}

bool CopyMonthFile(const QString& source, const QString& target) {
    TFileAccess in(source, TFileAccess::ReadShared);
    if (!in.IsOpen())
        return false;
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray buffer(CopyChunk, '\0');
    for (qint64 offset = 0;; offset += buffer.size()) {
        const qint64 n = in.ReadAt(offset, buffer.data(), CopyChunk);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    in.Close();
    return CommitWhole(out);
}

bool BackupMonthFile(const QString& source, const QString& target, TMessages& messages,
                     const TFreeSpace& freeSpace) {
    const qint64 space = freeSpace(QFileInfo(target).absolutePath());
    if (space < 0)
        return false;
    if (space < QFileInfo(source).size()) {
        messages.Show(TMessages::Error, BackupNoSpaceText());
        return false;
    }
    if (!CopyMonthFile(source, target)) {
        messages.Show(TMessages::Error, BackupFailedText());
        return false;
    }
    messages.Show(TMessages::Information, BackupDoneText());
    return true;
}

bool BackupToDirectory(const QString& source, const QString& directory, TMessages& messages,
                       const TFreeSpace& freeSpace) {
    const QString target = directory + "/" + QFileInfo(source).fileName();
    if (QFileInfo::exists(target)) {
        messages.Show(TMessages::Error, BackupExistsText());
        return false;
    }
    return BackupMonthFile(source, target, messages, freeSpace);
}

QString ImportQuestion(uint8_t year, uint8_t month) {
    char text[80];
    std::snprintf(text, sizeof text, "%.2u/%4u", unsigned(month), unsigned(year) + 1980u);
    return QCoreApplication::translate("Fbackup",
                                       "Wollen Sie die Monatsdatei des Standorts %1 importieren?")
        .arg(QString::fromLatin1(text));
}

bool ImportMonthFile(const QString& source, const QString& target, TMessages& messages) {
    uint8_t year = 0;
    uint8_t month = 0;
    const int result = TFileBase::Validate(source, year, month);
    if (result != TFileBase::Valid) {
        messages.Show(TMessages::Error, ValidateMessage(result));
        return false;
    }
    if (!messages.Show(TMessages::Confirmation, ImportQuestion(year, month)))
        return false;
    // The file takes the name acquisition looks for, whatever the letter
    // case of the source's name: a second file of the month that
    // acquisition never sees helps nobody.
    const QString canonical = QFileInfo(target).absolutePath() + "/" + MonthFileName(year, month);
    // A file in use there is one too, even when it cannot be read now.
    const TFileBase::Check present = TFileBase::CheckFile(canonical);
    if (present.result == TFileBase::Valid || present.why == TFileAccess::Busy) {
        messages.Show(TMessages::Error, ImportPresentText());
        return false;
    }
    if (!CopyMonthFile(source, canonical)) {
        messages.Show(TMessages::Error, ImportFailedText());
        return false;
    }
    messages.Show(TMessages::Information, ImportDoneText());
    return true;
}

QString BackupExistsText() {
    return QCoreApplication::translate("Fbackup", "Error - File exist!");
}

QString BackupNoSpaceText() {
    return QCoreApplication::translate(
        "Fbackup", "Auf dem angegebenen Laufwerk ist nicht genug freier Speicherplatz vorhanden!");
}

QString BackupDoneText() {
    return QCoreApplication::translate("Fbackup", "Die Monatsdatei wurde erfolgreich gesichert!");
}

QString BackupFailedText() {
    return QCoreApplication::translate(
        "Fbackup", "Die Monatsdatei konnte nicht erfolgreich gesichert werden!");
}

QString ImportPresentText() {
    return QCoreApplication::translate(
        "Fbackup", "Die zu importierende Monatsdatei befindet sich bereits auf Ihrem System!");
}

QString ImportDoneText() {
    return QCoreApplication::translate("Fbackup", "Die Monatsdatei wurde erfolgreich importiert!");
}

QString ImportFailedText() {
    return QCoreApplication::translate(
        "Fbackup", "Die Monatsdatei konnte nicht erfolgreich importiert werden!");
}
