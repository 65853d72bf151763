#pragma once

#include <QString>

// One writer per data directory. The program and the zedactl commands that
// write month files hold this lock while they run; a second writer is
// refused and told which process holds it. The lock is on the directory
// itself, so deleting or replacing the lock file cannot release it; the
// file only names the holder for that message. The lock goes with the
// process, also when it crashes; the file stays.
class TDataDirLock {
public:
    // What is locked: the directory itself (the writers of month files), or
    // the lock file alone, for a lock of its own beside the writers' (the
    // publisher), as a directory carries only one.
    enum class On { Directory, LockFile };

    // The lock file "<name>.lock" in the data directory; not yet taken.
    TDataDirLock(const QString& dataDir, const QString& name, On on = On::Directory);
    ~TDataDirLock();

    TDataDirLock(const TDataDirLock&) = delete;
    TDataDirLock& operator=(const TDataDirLock&) = delete;

    // Takes the lock and writes this process's number and program name into
    // the file (when it is a regular file); false when another holds it (or
    // the directory cannot be opened).
    bool TryLock(const QString& program);
    bool Locked() const { return FFd >= 0; }

    // "Error - The data directory <dir> is in use by <program> (process
    // <pid>)!", as the holder wrote itself into the file.
    QString RefusalText() const;
    // "<program> (process <pid>)", as the holder wrote itself into the file.
    QString HolderText() const;
    // The program the holder wrote into the file; empty when it wrote none.
    QString HolderProgram() const;

private:
    QString FDir;
    QString FPath;
    On FOn;
    int FFd = -1;
};
