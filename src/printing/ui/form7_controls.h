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

}  // namespace nencho::form7
