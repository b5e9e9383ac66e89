#include "platform/record_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/record_error.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::goldenBytes;
using test::readBytes;
using test::writeBytes;

constexpr const char* kPath = "c:\\年末調整\\102.txt";

RecordWriter sampleRecord() {
    RecordWriter writer;
    writer.text("山田,商事").text("").number(-1234).text("①㈱髙予定").number(0).number(2147483647);
    writer.spare(1, 2);
    return writer;
}

class RecordFileTest : public ::testing::Test {
  protected:
    void SetUp() override { std::filesystem::create_directories(drives.host("c:\\年末調整")); }
    test::TempDrives drives;
};

TEST_F(RecordFileTest, WritesTheGoldenBytesAndReadsThemBack) {
    sampleRecord().save(kPath);
    EXPECT_EQ(readBytes(kPath), goldenBytes("record_sample.txt"));

    RecordReader reader = RecordReader::open(kPath);
    EXPECT_EQ(reader.text(), "山田,商事");
    EXPECT_EQ(reader.text(), "");
    EXPECT_EQ(reader.longNumber(), -1234);
    EXPECT_EQ(reader.text(), "①㈱髙予定");
    EXPECT_EQ(reader.integerNumber(), 0);
    EXPECT_EQ(reader.longNumber(), 2147483647);
    EXPECT_EQ(reader.text(), "予備1");
    EXPECT_EQ(reader.text(), "予備2");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_THROW(reader.text(), RecordError);
}

TEST(RecordReading, FieldsFollowTheSequentialReadRules) {
    RecordReader reader("   \"quoted\" rest is skipped\r\n  12  \r\n1,2\r\n\"\"\r\n\r\n-0\r\n");
    EXPECT_EQ(reader.text(), "quoted");
    EXPECT_EQ(reader.text(), "12");
    EXPECT_EQ(reader.longNumber(), 1);  // a comma ends an unquoted field
    EXPECT_EQ(reader.longNumber(), 2);
    EXPECT_EQ(reader.longNumber(), 0);  // an empty text reads as 0
    EXPECT_EQ(reader.longNumber(), 0);  // an empty line likewise
    EXPECT_EQ(reader.longNumber(), 0);
}

TEST(RecordReading, EachReadErrorIsReportedAsItsKind) {
    struct Case {
        const char* content;
        bool sixteenBits;
        FileErrorKind expected;
    };
    const Case cases[] = {
        {"\"abc\"\r\n", false, FileErrorKind::TypeMismatch},
        {"12x\r\n", false, FileErrorKind::TypeMismatch},
        {"32768\r\n", true, FileErrorKind::Overflow},
        {"-32769\r\n", true, FileErrorKind::Overflow},
        {"2147483648\r\n", false, FileErrorKind::Overflow},
        {"", false, FileErrorKind::InputPastEnd},
    };
    for (const Case& c : cases) {
        RecordReader reader(c.content);
        try {
            if (c.sixteenBits)
                reader.integerNumber();
            else
                reader.longNumber();
            ADD_FAILURE() << "no error for " << c.content;
        } catch (const RecordError& error) {
            EXPECT_EQ(error.kind(), c.expected) << c.content;
        }
    }
    RecordReader inRange("32767\r\n-32768\r\n");
    EXPECT_EQ(inRange.integerNumber(), 32767);
    EXPECT_EQ(inRange.integerNumber(), -32768);
}

TEST_F(RecordFileTest, MissingFileAndMissingFolderAreDistinguished) {
    try {
        RecordReader::open(kPath);
        FAIL();
    } catch (const RecordError& error) {
        EXPECT_EQ(error.kind(), FileErrorKind::FileNotFound);
    }
    try {
        RecordWriter().number(1).save("c:\\無い\\1.txt");
        FAIL();
    } catch (const RecordError& error) {
        EXPECT_EQ(error.kind(), FileErrorKind::PathNotFound);
    }
}

TEST_F(RecordFileTest, TextThatWouldReadBackDifferentlyIsRefusedBeforeTheFileIsTouched) {
    writeBytes(kPath, "old\r\n");
    const char* refused[] = {"a\"b", "😀", "𠮷", "line\nbreak", "¥"};
    for (const char* text : refused) {
        try {
            RecordWriter().number(1).text(text).save(kPath);
            ADD_FAILURE() << "stored " << text;
        } catch (const RecordError& error) {
            EXPECT_EQ(error.kind(), FileErrorKind::TextNotStorable) << text;
        }
        EXPECT_EQ(readBytes(kPath), "old\r\n");
    }
}

TEST_F(RecordFileTest, InputMethodTwinsAreStoredAsTheirCodePageForms) {
    RecordWriter().text("〜−‖—¢£¬").save(kPath);
    EXPECT_EQ(RecordReader::open(kPath).text(), "～－∥―￠￡￢");
    EXPECT_EQ(readBytes(kPath), "\"\x81\x60\x81\x7c\x81\x61\x81\x5c\x81\x91\x81\x92\x81\xca\"\r\n");
}

TEST_F(RecordFileTest, AFailedWriteLeavesTheOldRecord) {
    sampleRecord().save(kPath);
    // A file-size limit makes the write itself fail part-way, whoever runs the test.
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = old;
    tiny.rlim_cur = 16;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    RecordWriter longer;
    for (int i = 0; i < 20; ++i) longer.number(123456789);
    EXPECT_THROW(longer.save(kPath), RecordError);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(readBytes(kPath), goldenBytes("record_sample.txt"));
    for (const auto& entry : std::filesystem::directory_iterator(drives.host("c:\\年末調整")))
        EXPECT_EQ(entry.path().string().find(".tmp-"), std::string::npos) << entry.path();
}

}  // namespace
}  // namespace nencho
