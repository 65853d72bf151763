#pragma once

#include <QStringList>

// zedactl's commands for exception periods, CSV export, backup and import.
int CmdExport(const QStringList& args);
int CmdException(const QStringList& args);
int CmdBackup(const QStringList& args);
int CmdImport(const QStringList& args);
