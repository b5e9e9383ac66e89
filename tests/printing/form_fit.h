#pragma once
// Whether printed data sits in the boxes of a form's drawing: the ink of each printed text
// crosses no rule and no caption, and the straight way from the text to its caption crosses no
// rule (the two share a box).
#include <algorithm>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/recording_page.h"
#include "printing/form_drawing.h"

namespace nencho::test {

struct Area {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

inline bool overlap(const Area& a, const Area& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The ink of a text: its width without surrounding blanks, and the height a character's ink
// takes of its em box (from a tenth of an em below the top to 0.95 em).
inline Area inkOf(std::string_view text, double left, double top, double points) {
    const double em = points * kMillimetresPerPoint;
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {left, top, left, top};
    const std::size_t last = text.find_last_not_of(' ');
    const double start = left + emsOf(text.substr(0, first)) * em;
    const double end = start + emsOf(text.substr(first, last - first + 1)) * em;
    return {start, top + 0.1 * em, end, top + 0.95 * em};
}

inline Area inkOf(const PrintOperation& text) {
    return inkOf(text.text, text.x, text.y, text.fontSize);
}

inline std::vector<Area> ruleAreas(const FormDrawing& form) {
    std::vector<Area> areas;
    for (const FormRule& rule : form.rules) {
        const double half = rule.width / 2;
        areas.push_back({std::min(rule.x1, rule.x2) - half, std::min(rule.y1, rule.y2) - half,
                         std::max(rule.x1, rule.x2) + half, std::max(rule.y1, rule.y2) + half});
    }
    return areas;
}

struct CaptionInk {
    std::string text;  // the whole caption
    Area area;         // the ink of one placed piece
};

inline std::vector<CaptionInk> captionInks(const FormDrawing& form) {
    std::vector<CaptionInk> inks;
    for (const FormCaption& caption : form.captions)
        for (const PlacedText& piece : layOutCaption(caption))
            inks.push_back({caption.text, inkOf(piece.text, piece.left, piece.top, piece.points)});
    return inks;
}

// Whether the segment from a to b passes through the area (the slab method).
inline bool crosses(double ax, double ay, double bx, double by, const Area& area) {
    double low = 0;
    double high = 1;
    const double origin[] = {ax, ay};
    const double delta[] = {bx - ax, by - ay};
    const double mins[] = {area.left, area.top};
    const double maxs[] = {area.right, area.bottom};
    for (int axis = 0; axis < 2; ++axis) {
        if (delta[axis] == 0) {
            if (origin[axis] <= mins[axis] || origin[axis] >= maxs[axis]) return false;
            continue;
        }
        double t1 = (mins[axis] - origin[axis]) / delta[axis];
        double t2 = (maxs[axis] - origin[axis]) / delta[axis];
        if (t1 > t2) std::swap(t1, t2);
        low = std::max(low, t1);
        high = std::min(high, t2);
        if (low >= high) return false;
    }
    return true;
}

inline std::string describe(const PrintOperation& text) {
    std::ostringstream out;
    out << '"' << text.text << "\" at (" << text.x << ", " << text.y << ")";
    return out.str();
}

// Every printed text whose ink touches a rule or a caption of the form, except the captions
// named as allowed underneath (struck words).
inline std::vector<std::string> misplacedTexts(const FormDrawing& form,
                                               const std::vector<PrintOperation>& texts,
                                               const std::vector<std::string>& allowedUnder = {}) {
    std::vector<std::string> found;
    const auto rules = ruleAreas(form);
    const auto captions = captionInks(form);
    for (const PrintOperation& text : texts) {
        const Area ink = inkOf(text);
        for (const Area& rule : rules)
            if (overlap(ink, rule)) {
                found.push_back(describe(text) + " crosses a rule");
                break;
            }
        for (const CaptionInk& caption : captions)
            if (overlap(ink, caption.area) && std::find(allowedUnder.begin(), allowedUnder.end(),
                                                        caption.text) == allowedUnder.end())
                found.push_back(describe(text) + " covers the caption " + caption.text);
    }
    return found;
}

// The ink of each caption with exactly this text, piece by piece joined.
inline std::vector<Area> captionAreas(const FormDrawing& form, std::string_view text) {
    std::vector<Area> areas;
    for (const FormCaption& caption : form.captions) {
        if (caption.text != text) continue;
        std::optional<Area> joined;
        for (const PlacedText& piece : layOutCaption(caption)) {
            const Area ink = inkOf(piece.text, piece.left, piece.top, piece.points);
            joined = !joined
                         ? ink
                         : Area{std::min(joined->left, ink.left), std::min(joined->top, ink.top),
                                std::max(joined->right, ink.right),
                                std::max(joined->bottom, ink.bottom)};
        }
        if (joined) areas.push_back(*joined);
    }
    return areas;
}

// The areas of the captions with this text, as the form gives them (a column head or row label
// spans its whole box).
inline std::vector<Area> captionBoxes(const FormDrawing& form, std::string_view text) {
    std::vector<Area> boxes;
    for (const FormCaption& caption : form.captions)
        if (caption.text == text)
            boxes.push_back({caption.left, caption.top, caption.right, caption.bottom});
    return boxes;
}

enum class Beside {
    SameBox,     // no rule lies on the straight way between the text and the caption
    SameRow,     // the text is level with the caption's box
    SameColumn,  // the text is under or over the caption's box
};

inline bool besideCaption(const FormDrawing& form, const PrintOperation& text,
                          std::string_view caption, Beside how) {
    const Area ink = inkOf(text);
    if (how == Beside::SameRow || how == Beside::SameColumn) {
        for (const Area& box : captionBoxes(form, caption)) {
            const bool level = ink.top < box.bottom && box.top < ink.bottom;
            const bool under = ink.left < box.right && box.left < ink.right;
            if (how == Beside::SameRow ? level : under) return true;
        }
        return false;
    }
    const auto rules = ruleAreas(form);
    for (const Area& area : captionAreas(form, caption)) {
        const double ax = (ink.left + ink.right) / 2;
        const double ay = (ink.top + ink.bottom) / 2;
        const double bx = (area.left + area.right) / 2;
        const double by = (area.top + area.bottom) / 2;
        if (std::none_of(rules.begin(), rules.end(),
                         [&](const Area& rule) { return crosses(ax, ay, bx, by, rule); }))
            return true;
    }
    return false;
}

}  // namespace nencho::test
