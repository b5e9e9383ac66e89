#pragma once
// Drive letters mapped into a fresh temporary folder for one test; "c:" is mapped and made.
#include <filesystem>
#include <string>
#include <vector>

namespace nencho::test {

class TempDrives {
  public:
    TempDrives();
    ~TempDrives();
    TempDrives(const TempDrives&) = delete;
    TempDrives& operator=(const TempDrives&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // Maps another drive letter to a folder of its own (created).
    std::filesystem::path addDrive(char letter);
    std::filesystem::path host(const std::string& systemPath) const;

  private:
    std::filesystem::path root_;
};

// Whole files by system path. Text given to writeText is stored in code page 932 with CR LF
// line ends, one line per element.
std::string readBytes(const std::string& systemPath);
void writeBytes(const std::string& systemPath, const std::string& bytes);
bool exists(const std::string& systemPath);
// Record lines as UTF-8, CR LF taken off.
std::vector<std::string> readLines(const std::string& systemPath);
void writeLines(const std::string& systemPath, const std::vector<std::string>& utf8Lines);

// A golden file from tests/data.
std::string goldenBytes(const std::string& name);

}  // namespace nencho::test
