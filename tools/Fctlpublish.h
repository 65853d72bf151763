#pragma once

#include <QStringList>

// zedactl publish: the stored minutes to the MQTT broker, headless.
int CmdPublish(const QStringList& args);
