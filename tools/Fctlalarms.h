#pragma once

#include <QStringList>

// zedactl alarms set|clear|list|evaluate|log: the alarm limits of the INI
// file and the alarm log.
int CmdAlarms(const QStringList& args);
