#pragma once

#include <QStringList>

// zedactl's commands that talk to the unit through the link the INI file
// names ("Unit": sim or serial).
int CmdUnit(const QStringList& args);
