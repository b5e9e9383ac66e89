// データ呼出, 前年度データ取込 and 表示.
#include "dependants_sheet_fixture.h"

namespace nencho::test {
namespace {

using namespace form5;

class DependantsLoad : public DependantsSheetTest {
  public:
    // The sheet entered by the user and stored, then opened again as the main menu does.
    std::string storedThenReopened(const std::function<void()>& enter) {
        openAsTheMenuDoes();
        enter();
        click(kComputeButton);
        const std::string first = readBytes(recordPath());
        openAsTheMenuDoes();
        EXPECT_EQ(readBytes(recordPath()), first);
        openAsTheMenuDoes();
        return first;
    }
};

// Opening a person again never changes the stored deductions.
TEST_F(DependantsLoad, OpeningAPersonAgainRewritesTheSameRecord) {
    struct Case {
        const char* what;
        int status;  // the person's own condition in the person record, 0 for none
        const char* word;
        std::function<void(DependantsLoad&)> enter;
        std::int32_t total;
    };
    const Case cases[] = {
        {"disabled person", 2, "障害者", [](DependantsLoad&) {}, 650'000},
        {"working student marked by hand too", 7, "勤労学生",
         [](DependantsLoad& t) { t.click(kPersonMarks[0].button); }, 650'000},
        {"elderly spouse", 0, "",
         [](DependantsLoad& t) {
             t.click(kSpouseRow.markerButton);
             t.type(kDependantsCountBox, "1");
         },
         960'000},
        {"elderly spouse then disabled", 0, "",
         [](DependantsLoad& t) {
             t.click(kSpouseRow.markerButton);
             t.click(kSpouseConditionButton);
             t.type(kDependantsCountBox, "1");
         },
         1'130'000},
        {"spouse marked in the grid", 0, "",
         [](DependantsLoad& t) {
             t.click(kSpouseMarks[2].button);
             t.type(kDependantsCountBox, "1");
         },
         1'510'000},
        {"failed count check", 1, "特別障害者",
         [](DependantsLoad& t) {
             t.type(kGridRows[0].typedCount, "3");
             t.click(kSpouseConditionButton);
         },
         780'000},
        {"dependants with markers", 0, "",
         [](DependantsLoad& t) {
             t.type(kDependantTableRows[4].name, "五郎");
             t.click(kDependantTableRows[4].markerButton);
             t.type(kGridRows[3].typedCount, "1");
             t.type(kDependantsCountBox, "2");
         },
         1'240'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.status)
            writePersonWithCondition(kPerson, c.status, c.word);
        else
            writePerson(kCompany, kPerson, "本人");
        if (stored()) deleteFile(recordPath());
        type(kSharedCounter, "");
        const std::string stored = storedThenReopened([&] { c.enter(*this); });
        EXPECT_EQ(record().totalDeduction, c.total);
        // And once more with the sheet's own データ呼出, and after a computation.
        click(kLoadButton);
        click(kComputeButton);
        EXPECT_EQ(readBytes(recordPath()), stored);
    }
}

TEST_F(DependantsLoad, TheLoadShowsTheStoredRecord) {
    DependantsRecord r;
    r.spouse = {"山田　花子", "妻", "S10", "老人", "", "", ""};
    r.dependants[4] = {"五郎", "孫", "", "特定", "", "", "", ""};
    r.spouseElderly = 100'000;
    r.elderlyDependantCount = 1;
    r.elderlyDependantAddition = 100'000;
    r.specificDependantCount = 1;
    r.specificDependantAddition = 250'000;
    r.dependantsInAll = 2;
    r.basicAndDependantsDeduction = 1'140'000;
    r.totalDeduction = 1'590'000;
    r.spouseAnnualIncome = 480'000;
    r.typedCounts.specificDependant = 1;
    storeRecord(r);
    click(kLoadButton);

    EXPECT_EQ(text(kSpouseRow.name), "山田　花子");
    EXPECT_EQ(text(kSpouseRow.markerButton), "老人");
    EXPECT_EQ(text(kDependantTableRows[4].markerButton), "特定");
    EXPECT_EQ(text(kSpouseConditionButton), "老人扶養");
    EXPECT_EQ(text(kSpouseMarks[3].button), kMark);
    EXPECT_EQ(text(kGridRows[3].restoreFlag), "1");
    EXPECT_EQ(text(kGridRows[4].typedCount), "1");
    EXPECT_EQ(text(kGridRows[4].total), "1");
    EXPECT_EQ(text(kGridRows[3].total), "1");
    EXPECT_EQ(text(kDependantsCountBox), "2");
    EXPECT_EQ(text(kTotalBox), "1,590,000円");
    EXPECT_EQ(text(kSpouseRow.annualIncome), "480,000");
    EXPECT_TRUE(optionOn(kSpouseOptions[3]));
    EXPECT_EQ(record(), r);  // the load's computation stored the same record
}

TEST_F(DependantsLoad, APersonWithoutARecordShowsAnEmptySheetAndGetsNone) {
    writePerson(kCompany, 3, "次の人");
    type(kDependantTableRows[0].name, "前の人の家族");
    type(kDependantsCountBox, "4");
    click(kComputeButton);

    takeUp(kCompany, 3);
    click(kLoadButton);  // without the main menu's clear
    EXPECT_EQ(text(kDependantTableRows[0].name), "");
    EXPECT_EQ(text(kDependantsCountBox), "");
    EXPECT_FALSE(stored(3));
    press(kOwnConditionsButton);
    EXPECT_FALSE(stored(3));
}

TEST_F(DependantsLoad, ADisabledPersonWithoutARecordGetsTheConditionFromTheMenuEntry) {
    writePersonWithCondition(kPerson, 2, "障害者");
    openAsTheMenuDoes();
    EXPECT_EQ(text(kPersonMarks[0].button), kMark);
    EXPECT_EQ(text(kOwnConditionBox), "障害者");
    EXPECT_TRUE(optionOn(kDisabledWidowStudentOption));
    EXPECT_FALSE(stored());
    click(kComputeButton);
    EXPECT_EQ(record().personDisabledWidowOrStudent, 270'000);
    EXPECT_EQ(record().disabledCount, 0);
    EXPECT_EQ(record().totalDeduction, 650'000);
}

TEST_F(DependantsLoad, DisplayShowsTheOwnConditionOfThePersonRecord) {
    struct Case {
        int status;
        const char* word;
        const char* option;
        const char* shown;
        bool disabledMark;
        bool specialMark;
    };
    const Case cases[] = {
        {1, "特別障害者", kSpeciallyDisabledOption, "特別障害者", false, true},
        {2, "障害者", kDisabledWidowStudentOption, "障害者", true, false},
        {3, "老年者", kElderlyOption, "老年者", false, false},
        {4, "寡婦", kDisabledWidowStudentOption, "寡  婦", false, false},
        {5, "特別寡婦", kSpecialWidowOption, "特別寡婦", false, false},
        {6, "寡夫", kDisabledWidowStudentOption, "寡  夫", false, false},
        {7, "勤労学生", kDisabledWidowStudentOption, "勤労学生", true, false},
    };
    for (const Case& c : cases) {
        writePersonWithCondition(kPerson, c.status, c.word);
        press(kOwnConditionsButton);
        EXPECT_TRUE(optionOn(c.option)) << c.word;
        EXPECT_EQ(text(kOwnConditionBox), c.shown);
        EXPECT_EQ(text(kPersonMarks[0].button), c.disabledMark ? kMark : "") << c.word;
        EXPECT_EQ(text(kPersonMarks[1].button), c.specialMark ? kMark : "") << c.word;
    }
}

TEST_F(DependantsLoad, ADamagedRecordIsSaidAndLeftAsItIs) {
    writeLines(recordPath(), {"0", "270000"});
    const std::string damaged = readBytes(recordPath());
    click(kLoadButton);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "データ呼出");
    EXPECT_EQ(readBytes(recordPath()), damaged);
}

TEST_F(DependantsLoad, ImportTakesTheYearBeforeOntoTheSheetWithoutStoringIt) {
    DependantsRecord older;
    older.personElderly = 500'000;
    older.personDisabledWidowOrStudent = 270'000;
    older.spouse.name = "花子";
    older.dependants[4] = {"五郎", "孫", "", "老人", "", "", "", ""};
    older.dependantsInAll = 2;
    older.spouseAnnualIncome = 300'000;
    storeRecord(older, kPerson, "H16");
    click(kImportButton);

    EXPECT_FALSE(stored());
    EXPECT_TRUE(optionOn(kElderlyOption));
    EXPECT_EQ(text(kSpouseRow.name), "花子");
    EXPECT_EQ(text(kDependantTableRows[4].markerButton), "老人");
    EXPECT_EQ(text(kDependantsCountBox), "2");
    EXPECT_EQ(text(kSpouseRow.annualIncome), "300,000");
    click(kComputeButton);
    const DependantsRecord r = record();
    EXPECT_EQ(r.personElderly, 0);
    EXPECT_EQ(r.personDisabledWidowOrStudent, 0);
    EXPECT_EQ(r.totalDeduction, 1'140'000);
    EXPECT_EQ(r.dependants[4].marker, "老人");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(DependantsLoad, ImportWithoutARecordOfTheYearBeforeSaysSoAndKeepsTheSheet) {
    type(kDependantTableRows[0].name, "一郎");
    ensureDataTree("H15");
    storeRecord(DependantsRecord{}, kPerson, "H15");  // two years before: not taken
    click(kImportButton);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "前年度データ取込");
    EXPECT_EQ(text(kDependantTableRows[0].name), "一郎");
}

}  // namespace
}  // namespace nencho::test
