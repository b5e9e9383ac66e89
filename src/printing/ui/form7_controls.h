#pragma once
// The print screen's controls that other screens write or press, and those its own code touches.
#include "platform/ui/work_screen_controls.h"

namespace nencho::form7 {

inline constexpr const char* kForm = "Form7";
inline constexpr const char* kYearBox = "Text10";
using work_screen::kYearButton;
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
// The name box; company registration writes the code it registered into it.
inline constexpr const char* kNameBox = "Text1";
// The spouse step's two buttons.
inline constexpr const char* kWithSpouseButton = "Command4";
inline constexpr const char* kWithoutSpouseButton = "Command6";
// The user's buttons.
inline constexpr const char* kNextPersonButton = "Command10";
inline constexpr const char* kPreviousPersonButton = "Command13";
inline constexpr const char* kBackToMenuButton = "Command14";
inline constexpr const char* kBatchButton = "Command2";
inline constexpr const char* kEndButton = "Command15";
inline constexpr const char* kLedgerPrintButton = "Command16";
inline constexpr const char* kDependantsPrintButton = "Command17";
inline constexpr const char* kInsurancePrintButton = "Command18";
inline constexpr const char* kStatementPrintButton = "Command12";
inline constexpr const char* kStatementDataPrintButton = "Command11";
inline constexpr const char* kStatementFormPrintButton = "Command1";
// The statement's data shift in whole millimetres, and its クリア.
inline constexpr const char* kShiftRightBox = "Text3";
inline constexpr const char* kShiftDownBox = "Text6";
inline constexpr const char* kShiftClearButton = "Command9";
inline constexpr const char* kPayKindLabel = "Label6";
inline constexpr const char* kPayInAllLabel = "Label7";
inline constexpr const char* kEmploymentIncomeLabel = "Label8";
inline constexpr const char* kDeductionsInAllLabel = "Label9";
inline constexpr const char* kAnnualTaxLabel = "Label10";
inline constexpr const char* kSpouseMarkLabel = "Label14";  // 有 or 無
inline constexpr const char* kSpouseSpecialDeductionLabel = "Label15";
inline constexpr const char* kSpecificCountLabel = "Label16";         // 特定
inline constexpr const char* kElderlyCountLabel = "Label17";          // 老人
inline constexpr const char* kOtherDependantsCountLabel = "Label18";  // その他
inline constexpr const char* kSpecialDisabledCountLabel = "Label19";  // 障害者 特別
inline constexpr const char* kOtherDisabledCountLabel = "Label20";    // 障害者 その他
inline constexpr const char* kSocialInsuranceLabel = "Label21";
inline constexpr const char* kLifeInsuranceLabel = "Label22";
inline constexpr const char* kCasualtyLabel = "Label23";
inline constexpr const char* kSpouseNameLabel = "Label28";
inline constexpr const char* kDependant1NameLabel = "Label33";
inline constexpr const char* kDependant2NameLabel = "Label34";
inline constexpr const char* kDependant3NameLabel = "Label35";
inline constexpr const char* kDependant4NameLabel = "Label36";
inline constexpr const char* kDependant5NameLabel = "Label37";
inline constexpr const char* kOwnConditionLabel = "Label29";
inline constexpr const char* kHusbandLabel = "Label40";
inline constexpr const char* kJoiningOrLeavingLabel = "Label41";
inline constexpr const char* kForeignerLabel = "Label45";
inline constexpr const char* kMinorLabel = "Label46";
inline constexpr const char* kSecondaryColumnLabel = "Label47";
inline constexpr const char* kRetiredByDeathLabel = "Label48";
inline constexpr const char* kDisasterVictimLabel = "Label49";
inline constexpr const char* kMutualAidLabel = "Label30";  // 内 and the mutual aid premiums
inline constexpr const char* kPositionLabel = "Label31";
inline constexpr const char* kBalanceLabel = "Label32";
inline constexpr const char* kBalanceCaptionLabel = "Label38";
inline constexpr const char* kNoteLine1Label = "Label42";
inline constexpr const char* kNoteLine2Label = "Label43";
inline constexpr const char* kBirthDateLabel = "Label50";
inline constexpr const char* kFixedRateCaptionLabel = "Label51";
inline constexpr const char* kFixedRateLabel = "Label52";

}  // namespace nencho::form7
