#pragma once
// The person screen's controls that other screens write or press or its own code touches, its
// option groups and status boxes, and the words each one stands for.
#include "platform/ui/work_screen_controls.h"
#include "records/person_file.h"
#include "yearend/ui/form5_controls.h"

namespace nencho::form6 {

inline constexpr const char* kForm = "Form6";
inline constexpr const char* kCompanyBox = "Text1";
inline constexpr const char* kChosenPersonBox = "Text2";  // the main menu's person code
inline constexpr const char* kYearBox = "Text3";
inline constexpr const char* kEraYearBox = "Text12";  // the two digits of the working year
using work_screen::kYearButton;
inline constexpr const char* kStatusClearButton = "Command2";  // 該当なし of the other statuses
inline constexpr const char* kClearButton = "Command6";        // クリア
inline constexpr const char* kEndButton = "Command10";

// The options that code selects or switches off by themselves.
inline constexpr const char* kShowaOption = "Option3";
inline constexpr const char* kRepresentativeDirectorOption = "Option6";
inline constexpr const char* kDirectorOption = "Option7";
inline constexpr const char* kAuditorOption = "Option8";
inline constexpr const char* kNoPositionOption = "Option9";
inline constexpr const char* kPayAndBonusOption = "Option26";

struct CaptionedWord {
    const char* control;
    const char* caption;
    const char* word;
};

inline constexpr CaptionedWord kEraOptions[] = {
    {"Option1", "明治", "明治"},
    {"Option2", "大正", "大正"},
    {kShowaOption, "昭和", "昭和"},
    {"Option4", "平成", "平成"},
};

// 役職なし stores an empty position.
inline constexpr CaptionedWord kPositionOptions[] = {
    {kRepresentativeDirectorOption, "代表取締役", "代表取締役"},
    {kDirectorOption, "取締役", "取締役"},
    {kAuditorOption, "監査役", "監査役"},
    {kNoPositionOption, "役職なし", ""},
};

// Each own condition also selects one of the dependants screen's four person options.
struct OwnConditionOption {
    const char* control;
    const char* caption;
    PersonStatus status;
    const char* dependantsOption;
};

inline constexpr OwnConditionOption kOwnConditionOptions[] = {
    {"Option11", "特別障害", PersonStatus::SpecialDisabled, form5::kSpeciallyDisabledOption},
    {"Option12", "障害者", PersonStatus::Disabled, form5::kDisabledWidowStudentOption},
    {"Option10", "老年者", PersonStatus::Elderly, form5::kElderlyOption},
    {"Option13", "寡　婦", PersonStatus::Widow, form5::kDisabledWidowStudentOption},
    {"Option14", "特別寡婦", PersonStatus::SpecialWidow, form5::kSpecialWidowOption},
    {"Option15", "寡　夫", PersonStatus::Widower, form5::kDisabledWidowStudentOption},
    {"Option16", "勤労学生", PersonStatus::WorkingStudent, form5::kDisabledWidowStudentOption},
};
inline constexpr const char* kNoOwnConditionOption = "Option22";

struct StatusCheck {
    const char* control;
    const char* caption;
    PersonStatus status;
};

inline constexpr StatusCheck kStatusChecks[] = {
    {"Check1", "夫あり", PersonStatus::HasHusband},
    {"Check2", "未成年者", PersonStatus::Minor},
    {"Check3", "乙  欄", PersonStatus::SecondaryColumn},
    {"Check4", "死亡退職", PersonStatus::RetiredByDeath},
    {"Check5", "災害者", PersonStatus::DisasterVictim},
    {"Check6", "外国人", PersonStatus::Foreigner},
};

inline constexpr const char* kJoiningOption = "Option20";
inline constexpr const char* kLeavingOption = "Option21";
inline constexpr const char* kNoChangeOption = "Option24";

struct PayKindOption {
    const char* control;
    const char* caption;
    PayKind kind;
};

inline constexpr PayKindOption kPayKindOptions[] = {
    {"Option5", "役員報酬", PayKind::DirectorsFee},
    {kPayAndBonusOption, "給与賞与", PayKind::PayAndBonus},
    {"Option27", "給　　　与", PayKind::Pay},
    {"Option28", "専従者給与", PayKind::FamilyEmployeePay},
};
inline constexpr const char* kRegisterButton = "Command3";           // 登録実行
inline constexpr const char* kLoadButton = "Command4";               // 呼び出し
inline constexpr const char* kNotesClearButton = "Command5";         // クリア of the notes
inline constexpr const char* kNotesLoadButton = "Command8";          // 特記事項呼出, hidden
inline constexpr const char* kNotesStoreButton = "Command9";         // 特記事項登録, hidden
inline constexpr const char* kPartialClearButton = "Command12";      // 一部クリア, hidden
inline constexpr const char* kLastNumberSearchButton = "Command13";  // LastNumber, hidden
inline constexpr const char* kLastNumberButton = "Command14";        // ラストナンバー
inline constexpr const char* kPreviousPersonButton = "Command15";
inline constexpr const char* kNextPersonButton = "Command16";
inline constexpr const char* kLastStoredCodeBox = "Text4";  // hidden
inline constexpr const char* kPersonCodeBox = "Text5";
inline constexpr const char* kReadingBox = "Text6";  // フリガナ
inline constexpr const char* kNameBox = "Text7";
inline constexpr const char* kAddressUpperBox = "Text8";
inline constexpr const char* kAddressLowerBox = "Text15";
inline constexpr const char* kBirthYearBox = "Text9";
inline constexpr const char* kBirthMonthBox = "Text10";
inline constexpr const char* kBirthDayBox = "Text11";
inline constexpr const char* kChangeMonthBox = "Text13";  // of 就職・退職
inline constexpr const char* kChangeDayBox = "Text14";
inline constexpr const char* kPositionBox = "Text16";  // any other title
inline constexpr const char* kNotesLine1Box = "Text20";
inline constexpr const char* kNotesLine2Box = "Text21";

}  // namespace nencho::form6
