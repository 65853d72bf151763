#include "tools/Fjson.h"

#include "config/Cconfig.h"
#include "config/Fcodec.h"

QJsonObject ChannelToJson(const ChannelDef& c) {
    QJsonObject o;
    o["active"] = c.active;
    o["name"] = FromAnsi(c.name);
    o["dimension"] = FromAnsi(c.dimension);
    o["dispOffset"] = c.dispOffset;
    o["inputMult"] = c.inputMult;
    o["minValue"] = static_cast<qint64>(c.minValue);
    o["maxValue"] = static_cast<qint64>(c.maxValue);
    o["offsetValue"] = static_cast<qint64>(c.offsetValue);
    o["decimals"] = c.decimals;
    o["printer"] = c.printer;
    o["printColour"] = c.printColour;
    o["colourChoice"] = c.colourChoice;
    return o;
}

QJsonArray ChannelsToJson(const ChannelDefs& channels) {
    QJsonArray a;
    for (const ChannelDef& c : channels)
        a.append(ChannelToJson(c));
    return a;
}

QJsonObject ConfigToJson(const TConfig& config) {
    QJsonObject o;
    o["location"] = FromAnsi(config.location);
    o["retentionMonths"] = config.retentionMonths;
    o["timeZoom"] = config.timeZoom;
    o["sizeZoom"] = config.sizeZoom;
    o["backgroundChoice"] = config.backgroundChoice;
    o["backgroundColour"] = static_cast<qint64>(config.backgroundColour);
    if (config.printerFontSet) {
        QJsonObject f;
        f["face"] = config.printerFont.family();
        f["pointSize"] = config.printerFont.pointSize();
        f["italic"] = config.printerFont.italic();
        f["underline"] = config.printerFont.underline();
        f["strikeOut"] = config.printerFont.strikeOut();
        o["printerFont"] = f;
    } else {
        o["printerFont"] = QJsonValue::Null;
    }
    o["channels"] = ChannelsToJson(config.channels);
    return o;
}
