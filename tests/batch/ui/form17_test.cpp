#include "batch/ui/form17.h"

#include <QPushButton>
#include <set>

#include "batch/ui/form17_controls.h"
#include "platform/ui/printer_pages.h"
#include "platform/ui/screen.h"
#include "printing/print_fixture.h"
#include "printing/ui/form7.h"
#include "printing/ui/form7_controls.h"
#include "support/recording_pages.h"
#include "support/screen_test.h"
#include "support/test_queues.h"

namespace nencho {
namespace {

using namespace form17;
using test::click;

// Company 1 has persons at codes 1, 2 and 4; the batch screen is opened from the print screen.
class Form17Test : public test::ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (std::int32_t code : {1, 2, 4}) test::writeFixtureYear(1, code);
    }

    // As the main menu opens the print screen, and its 全員の一括印刷 the batch screen.
    void openFromPrintScreen(const QString& person) {
        screens::write(form7::kForm, form7::kYearBox, "H17");
        screens::write(form7::kForm, form7::kEraYearBox, "17");
        screens::write(form7::kForm, form7::kCompanyBox, "1");
        screens::write(form7::kForm, form7::kPersonBox, person);
        for (const char* button : {form7::kClearButton, form7::kYearButton, form7::kLoadButton,
                                   form7::kDisplayButton, form7::kNotesButton})
            screens::press(form7::kForm, button);
        screens::show(form7::kForm);
        click(form7::kForm, form7::kBatchButton);
    }

    Form17& batch() const { return static_cast<Form17&>(screens::touch(kForm)); }
    QString shown(const char* control) const { return screens::read(kForm, control); }
    void typeRange(const QString& first, const QString& last) {
        screens::write(kForm, kFirstCodeBox, first);
        screens::write(kForm, kLastCodeRangeBox, last);
    }
    std::vector<std::string> documentNames() const {
        std::vector<std::string> names;
        for (const auto& document : printing.documents()) names.push_back(document.name);
        return names;
    }

    test::RecordedPrinting printing;
};

using Names = std::vector<std::string>;

