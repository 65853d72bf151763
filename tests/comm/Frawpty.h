#pragma once

#include <QByteArray>

#include <pty.h>
#include <termios.h>

// Opens a pseudo-terminal in raw mode, the line a test unit answers on;
// false (both ends -1) when none can be had.
inline bool OpenRawPty(int& master, int& slave, QByteArray& path) {
    char name[256] = {};
    if (openpty(&master, &slave, name, nullptr, nullptr) != 0) {
        master = slave = -1;
        return false;
    }
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    path = name;
    return true;
}
