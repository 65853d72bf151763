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

namespace {

// A list larger than this is nothing the program wrote; it is left alone.
constexpr qint64 MaxListBytes = 1024 * 1024;

// One line of the list: what it holds and how it ends ("\r\n", "\n" or,
// for the last one, nothing).
struct ListLine {
    QByteArray content;
    QByteArray ending;
    int entry = -1; // the menu entry it shows, or -1
    // The text before a NUL, which the menu reads, and the NUL with what
    // follows, which stays where it is.
    QByteArray Body() const { return content.left(TailAt()); }
    QByteArray Tail() const { return content.mid(TailAt()); }
    qsizetype TailAt() const {
        const qsizetype nul = content.indexOf('\0');
        return nul < 0 ? content.size() : nul;
    }
};

std::vector<ListLine> SplitList(const QByteArray& text, std::vector<ExceptionMenuEntry>& menu) {
    std::vector<ListLine> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype lf = text.indexOf('\n', pos);
        const qsizetype end = lf < 0 ? text.size() : lf;
        ListLine line;
        const bool cr = lf >= 0 && end > pos && text[end - 1] == '\r';
        line.content = text.mid(pos, end - pos - (cr ? 1 : 0));
        line.ending = lf < 0 ? QByteArray() : cr ? QByteArray("\r\n") : QByteArray("\n");
        lines.push_back(line);
        pos = lf < 0 ? text.size() : lf + 1;
    }
    menu = ExceptionMenuOf(text);
    for (size_t i = 0; i < menu.size(); ++i)
        lines[size_t(menu[i].tag - 1)].entry = int(i);
    return lines;
}

QByteArray LineEndingOf(const std::vector<ListLine>& lines) {
    for (const ListLine& l : lines)
        if (!l.ending.isEmpty())
            return l.ending;
    return "\n";
}

// The line after which new entries go: after the last entry, or before it
// when a NUL in its line would hide them; -1 for the start of the file.
int InsertionPoint(const std::vector<ListLine>& lines, int lastEntryLine) {
    if (lastEntryLine < 0)
        return -1;
    const ListLine& last = lines[size_t(lastEntryLine)];
    return last.Tail().isEmpty() ? lastEntryLine : lastEntryLine - 1;
}

// For each new entry, the old entry whose text it is (each used once), or -1.
std::vector<int> MatchEntries(const std::vector<ExceptionMenuEntry>& menu,
                              const std::vector<QByteArray>& entries) {
    std::vector<int> source(entries.size(), -1);
    std::vector<bool> used(menu.size(), false);
    for (size_t j = 0; j < entries.size(); ++j)
        for (size_t i = 0; i < menu.size(); ++i)
            if (!used[i] && menu[i].text == entries[j]) {
                used[i] = true;
                source[j] = int(i);
                break;
            }
    return source;
}

// True when the menu of text begins with the entries. New lines can fall
// beyond the bytes the menu reads when long hidden lines come before them.
bool ShowsEntries(const QByteArray& text, const std::vector<QByteArray>& entries) {
    const std::vector<ExceptionMenuEntry> menu = ExceptionMenuOf(text);
    if (menu.size() < entries.size())
        return false;
    for (size_t i = 0; i < entries.size(); ++i)
        if (menu[i].text != entries[i])
            return false;
    return true;
}

QByteArray JoinList(const std::vector<ListLine>& lines) {
    QByteArray text;
    for (const ListLine& l : lines)
        text += l.content + l.ending;
    return text;
}

} // namespace

