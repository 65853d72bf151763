#include "Cptyunit.h"

#include "Frawpty.h"

#include <chrono>
#include <poll.h>
#include <unistd.h>
#include <utility>

namespace {

int BaudOf(speed_t s) {
    const std::pair<speed_t, int> speeds[] = {{B600, 600},    {B1200, 1200}, {B2400, 2400},
                                              {B4800, 4800},  {B9600, 9600}, {B19200, 19200},
                                              {B57600, 57600}};
    for (const auto& [code, baud] : speeds) {
        if (code == s)
            return baud;
    }
    return 0;
}

} // namespace

TPtyUnit::TPtyUnit(Answer answer, int delayMs) : FAnswer(std::move(answer)), FDelayMs(delayMs) {
    if (!OpenRawPty(FMaster, FSlave, FPath))
        return;
    FThread = std::thread([this] { Run(); });
}

TPtyUnit::~TPtyUnit() {
    FStop = true;
    if (FThread.joinable())
        FThread.join();
    if (FSlave >= 0)
        close(FSlave);
    if (FMaster >= 0)
        close(FMaster);
}

QList<int> TPtyUnit::Heard() const {
    std::lock_guard<std::mutex> guard(FLock);
    return FHeard;
}

void TPtyUnit::Run() {
    while (!FStop) {
        pollfd p{FMaster, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN))
            continue;
        char buffer[64];
        const ssize_t n = read(FMaster, buffer, sizeof buffer);
        for (ssize_t i = 0; i < n; ++i) {
            if (buffer[i] != 'A')
                continue;
            termios t{};
            tcgetattr(FSlave, &t);
            const int baud = BaudOf(cfgetospeed(&t));
            {
                std::lock_guard<std::mutex> guard(FLock);
                FHeard << baud;
            }
            const QByteArray answer = FAnswer(baud);
            if (FDelayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(FDelayMs));
            if (!answer.isEmpty() && write(FMaster, answer.constData(), size_t(answer.size())) < 0)
                return;
        }
    }
}
