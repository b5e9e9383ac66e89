#pragma once
// The names of the dependants sheet's own controls, by what they hold.
#include <array>
#include <string>

#include "yearend/dependants_deduction.h"
#include "yearend/dependants_file.h"
#include "yearend/ui/form5_controls.h"

namespace nencho::form5 {

// One row of the table. The marker is kept in a hidden box and shown on a button.
struct TableRow {
    const char* name;
    const char* relation;
    const char* birthDate;
    const char* marker;
    const char* markerButton;
    const char* occupation;
    const char* address;
    const char* annualIncome;
    const char* other;
};

// Which box of a table row holds which field of the record's row, in the record's order.
template <class RecordRow>
struct StoredBox {
    const char* TableRow::*box;
    std::string RecordRow::*field;
};

inline constexpr StoredBox<SpouseRow> kSpouseStoredBoxes[] = {
    {&TableRow::name, &SpouseRow::name},
    {&TableRow::relation, &SpouseRow::relation},
    {&TableRow::birthDate, &SpouseRow::birthDate},
    {&TableRow::marker, &SpouseRow::marker},
    {&TableRow::occupation, &SpouseRow::occupation},
    {&TableRow::address, &SpouseRow::address},
    {&TableRow::other, &SpouseRow::other},
};
inline constexpr StoredBox<DependantRow> kDependantStoredBoxes[] = {
    {&TableRow::name, &DependantRow::name},
    {&TableRow::relation, &DependantRow::relation},
    {&TableRow::birthDate, &DependantRow::birthDate},
    {&TableRow::marker, &DependantRow::marker},
    {&TableRow::occupation, &DependantRow::occupation},
    {&TableRow::address, &DependantRow::address},
    {&TableRow::annualIncome, &DependantRow::annualIncome},
    {&TableRow::other, &DependantRow::other},
};

inline constexpr TableRow kSpouseRow{"Text13", "Text14", "Text15", "Text39", "Command20",
                                     "Text19", "Text20", "Text21", "Text22"};
inline constexpr std::array<TableRow, kDependantRows> kDependantTableRows{{
    {"Text24", "Text25", "Text5", "Text38", "Command19", "Text30", "Text31", "Text32", "Text33"},
    {"Text35", "Text36", "Text6", "Text37", "Command21", "Text41", "Text42", "Text43", "Text44"},
    {"Text46", "Text47", "Text12", "Text34", "Command18", "Text52", "Text53", "Text54", "Text55"},
    {"Text57", "Text58", "Text16", "Text29", "Command17", "Text63", "Text64", "Text65", "Text66"},
    {"Text68", "Text69", "Text17", "Text28", "Command16", "Text74", "Text75", "Text76", "Text77"},
}};

// A two-state mark of the grid: its button, its flag box and its press counter.
struct GridMark {
    const char* button;
    const char* flag;
    const char* counter;
};

// One row of the grid of conditions; null where the row takes no mark.
struct GridRow {
    const char* heading;
    const GridMark* person;
    const GridMark* spouse;
    const char* restoreFlag;
    const char* typedCount;
    const char* total;
};

inline constexpr std::array<GridMark, 2> kPersonMarks{{
    {"Command1", "Text80", "Text84"},
    {"Command2", "Text81", "Text85"},
}};
inline constexpr std::array<GridMark, 4> kSpouseMarks{{
    {"Command25", "Text108", "Text104"},
    {"Command26", "Text107", "Text103"},
    {"Command27", "Text106", "Text102"},
    {"Command13", "Text105", "Text101"},
}};

inline constexpr std::array<GridRow, kConditionRowCount> kGridRows{{
    {"障害者/勤労学生", &kPersonMarks[0], &kSpouseMarks[0], "Text99", "Text91", "Text92"},
    {"特別障害者", &kPersonMarks[1], &kSpouseMarks[1], "Text98", "Text90", "Text96"},
    {"同居特別障害者", nullptr, &kSpouseMarks[2], "Text97", "Text89",
     kCohabitingSpeciallyDisabledTotalBox},
    {"老 人 扶 養", nullptr, &kSpouseMarks[3], "Text95", "Text88", "Text51"},
    {"特定扶養家族", nullptr, nullptr, nullptr, "Text87", "Text59"},
    {"同居老親等", nullptr, nullptr, nullptr, "Text86", "Text70"},
}};

// The spouse's options by SpouseCondition (the person's are in the controls header).
inline constexpr std::array<const char*, 4> kSpouseOptions{"Option3", "Option4", "Option5",
                                                           "Option6"};

inline constexpr const char* kMark = "〇";
inline constexpr const char* kSharedCounter = "Text45";
inline constexpr const char* kOwnConditionBox = "Text50";
inline constexpr const char* kSpouseConditionButton = "Command23";  // 条件変更
inline constexpr const char* kSpouseResetButton = "Command5";
inline constexpr const char* kTotalsResetButton = "Command6";        // 合計
inline constexpr const char* kTypedCountsResetButton = "Command29";  // 扶養家族 heading
inline constexpr const char* kSpouseRowResetButton = "Command24";    // 配偶者 heading
inline constexpr const char* kTableClearButton = "Command8";
inline constexpr const char* kCountUpButton = "Command15";     // 1人
inline constexpr const char* kCountClearButton = "Command28";  // c
inline constexpr const char* kEndButton = "Command14";
inline constexpr const char* kImportButton = "Command12";     // 前年度データ取込
inline constexpr const char* kReferenceButton = "Command31";  // 扶養控除の参照
inline constexpr const char* kTotalCaptionButton = "Command30";
inline constexpr const char* kTotalBox = "Text23";
inline constexpr const char* kGrandTotalBox = "Text82";
inline constexpr const char* kSpouseNote = "SpouseNote";
inline constexpr const char* kTotalCaption = "扶養控除額合計";

}  // namespace nencho::form5
