#pragma once

#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

class QFileDevice;

// Writes the pieces of a file in order on a thread of its own and has the
// system start putting each piece on the disk at once. Formatting the next
// piece, writing this one and the disk's work then overlap, and the sync
// that makes the file durable waits for the last pieces only. The file is
// the writer's from the first piece until Finish.
class TBackgroundWriter {
public:
    explicit TBackgroundWriter(QFileDevice& file);
    ~TBackgroundWriter();
    TBackgroundWriter(const TBackgroundWriter&) = delete;
    TBackgroundWriter& operator=(const TBackgroundWriter&) = delete;

    // Hands a piece over and returns an emptied earlier one to fill next,
    // so that pieces keep their memory. False once a piece failed.
    bool Hand(QByteArray& piece);
    // Waits until every piece is written; false when one could not be.
    bool Finish();

private:
    void Run();

    QFileDevice& FFile;
    std::mutex FLock;
    std::condition_variable FWake;
    std::deque<QByteArray> FQueue;
    std::vector<QByteArray> FEmptied;
    bool FClosing = false;
    bool FFailed = false;
    std::thread FThread;
};
