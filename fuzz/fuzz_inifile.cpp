// The INI store. The input's first line says what to write,
// "section/key=value" (without '/' and '=' the whole line is the value of
// ZEDA/Fuzz); the rest is the file. Reading never fails; after a successful
// write the key reads back as the value, and every other line of the file is
// kept byte for byte.

#include "Ffuzzsupport.h"

#include "config/Cinifile.h"

#include <QList>

namespace {

struct Write {
    QByteArray section = "ZEDA";
    QByteArray key = "Fuzz";
    QByteArray value;
};

Write ParseWrite(const QByteArray& line) {
    Write w;
    const qsizetype slash = line.indexOf('/');
    const qsizetype eq = line.indexOf('=', slash + 1);
    if (slash < 0 || eq < 0) {
        w.value = line;
        return w;
    }
    w.section = line.left(slash);
    w.key = line.mid(slash + 1, eq - slash - 1);
    w.value = line.mid(eq + 1);
    return w;
}

QByteArray TrimBlanks(QByteArray text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove(0, 1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

// The lines of a file, each with its line ending.
QList<QByteArray> Lines(const QByteArray& data) {
    QList<QByteArray> lines;
    qsizetype pos = 0;
    while (pos < data.size()) {
        const qsizetype nl = data.indexOf('\n', pos);
        const qsizetype end = nl < 0 ? data.size() : nl + 1;
        lines.append(data.mid(pos, end - pos));
        pos = end;
    }
    return lines;
}

// The line the store writes (without its ending) when compared to a file line.
bool IsLine(const QByteArray& fileLine, const QByteArray& line) {
    return fileLine == line || fileLine == line + '\n' || fileLine == line + "\r\n";
}

// After equals before with one line replaced by the written line, the written
// line inserted, or a section line and the written line appended.
bool ChangedOneLine(const QList<QByteArray>& before, const QList<QByteArray>& after,
                    const QByteArray& line, const QByteArray& sectionLine) {
    qsizetype head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    if (after.size() == before.size()) {
        // Replaced in place: the ending stays.
        if (head == before.size())
            return true;
        const QByteArray ending = before[head].endsWith("\r\n") ? "\r\n"
                                  : before[head].endsWith('\n') ? "\n"
                                                                : "";
        return after[head] == line + ending && after.mid(head + 1) == before.mid(head + 1);
    }
    if (after.size() == before.size() + 1)
        return head < after.size() && IsLine(after[head], line) &&
               after.mid(head + 1) == before.mid(head);
    return after.size() == before.size() + 2 && head == before.size() &&
           IsLine(after[head], sectionLine) && IsLine(after[head + 1], line);
}

// A file without a final line ending may get one when a line follows it.
bool KeptOtherLines(const QByteArray& before, const QByteArray& after, const Write& w) {
    const QByteArray line = w.key + '=' + w.value;
    const QByteArray sectionLine = '[' + w.section + ']';
    const QList<QByteArray> a = Lines(after);
    if (ChangedOneLine(Lines(before), a, line, sectionLine))
        return true;
    const QByteArray eol = before.contains("\r\n") ? "\r\n" : "\n";
    return !before.isEmpty() && !before.endsWith('\n') &&
           ChangedOneLine(Lines(before + eol), a, line, sectionLine);
}

void CheckRead(const TIniFile& ini, const Write& w) {
    const QByteArray v = ini.ReadString(w.section, w.key, "default");
    Check(v == TrimBlanks(v), "values come back trimmed");
    Check(!v.contains('\n'), "a value is one line");
    ini.ReadInteger(w.section, w.key, 0);
    ini.ReadString(w.value, w.section, QByteArray());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = InputBytes(data, size);
    qsizetype nl = input.indexOf('\n');
    if (nl < 0)
        nl = input.size();
    QByteArray first = input.left(nl);
    if (first.endsWith('\r'))
        first.chop(1);
    const Write w = ParseWrite(first);
    const QByteArray before = input.mid(nl + 1);

    TIniFile ini(WriteFuzzFile("zeda.ini", before));
    CheckRead(ini, w);
    if (!ini.WriteString(w.section, w.key, w.value))
        return 0;
    const QByteArray after = ReadFuzzFile(ini.Path());
    Check(ini.ReadString(w.section, w.key, "default") == TrimBlanks(w.value),
          "a written key reads back as its value");
    Check(KeptOtherLines(before, after, w), "writing a key keeps every other line");
    CheckRead(ini, w);
    return 0;
}
