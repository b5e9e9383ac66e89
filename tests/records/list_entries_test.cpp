#include "records/list_entries.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/selection.h"
#include "common/paths.h"
#include "platform/file_system.h"
#include "records/person_fixture.h"

namespace nencho {
namespace {

class StoredCodesTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }

    void writeCompany(int code, const std::string& name) {
        std::vector<std::string> lines{std::to_string(code)};
        for (int line = 2; line <= 8; ++line) lines.push_back("0");
        lines.push_back(test::quoted(""));
        lines.push_back(test::quoted(name));
        test::writeLines(companyFilePath(code), lines);
    }
    void writeStray(const std::string& systemPath) { test::writeBytes(systemPath, "0\r\n"); }

    test::TempDrives drives;
};

TEST_F(StoredCodesTest, TakeOnlyTheNamesTheRecordPathsWrite) {
    for (int code : {999, 5, 12, 1}) writeCompany(code, "社");
    // Names no probe of codes 1 to 999 would open.
    for (const char* stray : {"0.txt", "012.txt", "1000.txt", "7.tmp", "abc.txt", "8.txt.tmp",
                              "-3.txt", "+4.txt", ".txt"})
        writeStray(companyFolder() + stray);
    std::filesystem::create_directory(drives.host(companyFolder() + "9.txt"));
    EXPECT_EQ(storedCompanyCodes(), (std::vector<std::int64_t>{1, 5, 12, 999}));
}

TEST_F(StoredCodesTest, PersonCodesAreTheCompanysOwnOneToNinetyNine) {
    for (int person : {1, 2, 4, 99}) test::writePerson(5, person, "人");
    test::writePerson(4, 99, "前の会社");    // key 499
    test::writePerson(6, 1, "次の会社");     // key 601, which code 101 of company 5 would name
    writeStray(personFolder() + "500.txt");  // code 0 of company 5
    EXPECT_EQ(storedPersonCodes(5), (std::vector<std::int64_t>{1, 2, 4, 99}));
    EXPECT_EQ(storedPersonCodes(7), std::vector<std::int64_t>{});
    EXPECT_EQ(storedPersonCodes(30'000'000), std::vector<std::int64_t>{});  // no 32-bit key
}

TEST_F(StoredCodesTest, AMissingFolderHoldsNoRecords) {
    std::filesystem::remove_all(drives.host(companyFolder()));
    std::filesystem::remove_all(drives.host(personFolder()));
    EXPECT_TRUE(storedCompanyCodes().empty());
    EXPECT_TRUE(storedPersonCodes(1).empty());
    EXPECT_TRUE(companyListRows().empty());
    EXPECT_TRUE(personListRows(1, true).empty());
}

TEST_F(StoredCodesTest, ListsShowTheRowsOfTheStoredCodes) {
    writeCompany(12, "十二社");
    writeCompany(3, "三社");
    writeStray(companyFilePath(7));  // too short to name a company: left out
    EXPECT_EQ(companyListRows(), (std::vector<std::string>{"03 : 三社", "012 : 十二社"}));

    test::writePerson(3, 1, "一郎");
    test::writePerson(3, 2, "二郎");
    test::writePerson(3, 3, "三郎", {{1, "8"}});  // stores another code: a gap
    test::writePerson(3, 5, "五郎");
    EXPECT_EQ(personListRows(3, false), (std::vector<std::string>{"01 : 一郎", "02 : 二郎"}));
    EXPECT_EQ(personListRows(3, true),
              (std::vector<std::string>{"01 : 一郎", "02 : 二郎", "05 : 五郎"}));
}

}  // namespace
}  // namespace nencho
