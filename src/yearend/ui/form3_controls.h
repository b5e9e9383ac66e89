#pragma once
// The year-end sheet's controls that other screens write or press.
namespace nencho::form3 {

inline constexpr const char* kForm = "Form3";
inline constexpr const char* kYearBox = "Text16";
inline constexpr const char* kYearButton = "Command36";
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kStatusBox = "Text40";  // "年末調整実行" or "年調しない"
// The ledger's totals, written by every ledger save.
inline constexpr const char* kMonthPayBox = "Text2";
inline constexpr const char* kMonthTaxBox = "Text22";
inline constexpr const char* kBonusPayBox = "Text23";
inline constexpr const char* kBonusTaxBox = "Text24";
inline constexpr const char* kGrandPayBox = "Text25";
inline constexpr const char* kGrandTaxBox = "Text26";
inline constexpr const char* kGrandInsuranceBox = "Text29";
inline constexpr const char* kClearButton = "Command6";
inline constexpr const char* kLoadButton = "Command10";
inline constexpr const char* kAdjustButton = "Command1";     // 年末調整実行
inline constexpr const char* kNotAdjustButton = "Command7";  // 年末調整しない

}  // namespace nencho::form3
