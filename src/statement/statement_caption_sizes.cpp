// The sizes the blank statement's captions are printed at. Where the form's own size would carry
// a caption across a rule of its cell, or onto the caption below or beside it, the caption is
// printed smaller at its own position. The sizes depend on the tables alone, so they are found
// once for the upper copies and once for the lower ones.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "printing/form_drawing.h"
#include "statement/statement_form.h"

namespace nencho {

namespace {

constexpr int kSmallestTenths = 10;  // one point

struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

bool overlap(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool isBlank(std::string_view character) {
    return character == " " || character == "　";
}

// The em box of each character a text prints (blanks print none), with the text's top-left
// corner at (x, y).
void addCharacterBoxes(std::string_view text, double points, double x, double y,
                       std::vector<Box>& boxes) {
    const double em = points * kMillimetresPerPoint;
    double left = x;
    for (const std::string& character : charactersOf(text)) {
        const double width = emsOf(character) * em;
        if (!isBlank(character)) boxes.push_back({left, y, left + width, y + em});
        left += width;
    }
}

// The ink of a rule: its length, and half its width to either side.
struct RuleArea {
    bool vertical = false;
    double at = 0;  // its x when vertical, its y when horizontal
    Box box;
};

void addRuleAreas(std::span<const StatementFormRule> rules, std::vector<RuleArea>& areas) {
    for (const StatementFormRule& rule : rules) {
        const double half = statementRuleWidth(rule.pixels) / 2;
        const double left = std::min(rule.x1, rule.x2);
        const double right = std::max(rule.x1, rule.x2);
        const double top = std::min(rule.y1, rule.y2);
        const double bottom = std::max(rule.y1, rule.y2);
        if (rule.x1 == rule.x2)
            areas.push_back(
                {true, static_cast<double>(rule.x1), {left - half, top, right + half, bottom}});
        else
            areas.push_back(
                {false, static_cast<double>(rule.y1), {left, top - half, right, bottom + half}});
    }
}

// A caption with the elements printed with it: one element, or the characters of a word that
// runs down its column, one element each at the same x and size.
struct Caption {
    std::size_t first = 0;
    std::size_t count = 1;
};

bool isOneCharacter(const StatementFormText& text) {
    int printed = 0;
    for (const std::string& character : charactersOf(text.text))
        if (!isBlank(character)) ++printed;
    return printed == 1;
}

std::vector<Caption> captionsOf(std::span<const StatementFormText> texts) {
    std::vector<Caption> captions;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) {
            const StatementFormText& before = texts[i - 1];
            const StatementFormText& text = texts[i];
            if (isOneCharacter(before) && isOneCharacter(text) && before.x == text.x &&
                before.points == text.points && before.y < text.y) {
                ++captions.back().count;
                continue;
            }
        }
        captions.push_back({i, 1});
    }
    return captions;
}

// Whether a caption's characters at the size stay clear of the rules past its start (a caption
// the form starts on its cell's rule keeps that start at any size), of the captions already
// placed and of each other.
bool staysClear(std::span<const StatementFormText> texts, const Caption& caption, double points,
                const std::vector<RuleArea>& rules, const std::vector<Box>& placed,
                std::vector<Box>& boxes) {
    boxes.clear();
    for (std::size_t i = caption.first; i < caption.first + caption.count; ++i) {
        const StatementFormText& text = texts[i];
        const std::size_t before = boxes.size();
        addCharacterBoxes(text.text, points, text.x, text.y, boxes);
        for (std::size_t b = before; b < boxes.size(); ++b) {
            for (const RuleArea& rule : rules) {
                const bool pastStart = rule.vertical ? rule.at > text.x : rule.at > text.y;
                if (pastStart && overlap(boxes[b], rule.box)) return false;
            }
            for (const Box& other : placed)
                if (overlap(boxes[b], other)) return false;
            for (std::size_t a = 0; a < before; ++a)
                if (overlap(boxes[b], boxes[a])) return false;
        }
    }
    return true;
}

// Each caption in turn from the last in reading order (lowest, then rightmost) to the first, so
// that each is fitted against the captions that start below or right of it as printed.
std::vector<double> fittedSizes(std::span<const StatementFormRule> perCopy) {
    const std::span<const StatementFormText> texts = statementCaptions();
    std::vector<RuleArea> rules;
    addRuleAreas(statementGrid(), rules);
    addRuleAreas(perCopy, rules);

    std::vector<Caption> captions = captionsOf(texts);
    std::stable_sort(captions.begin(), captions.end(), [&](const Caption& a, const Caption& b) {
        const StatementFormText& first = texts[a.first];
        const StatementFormText& second = texts[b.first];
        return first.y != second.y ? first.y > second.y : first.x > second.x;
    });

    std::vector<double> sizes(texts.size());
    std::vector<Box> placed;
    std::vector<Box> boxes;
    for (const Caption& caption : captions) {
        const StatementFormText& start = texts[caption.first];
        double points = start.points;
        // The working year is printed as held, at its own size, below its cell's heading.
        if (!start.isEraYear) {
            for (int tenths = start.points * 10; tenths >= kSmallestTenths; --tenths) {
                points = tenths / 10.0;
                if (staysClear(texts, caption, points, rules, placed, boxes)) break;
            }
            placed.insert(placed.end(), boxes.begin(), boxes.end());
        }
        for (std::size_t i = caption.first; i < caption.first + caption.count; ++i)
            sizes[i] = points;
    }
    return sizes;
}

}  // namespace

std::span<const double> statementCaptionSizes(int copy) {
    static const std::array<std::vector<double>, 2> sizes{fittedSizes(perCopyRules(1)),
                                                          fittedSizes(perCopyRules(3))};
    return sizes.at(copy <= 2 ? 0 : 1);
}

}  // namespace nencho
