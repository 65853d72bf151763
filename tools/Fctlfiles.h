#pragma once

#include <QStringList>

// zedactl's commands on month files and acquisition.
int CmdSimulate(const QStringList& args);
int CmdInfo(const QStringList& args);
int CmdValidate(const QStringList& args);
