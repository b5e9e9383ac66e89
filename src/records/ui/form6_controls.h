#pragma once
// The person screen's option groups and status boxes, and the words each one stands for.
#include "records/person_file.h"

namespace nencho::form6 {

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
    {"Option11", "特別障害", PersonStatus::SpecialDisabled, "Option2"},
    {"Option12", "障害者", PersonStatus::Disabled, "Option1"},
    {"Option10", "老年者", PersonStatus::Elderly, "Option7"},
    {"Option13", "寡　婦", PersonStatus::Widow, "Option1"},
    {"Option14", "特別寡婦", PersonStatus::SpecialWidow, "Option12"},
    {"Option15", "寡　夫", PersonStatus::Widower, "Option1"},
    {"Option16", "勤労学生", PersonStatus::WorkingStudent, "Option1"},
};
inline constexpr const char* kNoOwnConditionOption = "Option22";
inline constexpr const char* kDependantsPersonOptions[] = {"Option1", "Option2", "Option12",
                                                           "Option7"};

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
