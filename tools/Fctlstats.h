#pragma once

#include <QStringList>

// zedactl stats: the figures of a range of a month file as JSON.
int CmdStats(const QStringList& args);
