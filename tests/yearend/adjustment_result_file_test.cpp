#include "yearend/adjustment_result_file.h"

#include <gtest/gtest.h>

#include "adjustment_fixture.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using V = AdjustmentValue;

constexpr const char* kPath = "c:\\年末調整\\H17年末調整\\1023.txt";

class AdjustmentResultFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
};

// The adjustment of a shortfall of 12,800, as the year-end sheet stores it.
AdjustmentResult shortfallOf12800Result() {
    AdjustmentResult result;
    runYearEndAdjustment(test::shortfallOf12800(), result);
    return result;
}

TEST_F(AdjustmentResultFileTest, AFilledRecordIsStoredAsItsThirtySevenLinesAndReadsBack) {
    const auto record =
        AdjustmentResultRecord::of(shortfallOf12800Result(), AdjustmentStatus::Adjusted);
    AdjustmentResultFile::save("H17", 102, record);  // company 1, person 2
    EXPECT_EQ(test::readBytes(kPath), test::goldenBytes("adjustment_result_worked_example.txt"));

    const auto loaded = AdjustmentResultFile::load("H17", 102);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, record);
    EXPECT_EQ(loaded->status(), AdjustmentStatus::Adjusted);
    EXPECT_EQ(loaded->value(V::Balance), 12'800);
    EXPECT_EQ(loaded->line(19), 12'800);
    EXPECT_EQ(loaded->value(V::AnnualTax), 162'800);
    EXPECT_THROW(loaded->value(V::MonthTax), std::out_of_range);  // shown, never stored
}

TEST_F(AdjustmentResultFileTest, NegativeBalanceAndTheOtherDecisionReadBack) {
    AdjustmentResultRecord record;
    record.lines[18] = -7'200;
    record.lines[24] = 150'000;
    record.statusText = "年調しない";
    AdjustmentResultFile::save("H17", 102, record);
    EXPECT_EQ(test::readLines(kPath).at(18), "-7200");
    const auto loaded = AdjustmentResultFile::load("H17", 102);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, record);
    EXPECT_EQ(loaded->status(), AdjustmentStatus::NotAdjusted);
}

TEST_F(AdjustmentResultFileTest, AnotherTextOnTheDecisionLineIsNoDecision) {
    std::vector<std::string> lines(25, "0");
    lines.push_back("\"年末調整\"");
    test::writeLines(kPath, lines);
    const auto loaded = AdjustmentResultFile::load("H17", 102);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->statusText, "年末調整");
    EXPECT_FALSE(loaded->status().has_value());
}

TEST_F(AdjustmentResultFileTest, MissingRecordOrYearFolderIsNoRecord) {
    EXPECT_FALSE(AdjustmentResultFile::load("H17", 102).has_value());
    EXPECT_FALSE(AdjustmentResultFile::load("H16", 102).has_value());
}

TEST_F(AdjustmentResultFileTest, DamagedRecordIsAnError) {
    const std::vector<std::vector<std::string>> damaged = {
        std::vector<std::string>(25, "0"),  // no decision line
        {"0", "0", "\"年末調整実行\""},     // ends early
        {"1",   "2",
         "abc", "4",
         "5",   "6",
         "7",   "8",
         "9",   "10",
         "11",  "12",
         "13",  "14",
         "15",  "16",
         "17",  "18",
         "19",  "20",
         "21",  "22",
         "23",  "24",
         "25",  "\"年末調整実行\""},  // a text
        {"2147483648", "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "0",
         "0",          "\"年末調整実行\""},  // beyond 32 bits
    };
    for (const auto& lines : damaged) {
        test::writeLines(kPath, lines);
        EXPECT_THROW(AdjustmentResultFile::load("H17", 102), RecordError) << lines.size();
    }
}

TEST_F(AdjustmentResultFileTest, KeyWhoseFileNumberLeavesThirtyTwoBitsIsRefused) {
    EXPECT_THROW(AdjustmentResultFile::load("H17", 300'000'000), RecordError);
    EXPECT_THROW(AdjustmentResultFile::save("H17", 300'000'000, {}), RecordError);
}

TEST_F(AdjustmentResultFileTest, SaveWithoutTheYearFolderFails) {
    try {
        AdjustmentResultFile::save("H16", 102, {});
        FAIL() << "stored without a year folder";
    } catch (const RecordError& error) {
        EXPECT_EQ(error.kind(), FileErrorKind::PathNotFound);
    }
}

}  // namespace
}  // namespace nencho
