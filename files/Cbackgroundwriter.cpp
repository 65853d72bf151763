#include "files/Cbackgroundwriter.h"

#include <QFileDevice>

#include <fcntl.h>

TBackgroundWriter::TBackgroundWriter(QFileDevice& file) : FFile(file), FThread([this] { Run(); }) {}

TBackgroundWriter::~TBackgroundWriter() {
    Finish();
}

bool TBackgroundWriter::Hand(QByteArray& piece) {
    std::unique_lock lock(FLock);
    FQueue.push_back(std::move(piece));
    piece = QByteArray();
    if (!FEmptied.empty()) {
        piece = std::move(FEmptied.back());
        FEmptied.pop_back();
    }
    FWake.notify_all();
    return !FFailed;
}

bool TBackgroundWriter::Finish() {
    {
        std::unique_lock lock(FLock);
        FClosing = true;
        FWake.notify_all();
    }
    if (FThread.joinable())
        FThread.join();
    return !FFailed;
}

void TBackgroundWriter::Run() {
    qint64 offset = 0;
    std::unique_lock lock(FLock);
    for (;;) {
        FWake.wait(lock, [this] { return FClosing || !FQueue.empty(); });
        if (FQueue.empty())
            return;
        QByteArray piece = std::move(FQueue.front());
        FQueue.pop_front();
        const bool skip = FFailed;
        lock.unlock();
        bool ok = skip || FFile.write(piece) == piece.size();
        if (ok && !skip) {
            // Only a start: the sync before the file takes its place waits.
            FFile.flush();
            sync_file_range(FFile.handle(), offset, piece.size(), SYNC_FILE_RANGE_WRITE);
            offset += piece.size();
        }
        piece.resize(0);
        lock.lock();
        FFailed = FFailed || !ok;
        FEmptied.push_back(std::move(piece));
    }
}
