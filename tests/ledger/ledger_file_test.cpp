#include "ledger/ledger_file.h"

#include <gtest/gtest.h>

#include <functional>

#include "known_ledger.h"
#include "ledger/ledger_totals.h"
#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::goldenBytes;

class LedgerFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
    const std::string path = "c:\\年末調整\\H17年末調整\\1020.txt";
};

TEST_F(LedgerFileTest, NamesThePersonsYearFileOfKindZero) {
    EXPECT_EQ(ledgerFilePath("H17", {1, 2}), path);
    EXPECT_EQ(ledgerFilePath("H17", {327, 68}), "c:\\年末調整\\H17年末調整\\327680.txt");
}

TEST_F(LedgerFileTest, RoundTripsTheGoldenFileByteForByte) {
    test::writeBytes(path, goldenBytes("ledger_1020.txt"));
    const LedgerRecord record = readLedgerFile(path);
    EXPECT_EQ(ledgerFileWriter(record).fieldCount(), static_cast<std::size_t>(kLedgerFileLines));
    EXPECT_EQ(ledgerFileWriter(record).bytes(), goldenBytes("ledger_1020.txt"));

    LedgerSheet expected = test::knownLedgerMonthsAndBonuses();
    ASSERT_TRUE(formMonthTotals(expected) && formBonusTotals(expected) &&
                formGrandTotals(expected));
    EXPECT_EQ(record.sheet, expected);
    EXPECT_EQ(record.payDates[2], "末日");
    EXPECT_EQ(record.payDates[8], "10,25");  // a comma inside a text reads back whole
    EXPECT_EQ(record.payDates[12], "6");
    EXPECT_EQ(record.payDates[17], "");
}

TEST_F(LedgerFileTest, PlacesEachCellOnItsLine) {
    struct Case {
        int row;
        LedgerColumn column;
        std::optional<int> line;
    };
    const Case cases[] = {
        {1, LedgerColumn::Pay, 1},
        {13, LedgerColumn::Pay, 13},
        {18, LedgerColumn::Pay, 18},
        {17, LedgerColumn::SocialInsurance, 35},
        {18, LedgerColumn::AfterInsurance, 54},
        {1, LedgerColumn::Dependants, 55},
        {12, LedgerColumn::Dependants, 66},
        {14, LedgerColumn::Dependants, 67},
        {16, LedgerColumn::Dependants, 69},
        {1, LedgerColumn::Tax, 70},
        {13, LedgerColumn::Tax, 82},
        {18, LedgerColumn::Tax, 87},
        {13, LedgerColumn::Dependants, std::nullopt},
        {18, LedgerColumn::Dependants, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ledgerLine(c.row, c.column), c.line)
            << c.row << "," << static_cast<int>(c.column);

    // Every stored cell lands on the line named above, and the texts follow.
    LedgerRecord record;
    record.sheet.setCell(12, LedgerColumn::Dependants, 4);
    record.sheet.setCell(14, LedgerColumn::Dependants, 5);
    record.sheet.setCell(1, LedgerColumn::Tax, 6);
    record.payDates[0] = "31";
    ledgerFileWriter(record).save(path);
    const auto lines = test::readLines(path);
    ASSERT_EQ(lines.size(), 117u);
    EXPECT_EQ(lines[66 - 1], "4");
    EXPECT_EQ(lines[67 - 1], "5");
    EXPECT_EQ(lines[70 - 1], "6");
    EXPECT_EQ(lines[88 - 1], "\"31\"");
    EXPECT_EQ(lines[105 - 1], "\"\"");
    EXPECT_EQ(lines[106 - 1], "\"予備1\"");
    EXPECT_EQ(lines[117 - 1], "\"予備12\"");
}

TEST_F(LedgerFileTest, ReportsMissingShortAndDamagedFiles) {
    test::writeBytes(path, goldenBytes("ledger_1020.txt"));
    const auto golden = test::readLines(path);
    struct Case {
        const char* what;
        std::function<void(std::vector<std::string>&)> damage;
        FileErrorKind kind;
    };
    const Case cases[] = {
        {"ends before the last date", [](auto& lines) { lines.resize(104); },
         FileErrorKind::InputPastEnd},
        {"text for a pay", [](auto& lines) { lines[4] = "\"abc\""; }, FileErrorKind::TypeMismatch},
        {"pay beyond 32 bits", [](auto& lines) { lines[0] = "3000000000"; },
         FileErrorKind::Overflow},
    };
    for (const Case& c : cases) {
        auto lines = golden;
        c.damage(lines);
        test::writeLines(path, lines);
        try {
            readLedgerFile(path);
            ADD_FAILURE() << c.what << ": read without error";
        } catch (const RecordError& error) {
            EXPECT_EQ(error.kind(), c.kind) << c.what;
        }
    }
    // Only lines 1 to 105 are read: a file without its spare lines reads whole.
    auto lines = golden;
    lines.resize(105);
    test::writeLines(path, lines);
    EXPECT_EQ(readLedgerFile(path).payDates[8], "10,25");

    try {
        readLedgerFile("c:\\年末調整\\H17年末調整\\9990.txt");
        ADD_FAILURE() << "missing file read";
    } catch (const RecordError& error) {
        EXPECT_EQ(error.kind(), FileErrorKind::FileNotFound);
    }
}

}  // namespace
}  // namespace nencho
