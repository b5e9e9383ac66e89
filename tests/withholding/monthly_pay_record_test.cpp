#include "withholding/monthly_pay_record.h"

#include <gtest/gtest.h>

#include "common/paths.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::goldenBytes;
using test::readBytes;
using test::readLines;

class MonthlyPayRecordTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }

    test::TempDrives drives;
    const std::string path = *monthlyPayRecordPath("H17", 102, 1);
};

TEST_F(MonthlyPayRecordTest, WritesEightLinesOfTheComputedMonth) {
    MonthlyCalculation figures;
    figures.pay = 250000;
    figures.health = 10660;
    figures.pension = 17654;
    figures.tax.tax = 8680;
    figures.totalDeductions = 36994;
    figures.netPay = 213006;
    saveMonthlyPayRecord(path, monthlyPayRecordOf(1, figures));

    EXPECT_EQ(path, "c:\\年末調整\\H17年末調整\\1020001.txt");
    EXPECT_EQ(readBytes(path), goldenBytes("monthly_pay_record_january.txt"));
}

TEST_F(MonthlyPayRecordTest, ASecondWriteReplacesTheFirstAndReadsBackWithItsSigns) {
    saveMonthlyPayRecord(path, {1, 250000, 10660, 17654, 0, 8680, 36994, 213006});
    const MonthlyPayRecord negative{1, 9000, 4018, 6654, 0, 0, 10672, -1672};
    saveMonthlyPayRecord(path, negative);

    EXPECT_EQ(readLines(path),
              (std::vector<std::string>{"1", "9000", "4018", "6654", "0", "0", "10672", "-1672"}));
    const MonthlyPayRecord back = loadMonthlyPayRecord(path);
    EXPECT_EQ(back.netPay, -1672);
    EXPECT_EQ(back.totalDeductions, 10672);
    EXPECT_EQ(back.pension, 6654);
}

TEST_F(MonthlyPayRecordTest, AMissingYearFolderIsReportedAndNothingIsWritten) {
    const std::string elsewhere = *monthlyPayRecordPath("H16", 102, 1);
    try {
        saveMonthlyPayRecord(elsewhere, {});
        FAIL() << "a record without its year folder was written";
    } catch (const RecordError& error) {
        EXPECT_EQ(error.kind(), FileErrorKind::PathNotFound);
    }
    EXPECT_FALSE(test::exists(elsewhere));
}

TEST(MonthlyPayRecordName, IsThePersonKeyTimesTenThousandPlusTheMonth) {
    EXPECT_EQ(*monthlyPayRecordPath("H17", 102, 12), "c:\\年末調整\\H17年末調整\\1020012.txt");
    EXPECT_EQ(*monthlyPayRecordPath("H17", 327 * 100 + 68, 3),
              "c:\\年末調整\\H17年末調整\\327680003.txt");
    EXPECT_FALSE(monthlyPayRecordPath("H17", 2148 * 100, 3));  // beyond 32 bits
}

}  // namespace
}  // namespace nencho
