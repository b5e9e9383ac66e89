#pragma once
// A company's record: the CompanyFile of 32 lines that every screen reads for the payer, and
// the older 19-line layout of the corporate-tax program's company file, read to prefill it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/record_file.h"

namespace nencho {

// The longest texts a clerk types into the company record: the name and the tax place in
// full-width characters, the telephone number in digits and hyphens.
inline constexpr int kCompanyNameLength = 14;
inline constexpr int kTaxPlaceLength = 30;
inline constexpr int kPhoneLength = 14;

// Heisei year, month and day.
struct CompanyDate {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    bool operator==(const CompanyDate&) const = default;
};

// The older layout's 19 values: the company record without the representative's name.
struct LegacyCompanyLayout {
    std::int32_t code = 0;
    std::int32_t capital = 0;  // whole yen
    CompanyDate businessYearStart;
    CompanyDate businessYearEnd;
    CompanyDate settlement;  // 決算確定日
    std::string reading;     // フリガナ
    std::string name;        // 法人名
    std::string taxPlace;    // 納税地
    std::string representativeReading;
    std::string representativeAddress;
    std::string businessType;  // 事業種目
    std::string taxOffice;     // 税務署名
    std::string phone;
    bool operator==(const LegacyCompanyLayout&) const = default;
};

// What the company screen holds of one company: the older layout's values and the
// representative's name, which the CompanyFile stores between his reading and address.
struct CompanyRecord : LegacyCompanyLayout {
    std::string representativeName;
    bool operator==(const CompanyRecord&) const = default;
};

// The 32 fields of the CompanyFile, ready to save (texts are checked when the bytes are made).
RecordWriter companyFileWriter(const CompanyRecord& record);

// How far a company record is read. The lists and the main menu read the heading, lines 1 to
// 10 (eight numbers, the reading and the name); the company screen reads lines 1 to 20 (the
// spare lines are never read). A record is refused only for the lines asked for.
enum class CompanyFields { Heading, Whole };

// The one reader of the CompanyFile: every screen reads a company record through it. Fields
// not read keep their empty values. Throws a RecordError when the file is missing, ends early
// or holds a text on a number line.
CompanyRecord loadCompanyFile(std::int64_t companyCode,
                              CompanyFields fields = CompanyFields::Whole);

// The 19 lines of the corporate-tax program's file of that code. Throws like loadCompanyFile.
LegacyCompanyLayout loadLegacyCompanyFile(std::int64_t companyCode);

// The code a registration stores for the code box: 999 when the box holds no whole number;
// no value when the number lies outside 1 to 999, where no company list would show it.
std::optional<std::int32_t> registrationCode(std::string_view codeBox);

// The capital as its box shows it: two spaces, then "#,###" (zero leaves just the spaces).
std::string capitalBoxText(std::int32_t capital);

}  // namespace nencho
