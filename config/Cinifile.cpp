#include "config/Cinifile.h"

#include "config/Cfileaccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Files larger than this are not INI files we wrote: they are never pulled
// into memory (they read as empty, and IniReadProblem names them).
constexpr qint64 MaxIniSize = 4 * 1024 * 1024;

constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// A line break in a name or value would split its line and could plant other
// keys (the passwords) in the file; '=' and '[' would change how the line
// reads back.
bool WritableName(const QByteArray& name) {
    return !name.isEmpty() && !name.contains('\n') && !name.contains('\r') && !name.contains('=') &&
           !name.contains(']') && !name.startsWith('[') && !IsBlank(name.front()) &&
           !IsBlank(name.back());
}

// A file without its owner's write permission is read-only, also for a user
// (root) whom the system would let write it anyway.
bool IsReadOnly(const QFile& file) {
    return !QFileInfo(file.fileName()).isWritable() ||
           !(file.permissions() & QFileDevice::WriteOwner);
}

QByteArray TrimBlanks(const QByteArray& text) {
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && IsBlank(text[b]))
        ++b;
    while (e > b && IsBlank(text[e - 1]))
        --e;
    return text.mid(b, e - b);
}

// ASCII letters compare without case; every other byte exactly.
bool SameName(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// One line of the file: its text without the line ending, and the ending.
struct Line {
    QByteArray text;
    QByteArray ending;
};

QList<Line> SplitLines(const QByteArray& data) {
    QList<Line> lines;
    qsizetype pos = 0;
    while (pos < data.size()) {
        const qsizetype nl = data.indexOf('\n', pos);
        if (nl < 0) {
            lines.append({data.mid(pos), QByteArray()});
            break;
        }
        qsizetype end = nl;
        if (end > pos && data[end - 1] == '\r')
            --end;
        lines.append({data.mid(pos, end - pos), data.mid(end, nl + 1 - end)});
        pos = nl + 1;
    }
    return lines;
}

// The section name of a "[name]" line, or false.
bool SectionName(const QByteArray& line, QByteArray& name) {
    const QByteArray t = TrimBlanks(line);
    if (t.size() < 2 || t[0] != '[')
        return false;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return false;
    name = TrimBlanks(t.mid(1, close - 1));
    return true;
}

// The key and value of a "key=value" line, or false.
bool KeyValue(const QByteArray& line, QByteArray& key, QByteArray& value) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    key = TrimBlanks(line.left(eq));
    if (key.isEmpty())
        return false;
    value = TrimBlanks(line.mid(eq + 1));
    return true;
}

// Anything but a regular file of at most MaxIniSize bytes reads as empty.
QByteArray ReadAll(const QString& path) {
    QByteArray data;
    ReadRegularFile(path, MaxIniSize, data);
    return data;
}

// Index range [first, last) of the key lines of the first section of that
// name; first = -1 when the section is missing.
void FindSection(const QList<Line>& lines, const QByteArray& section, qsizetype& first,
                 qsizetype& last) {
    first = -1;
    last = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray name;
        if (!SectionName(lines[i].text, name))
            continue;
        if (first >= 0) {
            last = i;
            return;
        }
        if (SameName(name, section))
            first = i + 1;
    }
    if (first >= 0)
        last = lines.size();
}

} // namespace

QString IniReadProblem(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return errno == ENOENT ? QString() : qt_error_string(errno);
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("Cinifile", "it is not a regular file");
    if (st.st_size > MaxIniSize)
        return QCoreApplication::translate("Cinifile", "it is larger than %1 bytes")
            .arg(MaxIniSize);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return qt_error_string(errno);
    ::close(fd);
    QByteArray data;
    if (!ReadRegularFile(path, MaxIniSize, data))
        return QCoreApplication::translate("Cinifile", "it cannot be read whole");
    return QString();
}

QString UnreadableIniText(const QString& path, const QString& why) {
    return QCoreApplication::translate("Cinifile",
                                       "Error - The settings file %1 cannot be read: %2!")
        .arg(path, why);
}

bool ParseIniInteger(const QByteArray& text, int& value) {
    const QByteArray t = TrimBlanks(text);
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        negative = t[i] == '-';
        ++i;
    }
    if (i >= t.size())
        return false;
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return false;
        v = v * 10 + (t[i] - '0');
        if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return false;
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min())
        return false;
    value = static_cast<int>(v);
    return true;
}

QByteArray TIniFile::ReadString(const QByteArray& section, const QByteArray& key,
                                const QByteArray& def) const {
    const QList<Line> lines = SplitLines(ReadAll(FPath));
    qsizetype first = 0;
    qsizetype last = 0;
    FindSection(lines, section, first, last);
    for (qsizetype i = first; first >= 0 && i < last; ++i) {
        QByteArray k;
        QByteArray v;
        if (KeyValue(lines[i].text, k, v) && SameName(k, key))
            return v;
    }
    return def;
}

int TIniFile::ReadInteger(const QByteArray& section, const QByteArray& key, int def) const {
    int value = def;
    if (!ParseIniInteger(ReadString(section, key, QByteArray()), value))
        return def;
    return value;
}

bool TIniFile::WriteString(const QByteArray& section, const QByteArray& key,
                           const QByteArray& value) {
    if (!WritableName(section) || !WritableName(key) || value.contains('\n') ||
        value.contains('\r'))
        return false;
    QFile existing(FPath);
    QByteArray data;
    // A file that cannot be read whole is never replaced by one key.
    if (existing.exists() && (IsReadOnly(existing) || !ReadRegularFile(FPath, MaxIniSize, data)))
        return false;
    QList<Line> lines = SplitLines(data);
    // A file that uses CRLF keeps CRLF; LF otherwise.
    const QByteArray eol = data.contains("\r\n") ? QByteArray("\r\n") : QByteArray("\n");
    const QByteArray newLine = key + '=' + value;

    qsizetype first = 0;
    qsizetype last = 0;
    FindSection(lines, section, first, last);
    bool done = false;
    for (qsizetype i = first; first >= 0 && i < last && !done; ++i) {
        QByteArray k;
        QByteArray v;
        if (KeyValue(lines[i].text, k, v) && SameName(k, key)) {
            lines[i].text = newLine;
            done = true;
        }
    }
    if (!done && first >= 0) {
        // After the last non-blank line of the section.
        qsizetype at = last;
        while (at > first && TrimBlanks(lines[at - 1].text).isEmpty())
            --at;
        if (at > 0 && lines[at - 1].ending.isEmpty())
            lines[at - 1].ending = eol;
        lines.insert(at, {newLine, eol});
        done = true;
    }
    if (!done) {
        if (!lines.isEmpty() && lines.last().ending.isEmpty())
            lines.last().ending = eol;
        lines.append({'[' + section + ']', eol});
        lines.append({newLine, eol});
    }

    QByteArray out;
    out.reserve(data.size() + newLine.size() + 16);
    for (const Line& l : lines)
        out += l.text + l.ending;

    // The new contents go into a temporary file that replaces the old one
    // only when complete: a full disk or a directory that takes no new file
    // leaves the old file as it was.
    QSaveFile f(FPath);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    // It holds the password keys: only its owner may read it, not even for
    // the moment before the new file takes the old one's place.
    f.setPermissions(OwnerOnly);
    if (f.write(out) != out.size()) {
        f.cancelWriting();
        return false;
    }
    if (!CommitWhole(f))
        return false;
    QFile::setPermissions(FPath, OwnerOnly);
    return true;
}

bool TIniFile::WriteInteger(const QByteArray& section, const QByteArray& key, int value) {
    return WriteString(section, key, QByteArray::number(value));
}
