#include "records/person_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_system.h"
#include "platform/record_error.h"
#include "records/person_fixture.h"
#include "support/file_faults.h"
#include "support/temp_drives.h"

namespace nencho {
namespace {

using test::quoted;

PersonEntry samplePerson() {
    PersonEntry entry;
    entry.personCode = 5;
    entry.companyCode = 1;
    entry.personKey = 105;
    entry.reading = "ヤマダ　タロウ";
    entry.name = "山田　太郎";
    entry.upperAddress = "東京都千代田区1-2";
    entry.lowerAddress = "青葉ビル3F";
    entry.birthEra = "昭和";
    entry.birthYear = 45;
    entry.birthMonth = 3;
    entry.birthDay = 12;
    entry.position = "取締役";
    entry.setOwnCondition(PersonStatus::Widow);
    entry.status(PersonStatus::Foreigner) = "外国人";
    entry.status(PersonStatus::Joining) = "就　職";
    entry.status(PersonStatus::ChangeYear) = "17";
    entry.status(PersonStatus::ChangeMonth) = "4";
    entry.status(PersonStatus::ChangeDay) = "1";
    entry.status(PersonStatus::SecondaryColumn) = "乙欄";
    entry.choosePayKind(PayKind::Pay);
    return entry;
}

class PersonFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ensureDataTree("H17"); }
    test::TempDrives drives;
};

TEST_F(PersonFileTest, WritesTheFortyThreeLinesOfTheRecord) {
    PersonFile::createNew(samplePerson());
    EXPECT_EQ(test::readBytes("c:\\年末調整\\個人名\\105.txt"),
              test::goldenBytes("person_105.txt"));
}

TEST_F(PersonFileTest, LoadReadsBackLinesOneToThirtyTwo) {
    PersonEntry written = samplePerson();
    written.upperAddress = "大阪市北区, 梅田";  // a comma stays inside the text
    written.birthYear = -3;
    PersonFile::createNew(written);
    const PersonEntry read = PersonFile::load(105);
    EXPECT_EQ(PersonFile::record(read).bytes(), PersonFile::record(written).bytes());
    EXPECT_EQ(PersonFile::storedCode(105), 5);
}

TEST_F(PersonFileTest, LoadFailsOnAShortOrMistypedRecord) {
    test::writeLines(test::personPath(1, 1), {"1", quoted("ア"), quoted("名")});
    EXPECT_THROW(PersonFile::load(101), RecordError);
    test::writePerson(1, 2, "名", {{6, "S45"}});
    EXPECT_THROW(PersonFile::load(102), RecordError);
    EXPECT_THROW(PersonFile::load(103), RecordError);
}

TEST_F(PersonFileTest, CreateNewRefusesAnExistingRecordAndLeavesIt) {
    test::writePerson(1, 5, "前の人");
    const std::string before = test::readBytes(test::personPath(1, 5));
    try {
        PersonFile::createNew(samplePerson());
        FAIL() << "an existing record was overwritten";
    } catch (const RecordError& error) {
        EXPECT_EQ(error.kind(), FileErrorKind::FileAlreadyExists);
    }
    EXPECT_EQ(test::readBytes(test::personPath(1, 5)), before);
}

// Stopped at any step, a new person is there whole or not at all: never an empty record that
// would block the code.
TEST_F(PersonFileTest, ANewRecordIsNeverSeenEmpty) {
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        const std::string path = test::personPath(1, 5);
        if (test::exists(path)) std::filesystem::remove(drives.host(path));
        const bool reached = test::runWithFault(test::FileFaults::Mode::Stop, step,
                                                [] { PersonFile::createNew(samplePerson()); });
        if (test::exists(path)) {
            EXPECT_EQ(test::readBytes(path), test::goldenBytes("person_105.txt"));
        }
        if (!reached) break;
    }
}

