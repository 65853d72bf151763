#include "Ffuzzsupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

void Check(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
}

QByteArray InputBytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

const QString& FuzzDir() {
    static const QTemporaryDir dir;
    static const QString path = dir.path();
    Check(dir.isValid(), "temporary directory");
    return path;
}

QString WriteFuzzFile(const QString& name, const QByteArray& bytes) {
    const QString path = FuzzDir() + "/" + name;
    QFile f(path);
    Check(f.open(QIODevice::WriteOnly | QIODevice::Truncate), "write the input file");
    Check(f.write(bytes) == bytes.size(), "write the input file");
    return path;
}

QByteArray ReadFuzzFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
