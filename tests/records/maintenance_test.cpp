#include "records/maintenance.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/failure.h"
#include "platform/record_error.h"
#include "platform/recovery.h"
#include "records/list_entries.h"
#include "records/maintenance_fixture.h"
#include "support/failing_writes.h"
#include "support/file_faults.h"

namespace nencho::test {
namespace {

using Mode = FileFaults::Mode;

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

        EXPECT_EQ(deletePerson(kYear, 1, 2), 1 + static_cast<int>(c.kinds.size()));
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
        EXPECT_THROW(deletePerson(kYear, 1, code), Failure);
        EXPECT_THROW(personDeletionQuestion(kYear, 1, code), Failure);
    }
    EXPECT_EQ(countExisting(sevenFiles(2, 1)), 7);
}

TEST_F(MaintenanceTest, TheQuestionNamesTheRecordOfTheCodeAsked) {
    writeCompany(1, "山田商事");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎");
    EXPECT_EQ(personDeletionQuestion(kYear, 1, 2), "二郎 氏を削除しますか");
    EXPECT_EQ(companyDeletionQuestion(kYear, 1), "山田商事 を削除しますか");
    EXPECT_THROW(personDeletionQuestion(kYear, 1, 3), Failure);
    EXPECT_THROW(companyDeletionQuestion(kYear, 2), Failure);
}

TEST_F(MaintenanceTest, ACodeWhoseMainRecordIsGoneHasItsLeftoversDeleted) {
    writePerson(1, 2, "二郎");
    std::filesystem::remove(drives.host(personFile(1, 2)));  // deleted first by an earlier version
    writePerson(3, 1, "三社一郎");
    std::filesystem::remove(drives.host(personFile(3, 1)));  // a company gone, a person left

    // No person and no company is named that does not exist.
    EXPECT_EQ(personDeletionQuestion(kYear, 1, 2),
              "個人コード 2 には個人の記録がありません。残っているファイルを削除しますか");
    EXPECT_EQ(deletePerson(kYear, 1, 2), 6);
    EXPECT_EQ(countExisting(sevenFiles(1, 2)), 0);
    EXPECT_THROW(personDeletionQuestion(kYear, 1, 2), Failure);

    EXPECT_EQ(companyDeletionQuestion(kYear, 3),
              "会社コード 3 には会社の記録がありません。残っている個人のファイルを削除しますか");
    EXPECT_EQ(deleteCompany(kYear, 3), 6);
    EXPECT_EQ(countExisting(sevenFiles(3, 1)), 0);
}

TEST_F(MaintenanceTest, ARecordThatCannotBeReadIsAskedAboutByItsCode) {
    writeCompany(1, "山田商事");
    writePerson(1, 4, "四郎");
    writeBytes(personFile(1, 4), "4\r\n");  // ends before the name
    writeBytes(companyFilePath(1), "1\r\n");
    EXPECT_EQ(personDeletionQuestion(kYear, 1, 4), "個人コード 4 の個人データを削除しますか");
    EXPECT_EQ(companyDeletionQuestion(kYear, 1), "会社コード 1 の会社データを削除しますか");
}

TEST_F(MaintenanceTest, CompanyDeletionGoesPastGapsAndIncompletePersons) {
    writeCompany(1, "山田商事");
    writeCompany(2, "鈴木工業");
    writePerson(1, 1, "一郎", {1, 2});  // no ledger
    writePerson(1, 2, "二郎");
    writePerson(1, 4, "四郎");  // a gap at 3
    writePerson(1, 99, "九十九");
    writePerson(2, 1, "別社一郎");

    EXPECT_EQ(deleteCompany(kYear, 1), 1 + 3 + 7 + 7 + 7);
    EXPECT_FALSE(exists(companyFilePath(1)));
    for (int person : {1, 2, 4, 99}) EXPECT_EQ(countExisting(sevenFiles(1, person)), 0) << person;
    EXPECT_TRUE(exists(companyFilePath(2)));
    EXPECT_EQ(countExisting(sevenFiles(2, 1)), 7);
}

TEST_F(MaintenanceTest, DeletionWithoutAWorkingYearDeletesNothing) {
    writePerson(1, 1, "一郎");
    EXPECT_THROW(deletePerson("", 1, 1), Failure);
    EXPECT_THROW(deleteCompany("", 1), Failure);
    EXPECT_EQ(countExisting(sevenFiles(1, 1)), 7);
}

