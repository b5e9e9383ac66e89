#include "printing/page_images.h"

#include <gtest/gtest.h>

#include "form_fit.h"

namespace nencho {
namespace {

TEST(PageImages, EachNameHasItsFormStretchedAsItsPrintoutDrawsIt) {
    struct Case {
        std::string_view name;
        double width;
        double height;
    };
    const Case cases[] = {{kLedgerImage, 296, 209},
                          {kDependantsDeclarationImage, 296, 209},
                          {kInsuranceDeclarationImage, 291, 208}};
    ASSERT_EQ(pageImageNames().size(), std::size(cases));
    for (const Case& c : cases) {
        const FormDrawing* form = pageImageForm(c.name);
        ASSERT_NE(form, nullptr) << c.name;
        EXPECT_EQ(form->pageWidth, c.width) << c.name;
        EXPECT_EQ(form->pageHeight, c.height) << c.name;
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
