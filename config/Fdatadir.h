#pragma once

#include <QString>

// The data directory when none is given: the program's own directory, as
// the installation has always had it, when the program may write there;
// otherwise (an installed program in /usr/bin) "$XDG_DATA_HOME/zeda",
// usually ~/.local/share/zeda. The directory is not created here.
QString DefaultDataDir(const QString& programDir);