TEST_F(PersonFileTest, UnstorableTextWritesNothingAndKeepsTheOldRecord) {
    PersonEntry entry = samplePerson();
    entry.name = "山田\"太郎";
    EXPECT_THROW(PersonFile::createNew(entry), RecordError);
    EXPECT_FALSE(test::exists(test::personPath(1, 5)));

    test::writePerson(1, 5, "前の人");
    const std::string before = test::readBytes(test::personPath(1, 5));
    EXPECT_THROW(PersonFile::overwrite(entry), RecordError);
    EXPECT_EQ(test::readBytes(test::personPath(1, 5)), before);
}

TEST(PersonStatusWords, OwnConditionsMapBothWays) {
    const std::pair<PersonStatus, const char*> conditions[] = {
        {PersonStatus::SpecialDisabled, "特別障害者"},
        {PersonStatus::Disabled, "障害者"},
        {PersonStatus::Elderly, "老年者"},
        {PersonStatus::Widow, "寡婦"},
        {PersonStatus::SpecialWidow, "特別寡婦"},
        {PersonStatus::Widower, "寡夫"},
        {PersonStatus::WorkingStudent, "勤労学生"},
    };
    for (const auto& [status, word] : conditions) {
        PersonEntry entry;
        entry.setOwnCondition(PersonStatus::SpecialDisabled);
        entry.setOwnCondition(status);
        EXPECT_EQ(entry.status(status), word);
        int set = 0;
        for (int i = 0; i < kLastOwnConditionStatus; ++i) set += !entry.statuses[i].empty();
        EXPECT_EQ(set, 1) << word;
        EXPECT_EQ(storedOwnCondition(entry), status) << word;
    }
    PersonEntry none;
    none.status(PersonStatus::Widow) = "やもめ";  // not the word: no condition
    EXPECT_EQ(storedOwnCondition(none), std::nullopt);
    PersonEntry several;
    several.status(PersonStatus::Elderly) = "老年者";
    several.status(PersonStatus::WorkingStudent) = "勤労学生";
    EXPECT_EQ(storedOwnCondition(several), PersonStatus::Elderly);
}

TEST(PersonStatusWords, OtherStatusesHoldTheirWordsAndDatesHaveNone) {
    const std::pair<PersonStatus, const char*> words[] = {
        {PersonStatus::HasHusband, "夫あり"},
        {PersonStatus::Minor, "未成年者"},
        {PersonStatus::RetiredByDeath, "死亡退職"},
        {PersonStatus::Foreigner, "外国人"},
        {PersonStatus::Joining, "就　職"},
        {PersonStatus::Leaving, "退　職"},
        {PersonStatus::ChangeYear, ""},
        {PersonStatus::ChangeMonth, ""},
        {PersonStatus::ChangeDay, ""},
        {PersonStatus::SecondaryColumn, "乙欄"},
        {PersonStatus::DisasterVictim, "災害者"},
    };
    for (const auto& [status, word] : words) EXPECT_EQ(statusWord(status), word);
}

TEST(PersonPayKinds, MapBothWaysWithOneWordAtATime) {
    const std::pair<PayKind, std::array<std::string, 4>> kinds[] = {
        {PayKind::DirectorsFee, {"役員報酬", "", "", ""}},
        {PayKind::PayAndBonus, {"", "給与賞与", "", ""}},
        {PayKind::Pay, {"", "", "給与", ""}},
        {PayKind::FamilyEmployeePay, {"", "", "", "専従者給与"}},
    };
    for (const auto& [kind, texts] : kinds) {
        PersonEntry entry;
        entry.choosePayKind(PayKind::FamilyEmployeePay);
        entry.choosePayKind(kind);
        EXPECT_EQ(entry.payKinds, texts);
        EXPECT_EQ(storedPayKind(entry), kind);
    }
    PersonEntry none;
    EXPECT_EQ(storedPayKind(none), std::nullopt);
    none.payKinds[2] = "賞与";
    EXPECT_EQ(storedPayKind(none), std::nullopt);
}

}  // namespace
}  // namespace nencho
