#include "tools/Fjson.h"

#include "config/Cconfig.h"
#include "config/Fcodec.h"
#include "config/Ffont.h"

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
        const QFont font = PrinterFont(config);
        QJsonObject f;
        f["face"] = font.family();
        f["pointSize"] = font.pointSize();
        f["italic"] = font.italic();
        f["underline"] = font.underline();
        f["strikeOut"] = font.strikeOut();
        o["printerFont"] = f;
    } else {
        o["printerFont"] = QJsonValue::Null;
    }
    o["channels"] = ChannelsToJson(config.channels);
    return o;
}
