#include "config/Fmemory.h"

QByteArray GetText(const QByteArray& b, qsizetype at, qsizetype size) {
    qsizetype n = 0;
    while (n < size && b[at + n] != '\0')
        ++n;
    return b.mid(at, n);
}

void PutText(QByteArray& b, qsizetype at, qsizetype size, const QByteArray& text) {
    const qsizetype n = qMin(text.size(), size - 1);
    for (qsizetype i = 0; i < size; ++i)
        b[at + i] = i < n ? text[i] : '\0';
}
