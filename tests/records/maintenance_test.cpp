#include "records/maintenance.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/record_error.h"
#include "records/maintenance_fixture.h"

namespace nencho::test {
namespace {

class MaintenanceTest : public ::testing::Test {
  protected:
    TempDrives drives;
};

struct PersonDeletionCase {
    const char* title;
    std::initializer_list<int> kinds;
};

TEST_F(MaintenanceTest, PersonDeletionRemovesEveryFileOfThePersonAndNothingElse) {
    const PersonDeletionCase cases[] = {
        {"with a ledger", {0, 1, 2, 3, 4, 5}},
        {"without a ledger", {1, 2, 3, 4, 5}},
        {"with the person record alone", {}},
    };
    for (const PersonDeletionCase& c : cases) {
        SCOPED_TRACE(c.title);
        writeCompany(1, "山田商事");
        writePerson(1, 1, "一郎");
        writePerson(1, 2, "二郎", c.kinds);
        writePerson(1, 3, "三郎");
        writePerson(2, 2, "別社二郎");  // the next company's person of the same code
        writePerson(1, 2, "二郎", {0}, "H16");
        const std::string payRecord = *monthlyPayRecordPath(kYear, 102, 3);
        writeLines(payRecord, {"1"});

        const DeletionReport report = deletePerson(kYear, 1, 2);

        EXPECT_TRUE(report.complete());
        EXPECT_EQ(report.deleted, 1 + static_cast<int>(c.kinds.size()));
        EXPECT_EQ(countExisting(sevenFiles(1, 2)), 0);
        EXPECT_EQ(countExisting(sevenFiles(1, 1)), 7);
        EXPECT_EQ(countExisting(sevenFiles(1, 3)), 7);
        EXPECT_EQ(countExisting(sevenFiles(2, 2)), 7);
        EXPECT_TRUE(exists(companyFilePath(1)));
        // Other years and the pay records are not this screen's to delete.
        EXPECT_TRUE(exists(yearFile(1, 2, 0, "H16")));
        EXPECT_TRUE(exists(payRecord));
    }
}

TEST_F(MaintenanceTest, OnlyTheCompanysOwnPersonCodesAreTouched) {
    writePerson(2, 1, "別社一郎");  // key 201, which company 1 with code 101 would name
    for (std::int64_t code : {0, 100, 101, -1}) {
        SCOPED_TRACE(code);
        EXPECT_THROW(deletePerson(kYear, 1, code), MaintenanceError);
        EXPECT_THROW(personNameToDelete(1, code), MaintenanceError);
    }
    EXPECT_EQ(countExisting(sevenFiles(2, 1)), 7);
}

TEST_F(MaintenanceTest, TheQuestionNamesTheRecordOfTheCodeAsked) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎");
    EXPECT_EQ(personNameToDelete(1, 2), "二郎");
    EXPECT_EQ(companyNameToDelete(1), "山田商事");
    EXPECT_THROW(personNameToDelete(1, 3), MaintenanceError);
    EXPECT_THROW(companyNameToDelete(2), MaintenanceError);
}

TEST_F(MaintenanceTest, CompanyDeletionGoesPastGapsAndIncompletePersons) {
    writeCompany(1, "山田商事");
    writeCompany(2, "鈴木工業");
    writePerson(1, 1, "一郎", {1, 2});  // no ledger
    writePerson(1, 2, "二郎");
    writePerson(1, 4, "四郎");  // a gap at 3
    writePerson(1, 99, "九十九");
    writePerson(2, 1, "別社一郎");

    const DeletionReport report = deleteCompany(kYear, 1);

    EXPECT_TRUE(report.complete());
    EXPECT_EQ(report.deleted, 1 + 3 + 7 + 7 + 7);
    EXPECT_FALSE(exists(companyFilePath(1)));
    for (int person : {1, 2, 4, 99}) EXPECT_EQ(countExisting(sevenFiles(1, person)), 0) << person;
    EXPECT_TRUE(exists(companyFilePath(2)));
    EXPECT_EQ(countExisting(sevenFiles(2, 1)), 7);
}

TEST_F(MaintenanceTest, DeletionWithoutAWorkingYearDeletesNothing) {
    writePerson(1, 1, "一郎");
    EXPECT_THROW(deletePerson("", 1, 1), MaintenanceError);
    EXPECT_THROW(deleteCompany("", 1), MaintenanceError);
    EXPECT_EQ(countExisting(sevenFiles(1, 1)), 7);
}

TEST_F(MaintenanceTest, CopyWritesTheYearFilesThatExistAndThePersonUnderTheNewCode) {
    writePerson(1, 3, "三郎");
    writePerson(1, 4, "四郎", {0, 1, 2});  // the adjustment not run yet

    EXPECT_FALSE(checkPersonCopy({kYear, 1, 3, 7}));
    EXPECT_EQ(copyPerson({kYear, 1, 3, 7}), 7);
    EXPECT_EQ(copyPerson({kYear, 1, 4, 8}), 4);

    for (int kind = 0; kind < kYearFileKindCount; ++kind)
        EXPECT_EQ(readBytes(yearFile(1, 7, kind)), readBytes(yearFile(1, 3, kind))) << kind;
    std::vector<std::string> expected = personLines(3, "三郎");
    expected[0] = "7";
    EXPECT_EQ(readLines(personFile(1, 7)), expected);
    EXPECT_EQ(readLines(personFile(1, 3)), personLines(3, "三郎"));  // a copy: the old stays

    EXPECT_EQ(countExisting(sevenFiles(1, 8)), 4);
    for (int kind : {3, 4, 5}) EXPECT_FALSE(exists(yearFile(1, 8, kind))) << kind;
}

TEST_F(MaintenanceTest, CopyOntoATakenCodeMakesItExactlyTheOldPerson) {
    writePerson(1, 4, "四郎", {0, 1, 2});
    writePerson(1, 5, "五郎");

    EXPECT_TRUE(checkPersonCopy({kYear, 1, 4, 5}));
    copyPerson({kYear, 1, 4, 5});

    for (int kind : {0, 1, 2})
        EXPECT_EQ(readBytes(yearFile(1, 5, kind)), readBytes(yearFile(1, 4, kind))) << kind;
    for (int kind : {3, 4, 5}) EXPECT_FALSE(exists(yearFile(1, 5, kind))) << kind;
    EXPECT_EQ(readLines(personFile(1, 5))[2], "\"四郎\"");
}

TEST_F(MaintenanceTest, CopyRefusesBeforeWritingAnything) {
    writePerson(1, 3, "三郎");
    writePerson(2, 1, "別社一郎");
    struct Case {
        const char* title;
        PersonCopy copy;
    };
    const Case cases[] = {
        {"new code 100", {kYear, 1, 3, 100}},
        {"new code 101, the next company's person", {kYear, 1, 3, 101}},
        {"new code 0", {kYear, 1, 3, 0}},
        {"the same code", {kYear, 1, 3, 3}},
        {"old person missing", {kYear, 1, 6, 7}},
        {"old code out of range", {kYear, 1, 103, 7}},
        {"no working year", {"", 1, 3, 7}},
    };
    const auto before = readBytes(personFile(2, 1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        EXPECT_THROW(checkPersonCopy(c.copy), MaintenanceError);
        EXPECT_THROW(copyPerson(c.copy), MaintenanceError);
    }
    EXPECT_EQ(countExisting(sevenFiles(1, 7)), 0);
    EXPECT_EQ(readBytes(personFile(2, 1)), before);
    EXPECT_EQ(countExisting(sevenFiles(1, 3)), 7);
}

TEST_F(MaintenanceTest, AFailedCopyPutsTheNewCodeBackAsItWas) {
    writePerson(1, 3, "三郎");
    writeLines(yearFile(1, 8, 4), {"\"前の人のメモ\""});  // left by an earlier person of code 8
    const std::string formerNotes = readBytes(yearFile(1, 8, 4));
    // The person record cannot be written: a folder stands in its place.
    std::filesystem::create_directories(drives.host(personFile(1, 8)));

    EXPECT_THROW(copyPerson({kYear, 1, 3, 8}), MaintenanceError);

    for (int kind : {0, 1, 2, 3, 5}) EXPECT_FALSE(exists(yearFile(1, 8, kind))) << kind;
    EXPECT_EQ(readBytes(yearFile(1, 8, 4)), formerNotes);
    EXPECT_EQ(countExisting(sevenFiles(1, 3)), 7);
}

TEST_F(MaintenanceTest, APersonRecordThatCannotBeReadIsNotCopied) {
    ensureDataTree(kYear);
    writeLines(personFile(1, 3), {"3", "\"ﾔﾏﾀﾞ\"", "\"三郎\""});  // cut short
    EXPECT_THROW(checkPersonCopy({kYear, 1, 3, 7}), RecordError);
    EXPECT_THROW(copyPerson({kYear, 1, 3, 7}), RecordError);
    EXPECT_FALSE(exists(personFile(1, 7)));
}

}  // namespace
}  // namespace nencho::test
