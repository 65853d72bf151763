#pragma once

#include <csignal>
#include <sys/resource.h>

// Makes every write at or beyond `limit` bytes of a file fail, as a full disk
// would; the old limit comes back when it goes out of scope.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t limit) {
        FOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &FOld);
        rlimit small = FOld;
        small.rlim_cur = limit;
        FActive = setrlimit(RLIMIT_FSIZE, &small) == 0;
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;
    bool Active() const { return FActive; }

private:
    rlimit FOld{};
    void (*FOldHandler)(int) = SIG_DFL;
    bool FActive = false;
};
