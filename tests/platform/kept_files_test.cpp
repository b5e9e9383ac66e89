#include "platform/kept_files.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

const std::string kOld = "c:\\d\\old.txt";
const std::string kNew = "c:\\d\\new.txt";

class KeptFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        createFolder("c:\\d");
        test::writeBytes(kOld, "old\r\n");
    }
    test::TempDrives drives;
};

TEST_F(KeptFilesTest, RestorePutsBackTheBytesAndRemovesFilesThatWereNotThere) {
    KeptFiles kept({kOld, kNew});
    EXPECT_TRUE(test::exists(KeptFiles::copyPathOf(kOld)));
    test::writeBytes(kOld, "rewritten\r\n");
    test::writeBytes(kNew, "made by the run\r\n");

    kept.restore();
    EXPECT_EQ(test::readBytes(kOld), "old\r\n");
    EXPECT_FALSE(test::exists(kNew));
    EXPECT_FALSE(test::exists(KeptFiles::copyPathOf(kOld)));
}

TEST_F(KeptFilesTest, DiscardKeepsTheRunsFilesAndRemovesTheCopies) {
    KeptFiles kept({kOld, kNew});
    test::writeBytes(kOld, "rewritten\r\n");
    test::writeBytes(kNew, "made by the run\r\n");

    kept.discard();
    EXPECT_EQ(test::readBytes(kOld), "rewritten\r\n");
    EXPECT_EQ(test::readBytes(kNew), "made by the run\r\n");
    EXPECT_FALSE(test::exists(KeptFiles::copyPathOf(kOld)));
}

TEST_F(KeptFilesTest, AFileThatCannotBeSetAsideLeavesNoCopies) {
    test::writeBytes(kNew, "new\r\n");
    createFolder(KeptFiles::copyPathOf(kNew));  // a folder where the copy should go
    EXPECT_THROW(KeptFiles({kOld, kNew}), RecordError);
    EXPECT_FALSE(test::exists(KeptFiles::copyPathOf(kOld)));
    EXPECT_EQ(test::readBytes(kOld), "old\r\n");
    EXPECT_EQ(test::readBytes(kNew), "new\r\n");
}

}  // namespace
}  // namespace nencho
