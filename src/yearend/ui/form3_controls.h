#pragma once
// The year-end sheet's controls that other screens write or press.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form3 {

inline constexpr const char* kForm = "Form3";
inline constexpr const char* kYearBox = "Text16";
using work_screen::kYearButton;
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
inline constexpr const char* kEndButton = "Command9";
// Hidden, pressed by the main menu as it opens the sheet: the person's stored decision is made
// again from the current records (form3_adjust.cpp).
inline constexpr const char* kReplayStoredButton = "ReplayStored";

// The deductions, from the insurance, dependants and spouse and housing records.
inline constexpr const char* kDeclaredInsuranceBox = "Text30";
inline constexpr const char* kMutualAidBox = "Text31";
inline constexpr const char* kLifeInsuranceBox = "Text32";
inline constexpr const char* kCasualtyBox = "Text33";
inline constexpr const char* kSpouseSpecialBox = "Text34";
inline constexpr const char* kDependantsBox = "Text35";
inline constexpr const char* kHousingCreditBox = "Text46";
inline constexpr const char* kPensionPremiumsBox = "Text36";
inline constexpr const char* kLongTermCasualtyBox = "Text55";
inline constexpr const char* kSpouseIncomeBox = "Text57";  // emptied by every load, never filled
// The results of the adjustment.
inline constexpr const char* kEmploymentIncomeBox = "Text27";
inline constexpr const char* kDeductionsInAllBox = "Text37";
inline constexpr const char* kTaxableIncomeBox = "Text38";
inline constexpr const char* kTaxOnTaxableIncomeBox = "Text45";
inline constexpr const char* kTaxAfterCreditBox = "Text47";
inline constexpr const char* kFixedRateReductionBox = "Text49";
inline constexpr const char* kAnnualTaxBox = "Text50";
inline constexpr const char* kBalanceBox = "Text48";  // the balance without its sign
inline constexpr const char* kShortfallCaption = "Text13";
inline constexpr const char* kRefundCaption = "Text18";
inline constexpr const char* kAnnualTaxCaption = "Text20";  // "平成１７年分年税額"

}  // namespace nencho::form3
