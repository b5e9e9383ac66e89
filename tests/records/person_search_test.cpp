#include "records/person_search.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "records/person_fixture.h"

namespace nencho {
namespace {

class PersonSearchTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
};

TEST_F(PersonSearchTest, FindsTheFirstFreeCodeAfterTheRunFromOne) {
    for (int code : {1, 2, 3, 5}) test::writePerson(1, code, "人");
    test::writePerson(2, 4, "別の会社の人");
    const LastNumberResult result = lastNumberSearch(1);
    EXPECT_EQ(result.personCode, 4);
    EXPECT_EQ(result.personKey, 104);
    EXPECT_EQ(result.lastStoredCode, 3);
}

TEST_F(PersonSearchTest, EmptyCompanyOffersCodeOneAndReadsNothing) {
    const LastNumberResult result = lastNumberSearch(7);
    EXPECT_EQ(result.personCode, 1);
    EXPECT_EQ(result.personKey, 701);
    EXPECT_EQ(result.lastStoredCode, std::nullopt);
}

TEST_F(PersonSearchTest, WithoutACompanyEndsAtOnce) {
    test::writePerson(0, 1, "人");
    const LastNumberResult result = lastNumberSearch(std::nullopt);
    EXPECT_EQ(result.personCode, 1);
    EXPECT_EQ(result.personKey, std::nullopt);
}

TEST_F(PersonSearchTest, StoredCodesRunningBackwardsStopAfterTheProbeBound) {
    // Person 1 stores code 0, so each record found sends the search back to code 1.
    test::writeLines(test::personPath(1, 1), test::personRecordLines(0, "戻る人"));
    const LastNumberResult result = lastNumberSearch(1);
    EXPECT_EQ(result.personCode, 1);
    EXPECT_EQ(result.lastStoredCode, 0);
}

TEST_F(PersonSearchTest, StoredCodesFollowedPastTheHighestCodeEnd) {
    test::writeLines(test::personPath(1, 1), test::personRecordLines(999, "最後の人"));
    const LastNumberResult result = lastNumberSearch(1);
    EXPECT_EQ(result.personCode, 1000);
    EXPECT_EQ(result.lastStoredCode, 999);
}

TEST_F(PersonSearchTest, UnreadableFirstLineEndsTheSearch) {
    test::writeLines(test::personPath(1, 1), {"abc"});
    const LastNumberResult result = lastNumberSearch(1);
    EXPECT_EQ(result.personCode, 1);
    EXPECT_EQ(result.lastStoredCode, std::nullopt);
}

}  // namespace
}  // namespace nencho
