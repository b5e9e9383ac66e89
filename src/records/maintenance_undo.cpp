#include "records/maintenance_undo.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/drive_map.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "platform/record_file.h"

namespace nencho {

namespace fs = std::filesystem;

namespace {

std::string readWholeFile(const std::string& systemPath) {
    std::ifstream in(requireHostPath(systemPath), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    if (!in.good() && !in.eof()) fail(FileErrorKind::WriteFailed, systemPath, "read failed");
    return out.str();
}

// Writes the bytes beside the file and renames them over it.
void writeWholeFile(const std::string& systemPath, const std::string& bytes) {
    const fs::path host = requireHostPath(systemPath);
    const fs::path temp = host.string() + ".tmp-undo";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << bytes;
        out.flush();
        if (!out) fail(FileErrorKind::WriteFailed, systemPath);
    }
    std::error_code ec;
    fs::rename(temp, host, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        fail(FileErrorKind::WriteFailed, systemPath, ec.message());
    }
}

}  // namespace

void FileChanges::remember(const std::string& path) {
    const bool known = std::any_of(formers_.begin(), formers_.end(),
                                   [&](const Former& former) { return former.path == path; });
    if (known) return;
    Former former{path, std::nullopt};
    if (fileExists(path)) former.bytes = readWholeFile(path);
    formers_.push_back(std::move(former));
}

void FileChanges::copy(const std::string& sourcePath, const std::string& destinationPath) {
    remember(destinationPath);
    copyFile(sourcePath, destinationPath);
}

void FileChanges::write(const std::string& destinationPath, const RecordWriter& record) {
    remember(destinationPath);
    record.save(destinationPath);
}

void FileChanges::remove(const std::string& path) {
    remember(path);
    deleteFile(path);
}

std::vector<std::string> FileChanges::rollback() {
    std::vector<std::string> problems;
    for (auto it = formers_.rbegin(); it != formers_.rend(); ++it) {
        try {
            if (it->bytes)
                writeWholeFile(it->path, *it->bytes);
            else if (fileExists(it->path))
                deleteFile(it->path);
        } catch (const RecordError& error) {
            problems.push_back(error.what());
        }
    }
    formers_.clear();
    return problems;
}

}  // namespace nencho
