#pragma once

#include <csignal>
#include <sys/resource.h>

namespace dravik::test {

// While it lives, no file of this process can grow beyond `bytes`: a write
// past the limit fails as a full disk would, for every user, root included
// (file permissions do not stop root). The signal the limit would raise is
// ignored, so the write just fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &before_);
        handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit before_{};
    void (*handler_)(int) = SIG_DFL;
};

}  // namespace dravik::test
