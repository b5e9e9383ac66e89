#pragma once
// Makes every file write of a test fail part-way, whoever runs the test (a file-size limit).
#include <sys/resource.h>

#include <csignal>

namespace nencho::test {

// While armed, no file can grow beyond a few bytes: every record write fails part-way and the
// one write path leaves the old record.
class FailingWrites {
  public:
    ~FailingWrites() { disarm(); }
    void arm() {
        if (armed_) return;
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit tiny = old_;
        tiny.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        armed_ = true;
    }
    void disarm() {
        if (!armed_) return;
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
        armed_ = false;
    }

  private:
    bool armed_ = false;
    struct rlimit old_ {};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace nencho::test
