#include "printing/form_drawing.h"

#include <algorithm>

#include "platform/recording_page.h"

namespace nencho {

namespace {

std::size_t utf8Length(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 6) return 2;
    if ((lead >> 4) == 14) return 3;
    if ((lead >> 3) == 30) return 4;
    return 1;
}

char32_t codePointOf(std::string_view character) {
    auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) return lead;
    char32_t value = lead & (0x7F >> character.size());
    for (std::size_t k = 1; k < character.size(); ++k)
        value = (value << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
    return value;
}

double emsOfCharacter(std::string_view character) {
    return RecordingPage::emWidth(codePointOf(character));
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find('\n', start);
        lines.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return lines;
        start = end + 1;
    }
}

void spreadLine(const std::string& line, double y, double em, const FormCaption& caption,
                std::vector<PlacedText>& placed) {
    const auto characters = charactersOf(line);
    const double inkWidth = emsOf(line) * em;
    const double areaWidth = caption.right - caption.left;
    const double gap = characters.size() > 1 ? (areaWidth - inkWidth) / (characters.size() - 1) : 0;
    double x = characters.size() > 1 ? caption.left : caption.left + (areaWidth - inkWidth) / 2;
    for (const auto& character : characters) {
        const double width = emsOfCharacter(character) * em;
        placed.push_back({character, x, y, width, caption.points, caption.face});
        x += width + gap;
    }
}

std::vector<PlacedText> layOutHorizontal(const FormCaption& caption) {
    const double em = caption.points * kMillimetresPerPoint;
    const double pitch = 1.2 * em;
    const auto lines = linesOf(caption.text);
    const double blockHeight = em + pitch * (lines.size() - 1);
    double y = caption.top + (caption.bottom - caption.top - blockHeight) / 2;
    std::vector<PlacedText> placed;
    for (const auto& line : lines) {
        const double width = emsOf(line) * em;
        double x = caption.left;
        if (caption.align == CaptionAlign::Centre)
            x = caption.left + (caption.right - caption.left - width) / 2;
        else if (caption.align == CaptionAlign::Right)
            x = caption.right - width;
        if (caption.align == CaptionAlign::Spread)
            spreadLine(line, y, em, caption, placed);
        else if (!line.empty())
            placed.push_back({line, x, y, width, caption.points, caption.face});
        y += pitch;
    }
    return placed;
}

std::vector<PlacedText> layOutVertical(const FormCaption& caption) {
    const double em = caption.points * kMillimetresPerPoint;
    const auto characters = charactersOf(caption.text);
    const double areaHeight = caption.bottom - caption.top;
    const double count = static_cast<double>(characters.size());
    double pitch = em;
    double y = caption.top + (areaHeight - count * em) / 2;
    if (caption.align == CaptionAlign::Spread && characters.size() > 1) {
        pitch = em + (areaHeight - count * em) / (count - 1);
        y = caption.top;
    }
    std::vector<PlacedText> placed;
    for (const auto& character : characters) {
        const double width = emsOfCharacter(character) * em;
        const double x = caption.left + (caption.right - caption.left - width) / 2;
        placed.push_back({character, x, y, width, caption.points, caption.face});
        y += pitch;
    }
    return placed;
}

}  // namespace

std::vector<std::string> charactersOf(std::string_view utf8) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length =
            std::min(utf8Length(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
        characters.emplace_back(utf8.substr(i, length));
        i += length;
    }
    return characters;
}

double emsOf(std::string_view utf8) {
    double ems = 0;
    for (const auto& character : charactersOf(utf8)) ems += emsOfCharacter(character);
    return ems;
}

std::vector<PlacedText> layOutCaption(const FormCaption& caption) {
    return caption.vertical ? layOutVertical(caption) : layOutHorizontal(caption);
}

FormBuilder::FormBuilder(double pageWidth, double pageHeight) {
    drawing_.pageWidth = pageWidth;
    drawing_.pageHeight = pageHeight;
}

void FormBuilder::line(double x1, double y1, double x2, double y2, double width) {
    drawing_.rules.push_back({x1, y1, x2, y2, width});
}

void FormBuilder::hline(double y, double x1, double x2, double width) {
    line(x1, y, x2, y, width);
}

void FormBuilder::vline(double x, double y1, double y2, double width) {
    line(x, y1, x, y2, width);
}

void FormBuilder::box(double left, double top, double right, double bottom, double width) {
    hline(top, left, right, width);
    hline(bottom, left, right, width);
    vline(left, top, bottom, width);
    vline(right, top, bottom, width);
}

void FormBuilder::text(std::string_view text, double left, double top, double right, double bottom,
                       double points, CaptionAlign align, FormFace face) {
    drawing_.captions.push_back(
        {std::string(text), left, top, right, bottom, points, align, face, false});
}

void FormBuilder::textAt(std::string_view words, double left, double top, double points,
                         FormFace face) {
    const double em = points * kMillimetresPerPoint;
    text(words, left, top, left + emsOf(words) * em, top + em, points, CaptionAlign::Left, face);
}

void FormBuilder::vertical(std::string_view text, double left, double top, double right,
                           double bottom, double points, bool spread, FormFace face) {
    drawing_.captions.push_back({std::string(text), left, top, right, bottom, points,
                                 spread ? CaptionAlign::Spread : CaptionAlign::Centre, face, true});
}

}  // namespace nencho