bool MergeExceptionList(const QByteArray& text, const std::vector<QByteArray>& entries,
                        QByteArray& merged) {
    std::vector<ExceptionMenuEntry> menu;
    std::vector<ListLine> lines = SplitList(text, menu);
    const std::vector<int> source = MatchEntries(menu, entries);
    std::vector<bool> kept(menu.size(), false);
    for (const int i : source)
        if (i >= 0)
            kept[size_t(i)] = true;
    std::vector<QByteArray> bodies; // of the old entries, by menu index
    for (const ExceptionMenuEntry& e : menu)
        bodies.push_back(lines[size_t(e.tag - 1)].Body());
    // Lines of entries that went, beyond what a changed entry takes over.
    size_t spare = menu.size() > entries.size() ? menu.size() - entries.size() : 0;
    for (size_t i = menu.size(); i-- > 0 && spare > 0;) {
        if (kept[i])
            continue;
        ListLine& l = lines[size_t(menu[i].tag - 1)];
        l.entry = -2; // goes; a NUL and what follows stay
        --spare;
    }
    if (entries.size() > menu.size()) {
        const int lastLine = menu.empty() ? -1 : menu.back().tag - 1;
        const int after = InsertionPoint(lines, lastLine);
        const size_t added = entries.size() - menu.size();
        if ((after + 1) + int(added) + (after < lastLine ? 1 : 0) > ExceptionListMaxLines)
            return false;
        const QByteArray eol = LineEndingOf(lines);
        std::vector<ListLine> fresh(added);
        for (ListLine& l : fresh) {
            l.ending = eol;
            l.entry = 0;
        }
        if (after >= 0 && lines[size_t(after)].ending.isEmpty()) {
            lines[size_t(after)].ending = eol; // the last line ended without one
            fresh.back().ending.clear();
        }
        lines.insert(lines.begin() + (after + 1), fresh.begin(), fresh.end());
    }
    std::vector<ListLine> out;
    size_t next = 0;
    for (ListLine& l : lines) {
        if (l.entry == -2) {
            if (!l.Tail().isEmpty())
                out.push_back({l.Tail(), l.ending, -1});
            continue;
        }
        if (l.entry >= 0 && next < entries.size()) {
            const int from = source[next];
            l.content = (from >= 0 ? bodies[size_t(from)] : entries[next]) + l.Tail();
            ++next;
        }
        out.push_back(l);
    }
    merged = JoinList(out);
    return entries.size() <= menu.size() || ShowsEntries(merged, entries);
}

ExceptionListShape ExceptionListShapeOf(const QByteArray& text) {
    std::vector<ExceptionMenuEntry> menu;
    const std::vector<ListLine> lines = SplitList(text, menu);
    ExceptionListShape shape;
    const int lastLine = menu.empty() ? -1 : menu.back().tag - 1;
    const int after = InsertionPoint(lines, lastLine);
    shape.capacity =
        int(menu.size()) + ExceptionListMaxLines - (after + 1) - (after < lastLine ? 1 : 0);
    for (const ListLine& l : lines) {
        const bool shownWhole = l.entry >= 0 && menu[size_t(l.entry)].text == l.content;
        if (!l.content.isEmpty() && !shownWhole)
            shape.hidesText = true;
    }
    return shape;
}

namespace {

// The list's bytes: empty for a missing file; false for one that is there
// but cannot be read whole.
bool ReadListBytes(const QString& path, QByteArray& text) {
    text.clear();
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    return ReadRegularFile(path, MaxListBytes, text);
}

} // namespace

bool ReadExceptionListShape(const QString& path, ExceptionListShape& shape) {
    QByteArray text;
    if (!ReadListBytes(path, text))
        return false;
    shape = ExceptionListShapeOf(text);
    return true;
}

bool WriteExceptionList(const QString& path, const std::vector<QByteArray>& entries) {
    QByteArray text;
    QByteArray data;
    if (!ReadListBytes(path, text) || !MergeExceptionList(text, entries, data))
        return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // An unfinished save file is thrown away when it goes out of scope.
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size())
        return false;
    return CommitWhole(file);
}

QString HiddenExceptionTextNotice(const QString& path) {
    return QCoreApplication::translate(
               "Fexceptionlist",
               "%1 holds more than the exception menu shows (it shows the first 30 lines, 70 "
               "characters of each, up to a NUL byte, and no indented line); all of it is kept.")
        .arg(path);
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

QString ExceptionListFullRefusal(int count, int capacity) {
    if (count < capacity)
        return QString();
    return QCoreApplication::translate("Fexceptionlist", "The list holds at most %1 descriptions.")
        .arg(capacity);
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