TEST_F(Form17Test, TheHandOverBringsTheYearItsDigitsTheCompanyAndThePerson) {
    openFromPrintScreen("2");
    EXPECT_TRUE(batch().isVisible());
    EXPECT_EQ(batch().windowTitle(), "全員の印刷");
    EXPECT_EQ(batch().workingYear(), "H17");
    EXPECT_EQ(shown(kEraYearBox), "17");
    EXPECT_EQ(batch().printData().personKey, 102);
    EXPECT_EQ(batch().printData().taxEraYear, "17");
    EXPECT_EQ(batch().printData().spouseFlag, 1);
    EXPECT_TRUE(printing.documents().empty());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(Form17Test, AnAllPersonsRunFindsTheLastCodeAndStopsAtTheGapSayingWhere) {
    openFromPrintScreen("1");
    struct Case {
        const char* button;
        const char* document;
    };
    const Case cases[] = {{kAllStatementsButton, "源泉徴収票"},
                          {kAllLedgersButton, "源泉徴収簿"},
                          {kAllDependantsButton, "扶養控除等申告書"},
                          {kAllInsuranceButton, "保険控除 兼 配偶者特別控除申告書"}};
    for (const Case& c : cases) {
        printing.opener().documents.clear();
        dialogs->messages.clear();
        click(kForm, c.button);
        EXPECT_EQ(shown(kLastCodeBox), "4");
        EXPECT_EQ(batch().lastPersonCode(), 4);
        EXPECT_EQ(documentNames(), (Names{c.document, c.document}));
        ASSERT_EQ(dialogs->messages.size(), 1u) << c.button;
        EXPECT_EQ(dialogs->messages[0].title, "全員の一括印刷");
        EXPECT_TRUE(dialogs->messages[0].prompt.contains("個人コード 3 の個人は登録されていない"))
            << dialogs->messages[0].prompt.toStdString();
        EXPECT_EQ(shown(kPersonBox), "2");
    }
}

TEST_F(Form17Test, RangeRunsPrintTheTypedCodesOrSayWhyNothing) {
    openFromPrintScreen("1");
    typeRange("4", "4");
    click(kForm, kRangeLedgersButton);
    EXPECT_EQ(documentNames(), Names{"源泉徴収簿"});
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(shown(kPersonBox), "4");

    struct Case {
        const char* first;
        const char* last;
        const char* says;
    };
    for (const Case& c :
         {Case{"5", "2", "大きい"}, Case{"", "", "両方に"}, Case{"3", "", "両方に"}}) {
        printing.opener().documents.clear();
        dialogs->messages.clear();
        typeRange(c.first, c.last);
        click(kForm, kRangeStatementsButton);
        EXPECT_TRUE(printing.documents().empty()) << c.first;
        ASSERT_EQ(dialogs->messages.size(), 1u) << c.first;
        EXPECT_EQ(dialogs->messages[0].title, "特定の印刷");
        EXPECT_TRUE(dialogs->messages[0].prompt.contains(c.says))
            << dialogs->messages[0].prompt.toStdString();
        EXPECT_EQ(shown(kFirstCodeBox), c.first);
        EXPECT_EQ(shown(kLastCodeRangeBox), c.last);
    }
}

TEST_F(Form17Test, SameCopiesTheFirstCodeAndCEmptiesBoth) {
    openFromPrintScreen("1");
    struct Case {
        const char* first;
        const char* copied;
    };
    for (const Case& c : {Case{"3", "3"}, Case{"2.5", "2"}, Case{"3.5", "4"}}) {
        typeRange(c.first, "9");
        click(kForm, kSameCodeButton);
        EXPECT_EQ(shown(kLastCodeRangeBox), c.copied) << c.first;
        EXPECT_EQ(shown(kFirstCodeBox), c.first);
    }
    typeRange("三", "9");
    click(kForm, kSameCodeButton);
    EXPECT_EQ(shown(kLastCodeRangeBox), "9");
    EXPECT_EQ(dialogs->beeps, 1);

    click(kForm, kRangeClearButton);
    EXPECT_EQ(shown(kFirstCodeBox), "");
    EXPECT_EQ(shown(kLastCodeRangeBox), "");
}

TEST_F(Form17Test, APrinterFailureStopsTheRunWithOneMessage) {
    printing.opener().noPrinter = true;
    openFromPrintScreen("1");
    click(kForm, kAllStatementsButton);
    EXPECT_TRUE(printing.documents().empty());
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].title, "全員の一括印刷");
    EXPECT_TRUE(dialogs->messages[0].prompt.contains("プリンター"));
    EXPECT_TRUE(dialogs->messages[0].prompt.contains("個人コード 1 から 4 までは印刷していません"))
        << dialogs->messages[0].prompt.toStdString();
}

// Pages on the real default printer: the holding queue, which starts refusing jobs, as a queue
// set to refuse them while a run goes on, once the given number of pages has been opened.
class RefusingAfterOpener : public PageOpener {
  public:
    RefusingAfterOpener(test::DefaultQueue& queue, int acceptedPages)
        : queue_(queue), accepted_(acceptedPages) {}
    std::unique_ptr<PrinterPage> open(const std::string& documentName) override {
        if (opened_++ == accepted_) queue_.use(test::kRefusingQueue);
        return DefaultPrinterOpener().open(documentName);
    }

  private:
    test::DefaultQueue& queue_;
    int accepted_;
    int opened_ = 0;
};

