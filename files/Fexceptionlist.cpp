#include "files/Fexceptionlist.h"

#include "config/Cfileaccess.h"
#include "files/Fexceptions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

QString ExceptionListPath(const QString& dataDir) {
    return QDir(dataDir).filePath("AUSNAHME.LST");
}

bool ReadExceptionList(const QString& path, std::vector<QByteArray>& entries) {
    entries.clear();
    std::vector<ExceptionMenuEntry> menu;
    if (!LoadExceptionMenu(path, menu)) {
        // Missing or empty: nothing to keep. Anything else stays untouched.
        const QFileInfo info(path);
        return !info.exists() || (info.isFile() && info.size() == 0);
    }
    for (const ExceptionMenuEntry& e : menu)
        entries.push_back(e.text);
    return true;
}

bool WriteExceptionList(const QString& path, const std::vector<QByteArray>& entries) {
    QByteArray data;
    for (const QByteArray& e : entries)
        data += e + '\n';
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // An unfinished save file is thrown away when it goes out of scope.
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    return CommitWhole(file);
}

QByteArray ExceptionEntry(const QByteArray& text, bool noteOnly) {
    return noteOnly ? '!' + text : text;
}

bool IsNoteOnlyEntry(const QByteArray& entry) {
    return entry.startsWith('!');
}

QByteArray ExceptionEntryText(const QByteArray& entry) {
    return IsNoteOnlyEntry(entry) ? entry.mid(1) : entry;
}

QString ExceptionEntryRefusal(const QByteArray& entry) {
    if (ExceptionEntryText(entry).isEmpty())
        return QCoreApplication::translate("Fexceptionlist", "Type a description first.");
    if (entry[0] == ' ' || entry[0] == '\t')
        return QCoreApplication::translate("Fexceptionlist",
                                           "A description cannot start with a blank.");
    for (const char c : entry)
        if (static_cast<unsigned char>(c) < 0x20)
            return QCoreApplication::translate("Fexceptionlist",
                                               "A description cannot hold tabs or line breaks.");
    if (entry.size() > ExceptionTextMaxLength)
        return QCoreApplication::translate(
                   "Fexceptionlist",
                   "A description holds at most %1 characters, the \"!\" of a note-only one "
                   "included.")
            .arg(ExceptionTextMaxLength);
    return QString();
}

QString ExceptionListFullRefusal(int count) {
    if (count < ExceptionListMaxLines)
        return QString();
    return QCoreApplication::translate("Fexceptionlist", "The list holds at most %1 descriptions.")
        .arg(ExceptionListMaxLines);
}

QString UnreadableExceptionListText(const QString& path) {
    return QCoreApplication::translate("Fexceptionlist",
                                       "The exception list %1 cannot be read. It is left as it is.")
        .arg(path);
}

QString ExceptionTextOutsideCodePage() {
    return QCoreApplication::translate(
        "Fexceptionlist",
        "A description can only use letters, digits and signs of Western European "
        "languages.");
}
