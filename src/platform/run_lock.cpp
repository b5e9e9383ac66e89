#include "platform/run_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace nencho {

namespace {

struct ThisRun {
    std::string name;
    int fd = -1;
};

ThisRun& run() {
    static ThisRun state;
    return state;
}

}  // namespace

DataFolderHold holdDataFolder(const std::filesystem::path& hostFolder) {
    releaseDataFolder();
    // The folder itself is locked: it is there whatever it holds, and nothing is written for it.
    const int fd = ::open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return DataFolderHold::Held;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? DataFolderHold::HeldByAnotherCopy : DataFolderHold::Held;
    }
    run().fd = fd;
    return DataFolderHold::Held;
}

void releaseDataFolder() {
    if (run().fd >= 0) ::close(run().fd);
    run().fd = -1;
}

std::string thisRunName() {
    ThisRun& state = run();
    if (state.name.empty()) {
        const auto now =
            std::chrono::system_clock::now().time_since_epoch() / std::chrono::microseconds(1);
        state.name = std::to_string(::getpid()) + "-" + std::to_string(now);
    }
    return state.name;
}

void forgetThisRun() {
    releaseDataFolder();
    run().name.clear();
}

}  // namespace nencho