// The persons of the deletion tests: company 1 with persons 1 and 2, and company 2's person 2.
void writeDeletionPersons() {
    writeCompany(1, "山田商事");
    writeCompany(2, "鈴木工業");
    writePerson(1, 1, "一郎");
    writePerson(1, 2, "二郎");
    writePerson(2, 2, "別社二郎");
}

// A person half deleted is still found: his person file goes last.
void expectFindableOrGone(std::int64_t company, std::int64_t person) {
    const int left = countExisting(sevenFiles(company, person));
    if (left > 0) {
        EXPECT_TRUE(exists(personFile(company, person))) << left << " files left";
    }
}

// Cut short or failed before each of its file steps, a deletion leaves the person findable,
// and a second deletion removes the rest.
TEST_F(MaintenanceTest, APersonDeletionCutShortAnywhereIsFinishedByASecondOne) {
    for (Mode mode : {Mode::Stop, Mode::Fail}) {
        for (int step = 1;; ++step) {
            SCOPED_TRACE(step);
            TempDrives fresh;
            writeDeletionPersons();
            const bool reached = runWithFault(mode, step, [] {
                try {
                    deletePerson(kYear, 1, 2);
                } catch (const Failure&) {
                }
            });
            if (!reached) break;
            expectFindableOrGone(1, 2);
            if (countExisting(sevenFiles(1, 2)) > 0) {
                EXPECT_EQ(personDeletionQuestion(kYear, 1, 2), "二郎 氏を削除しますか");
                deletePerson(kYear, 1, 2);
            }
            EXPECT_EQ(countExisting(sevenFiles(1, 2)), 0);
            EXPECT_EQ(countExisting(sevenFiles(1, 1)), 7);
            EXPECT_EQ(countExisting(sevenFiles(2, 2)), 7);
        }
    }
}

TEST_F(MaintenanceTest, ACompanyDeletionCutShortAnywhereIsFinishedByASecondOne) {
    for (Mode mode : {Mode::Stop, Mode::Fail}) {
        for (int step = 1;; ++step) {
            SCOPED_TRACE(step);
            TempDrives fresh;
            writeDeletionPersons();
            const bool reached = runWithFault(mode, step, [] {
                try {
                    deleteCompany(kYear, 1);
                } catch (const Failure&) {
                }
            });
            if (!reached) break;
            for (int person : {1, 2}) expectFindableOrGone(1, person);
            if (exists(companyFilePath(1))) {
                EXPECT_EQ(companyDeletionQuestion(kYear, 1), "山田商事 を削除しますか");
                deleteCompany(kYear, 1);
            }
            EXPECT_FALSE(exists(companyFilePath(1)));
            for (int person : {1, 2}) EXPECT_EQ(countExisting(sevenFiles(1, person)), 0);
            EXPECT_EQ(countExisting(sevenFiles(2, 2)), 7);
            EXPECT_TRUE(exists(companyFilePath(2)));
        }
    }
}

TEST_F(MaintenanceTest, ANewCodeIsClearedOfYearFilesLeftWithoutAPerson) {
    writePerson(1, 2, "二郎");
    std::filesystem::remove(drives.host(personFile(1, 2)));
    writePerson(1, 3, "三郎");

    EXPECT_EQ(removeLeftoversBeforeRegistration(kYear, 1, 2), 6);
    EXPECT_EQ(countExisting(sevenFiles(1, 2)), 0);
    // A code that has its person is his: nothing of it is removed.
    EXPECT_EQ(removeLeftoversBeforeRegistration(kYear, 1, 3), 0);
    EXPECT_EQ(countExisting(sevenFiles(1, 3)), 7);
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
        EXPECT_THROW(checkPersonCopy(c.copy), Failure);
        EXPECT_THROW(copyPerson(c.copy), Failure);
    }
    EXPECT_EQ(countExisting(sevenFiles(1, 7)), 0);
    EXPECT_EQ(readBytes(personFile(2, 1)), before);
    EXPECT_EQ(countExisting(sevenFiles(1, 3)), 7);
}

std::string failureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Failure& failure) {
        return failure.what();
    }
    return "no failure";
}

