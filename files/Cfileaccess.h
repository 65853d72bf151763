#pragma once

#include <QByteArray>
#include <QString>

// One short access to a file: open, transfer at absolute offsets, close.
// Month files are never held open between operations, because other windows
// open the same file between two accesses. Readers share the file; writers
// hold it alone, and a file another holder has locked cannot be opened.
class TFileAccess {
public:
    enum Mode {
        ReadShared, // read only, others may read at the same time
        ReadWrite,  // read and write an existing file, nobody else
        Create      // create or truncate, read and write, nobody else
    };

    TFileAccess(const QString& path, Mode mode);
    ~TFileAccess();

    TFileAccess(const TFileAccess&) = delete;
    TFileAccess& operator=(const TFileAccess&) = delete;

    // False when the file could not be opened (missing, no permission, not
    // a regular file, locked by another holder).
    bool IsOpen() const { return FFd >= 0; }

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

    // Removes the file from its directory (a creation that failed half way).
    bool Remove();
    void Close();

private:
    QString FPath;
    int FFd = -1;
};
