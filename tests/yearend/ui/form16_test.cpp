// The spouse special deduction and housing-loan screen: the income from the pay, the deduction
// looked up from the income, its record, its load and its clear buttons.
#include <algorithm>
#include <string_view>

#include "common/amount.h"
#include "insurance_screen_test.h"
#include "yearend/spouse_housing_file.h"
#include "yearend/ui/form16_controls.h"

namespace nencho::test {
namespace {

const char* const kEntryBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"};

class SpouseHousingScreen : public YearEndScreenTest {
  protected:
    void SetUp() override {
        YearEndScreenTest::SetUp();
        screens::show("Form16");
    }
    Screen& form() { return screens::touch("Form16"); }
    QString box(const char* name) { return form().textOf(name); }
    void type(const char* name, const QString& text) { form().setTextOf(name, text); }
    void open(int company, int person) {
        takeUp("Form16", "Command10", "Command5", company, person);
    }
    std::optional<SpouseHousingRecord> stored(int company = 1, int person = 2) {
        return SpouseHousingFile::load("H17", *personKey(company, person));
    }
};

TEST_F(SpouseHousingScreen, EveryEntryBoxStartsWithOneSpace) {
    for (const char* name : kEntryBoxes) EXPECT_EQ(box(name), " ") << name;
    EXPECT_EQ(form().windowTitle(), "配偶者特別控除・住宅取得控除");
    EXPECT_EQ(form().textOf("Command26"), "住宅所得控除金額の入力");
    EXPECT_EQ(form().textOf("Picture1Cell31"), "400,000円から750,000円未満");
}

TEST_F(SpouseHousingScreen, TheDeductionIsLookedUpFromTheIncomeAndStored) {
    const std::pair<const char*, const char*> cases[] = {
        {"380,000", ""},        {"380,001", "380,000"}, {"399,999", "380,000"},
        {"400,000", "360,000"}, {"449,999", "360,000"}, {"450,000", "310,000"},
        {"749,999", "60,000"},  {"750,000", "30,000"},  {"759,999", "30,000"},
        {"760,000", ""},        {"-150000", ""},        {"abc", ""},
    };
    open(1, 2);
    for (const auto& [income, deduction] : cases) {
        type("Text2", income);
        click("Form16", "Command1");
        EXPECT_EQ(box("Text3"), deduction) << income;
        const auto record = stored();
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->spouseSpecialDeduction, readAmountOrZero(std::string(deduction)))
            << income;
    }
    EXPECT_EQ(box("Text2"), "");  // "abc" read as 0
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(SpouseHousingScreen, TheIncomeIsThePayLess650000) {
    struct Case {
        const char* pay;
        const char* shownPay;
        const char* income;
        const char* deduction;
        std::int32_t storedPay, storedIncome, storedDeduction;
    };
    const Case cases[] = {
        {"1030000", "1,030,000", "380,000", "", 1'030'000, 380'000, 0},
        {"1,030,001", "1,030,001", "380,001", "380,000", 1'030'001, 380'001, 380'000},
        {"1410000", "1,410,000", "760,000", "", 1'410'000, 760'000, 0},
        {"500,000", "500,000", "-150,000", "", 500'000, -150'000, 0},
        {"", "", "", "", 0, 0, 0},
    };
    open(1, 2);
    for (const Case& c : cases) {
        type("Text2", "999,999");  // whatever stood before
        type("Text3", "1");
        type("Text4", c.pay);
        click("Form16", "Command7");
        EXPECT_EQ(box("Text4"), c.shownPay) << c.pay;
        EXPECT_EQ(box("Text2"), c.income) << c.pay;
        EXPECT_EQ(box("Text3"), c.deduction) << c.pay;
        const auto record = stored();
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->spousePay, c.storedPay) << c.pay;
        EXPECT_EQ(record->spouseIncome, c.storedIncome) << c.pay;
        EXPECT_EQ(record->spouseSpecialDeduction, c.storedDeduction) << c.pay;
    }
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(SpouseHousingScreen, TheSaveStoresTheBoxesAsTheyShowThem) {
    open(1, 2);
    type("Text5", "ヤマダ　ハナコ");
    type("Text6", "山田　花子");
    type("Text2", "500,000");
    type("Text3", "123,456");  // typed over, not checked against the income
    type("Text4", "");
    type("Text1", "120000");
    click("Form16", "Command3");
    EXPECT_EQ(box("Text1"), "120,000");
    EXPECT_EQ(box("Text3"), "123,456");
    SpouseHousingRecord expected;
    expected.housingLoanCredit = 120'000;
    expected.spouseIncome = 500'000;
    expected.spouseSpecialDeduction = 123'456;
    expected.spouseReading = "ヤマダ　ハナコ";
    expected.spouseName = "山田　花子";
    EXPECT_EQ(stored(), expected);
    EXPECT_EQ(readLines(yearFile(1, 2, YearFileKind::SpouseHousing)).size(), 22u);
}

TEST_F(SpouseHousingScreen, ARecordLoadedAndSavedUnchangedIsRewrittenWithTheSameLines) {
    writeBytes(yearFile(1, 2, YearFileKind::SpouseHousing),
               goldenBytes("spouse_housing_worked_example.txt"));  // line 10 holds 7
    open(1, 2);
    EXPECT_EQ(box("Text5"), "ヤマダ　ハナコ");
    EXPECT_EQ(box("Text4"), "1,030,001");
    EXPECT_EQ(box("Text2"), "380,001");
    EXPECT_EQ(box("Text3"), "380,000");
    EXPECT_EQ(box("Text1"), "120,000");
    click("Form16", "Command3");
    EXPECT_EQ(readBytes(yearFile(1, 2, YearFileKind::SpouseHousing)),
              goldenBytes("spouse_housing_worked_example.txt"));
}

TEST_F(SpouseHousingScreen, TheTenZeroRecordLoadsAsZeroNamesAndEmptyAmounts) {
    SpouseHousingFile::saveZerosIfMissing("H17", 102);
    open(1, 2);
    EXPECT_EQ(box("Text5"), "0");
    EXPECT_EQ(box("Text6"), "0");
    for (const char* amount : {"Text1", "Text2", "Text3", "Text4"}) EXPECT_EQ(box(amount), "");
    click("Form16", "Command3");
    SpouseHousingRecord expected;
    expected.spouseReading = "0";
    expected.spouseName = "0";
    EXPECT_EQ(stored(), expected);
}

// Nothing of one person may show on, or be stored for, the next.
TEST_F(SpouseHousingScreen, APersonWithoutARecordShowsEmptyBoxesAndStoresEmptyEntries) {
    writeBytes(yearFile(1, 2, YearFileKind::SpouseHousing),
               goldenBytes("spouse_housing_worked_example.txt"));
    open(1, 2);
    form().setTextOf("Text162", "3");
    click("Form16", "Command5");  // the load alone, without the clear
    for (const char* name : kEntryBoxes) EXPECT_EQ(box(name), "") << name;
    click("Form16", "Command3");
    EXPECT_EQ(stored(1, 3), SpouseHousingRecord{});  // not even person 2's reserved numbers
    EXPECT_EQ(readBytes(yearFile(1, 2, YearFileKind::SpouseHousing)),
              goldenBytes("spouse_housing_worked_example.txt"));
}

TEST_F(SpouseHousingScreen, WithoutACompanyOrPersonTheIncomeIsShownAndNothingStored) {
    open(1, 2);
    form().setTextOf("Text162", "");
    type("Text4", "1,030,001");
    click("Form16", "Command7");
    EXPECT_EQ(box("Text2"), "380,001");
    EXPECT_EQ(box("Text3"), "380,000");
    ASSERT_EQ(dialogs->messages.size(), 1u);  // the three nested actions tell it once
    EXPECT_EQ(dialogs->messages[0].title, "計算実行");
    EXPECT_FALSE(stored().has_value());
}

TEST_F(SpouseHousingScreen, ARecordThatCannotBeStoredIsReportedAndTheOldOneStays) {
    writeBytes(yearFile(1, 2, YearFileKind::SpouseHousing),
               goldenBytes("spouse_housing_worked_example.txt"));
    open(1, 2);
    for (const char* name : {"山田 \"花子\"", "𠮷田　花子"}) {
        dialogs->messages.clear();
        type("Text6", name);
        click("Form16", "Command3");
        ASSERT_EQ(dialogs->messages.size(), 1u) << name;
        EXPECT_TRUE(dialogs->messages[0].prompt.startsWith(
            "配偶者特別控除・住宅取得控除のデータを保存できませんでした。"));
        EXPECT_EQ(readBytes(yearFile(1, 2, YearFileKind::SpouseHousing)),
                  goldenBytes("spouse_housing_worked_example.txt"));
    }
}

TEST_F(SpouseHousingScreen, APayBeyondTheRangeIsRefusedAndNothingStored) {
    open(1, 2);
    type("Text4", "-2,147,483,648");
    click("Form16", "Command7");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(box("Text2"), "");
    EXPECT_FALSE(stored().has_value());
}

TEST_F(SpouseHousingScreen, ADamagedRecordIsReportedAndLoadsAsEmpty) {
    open(1, 2);
    type("Text6", "前の人");
    writeLines(yearFile(1, 2, YearFileKind::SpouseHousing), {"0", "0", "x"});
    click("Form16", "Command5");
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "DATA");
    EXPECT_EQ(box("Text6"), "");
}

TEST_F(SpouseHousingScreen, EachClearButtonEmptiesItsOwnBoxes) {
    struct Case {
        const char* button;
        std::vector<const char*> emptied;
    };
    const Case cases[] = {
        {"Command10", {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6"}},
        {"Command2", {"Text4", "Text2", "Text3"}},
        {"Command4", {"Text5"}},
        {"Command8", {"Text6"}},
        {"Command6", {"Text2"}},
        {"Command26", {"Text1"}},
    };
    for (const Case& c : cases) {
        for (const char* name : kEntryBoxes) type(name, "1");
        click("Form16", c.button);
        for (const char* name : kEntryBoxes) {
            const bool emptied = std::find(c.emptied.begin(), c.emptied.end(),
                                           std::string_view(name)) != c.emptied.end();
            EXPECT_EQ(box(name), emptied ? "" : "1") << c.button << " " << name;
        }
    }
    EXPECT_FALSE(stored().has_value());
}

}  // namespace
}  // namespace nencho::test
