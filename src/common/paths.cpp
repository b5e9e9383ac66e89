#include "common/paths.h"

#include "common/amount.h"

namespace nencho {

std::string dataRootFolder() {
    return withoutTrailingSeparator(kDataRoot);
}
std::string companyFolder() {
    return std::string(kDataRoot) + kCompanyFolderName + "\\";
}
std::string personFolder() {
    return std::string(kDataRoot) + kPersonFolderName + "\\";
}

std::string yearFolder(const std::string& taxYearCode) {
    return std::string(kDataRoot) + taxYearCode + "年末調整\\";
}

std::string companyFilePath(std::int64_t companyCode) {
    return companyFolder() + decimal(companyCode) + ".txt";
}

std::string personFilePath(std::int32_t personKey) {
    return personFolder() + decimal(personKey) + ".txt";
}

std::optional<std::string> yearFilePath(const std::string& taxYearCode, std::int32_t personKey,
                                        YearFileKind kind) {
    const auto number = yearFileNumber(personKey, kind);
    if (!number) return std::nullopt;
    return yearFolder(taxYearCode) + decimal(*number) + ".txt";
}

std::optional<std::string> monthlyPayRecordPath(const std::string& taxYearCode,
                                                std::int32_t personKey, int month) {
    const auto number = monthlyPayRecordNumber(personKey, month);
    if (!number) return std::nullopt;
    return yearFolder(taxYearCode) + decimal(*number) + ".txt";
}

std::string corporateTaxCompanyFilePath(std::int64_t companyCode) {
    return std::string(kCorporateTaxCompanyFolder) + decimal(companyCode) + ".txt";
}

std::string withoutTrailingSeparator(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

}  // namespace nencho
