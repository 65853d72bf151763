// The yardstick of zedactl's start-up: a program that loads QtCore alone,
// makes its application object and prints a version line, as
// `zedactl --version` does. Run by bench/bench_zedactl.py.

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::fputs("corestart 1\n", stdout);
    return 0;
}
