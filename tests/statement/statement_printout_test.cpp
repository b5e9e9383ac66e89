#include "statement/statement_printout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_page.h"
#include "printing/print_data.h"
#include "statement/statement_shift.h"

namespace nencho {
namespace {

using Kind = PrintOperation::Kind;

PrintData dataWithReduction(std::int32_t reduction) {
    PrintData data;
    data.adjustmentResult[AdjustmentValue::FixedRateReduction] = reduction;
    data.taxEraYear = "17";
    return data;
}

RecordingPage printed(const PrintData& data, StatementPart part, double dx = 0, double dy = 0) {
    RecordingPage page;
    printStatement(page, data, part, dx, dy);
    return page;
}

std::vector<PrintOperation> textsStartingWith(const RecordingPage& page, const std::string& head) {
    std::vector<PrintOperation> found;
    for (const auto& op : page.operationsOf(Kind::Text))
        if (op.text.starts_with(head)) found.push_back(op);
    return found;
}

TEST(StatementPrintout, FixedRateLinesStandInEveryCopyUnmovedByTheShift) {
    struct Case {
        std::int32_t reduction;
        std::string line;
    };
    const Case cases[] = {
        {500, "年調定率控除額  500  円"},
        {0, "年調定率控除額    円"},
        {25000, "年調定率控除額  25,000  円"},
    };
    const double positions[4][2] = {{23, 49}, {170, 49}, {23, 152}, {170, 152}};
    for (const Case& c : cases) {
        for (StatementPart part : {StatementPart::Data, StatementPart::FormAndData}) {
            for (double shift : {0.0, 3.0, -2.0}) {
                const RecordingPage page =
                    printed(dataWithReduction(c.reduction), part, shift, -shift);
                const auto lines = textsStartingWith(page, "年調定率控除額");
                ASSERT_EQ(lines.size(), 4u) << c.reduction;
                for (int copy = 0; copy < 4; ++copy) {
                    EXPECT_EQ(lines[copy].text, c.line);
                    EXPECT_EQ(lines[copy].x, positions[copy][0]);
                    EXPECT_EQ(lines[copy].y, positions[copy][1]);
                    EXPECT_EQ(lines[copy].fontSize, 7);
                    EXPECT_EQ(lines[copy].fontName, "MS 明朝");
                }
            }
        }
    }
    EXPECT_TRUE(textsStartingWith(printed(dataWithReduction(500), StatementPart::Form), "年調定率")
                    .empty());
}

TEST(StatementPrintout, EachPrintoutSetsUpItsPageFirstAndLeavesTheEndToTheCaller) {
    for (StatementPart part :
         {StatementPart::Form, StatementPart::Data, StatementPart::FormAndData}) {
        const RecordingPage page = printed(dataWithReduction(500), part);
        const auto& ops = page.operations();
        ASSERT_GE(ops.size(), 2u);
        EXPECT_EQ(ops.front().kind, Kind::FontName);
        EXPECT_TRUE(page.operationsOf(Kind::EndDocument).empty());
        EXPECT_TRUE(page.operationsOf(Kind::Abort).empty());
        // Only the form draws rules.
        EXPECT_EQ(page.operationsOf(Kind::Line).empty(), part == StatementPart::Data);
    }
}

// The operations of the full statement that the form drew: its last ones.
std::vector<PrintOperation> formOf(const RecordingPage& page, std::size_t count) {
    const auto& ops = page.operations();
    return {ops.end() - static_cast<std::ptrdiff_t>(count), ops.end()};
}

TEST(StatementPrintout, TheFormOfTheFullStatementIsTheBlankFormWhateverTheShift) {
    PrintData data = dataWithReduction(123456);
    data.taxEraYear = "13";
    const RecordingPage blank = printed(data, StatementPart::Form);
    // Everything after the set-up.
    const std::vector<PrintOperation> blankForm(blank.operations().begin() + 1,
                                                blank.operations().end());
    const StatementShiftRange right =
        statementShiftRange(data, StatementPart::FormAndData, StatementShiftBox::Right);
    const StatementShiftRange down =
        statementShiftRange(data, StatementPart::FormAndData, StatementShiftBox::Down);
    const double shifts[][2] = {{0, 0},
                                {5, 3},
                                {double(right.least), double(down.least)},
                                {double(right.most), double(down.most)}};
    for (const auto& shift : shifts) {
        const RecordingPage full = printed(data, StatementPart::FormAndData, shift[0], shift[1]);
        EXPECT_EQ(formOf(full, blankForm.size()), blankForm) << shift[0] << "," << shift[1];
    }
}

TEST(StatementPrintout, TheBlankFormPrintsTheWorkingYearOfThePrintData) {
    PrintData data;
    data.taxEraYear = "14";
    const RecordingPage page = printed(data, StatementPart::Form);
    int years = 0;
    for (const auto& op : page.operationsOf(Kind::Text)) years += op.text == "14";
    EXPECT_EQ(years, 4);
}

}  // namespace
}  // namespace nencho
