// The sheet's mark buttons, markers, 条件変更, the resets and the clear.
#include "dependants_sheet_fixture.h"

namespace nencho::test {
namespace {

using namespace form5;

class DependantsMarks : public DependantsSheetTest {
  public:
    std::int32_t storedSpouseElderly() {
        click(kComputeButton);
        return record().spouseElderly;
    }
};

TEST_F(DependantsMarks, AGridMarkFollowsItsOwnCounter) {
    const GridMark& disabled = kPersonMarks[0];
    const GridMark& special = kPersonMarks[1];
    struct Step {
        const GridMark* pressed;
        const char* disabledMark;
        const char* disabledFlag;
        const char* specialMark;
        const char* specialFlag;
    };
    // The third press leaves Command1 empty (its counter reached 2); the fourth marks it.
    const Step steps[] = {
        {&disabled, kMark, "1", "", ""},
        {&special, "", "", kMark, "1"},
        {&disabled, "", "0", "", ""},
        {&disabled, kMark, "1", "", ""},
    };
    for (const Step& step : steps) {
        click(step.pressed->button);
        EXPECT_EQ(text(disabled.button), step.disabledMark);
        EXPECT_EQ(text(disabled.flag), step.disabledFlag);
        EXPECT_EQ(text(special.button), step.specialMark);
        EXPECT_EQ(text(special.flag), step.specialFlag);
    }
    EXPECT_EQ(text(disabled.counter), "3");
    EXPECT_EQ(text(special.counter), "1");

    click(kSpouseMarks[2].button);
    click(kSpouseMarks[0].button);
    EXPECT_EQ(text(kSpouseMarks[2].button), "");
    EXPECT_EQ(text(kSpouseMarks[2].flag), "");
    EXPECT_EQ(text(kSpouseMarks[0].button), kMark);
    EXPECT_EQ(text(disabled.button), kMark);  // the person's column is a group of its own
}

TEST_F(DependantsMarks, DependantMarkersShareOneCounter) {
    const TableRow& first = kDependantTableRows[0];
    const TableRow& fifth = kDependantTableRows[4];
    click(first.markerButton);
    EXPECT_EQ(text(first.markerButton), "老人");
    EXPECT_EQ(text(first.marker), "老人");
    click(fifth.markerButton);
    EXPECT_EQ(text(fifth.markerButton), "特定");
    EXPECT_EQ(text(fifth.marker), "特定");
    click(first.markerButton);
    EXPECT_EQ(text(first.markerButton), "");
    EXPECT_EQ(text(first.marker), "");
    EXPECT_EQ(text(kSharedCounter), "3");
}

TEST_F(DependantsMarks, SpouseConditionCycle) {
    const char* captions[] = {"障害者", "勤労学生", "特別障害者", "同居特別障害者", ""};
    const std::int32_t amounts[][4] = {{270'000, 0, 0, 0},
                                       {270'000, 0, 0, 0},
                                       {0, 400'000, 0, 0},
                                       {0, 0, 750'000, 0},
                                       {0, 0, 0, 0}};
    type(kDependantsCountBox, "1");
    for (int i = 0; i < 5; ++i) {
        click(kSpouseConditionButton);
        EXPECT_EQ(text(kSpouseConditionButton), captions[i]) << i;
        const DependantsRecord r = (click(kComputeButton), record());
        const std::int32_t stored[] = {r.spouseDisabledOrStudent, r.spouseSpeciallyDisabled,
                                       r.spouseCohabitingSpeciallyDisabled, r.spouseElderly};
        for (int k = 0; k < 4; ++k) EXPECT_EQ(stored[k], amounts[i][k]) << i << " R" << 6 + k;
        for (const GridMark& mark : kSpouseMarks) EXPECT_EQ(text(mark.button), "");
    }
    click(kSpouseConditionButton);
    press(kSpouseResetButton);
    EXPECT_EQ(text(kTotalBox), kTotalCaption);
    EXPECT_EQ(sheet().control<QLineEdit>(kTotalBox)->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);

    // After one marker press the cycle starts at 勤労学生.
    click(kClearButton);
    type(kSharedCounter, "");
    click(kDependantTableRows[0].markerButton);
    click(kSpouseConditionButton);
    EXPECT_EQ(text(kSpouseConditionButton), "勤労学生");
}

TEST_F(DependantsMarks, TheSpouseMarkerSetsAndTakesBackTheElderlySpouse) {
    const GridMark& elderlyRow = kSpouseMarks[3];
    click(kSpouseMarks[0].button);
    click(kSpouseRow.markerButton);  // odd
    EXPECT_EQ(text(kSpouseRow.markerButton), "老人");
    EXPECT_EQ(text(kSpouseRow.marker), "老人");
    EXPECT_EQ(text(elderlyRow.button), kMark);
    EXPECT_EQ(text(elderlyRow.flag), "1");
    EXPECT_EQ(text(kSpouseConditionButton), "老人扶養");
    EXPECT_TRUE(optionOn(kSpouseOptions[3]));
    type(kDependantsCountBox, "2");
    EXPECT_EQ(storedSpouseElderly(), 100'000);
    EXPECT_EQ(record().elderlyDependantCount, 1);

    click(kSpouseRow.markerButton);  // even: no elderly amount and no row mark remain
    EXPECT_EQ(text(kSpouseRow.markerButton), "");
    EXPECT_EQ(text(kSpouseRow.marker), "");
    EXPECT_EQ(text(elderlyRow.button), "");
    EXPECT_EQ(text(elderlyRow.flag), "0");
    EXPECT_EQ(text(kSpouseConditionButton), "");
    EXPECT_FALSE(optionOn(kSpouseOptions[3]));
    EXPECT_EQ(storedSpouseElderly(), 0);
    EXPECT_EQ(record().elderlyDependantCount, 0);
    EXPECT_EQ(record().disabledCount, 1);  // the other spouse mark stays
}

TEST_F(DependantsMarks, TheClearEmptiesThePersonButKeepsTheSharedCounterAndTheCarriers) {
    type(kSpouseRow.name, "花子");
    type(kSpouseRow.annualIncome, "100");
    type(kDependantTableRows[2].other, "同居");
    click(kDependantTableRows[2].markerButton);
    click(kPersonMarks[0].button);
    click(kSpouseConditionButton);
    type(kGridRows[5].typedCount, "1");
    type(kDependantsCountBox, "3");
    screens::setOption(kForm, kSpecialWidowOption, true);
    click(kComputeButton);
    type(kOwnConditionBox, "寡婦");

    click(kClearButton);
    EXPECT_EQ(text(kSpouseRow.relation), "妻");
    EXPECT_EQ(text(kTotalBox), QString(kTotalCaption) + " ");
    for (const char* box : {kSpouseRow.name, kSpouseRow.annualIncome, kDependantTableRows[2].other,
                            kDependantTableRows[2].marker, kDependantTableRows[2].markerButton,
                            kPersonMarks[0].button, kPersonMarks[0].flag, kPersonMarks[0].counter,
                            kGridRows[5].typedCount, kGridRows[5].total, kDependantsCountBox,
                            kGrandTotalBox, kOwnConditionBox})
        EXPECT_EQ(text(box), "") << box;
    for (const GridRow& row : kGridRows) {
        if (row.restoreFlag) {
            EXPECT_EQ(text(row.restoreFlag), "0") << row.heading;
        }
    }
    EXPECT_EQ(text(kSpouseConditionButton), "条件変更");
    EXPECT_EQ(text(kSharedCounter), "2");
    EXPECT_EQ(text(kPersonBox), "2");
    for (const char* option : {kSpecialWidowOption, kSpouseOptions[0]})
        EXPECT_FALSE(optionOn(option)) << option;

    click(kComputeButton);
    DependantsRecord expected;
    expected.basicAndDependantsDeduction = 380'000;
    expected.totalDeduction = 380'000;
    expected.spouse.relation = "妻";
    EXPECT_EQ(record(), expected);
}

TEST_F(DependantsMarks, ResetAndEmptyButtons) {
    type(kSpouseRow.name, "花子");
    type(kSpouseRow.relation, "夫");
    type(kSpouseRow.annualIncome, "100");
    click(kSpouseRow.markerButton);
    click(kSpouseRowResetButton);
    EXPECT_EQ(text(kSpouseRow.name), "");
    EXPECT_EQ(text(kSpouseRow.annualIncome), "");
    EXPECT_EQ(text(kSpouseRow.relation), "夫");
    EXPECT_EQ(text(kSpouseRow.marker), "老人");

    for (const GridRow& row : kGridRows) type(row.typedCount, "1");
    click(kTypedCountsResetButton);
    for (const GridRow& row : kGridRows) EXPECT_EQ(text(row.typedCount), "") << row.heading;

    type(kDependantTableRows[0].name, "一郎");
    type(kSpouseRow.annualIncome, "100");
    click(kTableClearButton);
    EXPECT_EQ(text(kDependantTableRows[0].name), "");
    EXPECT_EQ(text(kSpouseRow.marker), "");
    EXPECT_EQ(text(kSpouseRow.relation), "妻");
    EXPECT_EQ(text(kSpouseRow.annualIncome), "100");
    EXPECT_EQ(text(kSpouseRow.markerButton), "老人");

    type(kDependantsCountBox, "x");
    click(kCountUpButton);
    click(kCountUpButton);
    EXPECT_EQ(text(kDependantsCountBox), "2");
    click(kCountClearButton);
    EXPECT_EQ(text(kDependantsCountBox), "");

    click(kComputeButton);
    click(kTotalsResetButton);
    EXPECT_EQ(text(kTotalBox), kTotalCaption);
    EXPECT_EQ(text(kGridRows[3].total), "");
}

}  // namespace
}  // namespace nencho::test
