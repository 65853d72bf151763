#pragma once

#include <QStringList>

// zedactl report: the pages printer 1 (or 2) would receive, as one PDF.
int CmdReport(const QStringList& args);
// zedactl print: a report on the printers the INI file names.
int CmdPrint(const QStringList& args);
