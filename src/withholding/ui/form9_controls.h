#pragma once
// The bonus calculation screen's controls that the ledger writes or presses.
namespace nencho::form9 {

inline constexpr const char* kForm = "Form9";
inline constexpr const char* kBonusLabel = "Label3";           // the bonus
inline constexpr const char* kBonusNumberBox = "Text3";        // 1 to 3, for the calculation
inline constexpr const char* kManualNumberBox = "Text28";      // 1 to 3, for the manual entry
inline constexpr const char* kClearButton = "Command10";       // クリア
inline constexpr const char* kCalculateButton = "Command1";    // 計算実行
inline constexpr const char* kManualEntryButton = "Command4";  // 手動計算実行

}  // namespace nencho::form9
