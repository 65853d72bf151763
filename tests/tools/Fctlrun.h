#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>

// Runs zedactl (ZEDACTL_PATH) as a separate process, as a user's shell would.
struct Run {
    int exitCode = -1; // -1: it crashed or did not end within two minutes
    QByteArray out;
    QByteArray err;
};

inline Run Ctl(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(ZEDACTL_PATH), args);
    Run r;
    if (!p.waitForFinished(120000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
