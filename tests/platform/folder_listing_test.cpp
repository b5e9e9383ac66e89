#include "platform/folder_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/temp_drives.h"

namespace nencho {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

Names sorted(Names names) {
    std::sort(names.begin(), names.end());
    return names;
}

class FolderListingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::writeBytes("c:\\data\\1001.txt", "a");
        test::writeBytes("c:\\data\\社員.txt", "b");
        test::writeBytes("c:\\data\\1001.txt.tmp-a1B2c3", "c");
        fs::create_directories(drives.host("c:\\data\\1002.txt"));
        fs::create_symlink(drives.host("c:\\data\\1001.txt"), drives.host("c:\\data\\link.txt"));
        fs::create_directory_symlink(drives.host("c:\\data\\1002.txt"),
                                     drives.host("c:\\data\\folder-link"));
    }
    test::TempDrives drives;
};

// A link is no file of the folder's, even one to a file beside it: nothing is reached through one.
TEST_F(FolderListingTest, NamesTheFilesOnlyNotTheFoldersOrLinksInIt) {
    EXPECT_EQ(sorted(fileNamesIn("c:\\data")),
              (Names{"1001.txt", "1001.txt.tmp-a1B2c3", "社員.txt"}));
}

TEST_F(FolderListingTest, AFilterKeepsOnlyTheNamesItAccepts) {
    const auto temporary = [](std::string_view name) { return name.ends_with("c3"); };
    EXPECT_EQ(fileNamesIn("c:\\data", temporary), (Names{"1001.txt.tmp-a1B2c3"}));
}

TEST_F(FolderListingTest, AMissingFolderOrDriveHoldsNothing) {
    EXPECT_TRUE(fileNamesIn("c:\\none").empty());
    EXPECT_TRUE(fileNamesIn("c:\\data\\1001.txt").empty());
    EXPECT_TRUE(fileNamesIn("q:\\data").empty());
}

}  // namespace
}  // namespace nencho
