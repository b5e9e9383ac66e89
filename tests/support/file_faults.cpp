#include "support/file_faults.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/drive_map.h"
#include "platform/piece_of_work.h"
#include "platform/record_error.h"

namespace nencho::test {

namespace fs = std::filesystem;

FileFaults::FileFaults(Mode mode, int atStep) : mode_(mode), atStep_(atStep) {
    setFileStepHook([this](FileStep step, const fs::path& path) {
        seen_.emplace_back(step, path.string());
        if (stopped_)
            fail(FileErrorKind::WriteFailed, path.string(), "プログラムは止まっています。");
        if ((step == FileStep::SyncFolder) != (mode_ == Mode::FailFolderSync)) return;
        ++steps_;
        if (atStep_ <= 0 || steps_ < atStep_ || (steps_ > atStep_ && mode_ != Mode::FailFrom))
            return;
        if (mode_ == Mode::Stop) {
            stopped_ = true;
            throw ProgramStopped{};
        }
        fail(FileErrorKind::WriteFailed, path.string(), "ディスクの空き容量が足りません。");
    });
}

FileFaults::~FileFaults() {
    setFileStepHook({});
}

bool runWithFault(FileFaults::Mode mode, int atStep, const std::function<void()>& action) {
    FileFaults faults(mode, atStep);
    try {
        action();
    } catch (const ProgramStopped&) {
    }
    return faults.reached();
}

RecoveryReport startAgain() {
    PieceOfWork::forgetRun();
    return recoverUnfinishedWork(fs::file_time_type::clock::now());
}

std::vector<std::pair<std::string, std::string>> dataSnapshot() {
    std::vector<std::pair<std::string, std::string>> files;
    const auto drive = DriveMap::instance().driveFolder('c');
    std::error_code ec;
    if (!drive || !fs::is_directory(*drive, ec)) return files;
    for (const auto& entry : fs::recursive_directory_iterator(*drive)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files.emplace_back(fs::relative(entry.path(), *drive).string(), bytes.str());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace nencho::test
