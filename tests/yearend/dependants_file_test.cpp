#include "yearend/dependants_file.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

constexpr const char* kPath = "c:\\年末調整\\H17年末調整\\1052.txt";

// The record of tests/data/dependants_105.txt.
DependantsRecord knownRecord() {
    DependantsRecord r;
    r.personDisabledWidowOrStudent = 270'000;
    r.reservedAmount = 7;
    r.spouseElderly = 100'000;
    r.disabledAmount = 270'000;
    r.specificDependantAddition = 250'000;
    r.elderlyDependantAddition = 200'000;
    r.basicAndDependantsDeduction = 1'520'000;
    r.totalDeduction = 2'610'000;
    r.disabledCount = 1;
    r.specificDependantCount = 1;
    r.elderlyDependantCount = 2;
    r.dependantsInAll = 3;
    r.spouse = {"山田　花子", "妻", "昭和10年5月1日", "老人", "無職", "東京都千代田区1-2", "①"};
    r.dependants[0] = {"山田　一郎", "長男", "昭和60年4月2日", "特定", "学生", "同上", "0", "髙"};
    r.dependants[1] = {"山田　梅", "母",   "明治45年1月3日", "老人",
                       "",         "同上", "予備費, 50,000", ""};
    r.dependants[4] = {"鈴木　次郎", "甥", "平成2年", "", "", "大阪府", "", ""};
    r.spouseAnnualIncome = 850'000;
    r.typedCounts = {1, 0, 0, 1, 1, 0};
    return r;
}

std::vector<std::string> goldenLines() {
    test::writeBytes(kPath, test::goldenBytes("dependants_105.txt"));
    return test::readLines(kPath);
}

class DependantsFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
};

TEST_F(DependantsFileTest, SavesTheNinetyTwoLinesOfTheGoldenFile) {
    DependantsFile::save("H17", 105, knownRecord());
    EXPECT_EQ(test::readBytes(kPath), test::goldenBytes("dependants_105.txt"));
    EXPECT_EQ(test::readLines(kPath).size(), 92u);
}

TEST_F(DependantsFileTest, LoadsTheGoldenFileIntoItsNamedFields) {
    test::writeBytes(kPath, test::goldenBytes("dependants_105.txt"));
    const auto record = DependantsFile::load("H17", 105);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(*record, knownRecord());
    EXPECT_EQ(record->spouse.marker, "老人");
    EXPECT_EQ(record->dependants[1].annualIncome, "予備費, 50,000");
    EXPECT_EQ(record->spareFields[11], "予備12");
}

TEST_F(DependantsFileTest, AMissingRecordOrYearFolderReadsAsNone) {
    EXPECT_FALSE(DependantsFile::load("H17", 105).has_value());
    EXPECT_FALSE(DependantsFile::load("H16", 105).has_value());
}

TEST_F(DependantsFileTest, SpareLinesMayBeMissingButTheFirstEightyMayNot) {
    std::vector<std::string> lines = goldenLines();
    lines.resize(80);
    test::writeLines(kPath, lines);
    const auto withoutSpares = DependantsFile::load("H17", 105);
    ASSERT_TRUE(withoutSpares.has_value());
    EXPECT_EQ(*withoutSpares, knownRecord());

    lines.resize(79);
    test::writeLines(kPath, lines);
    EXPECT_THROW(DependantsFile::load("H17", 105), RecordError);
}

TEST_F(DependantsFileTest, ADamagedNumberIsAnErrorNamingTheFile) {
    struct Case {
        std::size_t line;
        const char* text;
        FileErrorKind kind;
    };
    const Case cases[] = {
        {17, "abc", FileErrorKind::TypeMismatch},
        {24, "99999999999", FileErrorKind::Overflow},
        {78, "\"二\"", FileErrorKind::TypeMismatch},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = goldenLines();
        lines[c.line - 1] = c.text;
        test::writeLines(kPath, lines);
        try {
            DependantsFile::load("H17", 105);
            ADD_FAILURE() << "line " << c.line << " read as a number";
        } catch (const RecordError& error) {
            EXPECT_EQ(error.kind(), c.kind) << "line " << c.line;
            EXPECT_NE(std::string(error.what()).find("1052.txt"), std::string::npos);
        }
    }
}

TEST_F(DependantsFileTest, AnUnstorableTextLeavesTheOldRecord) {
    DependantsFile::save("H17", 105, knownRecord());
    DependantsRecord changed = knownRecord();
    changed.dependants[2].name = "引用符\"付き";
    EXPECT_THROW(DependantsFile::save("H17", 105, changed), RecordError);
    EXPECT_EQ(test::readBytes(kPath), test::goldenBytes("dependants_105.txt"));
}

TEST_F(DependantsFileTest, KeyOrFolderThatCannotTakeTheRecordFails) {
    EXPECT_THROW(DependantsFile::save("H17", 300'000'000, {}), RecordError);
    EXPECT_THROW(DependantsFile::load("H17", 300'000'000), RecordError);
    try {
        DependantsFile::save("H16", 105, {});
        FAIL() << "stored without a year folder";
    } catch (const RecordError& error) {
        EXPECT_EQ(error.kind(), FileErrorKind::PathNotFound);
    }
}

TEST_F(DependantsFileTest, AnEmptyRecordRoundTrips) {
    DependantsFile::save("H17", 32768, {});  // company 327, person 68
    const auto record = DependantsFile::load("H17", 32768);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(*record, DependantsRecord{});
}

}  // namespace
}  // namespace nencho
