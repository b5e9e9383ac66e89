#pragma once
// The print screen's controls that other screens write or press.
namespace nencho::form7 {

inline constexpr const char* kForm = "Form7";
inline constexpr const char* kYearBox = "Text10";
inline constexpr const char* kYearButton = "Command36";
inline constexpr const char* kEraYearBox = "Text9";            // the two digits of the working year
inline constexpr const char* kFollowingYearMarkBox = "Text8";  // "⑱" for H17
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kClearButton = "Command7";
inline constexpr const char* kLoadButton = "Command5";
inline constexpr const char* kDisplayButton = "Command3";
inline constexpr const char* kNotesButton = "Command8";
// The summary's labels that the year-end screens write or empty.
inline constexpr const char* kHousingCreditLabel = "Label24";
inline constexpr const char* kSpouseIncomeLabel = "Label25";
inline constexpr const char* kPensionPremiumsLabel = "Label26";
inline constexpr const char* kLongTermCasualtyLabel = "Label27";

}  // namespace nencho::form7
