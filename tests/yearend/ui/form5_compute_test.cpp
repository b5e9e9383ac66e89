// 計算実行: what the sheet shows and what the record stores.
#include "dependants_sheet_fixture.h"
#include "ledger/ui/form2_controls.h"
#include "printing/ui/form7_controls.h"

namespace nencho::test {
namespace {

using namespace form5;

const GridRow& gridRow(ConditionRow row) {
    return kGridRows[static_cast<std::size_t>(row)];
}

class DependantsComputation : public DependantsSheetTest {};

TEST_F(DependantsComputation, BasicAndTotalDeductionsOfTheConditionsEntered) {
    struct Case {
        const char* what;
        std::function<void(DependantsComputation&)> enter;
        QString totalBox;
        std::int32_t basic;  // R16
        std::int32_t total;  // R17
    };
    const Case cases[] = {
        {"nothing entered", [](DependantsComputation&) {}, "380,000円", 380'000, 380'000},
        {"one specific dependant of two",
         [](DependantsComputation& t) {
             t.type(kDependantsCountBox, "2");
             t.type(gridRow(ConditionRow::SpecificDependant).typedCount, "1");
         },
         "1,390,000円", 1'140'000, 1'390'000},
        {"spouse marked elderly with its marker",
         [](DependantsComputation& t) {
             t.click(kSpouseRow.markerButton);
             t.type(kDependantsCountBox, "1");
         },
         "960,000円", 760'000, 960'000},
        {"a count of -1", [](DependantsComputation& t) { t.type(kDependantsCountBox, "-1"); }, "円",
         0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        click(kClearButton);
        c.enter(*this);
        click(kComputeButton);
        EXPECT_EQ(text(kTotalBox), c.totalBox);
        EXPECT_EQ(sheet().control<QLineEdit>(kTotalBox)->alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignRight);
        const DependantsRecord r = record();
        EXPECT_EQ(r.basicAndDependantsDeduction, c.basic);
        EXPECT_EQ(r.totalDeduction, c.total);
    }
    EXPECT_EQ(dialogs->beeps, 0);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(DependantsComputation, TheSheetShowsRowTotalsAndTheGrandTotal) {
    type(kDependantsCountBox, "3");
    type(gridRow(ConditionRow::SpecificDependant).typedCount, "1");
    click(kSpouseRow.markerButton);  // the spouse counts in the 老人扶養 row
    type(gridRow(ConditionRow::ElderlyDependant).typedCount, "1");
    type(kCohabitingSpeciallyDisabledTotalBox, "1");  // a company code written there
    click(kComputeButton);

    EXPECT_EQ(text(gridRow(ConditionRow::ElderlyDependant).total), "2");
    EXPECT_EQ(text(gridRow(ConditionRow::SpecificDependant).total), "1");
    EXPECT_EQ(text(kCohabitingSpeciallyDisabledTotalBox), "");
    EXPECT_EQ(text(kGrandTotalBox), "3");
    const DependantsRecord r = record();
    EXPECT_EQ(r.elderlyDependantCount, 2);
    EXPECT_EQ(r.specificDependantCount, 1);
    EXPECT_EQ(r.cohabitingSpeciallyDisabledCount, 0);
    EXPECT_EQ(r.spouseElderly, 100'000);
    EXPECT_EQ(r.spouse.marker, "老人");
    EXPECT_EQ(r.totalDeduction, 100'000 + 200'000 + 250'000 + 1'520'000);
}

TEST_F(DependantsComputation, TheRecordKeepsTheTableAndTheTypedSpouseIncome) {
    type(kSpouseRow.name, "山田　花子");
    type(kSpouseRow.annualIncome, "850,000");
    type(kDependantTableRows[4].name, "山田　五郎");
    type(kDependantTableRows[4].annualIncome, "なし");
    click(kDependantTableRows[4].markerButton);  // 老人
    click(kComputeButton);

    const auto lines = readLines(recordPath());
    ASSERT_EQ(lines.size(), 92u);
    EXPECT_EQ(lines[26 - 1], "\"山田　花子\"");
    EXPECT_EQ(lines[27 - 1], "\"\"");  // the relation is what was typed: nothing here
    EXPECT_EQ(lines[65 - 1], "\"山田　五郎\"");
    EXPECT_EQ(lines[68 - 1], "\"老人\"");
    EXPECT_EQ(lines[71 - 1], "\"なし\"");
    EXPECT_EQ(lines[73 - 1], "850000");
    EXPECT_EQ(lines[74 - 1], "0");
    EXPECT_EQ(lines[92 - 1], "\"予備12\"");
}

// The person marked 特別障害者 and two 障害者 typed with no dependants counted: 3 > 1.
TEST_F(DependantsComputation, TheCountCheckStoresWhatTheResetSheetShows) {
    type(kDependantsCountBox, "0");
    click(kPersonMarks[1].button);
    type(gridRow(ConditionRow::DisabledOrStudent).typedCount, "2");
    click(kSpouseConditionButton);  // 障害者: R6
    click(kComputeButton);

    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(text(kDependantsCountBox), "");
    for (const GridRow& row : kGridRows) {
        EXPECT_EQ(text(row.typedCount), "") << row.heading;
        EXPECT_EQ(text(row.total), "") << row.heading;
    }
    EXPECT_EQ(text(kTotalBox), kTotalCaption);
    EXPECT_EQ(text(kPersonMarks[1].button), kMark);  // the marks stay on the sheet
    EXPECT_FALSE(optionOn(kSpouseOptions[0]));

    DependantsRecord expected;
    expected.basicAndDependantsDeduction = 380'000;
    expected.totalDeduction = 380'000;
    EXPECT_EQ(record(), expected);

    // The next computation counts the marks that stayed: the check passes, once.
    click(kComputeButton);
    EXPECT_EQ(dialogs->beeps, 1);
    EXPECT_EQ(record().speciallyDisabledCount, 1);
    EXPECT_EQ(record().totalDeduction, 780'000);
}

TEST_F(DependantsComputation, TheLedgerSaveGivesDecembersDependantsAndStoresTheRecord) {
    writeBytes(*yearFilePath("H17", 102, YearFileKind::Ledger), goldenBytes("ledger_1020.txt"));
    openLedgerOf("1", "2");
    screens::touch("Form2").setTextOf("Text114", "3");  // December's number of dependants
    screens::press("Form2", form2::kMonthTotalsButton);

    EXPECT_EQ(text(kDependantsCountBox), "3");
    const DependantsRecord r = record();
    EXPECT_EQ(r.dependantsInAll, 3);
    EXPECT_EQ(r.totalDeduction, 1'520'000);
    EXPECT_TRUE(dialogs->messages.empty());
}

// Pressed by the ledger's save, a record that cannot be stored is told in the save's message.
TEST_F(DependantsComputation, AFailurePressedByTheLedgerSaveIsToldWithTheSave) {
    openLedgerOf("1", "2", "H99");  // no folder for the year
    screens::press("Form2", form2::kSaveButton);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "メモリー不足により登録不可");
    // The dependants record is written inside the save's piece of work, which tells its failure.
    EXPECT_TRUE(dialogs->messages[0].prompt.startsWith("源泉徴収簿を保存できませんでした。"))
        << dialogs->messages[0].prompt.toStdString();
}

TEST_F(DependantsComputation, ThePersonScreensOptionsSetThePersonsAmounts) {
    struct Case {
        const char* option;
        std::int32_t disabled;  // R2
        std::int32_t special;   // R3
        std::int32_t widow;     // R5
    };
    const Case cases[] = {
        {kDisabledWidowStudentOption, 270'000, 0, 0},
        {kSpeciallyDisabledOption, 0, 400'000, 0},
        {kSpecialWidowOption, 0, 0, 350'000},
        {kElderlyOption, 0, 0, 0},
    };
    for (const Case& c : cases) {
        screens::setOption(kForm, c.option, true);
        click(kComputeButton);
        const DependantsRecord r = record();
        EXPECT_EQ(r.personDisabledWidowOrStudent, c.disabled) << c.option;
        EXPECT_EQ(r.personSpeciallyDisabled, c.special) << c.option;
        EXPECT_EQ(r.personSpecialWidow, c.widow) << c.option;
    }
    // 該当なし switches the four off and changes no amount.
    screens::setOption(kForm, kSpecialWidowOption, true);
    for (const char* option : kPersonOptions) screens::setOption(kForm, option, false);
    click(kComputeButton);
    EXPECT_EQ(record().personSpecialWidow, 350'000);

    // After the clear the amounts are 0 and the options off, so choosing again sets them.
    click(kClearButton);
    EXPECT_FALSE(optionOn(kSpecialWidowOption));
    screens::setOption(kForm, kSpecialWidowOption, true);
    click(kComputeButton);
    EXPECT_EQ(record().personSpecialWidow, 350'000);
}

// The print screen's spouse income label is emptied by each stored computation only.
TEST_F(DependantsComputation, AStoredComputationEmptiesThePrintScreensSpouseIncome) {
    screens::write(form7::kForm, form7::kSpouseIncomeLabel, "480,000");
    type(kPersonBox, "");
    click(kComputeButton);
    EXPECT_EQ(screens::read(form7::kForm, form7::kSpouseIncomeLabel), "480,000");
    type(kPersonBox, "2");
    click(kComputeButton);
    EXPECT_EQ(screens::read(form7::kForm, form7::kSpouseIncomeLabel), "");
}

TEST_F(DependantsComputation, FailuresAreSaidAndLeaveTheStoredRecord) {
    click(kComputeButton);
    const std::string before = readBytes(recordPath());

    type(kDependantTableRows[0].name, "引用符\"入り");
    click(kComputeButton);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "計算実行");
    EXPECT_EQ(readBytes(recordPath()), before);

    type(kDependantTableRows[0].name, "");
    type(kDependantsCountBox, "2000000000");
    click(kComputeButton);
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[1].title, "計算実行");
    EXPECT_EQ(readBytes(recordPath()), before);

    type(kDependantsCountBox, "");
    type(kPersonBox, "");
    click(kComputeButton);
    ASSERT_EQ(dialogs->messages.size(), 3u);
    EXPECT_EQ(readBytes(recordPath()), before);
}

}  // namespace
}  // namespace nencho::test
