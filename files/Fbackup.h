#pragma once

#include <QString>

#include <functional>

class TMessages;

// Free bytes of the file system that holds a directory, or -1 when that
// cannot be determined.
using TFreeSpace = std::function<qint64(const QString& directory)>;
qint64 SystemFreeSpace(const QString& directory);

// Copies a whole file through a temporary file in the target's directory
// that is renamed into place only when complete, so a copy that fails half
// way leaves no partial file at the target (an existing target is replaced
// only by a complete copy). The source is read under a shared lock.
bool CopyMonthFile(const QString& source, const QString& target);

// Copies a month file to target after checking the free space of the
// target's file system: the free-space message, or the success or failure
// message. Free space that cannot be determined: false, no message.
bool BackupMonthFile(const QString& source, const QString& target, TMessages& messages,
                     const TFreeSpace& freeSpace = SystemFreeSpace);

// The backup command: the target is directory/<the source's file name>; an
// existing target is refused with "Error - File exist!", otherwise
// BackupMonthFile.
bool BackupToDirectory(const QString& source, const QString& directory, TMessages& messages,
                       const TFreeSpace& freeSpace = SystemFreeSpace);

// Copies a valid month file into the directory of target after asking the
// user, under the month's own name "D%4u-%.2u.ZMF" whatever the letter case
// of target's name; refuses a source that is no valid data file (before the
// question) and a month that the directory already holds as a valid file.
bool ImportMonthFile(const QString& source, const QString& target, TMessages& messages);

QString BackupExistsText();
QString BackupNoSpaceText();
QString BackupDoneText();
QString BackupFailedText();
QString ImportPresentText();
QString ImportDoneText();
QString ImportFailedText();
// "Wollen Sie die Monatsdatei des Standorts MM/YYYY importieren?"
QString ImportQuestion(uint8_t year, uint8_t month);
