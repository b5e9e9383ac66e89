#include "platform/recording_page.h"

#include <cstdio>
#include <sstream>
#include <utility>

namespace nencho {

namespace {

constexpr double kMillimetresPerPoint = 25.4 / 72.0;

// Decodes UTF-8 one code point at a time; a malformed byte counts as one character.
std::u32string codePoints(std::string_view utf8) {
    std::u32string result;
    for (std::size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80         ? 1
                     : (lead >> 5) == 6  ? 2
                     : (lead >> 4) == 14 ? 3
                     : (lead >> 3) == 30 ? 4
                                         : 1;
        if (i + length > utf8.size()) length = 1;
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            value = (value << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        result.push_back(value);
        i += length;
    }
    return result;
}

std::string kindName(PrintOperation::Kind kind) {
    switch (kind) {
        case PrintOperation::Kind::FontName:
            return "font";
        case PrintOperation::Kind::FontSize:
            return "size";
        case PrintOperation::Kind::LineWidth:
            return "width";
        case PrintOperation::Kind::Text:
            return "text";
        case PrintOperation::Kind::Line:
            return "line";
        case PrintOperation::Kind::Image:
            return "image";
        case PrintOperation::Kind::EndDocument:
            return "end";
        case PrintOperation::Kind::Abort:
            return "abort";
    }
    return "?";
}

PrintOperation operation(PrintOperation::Kind kind, std::string text = {}, double x = 0,
                         double y = 0, double x2 = 0, double y2 = 0) {
    PrintOperation op;
    op.kind = kind;
    op.text = std::move(text);
    op.x = x;
    op.y = y;
    op.x2 = x2;
    op.y2 = y2;
    return op;
}

}  // namespace

double RecordingPage::emWidth(char32_t c) {
    bool halfWidth = (c >= 0x20 && c <= 0x7E) || (c >= 0xFF61 && c <= 0xFF9F);
    return halfWidth ? 0.5 : 1.0;
}

void RecordingPage::setFontName(std::string_view name) {
    fontName_ = name;
    operations_.push_back(operation(PrintOperation::Kind::FontName, std::string(name)));
}

void RecordingPage::setFontSize(double points) {
    fontSize_ = points;
    PrintOperation op = operation(PrintOperation::Kind::FontSize);
    op.value = points;
    operations_.push_back(op);
}

void RecordingPage::setLineWidth(double millimetres) {
    lineWidth_ = millimetres;
    PrintOperation op = operation(PrintOperation::Kind::LineWidth);
    op.value = millimetres;
    operations_.push_back(op);
}

void RecordingPage::printText(std::string_view utf8) {
    PrintOperation op = operation(PrintOperation::Kind::Text, std::string(utf8), x_, y_);
    op.fontName = fontName_;
    op.fontSize = fontSize_;
    operations_.push_back(op);
}

double RecordingPage::textWidth(std::string_view utf8) const {
    double ems = 0;
    for (char32_t c : codePoints(utf8)) ems += emWidth(c);
    return ems * fontSize_ * kMillimetresPerPoint;
}

void RecordingPage::drawLine(double x1, double y1, double x2, double y2) {
    PrintOperation op = operation(PrintOperation::Kind::Line, {}, x1, y1, x2, y2);
    op.lineWidth = lineWidth_;
    operations_.push_back(op);
}

void RecordingPage::drawImage(std::string_view imageName, double left, double top, double width,
                              double height) {
    operations_.push_back(
        operation(PrintOperation::Kind::Image, std::string(imageName), left, top, width, height));
}

void RecordingPage::endDocument() {
    operations_.push_back(operation(PrintOperation::Kind::EndDocument));
}

void RecordingPage::abort() {
    operations_.push_back(operation(PrintOperation::Kind::Abort));
}

std::vector<PrintOperation> RecordingPage::operationsOf(PrintOperation::Kind kind) const {
    std::vector<PrintOperation> found;
    for (const auto& op : operations_)
        if (op.kind == kind) found.push_back(op);
    return found;
}

std::string RecordingPage::log() const {
    std::ostringstream out;
    char buffer[160];
    for (const auto& op : operations_) {
        out << kindName(op.kind);
        switch (op.kind) {
            case PrintOperation::Kind::FontName:
                out << ' ' << op.text;
                break;
            case PrintOperation::Kind::FontSize:
            case PrintOperation::Kind::LineWidth:
                std::snprintf(buffer, sizeof buffer, " %.3f", op.value);
                out << buffer;
                break;
            case PrintOperation::Kind::Text:
                std::snprintf(buffer, sizeof buffer, " (%.3f, %.3f) ", op.x, op.y);
                out << buffer << op.text;
                break;
            case PrintOperation::Kind::Line:
            case PrintOperation::Kind::Image:
                std::snprintf(buffer, sizeof buffer, " (%.3f, %.3f)-(%.3f, %.3f)", op.x, op.y,
                              op.x2, op.y2);
                out << buffer;
                if (op.kind == PrintOperation::Kind::Image) out << ' ' << op.text;
                break;
            default:
                break;
        }
        out << '\n';
    }
    return out.str();
}

}  // namespace nencho
