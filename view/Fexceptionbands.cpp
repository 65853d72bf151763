#include "view/Fexceptionbands.h"

#include "files/Cmonthdocument.h"
#include "files/Fmonthfile.h"

#include <algorithm>

namespace {

QByteArray CodeText(const ExceptionPeriod& p) {
    QByteArray code(p.code.data(), 4);
    const qsizetype end = code.indexOf('\0');
    if (end >= 0)
        code.truncate(end);
    return code.trimmed();
}

} // namespace

std::vector<ExceptionBand> ShownExceptionBands(const MonthDocument& document, int first, int last) {
    std::vector<ExceptionBand> bands;
    if (HasEarlyLayoutMarker(document.header) || last < first)
        return bands;
    const int held = int(document.exceptions.size() / ExceptionEntrySize);
    const int count =
        std::min<int>(HeaderExceptionCount(document.header), std::min(held, MaxExceptions));
    uint16_t shown = 0;
    for (int ch = 0; ch < int(document.display.channelVisible.size()) && ch < 16; ++ch) {
        if (document.display.channelVisible[ch])
            shown |= uint16_t(1u << ch);
    }
    for (int i = 0; i < count; ++i) {
        const ExceptionPeriod p = ReadExceptionPeriod(document.exceptions, i);
        if ((p.channelMask & shown) == 0 || int(p.to) < first || int(p.from) > last ||
            p.to < p.from)
            continue;
        bands.push_back({p.from, p.to, p.channelMask, p.IsNoteOnly(), CodeText(p)});
    }
    return bands;
}

QByteArray ExceptionBandLabel(const QByteArray& code, const std::vector<QByteArray>& descriptions) {
    if (code.isEmpty())
        return code;
    for (const QByteArray& d : descriptions) {
        if (d.startsWith(code))
            return d;
    }
    return code;
}
