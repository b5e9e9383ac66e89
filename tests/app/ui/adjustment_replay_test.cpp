// The main menu's replay of a person's stored year-end decision, with the year-end sheet
// recomputing from the person's records: what stays stored.
#include <QLineEdit>
#include <filesystem>
#include <map>

#include "ledger/ledger_file.h"
#include "main_menu_fixture.h"
#include "platform/file_system.h"
#include "platform/recovery.h"
#include "printing/ui/form7_controls.h"
#include "support/failing_writes.h"
#include "support/file_faults.h"
#include "yearend/adjustment_result_file.h"
#include "yearend/ui/form3_controls.h"

namespace nencho::test {
namespace {

using Kind = ScreenEvent::Kind;

// The pay, tax and social insurance of the worked example; no deduction records.
void storeLedgerOfPersonOne() {
    LedgerRecord ledger;
    ledger.sheet.setCell(kGrandTotalRow, LedgerColumn::Pay, 5'000'000);
    ledger.sheet.setCell(kGrandTotalRow, LedgerColumn::Tax, 150'000);
    ledger.sheet.setCell(kGrandTotalRow, LedgerColumn::SocialInsurance, 600'000);
    ledgerFileWriter(ledger).save(*ledgerFilePath("H17", {1, 1}));
}

class StoredDecisionReplay : public MainMenuTest {
  protected:
    void SetUp() override {
        MainMenuTest::SetUp();
        ensureDataTree("H17");
        writeCompany(1, "一社");
        writePerson(1, 1, "甲");
        storeLedgerOfPersonOne();
        typeCodes("1", "1");
        click("Command11");
        clearEvents();
    }

    // A decision stored before, with values the current records no longer give.
    void storeDecision(const char* status) {
        AdjustmentResultRecord record;
        record.lines.fill(7);
        record.statusText = status;
        AdjustmentResultFile::save("H17", 101, record);
    }

    std::optional<AdjustmentResultRecord> stored() {
        return AdjustmentResultFile::load("H17", 101);
    }
    std::string storedBytes() {
        return readBytes(*yearFilePath("H17", 101, YearFileKind::AdjustmentResult));
    }
};

TEST_F(StoredDecisionReplay, EachDecisionIsStoredAgainFromTheCurrentRecords) {
    struct Case {
        const char* status;  // nullptr: no stored decision
        std::optional<AdjustmentStatus> after;
    };
    const Case cases[] = {
        {"年末調整実行", AdjustmentStatus::Adjusted},
        {"年調しない", AdjustmentStatus::NotAdjusted},
        {nullptr, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status ? c.status : "none");
        if (c.status)
            storeDecision(c.status);
        else
            std::filesystem::remove(
                drives->host(*yearFilePath("H17", 101, YearFileKind::AdjustmentResult)));
        click("Command2");
        const auto record = stored();
        ASSERT_EQ(record.has_value(), c.after.has_value());
        if (!record) continue;
        EXPECT_EQ(record->status(), c.after);
        EXPECT_EQ(record->line(3), 5'000'000);
        EXPECT_EQ(record->line(6), 3'460'000);  // computed by the replayed adjustment
        EXPECT_EQ(record->line(25), *c.after == AdjustmentStatus::Adjusted ? 228'800 : 150'000);
        EXPECT_EQ(screens::read("Form3", "Text40"), QString(c.status));
    }
    EXPECT_TRUE(dialogs->messages.empty());
}

// Arms failing writes when the sheet's button is pressed, and lets writes succeed again once
// the sheet has said that the write failed.
class DisarmingDialogs : public ScriptedDialogs {
  public:
    explicit DisarmingDialogs(FailingWrites* failing) : failing_(failing) {}
    MessageAnswer messageBox(const QString& prompt, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override {
        failing_->disarm();
        return ScriptedDialogs::messageBox(prompt, title, icon, buttons);
    }

  private:
    FailingWrites* failing_;
};

// The replay writes the record once: when that write fails, the sheet says so once and the
// stored decision stays as it was.
TEST_F(StoredDecisionReplay, ANotAdjustedDecisionStaysStoredWhenAWriteFails) {
    storeDecision("年調しない");
    const std::string before = storedBytes();
    FailingWrites failing;
    auto host = std::make_unique<DisarmingDialogs>(&failing);
    dialogs = host.get();
    setDialogHost(std::move(host));
    ScreenRegistry::instance().setObserver([&](const ScreenEvent& event) {
        events.push_back(event);
        if (event.kind == Kind::Press && event.form == form3::kForm &&
            event.control == form3::kReplayStoredButton)
            failing.arm();
    });
    clearEvents();
    click("Command2");
    failing.disarm();

    EXPECT_EQ(eventsOf(Kind::Press),
              (std::vector<QString>{"Form3.Command6", "Form3.Command10",
                                    "Form3." + QString(form3::kReplayStoredButton)}));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(storedBytes(), before);
    EXPECT_EQ(eventsOf(Kind::Show), std::vector<QString>{"Form3"});
}

// The replay of a stored "年調しない" stopped or failing at any step of its writes leaves the
// stored decision as it was or as the replay leaves it: never "年末調整実行".
TEST_F(StoredDecisionReplay, CutShortAnywhereTheNotAdjustedDecisionStays) {
    storeDecision("年調しない");
    const std::string before = storedBytes();
    click("Command2");
    const std::string replayed = storedBytes();
    ASSERT_NE(replayed, before);
    for (const FileFaults::Mode mode : {FileFaults::Mode::Stop, FileFaults::Mode::Fail}) {
        int steps = 0;
        for (int step = 1;; ++step) {
            SCOPED_TRACE(testing::Message() << (mode == FileFaults::Mode::Stop ? "stop" : "fail")
                                            << " at step " << step);
            storeDecision("年調しない");
            if (!runWithFault(mode, step, [this] { click("Command2"); })) break;
            ++steps;
            test::startAgain();
            EXPECT_TRUE(storedBytes() == before || storedBytes() == replayed);
        }
        EXPECT_GT(steps, 0);
    }
}

// What the sheet and the print screen show after the replay is what 年末調整実行 and then
// 年末調整しない leave when pressed on the sheet, and so is the record.
TEST_F(StoredDecisionReplay, TheReplayEndsAsTheTwoPressesDo) {
    const auto shown = [] {
        std::map<QString, QString> texts;
        for (const QLineEdit* box : screens::touch(form3::kForm).findChildren<QLineEdit*>())
            texts[box->objectName()] = box->text() + (box->isHidden() ? " (hidden)" : "");
        for (const char* label : {form7::kHousingCreditLabel, form7::kSpouseIncomeLabel,
                                  form7::kPensionPremiumsLabel, form7::kLongTermCasualtyLabel})
            texts[QString("Form7.") + label] = screens::read(form7::kForm, label);
        return texts;
    };
    for (const char* label : {form7::kSpouseIncomeLabel, form7::kPensionPremiumsLabel})
        screens::write(form7::kForm, label, "前の人");
    storeDecision("年調しない");
    click("Command2");
    const auto replayedBoxes = shown();
    const std::string replayed = storedBytes();

    for (const char* label : {form7::kSpouseIncomeLabel, form7::kPensionPremiumsLabel})
        screens::write(form7::kForm, label, "前の人");
    storeDecision("年調しない");
    screens::write(form3::kForm, form3::kStatusBox, "年調しない");
    for (const char* button : {form3::kClearButton, form3::kAdjustButton, form3::kNotAdjustButton})
        test::click(form3::kForm, button);

    EXPECT_EQ(shown(), replayedBoxes);
    EXPECT_EQ(storedBytes(), replayed);
    EXPECT_EQ(replayedBoxes.at(form3::kStatusBox), "年調しない");
    EXPECT_EQ(replayedBoxes.at(form3::kEmploymentIncomeBox), "3,460,000");
}

}  // namespace
}  // namespace nencho::test
