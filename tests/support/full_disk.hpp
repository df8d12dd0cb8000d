#pragma once
// Makes every file write of this process fail past a few bytes, as on a
// full disk, until the guard goes out of scope.
#include <sys/resource.h>

#include <csignal>

namespace glossamo::testing {

class FullDisk {
public:
    explicit FullDisk(rlim_t bytes = 16) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

}  // namespace glossamo::testing
