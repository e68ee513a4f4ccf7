#pragma once

#include <csignal>
#include <sys/resource.h>

namespace tessarin::testing {

// While it lives, the system lets no file of this process grow beyond `bytes`: a write past that fails
// partway, as on a full disk. The signal such a write raises is ignored, so the write only fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return active_; }

private:
    rlimit saved_{};
    void (*previousHandler_)(int);
    bool active_ = false;
};

} // namespace tessarin::testing
