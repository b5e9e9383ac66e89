#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "common/paths.h"
#include "platform/drive_map.h"
#include "platform/record_error.h"

namespace nencho {

namespace fs = std::filesystem;

bool folderExists(const std::string& systemPath) {
    const auto host = DriveMap::instance().hostPath(systemPath);
    std::error_code ec;
    return host && fs::is_directory(*host, ec);
}

bool fileExists(const std::string& systemPath) {
    const auto host = DriveMap::instance().hostPath(systemPath);
    std::error_code ec;
    return host && fs::is_regular_file(*host, ec);
}

void createFolder(const std::string& systemPath) {
    const fs::path host = requireHostPath(systemPath);
    std::error_code ec;
    if (fs::exists(host, ec)) fail(FileErrorKind::FileAlreadyExists, systemPath);
    if (!fs::is_directory(host.parent_path(), ec)) fail(FileErrorKind::PathNotFound, systemPath);
    if (::mkdir(host.c_str(), 0755) != 0)
        fail(FileErrorKind::WriteFailed, systemPath, std::strerror(errno));
}

void createMissingFolders(const std::vector<std::string>& systemPaths) {
    for (const std::string& path : systemPaths) {
        if (folderExists(path)) continue;
        const fs::path host = requireHostPath(path);
        // A drive's own folder stands for the drive: make it when the mapping points nowhere yet.
        const auto drive = DriveMap::instance().driveFolder(path.empty() ? 'c' : path[0]);
        std::error_code ec;
        if (drive && host.parent_path() == *drive && !fs::is_directory(*drive, ec))
            fs::create_directories(*drive, ec);
        createFolder(path);
    }
}

void ensureDataTree(const std::string& taxYearCode, bool withWithholdingBook) {
    std::vector<std::string> levels{
        dataRootFolder(),
        withoutTrailingSeparator(companyFolder()),
        withoutTrailingSeparator(personFolder()),
        withoutTrailingSeparator(yearFolder(taxYearCode)),
    };
    if (withWithholdingBook) levels.push_back(std::string(kDataRoot) + kWithholdingBookFolderName);
    createMissingFolders(levels);
}

void createNewFile(const std::string& systemPath, bool overwrite) {
    const fs::path host = requireHostPath(systemPath);
    std::error_code ec;
    if (!fs::is_directory(host.parent_path(), ec)) fail(FileErrorKind::PathNotFound, systemPath);
    const int flags = O_WRONLY | O_CREAT | (overwrite ? O_TRUNC : O_EXCL);
    const int fd = ::open(host.c_str(), flags, 0644);
    if (fd < 0) {
        if (errno == EEXIST) fail(FileErrorKind::FileAlreadyExists, systemPath);
        fail(FileErrorKind::WriteFailed, systemPath, std::strerror(errno));
    }
    ::close(fd);
}

void copyFile(const std::string& sourcePath, const std::string& destinationPath) {
    const fs::path source = requireHostPath(sourcePath);
    const fs::path destination = requireHostPath(destinationPath);
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) fail(FileErrorKind::FileNotFound, sourcePath);
    if (!fs::is_directory(destination.parent_path(), ec))
        fail(FileErrorKind::PathNotFound, destinationPath);
    const fs::path temp = destination.string() + ".tmp-copy";
    fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec);
    if (!ec) fs::rename(temp, destination, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        fail(FileErrorKind::WriteFailed, destinationPath, ec.message());
    }
}

void deleteFile(const std::string& systemPath) {
    const fs::path host = requireHostPath(systemPath);
    std::error_code ec;
    if (!fs::is_regular_file(host, ec)) fail(FileErrorKind::FileNotFound, systemPath);
    if (!fs::remove(host, ec) || ec)
        fail(FileErrorKind::WriteFailed, systemPath, ec ? ec.message() : std::string{});
}

}  // namespace nencho
