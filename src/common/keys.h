#pragma once
// The numbers that name a person's records. Every key is computed in 32 bits, so that
// company 327 with person 68 (key 32,768) works like any other.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace nencho {

// The last digit of a per-year file number.
enum class YearFileKind : int {
    Ledger = 0,
    Insurance = 1,
    Dependants = 2,
    AdjustmentResult = 3,
    Notes = 4,
    SpouseHousing = 5,
};

inline constexpr int kYearFileKindCount = 6;

// Person codes that give a person a key of their own within the company.
inline constexpr int kFirstPersonCode = 1;
inline constexpr int kLastPersonCode = 99;
inline constexpr int kLastCompanyCode = 999;

bool isOwnPersonCode(std::int64_t personCode);

// CompanyCode × 100 + PersonCode; no value when it leaves the signed 32-bit range.
std::optional<std::int32_t> personKey(std::int64_t companyCode, std::int64_t personCode);
// The codes typed in a company box and a person box, each a whole number of the signed 16-bit
// range, and their key; none when a code does not read so, when the key leaves 32 bits, or, for
// CodeRange::Own, when the person code is not one of the company's own.
enum class CodeRange { Any, Own };
struct TypedCodes {
    std::int32_t companyCode = 0;
    std::int32_t personCode = 0;
    std::int32_t key = 0;
};
std::optional<TypedCodes> typedCodes(std::string_view companyText, std::string_view personText,
                                     CodeRange range = CodeRange::Any);
// The key alone of typedCodes.
std::optional<std::int32_t> typedPersonKey(std::string_view companyText,
                                           std::string_view personText,
                                           CodeRange range = CodeRange::Any);

// The name the clerk knows the company code by, and what is said of a company code whose
// records no number can name (a key or file number beyond 32 bits).
inline constexpr std::string_view kCompanyCodeName = "会社コード";
std::string companyCodeTooLarge();
// What the user is told of a code box that gives no code, naming the box ("会社コード"):
// "<box>を入力してください" when it is empty, "<box>が大きすぎます" for a number beyond 32 bits,
// "<box>には数字を入力してください" for any other text.
std::string codeBoxRefusal(std::string_view box, std::string_view typed);
// What the user is told of a code whose record does not exist.
std::string unregisteredCompany(std::int64_t companyCode);
std::string unregisteredPerson(std::int64_t personCode);

std::optional<std::int32_t> yearFileNumber(std::int32_t personKey, YearFileKind kind);
std::optional<std::int32_t> monthlyPayRecordNumber(std::int32_t personKey, int month);

}  // namespace nencho
