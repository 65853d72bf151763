#pragma once

#include <QString>

// Whole-file outputs (CSV files, pictures, reports) never take the place of
// a month file: a month of measurements is worth more than any export.

// The refusal when target may not be written as an output made from the
// month file source: the source itself, or any month file (a file that
// starts with the month-file signature, or one another holder keeps
// locked). Empty when target may be written.
QString RefusedOutputTarget(const QString& target, const QString& source);

// "Error - File <path> is a month file and is not overwritten!"
QString OutputIsMonthFileText(const QString& path);
