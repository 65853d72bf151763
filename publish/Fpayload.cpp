#include "publish/Fpayload.h"

#include "config/Fcodec.h"
#include "files/Fexceptionstate.h"
#include "view/Fviewchannel.h"

namespace {

// What the channel value window shows for a minute without data: a dash.
const QByteArray NoDataValueText = "\x97";

QByteArray AnsiString(const QByteArray& bytes) {
    return JsonString(FromAnsi(bytes));
}

bool HasValue(const PublishedMinute& m, int channel, uint32_t value) {
    const ChannelDef& c = m.channels[channel];
    return m.stored && m.exception[channel] != ExceptionOrdinary && value >= c.minValue &&
           value <= c.maxValue;
}

QByteArray ChannelObject(const PublishedMinute& m, int channel) {
    const ChannelDef& c = m.channels[channel];
    const uint32_t value = ScaledValue(c, m.raw[channel]);
    const QByteArray text =
        m.stored ? ChannelValueText(c, value).trimmed() : NoDataValueText;
    return "{\"channel\":" + QByteArray::number(channel + 1) + ",\"name\":" + AnsiString(c.name) +
           ",\"unit\":" + AnsiString(c.dimension) + ",\"value\":" +
           (HasValue(m, channel, value) ? FormatFixed(value, c.decimals, false) : "null") +
           ",\"text\":" + AnsiString(text) + '}';
}

} // namespace

QByteArray JsonString(const QString& text) {
    static constexpr char Hex[] = "0123456789abcdef";
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
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
    return out + '"';
}

QByteArray MinutePayload(const PublishedMinute& m) {
    QByteArray channels;
    for (int ch = 0; ch < 14; ++ch) {
        if (m.channels[ch].active == 0)
            continue;
        if (!channels.isEmpty())
            channels += ',';
        channels += ChannelObject(m, ch);
    }
    return "{\"minute\":\"" + MinuteText(m.time) + "\",\"time\":\"" + IsoTime(m.time, m.utcOffset) +
           "\",\"location\":" + AnsiString(m.location) +
           ",\"operator\":" + (m.hasOperator ? AnsiString(m.operatorName) : "null") +
           ",\"channels\":[" + channels + "]}";
}
