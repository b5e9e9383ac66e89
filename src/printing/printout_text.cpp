#include "printing/printout_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "common/amount.h"
#include "printing/form_drawing.h"
#include "printing/page_images.h"

namespace nencho {

namespace {

bool isBlank(std::string_view character) {
    return character == " " || character == "\u3000";
}

// The width in ems of the text up to its last character that prints ink.
double inkEms(const std::vector<std::string>& characters, std::size_t first, std::size_t last) {
    while (last > first && isBlank(characters[last - 1])) --last;
    double ems = 0;
    for (std::size_t i = first; i < last; ++i) ems += emsOf(characters[i]);
    return ems;
}

// Sizes are whole tenths of a point; a width that fits exactly fits, whatever the rounding.
constexpr double kTolerance = 1e-9;

double tenthsBelow(double points) {
    return std::floor(points * 10 + kTolerance) / 10;
}

// The smallest size a text is ever given, whatever its room.
constexpr double kSmallestPoints = 0.1;

double pointsFor(double ems, double width, double points) {
    if (ems <= 0 || ems * points * kMillimetresPerPoint <= width + kTolerance) return points;
    const double fitting = tenthsBelow(width / (ems * kMillimetresPerPoint));
    return std::min(points, std::max(kSmallestPoints, fitting));
}

std::string joined(const std::vector<std::string>& characters, std::size_t first,
                   std::size_t last) {
    std::string text;
    for (std::size_t i = first; i < last; ++i) text += characters[i];
    return text;
}

bool isHalfWidthAlphanumeric(std::string_view character) {
    return character.size() == 1 && std::isalnum(static_cast<unsigned char>(character[0]));
}

// Where the text breaks into two lines: after the character that brings the first line nearest
// half the text's width, never inside a number or a word of half-width letters when another
// place will do.
std::size_t middleBreak(const std::vector<std::string>& characters) {
    const double half = inkEms(characters, 0, characters.size()) / 2;
    double ems = 0;
    std::size_t best = 0;
    double bestDistance = 0;
    std::size_t anyBest = 1;
    double anyDistance = half + 1;
    for (std::size_t i = 0; i + 1 < characters.size(); ++i) {
        ems += emsOf(characters[i]);
        const double distance = std::abs(ems - half);
        if (distance < anyDistance) {
            anyDistance = distance;
            anyBest = i + 1;
        }
        const bool insideWord =
            isHalfWidthAlphanumeric(characters[i]) && isHalfWidthAlphanumeric(characters[i + 1]);
        if (!insideWord && (best == 0 || distance < bestDistance)) {
            bestDistance = distance;
            best = i + 1;
        }
    }
    return best != 0 ? best : anyBest;
}

}  // namespace

void startFormPage(PrinterPage& page, std::string_view imageName) {
    const FormDrawing& form = *pageImageForm(imageName);
    page.setFontName(kPrintFace);
    page.drawImage(imageName, 0, 0, form.pageWidth, form.pageHeight);
}

void printDeclarationYear(PrinterPage& page, double left, double top) {
    page.setFontSize(12);
    printTextAt(page, left, top, "平");
    printTextAt(page, left + 5, top, "成");
    printTextAt(page, left + 10, top, "17");
}

void printTextAt(PrinterPage& page, double x, double y, std::string_view text) {
    if (text.empty()) return;
    page.moveTo(x, y);
    page.printText(text);
}

std::string printedNumber(std::int64_t value) {
    if (value < 0) return decimal(value);
    std::string signPlace = " ";
    signPlace += decimal(value);
    return signPlace;
}

void printRightAlignedAmount(PrinterPage& page, double rightEdge, double top, std::int64_t amount) {
    const double width = page.textWidth(printedNumber(amount));
    printTextAt(page, rightEdge - width, top, formatAmount(amount));
}

FittedText fitTextInRoom(std::string_view text, double x, double y, double points,
                         const TextRoom& room) {
    const std::vector<std::string> characters = charactersOf(text);
    if (characters.empty()) return {points, {}};
    const double width = room.right - x;
    const double oneLine = pointsFor(inkEms(characters, 0, characters.size()), width, points);
    const double middle = y + points * kMillimetresPerPoint / 2;
    const auto centred = [&](double size) { return middle - size * kMillimetresPerPoint / 2; };
    if (oneLine >= points) return {points, {{std::string(text), x, y}}};
    if (oneLine < kSmallestOneLinePoints && characters.size() > 1) {
        const std::size_t split = middleBreak(characters);
        const double wider =
            std::max(inkEms(characters, 0, split), inkEms(characters, split, characters.size()));
        const double byHeight = tenthsBelow((room.bottom - room.top) / (2 * kMillimetresPerPoint));
        const double twoLines = std::min(pointsFor(wider, width, points), byHeight);
        if (twoLines > oneLine) {
            const double em = twoLines * kMillimetresPerPoint;
            const double top = std::max(room.top, std::min(middle - em, room.bottom - 2 * em));
            return {twoLines,
                    {{joined(characters, 0, split), x, top},
                     {joined(characters, split, characters.size()), x, top + em}}};
        }
    }
    return {oneLine, {{std::string(text), x, centred(oneLine)}}};
}

void printFittedText(PrinterPage& page, double x, double y, double points, const TextRoom& room,
                     std::string_view text) {
    const FittedText fitted = fitTextInRoom(text, x, y, points, room);
    page.setFontSize(fitted.points);
    for (const FittedLine& line : fitted.lines) printTextAt(page, line.x, line.y, line.text);
    page.setFontSize(points);
}

FittedAmount fitRightAlignedAmount(std::string_view measured, std::string_view printed,
                                   double rightEdge, double left, double right, double points) {
    const double before = emsOf(measured);
    const double width = emsOf(printed);
    const auto startAt = [&](double size) {
        return rightEdge - before * size * kMillimetresPerPoint;
    };
    const double start = startAt(points);
    const double end = start + width * points * kMillimetresPerPoint;
    if (start >= left - kTolerance && end <= right + kTolerance) return {points, start, false};
    const double fitting = pointsFor(width, right - left, points);
    double fittedStart = startAt(fitting);
    const double fittedEnd = fittedStart + width * fitting * kMillimetresPerPoint;
    if (fittedEnd > right) fittedStart -= fittedEnd - right;
    return {fitting, std::max(left, fittedStart), true};
}

void printFittedRightAlignedAmount(PrinterPage& page, double rightEdge, double top, double points,
                                   double left, double right, std::int64_t amount) {
    const std::string printed = formatAmount(amount);
    const FittedAmount fitted =
        fitRightAlignedAmount(printedNumber(amount), printed, rightEdge, left, right, points);
    if (!fitted.moved) return printRightAlignedAmount(page, rightEdge, top, amount);
    page.setFontSize(fitted.points);
    printTextAt(page, fitted.left, top + (points - fitted.points) * kMillimetresPerPoint / 2,
                printed);
    page.setFontSize(points);
}

}  // namespace nencho
