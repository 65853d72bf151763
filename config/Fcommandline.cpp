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
        std::fprintf(stderr, "%s: --%s takes a whole number from %lld to %lld\n",
                     qPrintable(QCoreApplication::applicationName()), qPrintable(name), min, max);
        return false;
    }
    value = v;
    return true;
}
