#pragma once

#include <QByteArray>
#include <QString>

// A private-profile INI file, read and written key by key. Every call opens,
// reads or rewrites, and closes the file, so other writers are never lost.
//
// Section and key names match without regard to ASCII letter case (bytes above
// 127 compare exactly); values come back trimmed of blanks; the first of
// duplicate keys wins; lines outside the sections read are never touched.
class TIniFile {
public:
    explicit TIniFile(QString path) : FPath(std::move(path)) {}

    const QString& Path() const { return FPath; }

    QByteArray ReadString(const QByteArray& section, const QByteArray& key,
                          const QByteArray& def) const;
    // A missing key or a value that is not a decimal integer gives def.
    int ReadInteger(const QByteArray& section, const QByteArray& key, int def) const;

    // Replaces the key's line, or appends it to the section (creating file
    // and section as needed); every other line stays as it was. False when
    // the file could not be written.
    bool WriteString(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    bool WriteInteger(const QByteArray& section, const QByteArray& key, int value);

private:
    QString FPath;
};

// Why an INI file that exists cannot be read whole (larger than the store
// reads, not a regular file, no permission, ...); empty when it can be read,
// and when there is none, which means the defaults. Settings that cannot be
// read are an error, never the defaults: they would choose another unit.
QString IniReadProblem(const QString& path);
// "Error - The settings file <path> cannot be read: <why>!"
QString UnreadableIniText(const QString& path, const QString& why);

// Decimal integer with an optional sign, as INI readers accept it; false when
// the text is not one or does not fit in 32 bits.
bool ParseIniInteger(const QByteArray& text, int& value);
