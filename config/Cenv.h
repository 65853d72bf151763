#pragma once

#include "config/Cfileaccess.h"

#include <QString>

class TClock;
class TMessages;
class TNotices;

// Where the program keeps its files and how it reaches the clock and the
// user. One is built by the program entry (or by zedactl, or by a test) and
// handed to the objects that need it; it is not a global.
struct TEnv {
    QString dataDir;          // INI file, operator list, exception list, month files
    QString appName = "zeda"; // gives the INI and help file names
    TClock* clock = nullptr;
    TMessages* messages = nullptr;
    TNotices* notices = nullptr; // the acquisition's two notices (comm/Cnotices.h)
    // How long a month file that another holder has locked is waited for.
    int lockWaitMs = TFileAccess::LockWaitMs;

    QString IniPath() const { return FilePath(appName + ".ini"); }
    QString FilePath(const QString& name) const { return dataDir + "/" + name; }
};
