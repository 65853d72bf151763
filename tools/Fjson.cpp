#include "tools/Fjson.h"

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
