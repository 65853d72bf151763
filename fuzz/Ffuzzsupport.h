#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: a failed check ends the run, so that libFuzzer
// keeps the input as a finding; files go into a private temporary directory.

// Prints what went wrong and aborts when the condition does not hold.
void Check(bool condition, const char* what);

// The input bytes as a byte array.
QByteArray InputBytes(const uint8_t* data, size_t size);

// The target's own temporary directory, made on first use and removed at a
// normal exit.
const QString& FuzzDir();

// Writes the bytes into a file of that name in FuzzDir(); its path.
QString WriteFuzzFile(const QString& name, const QByteArray& bytes);

// The whole file, or an empty array when it cannot be read.
QByteArray ReadFuzzFile(const QString& path);
