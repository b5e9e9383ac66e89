// What every printout over one of our forms shares: its page set-up, and a page that does not
// depend on what the page held before.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "platform/recording_page.h"
#include "printing/page_images.h"
#include "printing/printouts.h"
#include "printout_fixture.h"

namespace nencho {
namespace {

using Kind = PrintOperation::Kind;
using Printout = void (*)(PrinterPage&, const PrintData&);

struct FormPrintout {
    const char* name;
    Printout print;
    std::string_view image;
    double width;  // the rectangle the page image is stretched to, millimetres
    double height;
};

const FormPrintout kFormPrintouts[] = {
    {"ledger", printWithholdingLedger, kLedgerImage, 296, 209},
    {"dependants declaration", printDependantsDeclaration, kDependantsDeclarationImage, 296, 209},
    {"insurance declaration", printInsuranceDeclaration, kInsuranceDeclarationImage, 291, 208}};

RecordingPage printed(Printout print, const PrintData& data) {
    RecordingPage page;
    print(page, data);
    return page;
}

std::vector<PrintOperation> operationsAfter(const RecordingPage& page, std::size_t before) {
    return {page.operations().begin() + static_cast<std::ptrdiff_t>(before),
            page.operations().end()};
}

TEST(FormPrintouts, SetTheFaceAndDrawTheFormFirstAndLeaveTheDocumentOpen) {
    for (const FormPrintout& printout : kFormPrintouts) {
        SCOPED_TRACE(printout.name);
        const RecordingPage page = printed(printout.print, test::fullPrintData());
        const auto& ops = page.operations();
        ASSERT_GE(ops.size(), 2u);
        EXPECT_EQ(ops[0].kind, Kind::FontName);
        EXPECT_EQ(ops[0].text, "MS 明朝");
        EXPECT_EQ(ops[1].kind, Kind::Image);
        EXPECT_EQ(ops[1].text, printout.image);
        EXPECT_EQ(std::vector<double>({ops[1].x, ops[1].y, ops[1].x2, ops[1].y2}),
                  std::vector<double>({0, 0, printout.width, printout.height}));
        // The caller ends the document (or drops it after a failure); no line is drawn.
        EXPECT_TRUE(page.operationsOf(Kind::EndDocument).empty());
        EXPECT_TRUE(page.operationsOf(Kind::Abort).empty());
        EXPECT_TRUE(page.operationsOf(Kind::Line).empty());
        for (const PrintOperation& text : page.operationsOf(Kind::Text))
            EXPECT_EQ(text.fontName, "MS 明朝") << text.text;
    }
}

TEST(FormPrintouts, GiveTheSamePageWhateverThePageHeldBefore) {
    const PrintData data = test::fullPrintData();
    const FormPrintout* previous = &kFormPrintouts[std::size(kFormPrintouts) - 1];
    for (const FormPrintout& printout : kFormPrintouts) {
        SCOPED_TRACE(printout.name);
        const RecordingPage first = printed(printout.print, data);
        EXPECT_EQ(printed(printout.print, data).log(), first.log());

        // A page left at another face, size and place.
        RecordingPage moved;
        moved.setFontName("IPAGothic");
        moved.setFontSize(7);
        moved.moveTo(100, 100);
        std::size_t before = moved.operations().size();
        printout.print(moved, data);
        EXPECT_EQ(operationsAfter(moved, before), first.operations());

        // A page another printout has drawn on.
        RecordingPage used;
        previous->print(used, data);
        before = used.operations().size();
        printout.print(used, data);
        EXPECT_EQ(operationsAfter(used, before), first.operations());
        previous = &printout;
    }
}

}  // namespace
}  // namespace nencho
