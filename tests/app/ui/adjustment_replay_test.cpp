// The main menu's replay of a person's stored year-end decision, with the year-end sheet
// recomputing from the person's records: what stays stored.
#include "ledger/ledger_file.h"
#include "main_menu_fixture.h"
#include "platform/file_system.h"
#include "support/failing_writes.h"
#include "yearend/adjustment_result_file.h"

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

TEST_F(StoredDecisionReplay, ANotAdjustedDecisionStaysStoredWhenAWriteFails) {
    struct Case {
        const char* failingButton;
        std::vector<QString> replayPresses;
    };
    const Case cases[] = {
        // The adjustment stored nothing: the decision is not written again.
        {"Command1", {"Form3.Command6", "Form3.Command1"}},
        // The adjustment was stored, the decision not to adjust was not: it is put back.
        {"Command7", {"Form3.Command6", "Form3.Command1", "Form3.Command7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failingButton);
        storeDecision("年調しない");
        const std::string before = storedBytes();
        FailingWrites failing;
        auto host = std::make_unique<DisarmingDialogs>(&failing);
        dialogs = host.get();
        setDialogHost(std::move(host));
        ScreenRegistry::instance().setObserver([&](const ScreenEvent& event) {
            events.push_back(event);
            if (event.kind == Kind::Press && event.form == "Form3" &&
                event.control == c.failingButton)
                failing.arm();
        });
        clearEvents();
        click("Command2");
        failing.disarm();

        std::vector<QString> presses{"Form3.Command6", "Form3.Command10"};
        presses.insert(presses.end(), c.replayPresses.begin(), c.replayPresses.end());
        EXPECT_EQ(eventsOf(Kind::Press), presses);
        ASSERT_EQ(dialogs->messages.size(), 1u);
        EXPECT_EQ(storedBytes(), before);
        EXPECT_EQ(eventsOf(Kind::Show), std::vector<QString>{"Form3"});
    }
}

}  // namespace
}  // namespace nencho::test
