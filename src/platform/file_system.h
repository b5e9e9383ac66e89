#pragma once
// Folder and file operations on system paths. Failures are RecordErrors.
#include <string>
#include <vector>

namespace nencho {

bool folderExists(const std::string& systemPath);
bool fileExists(const std::string& systemPath);

// Creates one folder level. Throws PathNotFound when the parent is missing and
// FileAlreadyExists when the folder exists.
void createFolder(const std::string& systemPath);

// Creates each missing folder of the list, in order, one level at a time. The host folder
// behind a drive letter is made when missing, as a drive is always there.
void createMissingFolders(const std::vector<std::string>& systemPaths);

// The data tree: the data root, the company and person folders and the year's folder
// (and "源泉簿" when asked), every missing level created.
void ensureDataTree(const std::string& taxYearCode, bool withWithholdingBook = false);

// Creates an empty file; without overwrite it throws FileAlreadyExists when the file exists.
void createNewFile(const std::string& systemPath, bool overwrite);

// Copies a file whole (temporary file and rename at the destination); FileNotFound when the
// source is missing, PathNotFound when the destination's folder is missing.
void copyFile(const std::string& sourcePath, const std::string& destinationPath);

// Deletes a file; FileNotFound when it is missing.
void deleteFile(const std::string& systemPath);

}  // namespace nencho
