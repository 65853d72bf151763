#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// One short access to a file: open, transfer at absolute offsets, close.
// Month files are never held open between operations, because other windows
// and programs open the same file between two accesses. Readers share the
// file; writers hold it alone. A file that another holder has locked is
// waited for a few seconds: busy is not missing.
class TFileAccess {
public:
    enum Mode {
        ReadShared, // read only, others may read at the same time
        ReadWrite,  // read and write an existing file, nobody else
        CreateNew   // a new file under a temporary name next to the path,
                    // put into place by PlaceNew; nobody else
    };

    // Why a file could not be opened.
    enum Failure {
        NoFailure,
        Missing,    // no file of that name
        Busy,       // still locked by another holder after the wait
        NotRegular, // a directory, FIFO or device of that name
        OtherError  // permission, device error, no space, ...
    };

    // How long an open waits for another holder's lock, by default.
    static constexpr int LockWaitMs = 3000;

    TFileAccess(const QString& path, Mode mode, int lockWaitMs = LockWaitMs);
    ~TFileAccess();

    TFileAccess(const TFileAccess&) = delete;
    TFileAccess& operator=(const TFileAccess&) = delete;

    bool IsOpen() const { return FFd >= 0; }
    Failure Why() const { return FFailure; }
    // The size of the open file, or -1.
    qint64 Size() const;

    // Bytes transferred (fewer at the end of the file or on an error), or -1
    // when nothing could be transferred because of an error.
    qint64 ReadAt(qint64 offset, char* data, qint64 size);
    qint64 WriteAt(qint64 offset, const char* data, qint64 size);

    // Reads size bytes into buffer at position at; the buffer keeps its
    // bytes where the file has none. The bytes read, or -1.
    qint64 ReadInto(qint64 offset, QByteArray& buffer, qint64 at, qint64 size);
    // True when all of data was written.
    bool WriteAll(qint64 offset, const QByteArray& data);
    bool WriteAll(qint64 offset, const char* data, qint64 size);

    // True when the data written so far has reached the disk (fdatasync).
    bool SyncData();

    // CreateNew only: makes the complete new file appear under the path,
    // but only where no file of that name exists; an existing file is never
    // replaced. Placed, AlreadyThere (the new file is thrown away) or
    // NotPlaced (an error). The file stays open and locked until Close.
    enum PlaceResult { Placed, AlreadyThere, NotPlaced };
    PlaceResult PlaceNew();
    // CreateNew only: makes the complete new file take the place of the file
    // of that name in one step, for a file that holds nothing worth keeping
    // and that the caller holds locked. Placed or NotPlaced.
    PlaceResult PlaceOver();

    // Closes; a new file that was not placed is removed.
    void Close();

private:
    QString FPath;
    QByteArray FTempPath; // CreateNew: the temporary name until placed
    int FFd = -1;
    Failure FFailure = NoFailure;
};

// Removes the temporary files that creations of new files (CreateNew) of
// the names that match the wildcard left in dir when they were killed; one
// still held by a creation under way stays. Only for the holder of the data
// directory's lock. The number removed.
int RemoveInterruptedNewFiles(const QString& dir, const QString& nameWildcard);

// True when both paths name the same existing file (hard links included).
bool SameFile(const QString& a, const QString& b);

// Reads a regular file of at most maxSize bytes. False for a missing file,
// anything that is not a regular file (a FIFO would hang the reader, a
// device never end) and a file larger than maxSize; nothing more than
// maxSize + 1 bytes is ever read.
bool ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& data);

// Commits a file written through QSaveFile only when every byte reached the
// disk. QSaveFile alone misses a write that fails while it flushes its last
// buffered bytes on closing, and would put a cut file in place.
bool CommitWhole(QSaveFile& file);
