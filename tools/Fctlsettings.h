#pragma once

#include <QStringList>

// zedactl's settings commands: what an administrator scripts, through the
// rules of the program's dialogs.
int CmdChannel(const QStringList& args);
int CmdOperators(const QStringList& args);
int CmdPassword(const QStringList& args);
int CmdLocation(const QStringList& args);
