#include "config/Fcommandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

bool ParseBoundedInt(const QCommandLineParser& parser, const QString& name, long long min,
                     long long max, long long& value) {
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const long long v = parser.value(name).trimmed().toLongLong(&ok);
    if (!ok || v < min || v > max) {
        const QString text = QCoreApplication::translate(
                                 "Fcommandline", "%1: --%2 takes a whole number from %3 to %4")
                                 .arg(QCoreApplication::applicationName(), name)
                                 .arg(min)
                                 .arg(max);
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return false;
    }
    value = v;
    return true;
}
