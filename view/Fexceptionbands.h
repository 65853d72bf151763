#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

struct MonthDocument;

// An exception period as the diagrams show it: a band over its minutes,
// shaded when its values are suppressed, outlined when it only notes.
struct ExceptionBand {
    uint32_t from = 0; // first slot
    uint32_t to = 0;   // last slot, inclusive
    uint16_t channelMask = 0;
    bool noteOnly = false;
    QByteArray code; // up to four characters, Windows-1252
};

// The document's periods that cover a minute of first .. last (inclusive)
// for at least one channel the window shows, in table order.
std::vector<ExceptionBand> ShownExceptionBands(const MonthDocument& document, int first, int last);

// A band's label: the first line of the exception list that begins with the
// period's code, or the code alone when none does.
QByteArray ExceptionBandLabel(const QByteArray& code, const std::vector<QByteArray>& descriptions);
