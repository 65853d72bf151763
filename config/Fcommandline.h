#pragma once

#include <QString>

class QCommandLineParser;

// A whole-number option within [min, max]; an option not given keeps value.
// False for anything else, after "<program>: --<name> takes a whole number
// from <min> to <max>" on standard error.
bool ParseBoundedInt(const QCommandLineParser& parser, const QString& name, long long min,
                     long long max, long long& value);
