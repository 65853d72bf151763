#pragma once

#include <QStringList>

// zedactl config: the configuration as the program loads it, as JSON. The
// printer font is shown as the platform makes it, so this command draws on
// the font library.
int CmdConfig(const QStringList& args);
