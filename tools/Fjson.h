#pragma once

#include "config/Fchannel.h"

#include <QJsonArray>
#include <QJsonObject>

class TConfig;

// What zedactl prints of the configuration and of channel definitions.
QJsonObject ChannelToJson(const ChannelDef& c);
QJsonArray ChannelsToJson(const ChannelDefs& channels);
QJsonObject ConfigToJson(const TConfig& config);
