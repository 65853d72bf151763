#pragma once

#include <QByteArray>
#include <QList>

#include <atomic>
#include <functional>
#include <mutex>
#include <thread>

// A pseudo-terminal with a fake unit at its far end. For every 'A' it hears
// it notes the speed the program set on the line and answers with what
// answer(speed) gives, delayMs later.
class TPtyUnit {
public:
    using Answer = std::function<QByteArray(int baud)>;

    explicit TPtyUnit(Answer answer, int delayMs = 0);
    ~TPtyUnit();

    TPtyUnit(const TPtyUnit&) = delete;
    TPtyUnit& operator=(const TPtyUnit&) = delete;

    bool IsOpen() const { return FMaster >= 0; }
    QByteArray Path() const { return FPath; }
    // The speeds at which an 'A' came, in their order.
    QList<int> Heard() const;

private:
    void Run();

    Answer FAnswer;
    int FDelayMs;
    int FMaster = -1;
    int FSlave = -1;
    QByteArray FPath;
    std::atomic<bool> FStop{false};
    mutable std::mutex FLock;
    QList<int> FHeard;
    std::thread FThread;
};
