#pragma once
// The insurance screen's controls that other screens write or press, and those its own code
// touches.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form4 {

inline constexpr const char* kForm = "Form4";
inline constexpr const char* kYearBox = "Text85";
using work_screen::kYearButton;
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kLedgerInsuranceBox = "Text91";  // the ledger's social insurance total
inline constexpr const char* kClearButton = "Command3";
inline constexpr const char* kLoadButton = "Command2";
inline constexpr const char* kLedgerInsuranceButton = "Command5";  // 給与控除社保料呼出
inline constexpr const char* kComputeButton = "Command1";
// The life table's first column heading; company registration writes its code into it.
inline constexpr const char* kCompanyHeadingBox = "Text1";
inline constexpr const char* kEndButton = "Command4";                      // END
inline constexpr const char* kDeclaredSocialInsuranceButton = "Command6";  // 申告社会保険料等
inline constexpr const char* kMutualAidButton = "Command7";                // 小規模共済掛金

}  // namespace nencho::form4
