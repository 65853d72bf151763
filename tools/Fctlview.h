#pragma once

#include <QStringList>

// zedactl render: a month file's diagram as a PNG picture.
int CmdRender(const QStringList& args);