TEST_F(MaintenanceTest, ACopyThatCannotBeMadeSaysNothingChangedAndLeavesNothing) {
    writePerson(1, 3, "三郎");
    writeLines(yearFile(1, 8, 4), {"\"前の人のメモ\""});  // left by an earlier person of code 8
    writePerson(1, 9, "九郎");
    const auto before = dataSnapshot();

    // The person record cannot be written: a folder stands in its place.
    std::filesystem::create_directories(drives.host(personFile(1, 8)));
    const std::string blocked = failureOf([] { copyPerson({kYear, 1, 3, 8}); });
    std::filesystem::remove(drives.host(personFile(1, 8)));
    EXPECT_NE(blocked.find("何も変わっていません"), std::string::npos) << blocked;
    EXPECT_EQ(dataSnapshot(), before);

    std::string full;
    {
        FailingWrites disk;
        disk.arm();
        full = failureOf([] { copyPerson({kYear, 1, 3, 9}); });
    }
    EXPECT_NE(full.find("ファイルに書き込めませんでした。"), std::string::npos) << full;
    EXPECT_NE(full.find("何も変わっていません"), std::string::npos) << full;
    EXPECT_EQ(full.find("元に戻せなかった"), std::string::npos) << full;
    EXPECT_EQ(dataSnapshot(), before);  // no temporary or prepared file either
}

// Person 5 copied onto person 6, who has records of his own.
void writeCopyPersons() {
    writePerson(1, 5, "五郎", {0, 1, 2, 3});
    writePerson(1, 6, "六郎");
}

std::vector<std::pair<std::string, std::string>> filesOfSix() {
    std::vector<std::pair<std::string, std::string>> six;
    for (const auto& file : dataSnapshot())
        if (file.first.find("/106") != std::string::npos) six.push_back(file);
    return six;
}

enum class Holder { Old, Copied, Mixed };

// Whose records code 6 holds: all his own, all five's copied, or anything else.
Holder holderOfSix(const std::vector<std::pair<std::string, std::string>>& sixBefore) {
    const auto six = filesOfSix();
    if (six == sixBefore) return Holder::Old;
    if (six.size() != 5 || countExisting(sevenFiles(1, 6)) != 5) return Holder::Mixed;
    std::vector<std::string> expected = personLines(5, "五郎");
    expected[0] = "6";
    bool copied = readLines(personFile(1, 6)) == expected;
    for (int kind : {0, 1, 2, 3})
        copied = copied && readBytes(yearFile(1, 6, kind)) == readBytes(yearFile(1, 5, kind));
    return copied ? Holder::Copied : Holder::Mixed;
}

// Stopped at any file step and started again, code 6 holds his own records or the copy whole;
// a second copy then finishes it.
TEST_F(MaintenanceTest, ACopyOntoATakenCodeCutShortNeverMixesTwoPersons) {
    bool sawOld = false;
    bool sawCopied = false;
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        TempDrives fresh;
        writeCopyPersons();
        const auto sixBefore = filesOfSix();
        if (!runWithFault(Mode::Stop, step, [] { copyPerson({kYear, 1, 5, 6}); })) break;

        test::startAgain();
        const Holder holder = holderOfSix(sixBefore);
        EXPECT_NE(holder, Holder::Mixed);
        sawOld = sawOld || holder == Holder::Old;
        sawCopied = sawCopied || holder == Holder::Copied;

        copyPerson({kYear, 1, 5, 6});
        EXPECT_EQ(holderOfSix(sixBefore), Holder::Copied);
        EXPECT_EQ(countExisting(sevenFiles(1, 5)), 5);
    }
    EXPECT_TRUE(sawOld);
    EXPECT_TRUE(sawCopied);
}

// A step that fails says whether anything changed; when it did not, code 6 is as it was, and
// when it did, a second copy finishes it.
TEST_F(MaintenanceTest, ACopyOntoATakenCodeThatFailsAnywhereIsWholeOrUntouched) {
    for (int step = 1;; ++step) {
        SCOPED_TRACE(step);
        TempDrives fresh;
        writeCopyPersons();
        const auto before = dataSnapshot();
        const auto sixBefore = filesOfSix();
        std::string message;
        if (!runWithFault(Mode::Fail, step, [&] {
                message = failureOf([] { copyPerson({kYear, 1, 5, 6}); });
            }))
            break;
        if (message.find("何も変わっていません") != std::string::npos) {
            EXPECT_EQ(dataSnapshot(), before);
            continue;
        }
        if (message == "no failure") {  // only the work's mark could not be removed
            EXPECT_EQ(holderOfSix(sixBefore), Holder::Copied);
            continue;
        }
        EXPECT_NE(message.find("途中で止まっています"), std::string::npos) << message;
        copyPerson({kYear, 1, 5, 6});
        EXPECT_EQ(holderOfSix(sixBefore), Holder::Copied);
    }
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
