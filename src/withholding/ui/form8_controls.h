#pragma once
// The monthly calculation screen's controls that the ledger writes or presses, and those its own
// code touches.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form8 {

inline constexpr const char* kForm = "Form8";
inline constexpr const char* kPayLabel = "Label3";  // the month's pay
inline constexpr const char* kMonthBox = "Text3";
inline constexpr const char* kYearBox = "Text11";
// The year button of the other work screens; this screen takes its year from the ledger.
using work_screen::kYearButton;
inline constexpr const char* kCompanyBox = "Text161";
inline constexpr const char* kPersonBox = "Text162";
inline constexpr const char* kClearButton = "Command7";               // クリア
inline constexpr const char* kWithoutNursingCareButton = "Command1";  // 介護保険なし
inline constexpr const char* kWithNursingCareButton = "Command3";     // 介護保険あり
inline constexpr const char* kManualEntryButton = "Command2";         // 手動計算実行
inline constexpr const char* kMoreDependantsButton = "Command5";      // 扶養家族数
inline constexpr const char* kFewerDependantsButton = "Command6";     // 減少
inline constexpr const char* kManualInsuranceBox = "Text1";
inline constexpr const char* kManualTaxBox = "Text2";
inline constexpr const char* kManualDependantsBox = "Text7";
// なし, １人 to ４人 and ５人以上: the options of the number of dependants, by that number.
inline constexpr const char* kDependantsOptions[] = {"optFu0", "optFu1", "optFu2",
                                                     "optFu3", "optFu4", "optFu5"};
inline constexpr const char* kNoDependantsOption = kDependantsOptions[0];
inline constexpr const char* kHealthCheck = "chkKenkou";
inline constexpr const char* kPensionCheck = "chkNenkin";
inline constexpr const char* kEmploymentCheck = "chkKoho";

}  // namespace nencho::form8
