// A premium typed on the insurance screen, followed through the year-end sheet's adjustment and
// its stored result to the printed insurance declaration.
#include <algorithm>

#include "platform/ui/screen.h"
#include "printing/print_fixture.h"
#include "printing/ui/form7_controls.h"
#include "support/recording_pages.h"
#include "support/screen_test.h"
#include "yearend/adjustment_result_file.h"
#include "yearend/insurance_file.h"
#include "yearend/ui/form3_controls.h"
#include "yearend/ui/form4_boxes.h"
#include "yearend/ui/form4_controls.h"

namespace nencho::test {
namespace {

// Person 5 of company 1 with the print fixture's year: life premiums 120,000 and 30,000,
// a pension premium of 60,000.
class PremiumToDeclaration : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        writeFixtureYear(1, 5);
    }

    // Each screen as the main menu opens it: year, codes, then its year, clear and load.
    static void openInsuranceScreen() {
        using namespace form4;
        screens::write(kForm, kYearBox, "H17");
        screens::write(kForm, kCompanyBox, "1");
        screens::write(kForm, kPersonBox, "5");
        for (const char* button : {kYearButton, kClearButton, kLoadButton})
            screens::press(kForm, button);
        screens::show(kForm);
    }
    static void openYearEndSheet() {
        using namespace form3;
        screens::write(kForm, kYearBox, "H17");
        screens::write(kForm, kCompanyBox, "1");
        screens::write(kForm, kPersonBox, "5");
        for (const char* button : {kClearButton, kLoadButton}) screens::press(kForm, button);
        screens::show(kForm);
    }
    static void openPrintScreen() {
        using namespace form7;
        screens::write(kForm, kYearBox, "H17");
        screens::write(kForm, kEraYearBox, "17");
        screens::write(kForm, kCompanyBox, "1");
        screens::write(kForm, kPersonBox, "5");
        for (const char* button :
             {kClearButton, kYearButton, kLoadButton, kDisplayButton, kNotesButton})
            screens::press(kForm, button);
        screens::show(kForm);
    }

    static QString box(int number) { return QStringLiteral("Text%1").arg(number); }
};

// The texts printed on the page's line at `top` millimetres.
std::vector<std::string> printedAt(const RecordingPage& page, double top) {
    std::vector<std::string> texts;
    for (const PrintOperation& text : page.operationsOf(PrintOperation::Kind::Text))
        if (text.y == top) texts.push_back(text.text);
    return texts;
}

bool has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST_F(PremiumToDeclaration, ATypedPremiumReachesTheStoredAdjustmentAndThePrintedDeclaration) {
    // The clerk types the first life premium down to 60,000 and a declared national health
    // insurance of 12,345, then computes.
    openInsuranceScreen();
    screens::write(form4::kForm, box(form4::kLifeRows[0].amount), "60,000");
    screens::write(form4::kForm, box(form4::kDeclaredSocialInsuranceBox), "12,345");
    click(form4::kForm, form4::kComputeButton);
    const auto insurance = InsuranceFile::load("H17", 105);
    ASSERT_TRUE(insurance);
    EXPECT_EQ(insurance->lifeTotal, 90'000);
    // Life 90,000: a quarter plus 25,000 = 47,500; pension 60,000: 40,000.
    EXPECT_EQ(insurance->lifeInsuranceDeduction, 87'500);
    EXPECT_EQ(insurance->declaredSocialInsurance, 12'345);

    // The year-end sheet shows both and the adjustment stores them.
    openYearEndSheet();
    EXPECT_EQ(screens::read(form3::kForm, form3::kLifeInsuranceBox), "87,500");
    EXPECT_EQ(screens::read(form3::kForm, form3::kDeclaredInsuranceBox), "12,345");
    click(form3::kForm, form3::kAdjustButton);
    const auto stored = AdjustmentResultFile::load("H17", 105);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->value(AdjustmentValue::LifeInsuranceDeduction), 87'500);
    EXPECT_EQ(stored->value(AdjustmentValue::DeclaredSocialInsurance), 12'345);
    EXPECT_TRUE(dialogs->messages.empty());

    // The declaration printed from the print screen carries the typed figures.
    RecordedPrinting printing;
    openPrintScreen();
    click(form7::kForm, form7::kInsurancePrintButton);
    ASSERT_EQ(printing.documents().size(), 1u);
    const RecordingPage& page = *printing.documents()[0].page;
    EXPECT_TRUE(has(printedAt(page, 60), "60,000")) << page.log();   // the first life policy
    EXPECT_TRUE(has(printedAt(page, 77), "90,000")) << page.log();   // the life total
    EXPECT_TRUE(has(printedAt(page, 110), "87,500")) << page.log();  // the deduction
    EXPECT_TRUE(has(printedAt(page, 184), "12,345")) << page.log();  // national health
}

}  // namespace
}  // namespace nencho::test
