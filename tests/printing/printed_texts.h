#pragma once
// The texts a printout printed, compared with the texts a form's tables place.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "common/amount.h"
#include "platform/recording_page.h"

namespace nencho::test {

struct Placed {
    std::string text;
    double x;
    double y;
    double points;
};

inline std::string show(const std::vector<Placed>& texts) {
    std::ostringstream out;
    for (const Placed& t : texts)
        out << t.points << "pt (" << t.x << ", " << t.y << ") " << t.text << '\n';
    return out.str();
}

inline std::vector<Placed> placedTexts(const RecordingPage& page) {
    std::vector<Placed> texts;
    for (const PrintOperation& op : page.operationsOf(PrintOperation::Kind::Text))
        texts.push_back({op.text, op.x, op.y, op.fontSize});
    return texts;
}

inline void expectSame(const std::vector<Placed>& actual, const std::vector<Placed>& expected) {
    bool same = actual.size() == expected.size();
    for (std::size_t i = 0; same && i < actual.size(); ++i)
        same = actual[i].text == expected[i].text && std::abs(actual[i].x - expected[i].x) < 1e-9 &&
               actual[i].y == expected[i].y && actual[i].points == expected[i].points;
    EXPECT_TRUE(same) << "printed:\n" << show(actual) << "expected:\n" << show(expected);
}

// Half a character of 11 pt: the width of a blank, a digit, a comma or a minus sign.
constexpr double kHalfEm = 0.5 * 11 * 25.4 / 72;

// An amount as the form places it: the blank or minus sign and the plain digits end at the
// edge; 0 prints nothing.
inline void addAmount(std::vector<Placed>& texts, std::int64_t amount, double edge, double y) {
    if (amount == 0) return;
    const double measured = static_cast<double>(std::to_string(std::llabs(amount)).size() + 1);
    texts.push_back({formatAmount(amount), edge - measured * kHalfEm, y, 11});
}

inline void addText(std::vector<Placed>& texts, const std::string& text, double x, double y,
                    double points) {
    if (!text.empty()) texts.push_back({text, x, y, points});
}

inline std::string number(int value) {
    return (value < 0 ? "" : " ") + std::to_string(value);
}

// The nth text printed at that height.
inline const PrintOperation& textAt(const RecordingPage& page, const std::string& text, double y,
                                    int nth = 0) {
    static const PrintOperation none;
    for (const PrintOperation& op : page.operations())
        if (op.kind == PrintOperation::Kind::Text && op.text == text && op.y == y && nth-- == 0)
            return op;
    ADD_FAILURE() << "nothing printed: " << text << " at " << y;
    return none;
}

}  // namespace nencho::test
