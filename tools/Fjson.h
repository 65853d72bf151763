#pragma once

#include "config/Fchannel.h"

#include <QJsonArray>
#include <QJsonObject>

// What zedactl prints of channel definitions.
QJsonObject ChannelToJson(const ChannelDef& c);
QJsonArray ChannelsToJson(const ChannelDefs& channels);
