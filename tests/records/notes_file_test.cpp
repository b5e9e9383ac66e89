#include "records/notes_file.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

class NotesFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
};

TEST_F(NotesFileTest, StoresTwoQuotedLinesThatReadBackWhole) {
    NotesFile::save("H17", 105, {"前職 株式会社ABC, 3月退職", ""});
    EXPECT_EQ(test::readLines("c:\\年末調整\\H17年末調整\\1054.txt"),
              (std::vector<std::string>{"\"前職 株式会社ABC, 3月退職\"", "\"\""}));
    const NotesLines lines = NotesFile::load("H17", 105);
    EXPECT_EQ(lines.first, "前職 株式会社ABC, 3月退職");
    EXPECT_EQ(lines.second, "");
}

TEST_F(NotesFileTest, LoadFailsOnAMissingOrShortRecord) {
    EXPECT_THROW(NotesFile::load("H17", 105), RecordError);
    test::writeLines("c:\\年末調整\\H17年末調整\\1054.txt", {"\"一行だけ\""});
    EXPECT_THROW(NotesFile::load("H17", 105), RecordError);
}

TEST_F(NotesFileTest, SaveFailsWhenTheYearFolderIsMissing) {
    try {
        NotesFile::save("H16", 105, {"a", "b"});
        FAIL() << "notes stored without a year folder";
    } catch (const RecordError& error) {
        EXPECT_EQ(error.kind(), FileErrorKind::PathNotFound);
    }
}

TEST_F(NotesFileTest, KeyWhoseFileNumberLeavesThirtyTwoBitsFails) {
    EXPECT_THROW(NotesFile::save("H17", 300000000, {"", ""}), RecordError);
}

}  // namespace
}  // namespace nencho
