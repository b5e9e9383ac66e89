#pragma once
// The bonus calculation screen's controls that the ledger writes or presses, and those its own
// code touches.
namespace nencho::form9 {

inline constexpr const char* kForm = "Form9";
inline constexpr const char* kBonusLabel = "Label3";               // the bonus
inline constexpr const char* kBonusNumberBox = "Text3";            // 1 to 3, for the calculation
inline constexpr const char* kManualNumberBox = "Text28";          // 1 to 3, for the manual entry
inline constexpr const char* kClearButton = "Command10";           // クリア
inline constexpr const char* kCalculateButton = "Command1";        // 計算実行
inline constexpr const char* kManualEntryButton = "Command4";      // 手動計算実行
inline constexpr const char* kFewerDependantsButton = "Command6";  // 減少
inline constexpr const char* kMoreDependantsButton = "Command7";   // 扶養家族数
inline constexpr const char* kInsuranceEntryButton = "Command8";   // 社会保険等入力
inline constexpr const char* kTaxEntryButton = "Command9";         // 源泉所得税入力
inline constexpr const char* kPreviousPayBox = "Text1";            // 前月給与額
inline constexpr const char* kManualInsuranceBox = "Text8";
inline constexpr const char* kManualTaxBox = "Text2";
inline constexpr const char* kManualDependantsBox = "Text7";
inline constexpr const char* kNoDependantsOption = "optFu0";
inline constexpr const char* kHealthCheck = "chkKenkou";
inline constexpr const char* kEmploymentCheck = "chkKoho";

}  // namespace nencho::form9
