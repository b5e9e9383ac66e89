#include "yearend/spouse_housing_file.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

constexpr const char* kPath = "c:\\年末調整\\H17年末調整\\1025.txt";

class SpouseHousingFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
};

SpouseHousingRecord workedExample() {
    SpouseHousingRecord record;
    record.housingLoanCredit = 120'000;
    record.spousePay = 1'030'001;
    record.spouseIncome = 380'001;
    record.spouseSpecialDeduction = 380'000;
    record.spouseReading = "ヤマダ　ハナコ";
    record.spouseName = "山田　花子";
    record.reserved = {0, 0, 0, 7};
    return record;
}

TEST_F(SpouseHousingFileTest, AFilledRecordIsStoredAsItsTwentyTwoLinesAndReadsBack) {
    SpouseHousingFile::save("H17", 102, workedExample());  // company 1, person 2
    EXPECT_EQ(test::readBytes(kPath), test::goldenBytes("spouse_housing_worked_example.txt"));
    EXPECT_EQ(SpouseHousingFile::load("H17", 102), workedExample());
}

TEST_F(SpouseHousingFileTest, NegativeIncomeReadsBack) {
    SpouseHousingRecord record;
    record.spousePay = 500'000;
    record.spouseIncome = -150'000;
    SpouseHousingFile::save("H17", 102, record);
    EXPECT_EQ(test::readLines(kPath).at(2), "-150000");
    EXPECT_EQ(SpouseHousingFile::load("H17", 102), record);
}

TEST_F(SpouseHousingFileTest, TenZerosOnlyForAPersonWithoutARecord) {
    EXPECT_TRUE(SpouseHousingFile::saveZerosIfMissing("H17", 105));
    EXPECT_EQ(test::readBytes("c:\\年末調整\\H17年末調整\\1055.txt"),
              test::goldenBytes("spouse_housing_zeros.txt"));

    const std::vector<std::string> entered{
        "120000", "500000", "0", "0", "\"ヤマダ　ハナコ\"", "\"山田　花子\"", "0", "0", "0", "0"};
    test::writeLines("c:\\年末調整\\H17年末調整\\1065.txt", entered);
    EXPECT_FALSE(SpouseHousingFile::saveZerosIfMissing("H17", 106));
    EXPECT_EQ(test::readLines("c:\\年末調整\\H17年末調整\\1065.txt"), entered);
}

TEST_F(SpouseHousingFileTest, TenZeroRecordReadsAsZerosWithReadingAndNameZero) {
    test::writeBytes(kPath, test::goldenBytes("spouse_housing_zeros.txt"));
    SpouseHousingRecord expected;
    expected.spouseReading = "0";
    expected.spouseName = "0";
    EXPECT_EQ(SpouseHousingFile::load("H17", 102), expected);
}

TEST_F(SpouseHousingFileTest, MissingRecordOrYearFolderIsNoRecord) {
    EXPECT_FALSE(SpouseHousingFile::load("H17", 102).has_value());
    EXPECT_FALSE(SpouseHousingFile::load("H16", 102).has_value());
}

TEST_F(SpouseHousingFileTest, DamagedRecordIsAnError) {
    const std::vector<std::vector<std::string>> damaged = {
        {"0", "0", "0", "0", "\"\"", "\"\"", "0", "0", "0"},       // ends early
        {"0", "0", "x", "0", "\"\"", "\"\"", "0", "0", "0", "0"},  // a text in an amount
        {"2147483648", "0", "0", "0", "\"\"", "\"\"", "0", "0", "0", "0"},
    };
    for (const auto& lines : damaged) {
        test::writeLines(kPath, lines);
        EXPECT_THROW(SpouseHousingFile::load("H17", 102), RecordError) << lines.at(2);
    }
}

TEST_F(SpouseHousingFileTest, FailedSaveLeavesTheOldRecord) {
    SpouseHousingFile::save("H17", 102, workedExample());
    SpouseHousingRecord quoted = workedExample();
    quoted.spouseName = "山田 \"花子\"";
    EXPECT_THROW(SpouseHousingFile::save("H17", 102, quoted), RecordError);
    EXPECT_EQ(test::readBytes(kPath), test::goldenBytes("spouse_housing_worked_example.txt"));
}

TEST_F(SpouseHousingFileTest, KeyWhoseFileNumberLeavesThirtyTwoBitsIsRefused) {
    EXPECT_THROW(SpouseHousingFile::load("H17", 300'000'000), RecordError);
    EXPECT_THROW(SpouseHousingFile::save("H17", 300'000'000, {}), RecordError);
    EXPECT_THROW(SpouseHousingFile::saveZerosIfMissing("H17", 300'000'000), RecordError);
}

}  // namespace
}  // namespace nencho
