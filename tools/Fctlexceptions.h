#pragma once

#include <QStringList>

// zedactl exceptions: lists and edits the exception descriptions
// (AUSNAHME.LST) through the rules of the program's dialog.
int CmdExceptions(const QStringList& args);
