#pragma once

#include <QStringList>

// zedactl acquire [--follow]: the acquisition of a data directory without a
// window.
int CmdAcquire(const QStringList& args);