TEST_F(Form17Test, TheSchedulerHoldsAJobForEveryPersonTheRunPrintedAndARefusalStopsIt) {
    if (!test::hasTestPrinter()) GTEST_SKIP() << "no test printer (NENCHO_TEST_CUPS)";
    const std::string document = "源泉徴収票";
    struct Case {
        int acceptedPages;
        std::size_t held;       // jobs the scheduler holds after the run
        const char* unprinted;  // what the one message says is left
        const char* refusedBy;  // the printer the message names, if any
        const char* person;     // where the run stopped: the last person loaded
    };
    for (const Case& c :
         {Case{99, 2, "個人コード 3 から 4 までは印刷していません", nullptr, "2"},
          Case{1, 1, "個人コード 2 から 4 までは印刷していません", "TEST-REFUSE", "2"}}) {
        test::DefaultQueue queue(test::kHoldingQueue);
        test::CancelledJobs cancelled(test::kHoldingQueue);
        const std::set<int> before = test::heldJobs(test::kHoldingQueue, document);
        setPageOpener(std::make_unique<RefusingAfterOpener>(queue, c.acceptedPages));
        openFromPrintScreen("1");
        dialogs->messages.clear();
        screens::press(kForm, kAllStatementsButton);

        for (int id : test::heldJobs(test::kHoldingQueue, document))
            if (!before.contains(id)) cancelled.ids.insert(id);
        EXPECT_EQ(cancelled.ids.size(), c.held) << c.acceptedPages;
        ASSERT_EQ(dialogs->messages.size(), 1u) << c.acceptedPages;
        const QString& said = dialogs->messages[0].prompt;
        EXPECT_EQ(dialogs->messages[0].title, "全員の一括印刷");
        EXPECT_TRUE(said.contains(c.unprinted)) << said.toStdString();
        if (c.refusedBy) {
            EXPECT_TRUE(said.contains(QString("プリンター「%1」").arg(c.refusedBy)))
                << said.toStdString();
            EXPECT_TRUE(said.contains("not accepting jobs")) << said.toStdString();
        }
        EXPECT_EQ(shown(kPersonBox), c.person) << c.acceptedPages;
    }
}

TEST_F(Form17Test, EndHidesTheScreenAndTheNextHandOverFindsItsBoxesEmpty) {
    openFromPrintScreen("1");
    click(kForm, kAllLedgersButton);
    typeRange("1", "2");
    click(kForm, kEndButton);
    EXPECT_FALSE(batch().isVisible());
    for (const char* box : {kFirstCodeBox, kLastCodeRangeBox, kLastCodeBox, kCompanyBox})
        EXPECT_EQ(shown(box), "") << box;

    click(form7::kForm, form7::kBatchButton);
    EXPECT_TRUE(batch().isVisible());
    EXPECT_EQ(shown(kLastCodeBox), "");
    EXPECT_EQ(shown(kFirstCodeBox), "");
    EXPECT_EQ(batch().lastPersonCode(), 4);  // until the next probe
}

TEST_F(Form17Test, EachBatchPageEqualsThePrintScreensAtShiftZero) {
    // Casualty relations and maturities too long for their narrow columns at the row's size.
    InsuranceRecord insurance = test::fixtureInsurance();
    insurance.casualtyPolicies[0].relation = "配偶者の父母";
    insurance.casualtyPolicies[0].maturity = "平成25年3月";
    insurance.casualtyPolicies[1].maturity = "平成30年12月31日";
    InsuranceFile::save(test::kPrintYear, *personKey(1, 1), insurance);
    openFromPrintScreen("1");
    const char* printScreenButtons[] = {form7::kStatementPrintButton, form7::kLedgerPrintButton,
                                        form7::kDependantsPrintButton,
                                        form7::kInsurancePrintButton};
    const char* batchButtons[] = {kRangeStatementsButton, kRangeLedgersButton,
                                  kRangeDependantsButton, kRangeInsuranceButton};
    for (const char* button : printScreenButtons) click(form7::kForm, button);
    typeRange("1", "1");
    for (const char* button : batchButtons) click(kForm, button);
    EXPECT_TRUE(dialogs->messages.empty());

    const auto& documents = printing.documents();
    ASSERT_EQ(documents.size(), 8u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(documents[i + 4].name, documents[i].name);
        EXPECT_EQ(documents[i + 4].page->log(), documents[i].page->log()) << documents[i].name;
    }
    // Too long for one line of 6 points, the maturity stands on two.
    int fitted = 0;
    for (const PrintOperation& text : documents[3].page->operationsOf(PrintOperation::Kind::Text))
        fitted += (text.text == "平成25" || text.text == "年3月") && text.fontSize < 11;
    EXPECT_EQ(fitted, 2);
    const auto& printScreen = static_cast<Form7&>(screens::touch(form7::kForm));
    EXPECT_TRUE(batch().printData() == printScreen.printData());
}

}  // namespace
}  // namespace nencho
