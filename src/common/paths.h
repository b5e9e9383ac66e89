#pragma once
// The data folders and the record file names. Paths are in the system's own drive-letter
// form ("c:\年末調整\..."); the platform maps them to host folders.
#include <cstdint>
#include <optional>
#include <string>

#include "common/keys.h"

namespace nencho {

inline constexpr const char* kDataRoot = "c:\\年末調整\\";
inline constexpr const char* kCompanyFolderName = "年調法人名";
inline constexpr const char* kPersonFolderName = "個人名";
inline constexpr const char* kWithholdingBookFolderName = "源泉簿";
inline constexpr const char* kCorporateTaxCompanyFolder = "c:\\法人税\\法人名\\";

std::string dataRootFolder();  // "c:\年末調整", no final separator
std::string companyFolder();   // "c:\年末調整\年調法人名\"
std::string personFolder();    // "c:\年末調整\個人名\"
// DataRoot + TaxYearCode + "年末調整\"; an empty year gives DataRoot + "年末調整\".
std::string yearFolder(const std::string& taxYearCode);

std::string companyFilePath(std::int64_t companyCode);
std::string personFilePath(std::int32_t personKey);
std::optional<std::string> yearFilePath(const std::string& taxYearCode, std::int32_t personKey,
                                        YearFileKind kind);
std::optional<std::string> monthlyPayRecordPath(const std::string& taxYearCode,
                                                std::int32_t personKey, int month);
std::string corporateTaxCompanyFilePath(std::int64_t companyCode);

// The path without its final separator, as folder operations take it.
std::string withoutTrailingSeparator(std::string path);

}  // namespace nencho
