#include "platform/kept_files.h"

#include "platform/file_system.h"
#include "platform/record_error.h"

namespace nencho {

KeptFiles::KeptFiles(const std::vector<std::string>& systemPaths) {
    try {
        for (const std::string& path : systemPaths) {
            const bool existed = fileExists(path);
            if (existed) copyFile(path, copyPathOf(path));
            files_.push_back({path, existed});
        }
    } catch (const RecordError&) {
        try {
            discard();
        } catch (const RecordError&) {
            // A copy that cannot be removed stays beside its file; the original is untouched.
        }
        throw;
    }
}

void KeptFiles::restore() {
    for (const Kept& file : files_) {
        if (file.existed)
            copyFile(copyPathOf(file.path), file.path);
        else if (fileExists(file.path))
            deleteFile(file.path);
    }
    discard();
}

void KeptFiles::discard() {
    for (const Kept& file : files_) {
        const std::string copy = copyPathOf(file.path);
        if (file.existed && fileExists(copy)) deleteFile(copy);
    }
}

std::string KeptFiles::copyPathOf(const std::string& systemPath) {
    return systemPath + ".keep";
}

}  // namespace nencho
