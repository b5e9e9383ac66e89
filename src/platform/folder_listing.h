#pragma once
// The names of the files a folder holds, read once. A missing or unreadable folder holds none:
// finding out which records exist is a normal question, not a failure.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nencho {

// The names (UTF-8, no folder) of the regular files in a folder given by its system path; with
// a filter, only the names it keeps, and the others cost no copy. A symbolic link is no file
// of the folder's, whatever it points to: nothing is reached through one.
std::vector<std::string> fileNamesIn(const std::string& systemFolder,
                                     const std::function<bool(std::string_view)>& keep = {});

}  // namespace nencho
