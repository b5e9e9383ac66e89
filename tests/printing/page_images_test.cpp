#include "printing/page_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "form_fit.h"

namespace nencho {
namespace {

// Whether the form draws the four edges of the rectangle, each in the given width.
bool drawsFrame(const FormDrawing& form, const test::Area& frame, double width) {
    const auto drawn = [&](double x1, double y1, double x2, double y2) {
        return std::any_of(form.rules.begin(), form.rules.end(), [&](const FormRule& rule) {
            return rule.width == width &&
                   ((rule.x1 == x1 && rule.y1 == y1 && rule.x2 == x2 && rule.y2 == y2) ||
                    (rule.x1 == x2 && rule.y1 == y2 && rule.x2 == x1 && rule.y2 == y1));
        });
    };
    return drawn(frame.left, frame.top, frame.right, frame.top) &&
           drawn(frame.left, frame.bottom, frame.right, frame.bottom) &&
           drawn(frame.left, frame.top, frame.left, frame.bottom) &&
           drawn(frame.right, frame.top, frame.right, frame.bottom);
}

// Each form on its rectangle, and the frames (left, top, right, bottom in millimetres) that hold
// its parts, where its printout places their data.
TEST(PageImages, EachNameHasItsFormStretchedAsItsPrintoutDrawsIt) {
    struct Case {
        std::string_view name;
        double width;
        double height;
        std::vector<test::Area> frames;
    };
    const Case cases[] = {
        {kLedgerImage,
         296,
         209,
         {
             {20, 6, 32, 200},       // the vertical title, with the year above 年分
             {32, 6, 284, 21},       // the person's header and the declaration cells
             {32, 21, 165.2, 200},   // the months and bonuses
             {166.5, 23, 284, 57},   // the declared dependants
             {166.5, 60, 284, 200},  // the year-end adjustment
         }},
        {kDependantsDeclarationImage,
         296,
         209,
         {
             {20, 14, 292, 49},     // the payer and the person
             {20, 52, 292, 110.5},  // the spouse and the dependants
             {20, 114, 292, 136},   // C: the disabled, widows, widowers and students
             {20, 142, 292, 179},   // D: dependants another earner claims
         }},
        {kInsuranceDeclarationImage,
         291,
         208,
         {
             {12, 14, 285, 37},         // the payer and the person
             {12, 45, 186, 117},        // life insurance and individual pensions
             {12, 119, 186, 164},       // casualty insurance
             {12, 166, 115, 200},       // social insurance
             {115, 166, 186, 200},      // small-enterprise mutual aid
             {188, 45, 285, 200},       // the spouse special deduction
             {252.8, 101, 256.9, 107},  // its two digit boxes
             {256.9, 101, 261, 107},
         }},
    };
    ASSERT_EQ(pageImageNames().size(), std::size(cases));
    for (const Case& c : cases) {
        const FormDrawing* form = pageImageForm(c.name);
        ASSERT_NE(form, nullptr) << c.name;
        EXPECT_EQ(form->pageWidth, c.width) << c.name;
        EXPECT_EQ(form->pageHeight, c.height) << c.name;
        for (const test::Area& frame : c.frames)
            EXPECT_TRUE(drawsFrame(*form, frame, kMediumRule))
                << c.name << ": no frame " << frame.left << ", " << frame.top << ", " << frame.right
                << ", " << frame.bottom;
    }
    EXPECT_EQ(pageImageForm("no-such-form"), nullptr);
}

// Every caption stays inside its own area and off the rules, so it reads whole on paper.
TEST(PageImages, CaptionsFitTheirBoxes) {
    for (std::string_view name : pageImageNames()) {
        const FormDrawing& form = *pageImageForm(name);
        const auto rules = test::ruleAreas(form);
        for (const FormCaption& caption : form.captions)
            for (const PlacedText& piece : layOutCaption(caption)) {
                const test::Area ink = test::inkOf(piece.text, piece.left, piece.top, piece.points);
                const double slack = 1e-9;
                EXPECT_TRUE(ink.left >= caption.left - slack &&
                            ink.right <= caption.right + slack && ink.top >= caption.top - slack &&
                            ink.bottom <= caption.bottom + slack)
                    << name << ": " << caption.text << " leaves its area";
                for (const test::Area& rule : rules)
                    EXPECT_FALSE(test::overlap(ink, rule))
                        << name << ": " << caption.text << " touches a rule";
                EXPECT_TRUE(ink.left >= 0 && ink.right <= form.pageWidth && ink.top >= 0 &&
                            ink.bottom <= form.pageHeight)
                    << name << ": " << caption.text << " leaves the page";
            }
    }
}

TEST(FormCaptionLayout, PlacesLinesAndCharactersInTheirArea) {
    const double em = 10 * kMillimetresPerPoint;
    FormCaption caption{"計", 0, 0, 20, 10, 10, CaptionAlign::Centre};
    auto placed = layOutCaption(caption);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_DOUBLE_EQ(placed[0].left, (20 - em) / 2);
    EXPECT_DOUBLE_EQ(placed[0].top, (10 - em) / 2);

    caption.align = CaptionAlign::Right;
    caption.text = "12円";
    placed = layOutCaption(caption);
    ASSERT_EQ(placed.size(), 1u);
    EXPECT_DOUBLE_EQ(placed[0].left + placed[0].width, 20);
    EXPECT_DOUBLE_EQ(placed[0].width, 2 * em);

    caption.align = CaptionAlign::Spread;
    caption.text = "区分";
    placed = layOutCaption(caption);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_DOUBLE_EQ(placed[0].left, 0);
    EXPECT_DOUBLE_EQ(placed[1].left + placed[1].width, 20);

    caption = FormCaption{"年末\n調整", 0, 0, 30, 20, 10, CaptionAlign::Left};
    placed = layOutCaption(caption);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_DOUBLE_EQ(placed[1].top - placed[0].top, 1.2 * em);
    EXPECT_DOUBLE_EQ(placed[0].top + (placed[1].top + em - placed[0].top) / 2, 10);

    caption =
        FormCaption{"年末調整", 0, 0, 10, 100, 10, CaptionAlign::Spread, FormFace::Mincho, true};
    placed = layOutCaption(caption);
    ASSERT_EQ(placed.size(), 4u);
    EXPECT_DOUBLE_EQ(placed[0].top, 0);
    EXPECT_DOUBLE_EQ(placed[3].top + em, 100);
    EXPECT_DOUBLE_EQ(placed[2].left, (10 - em) / 2);
}

}  // namespace
}  // namespace nencho
