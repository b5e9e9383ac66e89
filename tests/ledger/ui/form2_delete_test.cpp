// The ledger deletion: the question, the run through the calculation screens that leaves a
// ledger of zeros, and the old files put back when the run stops half-way.
#include <algorithm>
#include <filesystem>

#include "common/paths.h"
#include "ledger/ledger_grid.h"
#include "ledger/ui/form2_controls.h"
#include "ledger_screen_test.h"
#include "platform/folder_listing.h"
#include "platform/kept_files.h"
#include "platform/recovery.h"
#include "support/file_faults.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

const QString kQuestion = "本当に源泉徴収簿のデータを削除しますか ？";
const QString kTitle = "源泉徴収簿データ削除";
const QString kDeleteButton = "Command59";

// The keep lists in the data root: a deletion that ended leaves none.
std::vector<std::string> leftLists() {
    return fileNamesIn(dataRootFolder(), KeptFiles::isListName);
}

std::string payRecordPath(int month) {
    return *monthlyPayRecordPath("H17", 102, month);
}

class LedgerDeletion : public LedgerScreenTest {
  protected:
    // The known ledger of company 1, person 2, with pay records of January and February.
    void SetUp() override {
        LedgerScreenTest::SetUp();
        writeBytes(payRecordPath(1), goldenBytes("monthly_pay_record_january.txt"));
        writeLines(payRecordPath(2),
                   {"2", "251000", "12000", "15000", "0", "5020", "32020", "218980"});
        february = readBytes(payRecordPath(2));
        openKnownLedger();
        clearEvents();
    }

    bool isShown(const QString& form) { return screens::touch(form).isVisible(); }

    void expectOldFilesAndGrid() {
        EXPECT_EQ(readBytes(ledgerPath(1, 2)), goldenBytes("ledger_1020.txt"));
        EXPECT_EQ(readBytes(payRecordPath(1)), goldenBytes("monthly_pay_record_january.txt"));
        EXPECT_EQ(readBytes(payRecordPath(2)), february);
        EXPECT_TRUE(leftLists().empty());
        EXPECT_EQ(box(12), "250,000");
        EXPECT_EQ(box(11), "25");
        EXPECT_EQ(box(129), "500,000");
        EXPECT_EQ(screens::read("Form3", "Text2"), "3,066,000");
    }

    std::string february;
};

TEST_F(LedgerDeletion, ConfirmedDeletionLeavesZerosEmptyPayDatesAndAZeroJanuary) {
    struct Case {
        const char* option;  // of the monthly calculation screen's dependants
        std::optional<QString> answer;
        int dependants;
    };
    const Case cases[] = {{"optFu0", {}, 0}, {"optFu3", {}, 3}, {"optFu5", "6", 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        if (&c != cases) {  // the known ledger again, with fresh screens and dialogs
            TearDown();
            SetUp();
        }
        screens::setOption("Form8", c.option, true);
        if (c.answer) dialogs->inputs.push_back(c.answer);
        dialogs->answers.push_back(MessageAnswer::Ok);
        click("Form2", kDeleteButton);

        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].prompt, kQuestion);
        EXPECT_EQ(dialogs->messages[0].title, kTitle);
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Question);
        EXPECT_EQ(dialogs->messages[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(dialogs->beeps, 1);

        const auto lines = readLines(ledgerPath(1, 2));
        ASSERT_EQ(lines.size(), 117u);
        for (int line = 1; line <= 87; ++line) {
            const bool monthsDependants = line >= 55 && line <= 66;
            EXPECT_EQ(lines[line - 1], std::to_string(monthsDependants ? c.dependants : 0))
                << "line " << line;
        }
        for (int line = 88; line <= 105; ++line) EXPECT_EQ(lines[line - 1], "\"\"") << line;
        EXPECT_EQ(readLines(payRecordPath(1)),
                  (std::vector<std::string>{"1", "0", "0", "0", "0", "0", "0", "0"}));
        EXPECT_EQ(readBytes(payRecordPath(2)), february);
        EXPECT_TRUE(leftLists().empty());

        const QString count = c.dependants ? QString::number(c.dependants) : "";
        for (int k = 1; k <= 12; ++k) {
            const LedgerRowBoxes b = ledgerRowBoxes(k);
            EXPECT_EQ(box(b.dependants), count) << k;
            for (int number : {b.date, b.pay, b.insurance, b.afterInsurance, b.tax, b.taxAgain})
                EXPECT_EQ(box(number), "") << k << " Text" << number;
        }
        for (int number : {120, 129, 147, 154, 165, 169}) EXPECT_EQ(box(number), "") << number;
        EXPECT_EQ(screens::read("Form5", "Text48"), QString::number(c.dependants));
        EXPECT_FALSE(isShown("Form8"));
        EXPECT_FALSE(isShown("Form9"));
    }
}

