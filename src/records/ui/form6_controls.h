#pragma once
// The person screen's controls that other screens write or press, its option groups and status
// boxes, and the words each one stands for.
#include "records/person_file.h"
#include "yearend/ui/form5_controls.h"

namespace nencho::form6 {

inline constexpr const char* kForm = "Form6";
inline constexpr const char* kCompanyBox = "Text1";
inline constexpr const char* kChosenPersonBox = "Text2";  // the main menu's person code
inline constexpr const char* kYearBox = "Text3";
inline constexpr const char* kEraYearBox = "Text12";  // the two digits of the working year
inline constexpr const char* kYearButton = "Command36";
inline constexpr const char* kStatusClearButton = "Command2";  // 該当なし of the other statuses
inline constexpr const char* kClearButton = "Command6";        // クリア
inline constexpr const char* kEndButton = "Command10";

struct CaptionedWord {
    const char* control;
    const char* caption;
    const char* word;
};

inline constexpr CaptionedWord kEraOptions[] = {
    {"Option1", "明治", "明治"},
    {"Option2", "大正", "大正"},
    {"Option3", "昭和", "昭和"},
    {"Option4", "平成", "平成"},
};

// 役職なし stores an empty position.
inline constexpr CaptionedWord kPositionOptions[] = {
    {"Option6", "代表取締役", "代表取締役"},
    {"Option7", "取締役", "取締役"},
    {"Option8", "監査役", "監査役"},
    {"Option9", "役職なし", ""},
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
    {"Option26", "給与賞与", PayKind::PayAndBonus},
    {"Option27", "給　　　与", PayKind::Pay},
    {"Option28", "専従者給与", PayKind::FamilyEmployeePay},
};

}  // namespace nencho::form6
