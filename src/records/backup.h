#pragma once
// Backing a company's records up to another drive and restoring them. The backup tree on a
// drive has the layout of the data root: "<drive>年末調整\..." with the same folder and file
// names. A run copies the company file and, for person codes 1 to 99, every person whose
// seven files (person file and the six year files of the working year) are all there; a
// person without them (year-end adjustment not run) is skipped and named in the result.
// Pay records and other years' files are never copied.
//
// Each person's seven files are prepared beside their targets and switched in together, so a
// person at the target is the old one or the copied one whole, even when a run is cut short.
// A backup first finishes or removes what earlier backups cut short left on the drive, and
// marks the company's backup as unfinished until its run ends; a restore refuses a company
// whose backup is so marked, or has a person switched half-way, and copies nothing of it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace nencho {

enum class TransferDirection {
    Backup,   // data root → drive
    Restore,  // drive → data root
};

struct TransferRequest {
    TransferDirection direction = TransferDirection::Backup;
    std::string taxYearCode;
    std::int64_t companyCode = 0;
    std::string drive;  // a drive list entry: letter and colon, "d:"
};

struct TransferResult {
    int copiedPersons = 0;
    std::vector<int> skippedCodes;  // persons without a complete set of files
};

// What a run did, as the user reads it.
std::string describeTransfer(const TransferResult& result);

// Whether a drive list entry ("d:") is the drive the program keeps its records on, or a volume
// that is the same folder: a run there would copy every file onto itself.
bool isProgramDataDrive(const std::string& drive);

// The path of a data-root path ("c:\年末調整\...") in the backup tree on a drive.
std::string backupPath(const std::string& drive, const std::string& dataRootPath);

// Runs a backup or restore. Every missing folder level of the target is created. `progress`
// receives 0 to 100 as the person codes are gone through. A failure stops the run with a
// Failure that says what was copied before it and why it stopped: the persons copied before
// stay, the person being copied stays as he was.
TransferResult transferCompany(const TransferRequest& request,
                               const std::function<void(int percent)>& progress = {});

}  // namespace nencho
