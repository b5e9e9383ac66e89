#include "support/temp_drives.h"

#include <unistd.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/cp932.h"
#include "platform/drive_map.h"

namespace nencho::test {

namespace fs = std::filesystem;

TempDrives::TempDrives() {
    std::string pattern = (fs::temp_directory_path() / "nencho-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    root_ = pattern;
    DriveMap::instance().clear();
    addDrive('c');
}

TempDrives::~TempDrives() {
    DriveMap::instance().clear();
    std::error_code ec;
    fs::remove_all(root_, ec);
}

fs::path TempDrives::addDrive(char letter) {
    const fs::path folder = root_ / std::string(1, letter);
    fs::create_directories(folder);
    DriveMap::instance().setDrive(letter, folder);
    return folder;
}

fs::path TempDrives::host(const std::string& systemPath) const {
    auto path = DriveMap::instance().hostPath(systemPath);
    if (!path) throw std::runtime_error("unmapped path " + systemPath);
    return *path;
}

namespace {
fs::path hostOf(const std::string& systemPath) {
    auto path = DriveMap::instance().hostPath(systemPath);
    if (!path) throw std::runtime_error("unmapped path " + systemPath);
    return *path;
}
}  // namespace

std::string readBytes(const std::string& systemPath) {
    std::ifstream in(hostOf(systemPath), std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + systemPath);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeBytes(const std::string& systemPath, const std::string& bytes) {
    const fs::path path = hostOf(systemPath);
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool exists(const std::string& systemPath) {
    auto path = DriveMap::instance().hostPath(systemPath);
    return path && fs::exists(*path);
}

std::vector<std::string> readLines(const std::string& systemPath) {
    const std::string text = decodeCp932(readBytes(systemPath));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void writeLines(const std::string& systemPath, const std::vector<std::string>& utf8Lines) {
    std::string text;
    for (const auto& line : utf8Lines) text += line + "\r\n";
    auto bytes = encodeCp932(text);
    if (!bytes) throw std::runtime_error("fixture text not in code page 932");
    writeBytes(systemPath, *bytes);
}

std::string goldenBytes(const std::string& name) {
    std::ifstream in(fs::path(NENCHO_TEST_DATA_DIR) / name, std::ios::binary);
    if (!in) throw std::runtime_error("missing golden file " + name);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace nencho::test
