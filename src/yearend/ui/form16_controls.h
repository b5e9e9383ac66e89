#pragma once
// The spouse special deduction and housing-loan screen's controls that other screens or its own
// code touch.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form16 {

inline constexpr const char* kForm = "Form16";
inline constexpr const char* kYearBox = "Text85";
using work_screen::kYearButton;
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kClearButton = "Command10";
inline constexpr const char* kLoadButton = "Command5";  // DATA
inline constexpr const char* kSaveButton = "Command3";  // 計算実行 at the bottom
inline constexpr const char* kHousingLoanBox = "Text1";
inline constexpr const char* kIncomeBox = "Text2";     // the spouse's income
inline constexpr const char* kDeductionBox = "Text3";  // the spouse special deduction
inline constexpr const char* kPayBox = "Text4";        // the pay and bonuses the spouse received
inline constexpr const char* kReadingBox = "Text5";    // the spouse's reading
inline constexpr const char* kNameBox = "Text6";       // the spouse's name
inline constexpr const char* kDeductionButton = "Command1";      // 配偶者特別控除の額
inline constexpr const char* kPayButton = "Command2";            // 受取った給与賞与の計
inline constexpr const char* kReadingButton = "Command4";        // フリガナ
inline constexpr const char* kIncomeButton = "Command6";         // 配偶者の所得金額
inline constexpr const char* kIncomeFromPayButton = "Command7";  // 計算実行 of the pay
inline constexpr const char* kNameButton = "Command8";           // 配偶者の氏名
inline constexpr const char* kHousingLoanButton = "Command26";  // 住宅所得控除金額の入力

}  // namespace nencho::form16
