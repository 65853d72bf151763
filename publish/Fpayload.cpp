#include "publish/Fpayload.h"

#include "config/Fchannel.h"
#include "config/Fcodec.h"
#include "files/Fexceptionstate.h"

namespace {

// What the channel value window shows for a minute without data: a dash.
const QByteArray NoDataValueText = "\x97";

void AppendEscaped(QByteArray& out, const QByteArray& utf8) {
    static constexpr char Hex[] = "0123456789abcdef";
    out += '"';
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20) {
            out += "\\u00";
            out += Hex[b >> 4];
            out += Hex[b & 0x0F];
        } else {
            out += c;
        }
    }
    out += '"';
}

// A text of the file as a JSON string: Windows-1252 converted to UTF-8
// (plain ASCII is both).
void AppendAnsi(QByteArray& out, const QByteArray& ansi) {
    for (const char c : ansi) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            AppendEscaped(out, FromAnsi(ansi).toUtf8());
            return;
        }
    }
    AppendEscaped(out, ansi);
}

bool HasValue(const PublishedMinute& m, int channel, uint32_t value) {
    const ChannelDef& c = m.channels[channel];
    return m.stored && m.exception[channel] != ExceptionOrdinary && WithinLimits(c, value);
}

void AppendChannel(QByteArray& out, const PublishedMinute& m, int channel) {
    const ChannelDef& c = m.channels[channel];
    const uint32_t value = ScaledValue(c, m.raw[channel]);
    out += "{\"channel\":";
    out += QByteArray::number(channel + 1);
    out += ",\"name\":";
    AppendAnsi(out, c.name);
    out += ",\"unit\":";
    AppendAnsi(out, c.dimension);
    out += ",\"value\":";
    out += HasValue(m, channel, value) ? FormatFixed(value, c.decimals, false)
                                       : QByteArray("null");
    out += ",\"text\":";
    AppendAnsi(out, m.stored ? ChannelValueText(c, value).trimmed() : NoDataValueText);
    out += '}';
}

} // namespace

QByteArray JsonString(const QString& text) {
    QByteArray out;
    AppendEscaped(out, text.toUtf8());
    return out;
}

QByteArray MinutePayload(const PublishedMinute& m) {
    QByteArray out;
    out.reserve(160 + 100 * 14);
    out += "{\"minute\":\"";
    out += MinuteText(m.time);
    out += "\",\"time\":\"";
    out += IsoTime(m.time, m.utcOffset);
    out += m.late ? "\",\"late\":true,\"location\":" : "\",\"location\":";
    AppendAnsi(out, m.location);
    out += ",\"operator\":";
    if (m.hasOperator)
        AppendAnsi(out, m.operatorName);
    else
        out += "null";
    out += ",\"channels\":[";
    bool first = true;
    for (int ch = 0; ch < 14; ++ch) {
        if (m.channels[ch].active == 0)
            continue;
        if (!first)
            out += ',';
        first = false;
        AppendChannel(out, m, ch);
    }
    out += "]}";
    return out;
}