TEST_F(LedgerDeletion, CancelChangesNothing) {
    dialogs->answers.push_back(MessageAnswer::Cancel);
    click("Form2", kDeleteButton);

    EXPECT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->beeps, 0);
    EXPECT_TRUE(events.empty());
    expectOldFilesAndGrid();
}

TEST_F(LedgerDeletion, CancelledDependantsQuestionLeavesTheOldLedgerAndSaysSo) {
    screens::setOption("Form8", "optFu5", true);
    dialogs->answers.push_back(MessageAnswer::Ok);
    dialogs->inputs.push_back(std::nullopt);
    click("Form2", kDeleteButton);

    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[1].title, kTitle);
    EXPECT_TRUE(dialogs->messages[1].prompt.contains("削除されていません"));
    EXPECT_FALSE(isShown("Form8"));
    expectOldFilesAndGrid();
}

TEST_F(LedgerDeletion, SaveFailingHalfWayPutsBackEveryFileAndTheFedScreensShowThem) {
    // The third bonus's save is refused (a pay-day text the file cannot hold), after the run
    // has rewritten the ledger six times and January's record once.
    int bonusEntries = 0;
    ScreenRegistry::instance().setObserver([&](const ScreenEvent& event) {
        events.push_back(event);
        if (event.kind == Kind::Press && event.form == "Form9" && event.control == "Command4" &&
            ++bonusEntries == 3)
            ledger().setTextOf(QString("Text%1").arg(payDateBox(18)), "\"");
    });
    screens::setOption("Form8", "optFu3", true);
    dialogs->answers.push_back(MessageAnswer::Ok);
    click("Form2", kDeleteButton);

    // One message after the question: the deletion's, then why the save failed.
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[1].title, kTitle);
    const QString told = dialogs->messages[1].prompt;
    EXPECT_TRUE(
        told.startsWith("源泉徴収簿のデータは削除されていません。\n元のデータのままです。\n"))
        << told.toStdString();
    EXPECT_TRUE(told.contains("保存できない文字")) << told.toStdString();
    expectOldFilesAndGrid();
    // The dependants screen had been fed the run's 3; it shows the person's record again, which
    // the run had made and which is gone again.
    EXPECT_FALSE(exists(*yearFilePath("H17", 102, YearFileKind::Dependants)));
    EXPECT_EQ(screens::read("Form5", "Text48"), "");
}

// The deletion of a person with year-end records, stopped or failing at any step: after the
// next start every file is as it was before the deletion, or as a whole deletion leaves it.
TEST_F(LedgerDeletion, CutShortAnywhereEveryRecordIsAllOldOrAllNewAfterAStart) {
    const auto freshPerson = [this] {
        TearDown();
        SetUp();
        ledger().press(form2::kSaveButton);  // it feeds the insurance and dependants records
        screens::setOption("Form8", "optFu3", true);
        dialogs->answers.push_back(MessageAnswer::Ok);
        return dataSnapshot();
    };
    const auto before = freshPerson();
    click("Form2", kDeleteButton);
    const auto deleted = dataSnapshot();
    // The run's saves fed its number of dependants, which changed the deduction.
    const std::string dependants = "年末調整/H17年末調整/1022.txt";
    const auto recordIn = [&](const auto& files) {
        return std::find_if(files.begin(), files.end(),
                            [&](const auto& file) { return file.first == dependants; })
            ->second;
    };
    ASSERT_NE(recordIn(before), recordIn(deleted));
    for (const FileFaults::Mode mode : {FileFaults::Mode::Stop, FileFaults::Mode::Fail}) {
        int sawOld = 0;
        for (int step = 1;; ++step) {
            SCOPED_TRACE(testing::Message() << (mode == FileFaults::Mode::Stop ? "stop" : "fail")
                                            << " at step " << step);
            ASSERT_EQ(freshPerson(), before);
            if (!runWithFault(mode, step, [this] { click("Form2", kDeleteButton); })) break;
            test::startAgain();
            const auto after = dataSnapshot();
            sawOld += after == before;
            EXPECT_TRUE(after == before || after == deleted);
        }
        EXPECT_GT(sawOld, 0);
        // Removing the keep list is the run's last step: a stop at any step puts it all back.
    }
}

TEST_F(LedgerDeletion, PersonCodesWithoutALedgerAreRefusedBeforeAnythingIsAsked) {
    for (const char* person : {"0", "100", "x"}) {
        SCOPED_TRACE(person);
        dialogs->messages.clear();
        ledger().setTextOf("Text162", person);
        click("Form2", kDeleteButton);
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(dialogs->messages[0].title, kTitle);
        EXPECT_EQ(dialogs->messages[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(dialogs->beeps, 0);
        EXPECT_TRUE(events.empty());
    }
    // Person 100 of company 1 would share its files with person 0 of company 2: none appeared.
    const auto folder = drives->host(yearFolder("H17"));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 3);  // the ledger and the two pay records
    expectOldFilesAndGrid();
}

}  // namespace
}  // namespace nencho::test
