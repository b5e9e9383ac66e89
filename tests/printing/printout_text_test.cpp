// How a data text is fitted into its room on a form: the Part's size when it fits, else one line
// as large as fits, else two lines when one would be below 6 points and two can be larger.
#include "printing/printout_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printing/form_drawing.h"

namespace nencho {
namespace {

TEST(FitTextInRoom, KeepsTheSizeShrinksOrBreaksIntoTwoLines) {
    const double mm = kMillimetresPerPoint;
    struct Case {
        const char* what;
        std::string text;
        double right;  // the room from x 10, between 20 and `bottom`
        double bottom;
        double points;
        std::vector<std::string> lines;
    };
    const double ample = 20 + 2 * 11 * mm + 1;
    const Case cases[] = {
        {"fits", "山田　太郎", 10 + 5 * 11 * mm, ample, 11, {"山田　太郎"}},
        {"trailing blanks print no ink", "山田  ", 10 + 2 * 11 * mm, ample, 11, {"山田  "}},
        {"one line a tenth smaller",
         "山田　太郎",
         10 + 5 * 10.95 * mm,
         ample,
         10.9,
         {"山田　太郎"}},
        {"one line at 6 points",
         "一二三四五六七八九十",
         10 + 10 * 6 * mm,
         ample,
         6,
         {"一二三四五六七八九十"}},
        {"two lines below 6",
         "一二三四五六七八九十",
         10 + 10 * 5.9 * mm,
         ample,
         11,
         {"一二三四五", "六七八九十"}},
        {"two lines no higher than the room",
         "一二三四五六七八九十",
         10 + 10 * 5.9 * mm,
         20 + 2 * 7.05 * mm,
         7,
         {"一二三四五", "六七八九十"}},
        {"one line when two would be smaller",
         "一二三四五六七八九十",
         10 + 10 * 5.9 * mm,
         20 + 2 * 5.05 * mm,
         5.9,
         {"一二三四五六七八九十"}},
        {"never inside a number", "平成25年3月", 18.6, 27, 8.1, {"平成25", "年3月"}},
        {"empty", "", 11, ample, 11, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FittedText fitted = fitTextInRoom(c.text, 10, 20.5, 11, {c.right, 20, c.bottom});
        EXPECT_DOUBLE_EQ(fitted.points, c.points);
        std::vector<std::string> lines;
        for (const FittedLine& line : fitted.lines) {
            lines.push_back(line.text);
            EXPECT_EQ(line.x, 10);
            const std::string ink = line.text.substr(0, line.text.find_last_not_of(' ') + 1);
            EXPECT_LE(emsOf(ink) * fitted.points * mm, c.right - 10 + 1e-9);
        }
        EXPECT_EQ(lines, c.lines);
        const double em = fitted.points * mm;
        if (lines.size() == 1) {  // centred on the line of 11 points
            EXPECT_NEAR(fitted.lines[0].y + em / 2, 20.5 + 11 * mm / 2, 1e-9);
        } else if (lines.size() == 2) {  // one under the other, inside the room
            EXPECT_NEAR(fitted.lines[1].y - fitted.lines[0].y, em, 1e-9);
            EXPECT_GE(fitted.lines[0].y, 20);
            EXPECT_LE(fitted.lines[1].y + em, c.bottom + 1e-9);
        }
    }
}

}  // namespace
}  // namespace nencho
