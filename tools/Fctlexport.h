#pragma once

#include "files/Cfiledata.h"
#include "files/Cmonthdocument.h"

#include <QCommandLineParser>
#include <QStringList>

#include <memory>

struct CtlEnv;

// zedactl's commands for exception periods, CSV export, backup and import.
int CmdExport(const QStringList& args);
int CmdException(const QStringList& args);
int CmdBackup(const QStringList& args);
int CmdImport(const QStringList& args);

// What the range commands share: the month file opened into a document with
// the marks and the shown channels of the command line.
struct MarkedFile {
    MonthDocument document;
    std::unique_ptr<TFileData> file;
};

// FILE, --from, --to, --channels and --data-dir.
void AddRangeOptions(QCommandLineParser& parser);
// 0 when opened and marked, otherwise the exit code (the reason was told).
int OpenMarked(const QCommandLineParser& parser, const char* command, CtlEnv& ctl, MarkedFile& m);
