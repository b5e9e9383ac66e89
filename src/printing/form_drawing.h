#pragma once
// A printed form described as drawing data: ruled lines and captions in millimetres on the
// page, where they appear once the form's page image is stretched over its rectangle from the
// page's top-left corner. The renderer turns a description into the page image; the printouts
// print their data into its boxes.
#include <string>
#include <string_view>
#include <vector>

namespace nencho {

enum class FormFace { Mincho, Gothic };

// How a caption's lines sit in its area. Every caption is centred in the area's height.
enum class CaptionAlign {
    Left,    // from the area's left edge
    Centre,  // centred in the area's width
    Right,   // ending at the area's right edge
    Spread,  // the characters of each line spread evenly over the area's width (or height)
};

struct FormRule {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 0;  // millimetres
};

struct FormCaption {
    std::string text;  // UTF-8; '\n' starts a new line (horizontal captions only)
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double points = 7;
    CaptionAlign align = CaptionAlign::Centre;
    FormFace face = FormFace::Mincho;
    bool vertical = false;  // characters stacked from top to bottom
};

// A run of text as the renderer draws it: the top-left corner of its em box and its width.
struct PlacedText {
    std::string text;
    double left = 0;
    double top = 0;
    double width = 0;
    double points = 0;
    FormFace face = FormFace::Mincho;
};

struct FormDrawing {
    double pageWidth = 0;  // the rectangle the page image is stretched to
    double pageHeight = 0;
    std::vector<FormRule> rules;
    std::vector<FormCaption> captions;
};

inline constexpr double kMillimetresPerPoint = 25.4 / 72.0;

// The width of a text in ems in the print faces: half-width characters half an em, every other
// character one em (IPAMincho and IPAGothic set them so).
double emsOf(std::string_view utf8);
// The text cut into its characters, each as UTF-8.
std::vector<std::string> charactersOf(std::string_view utf8);

// Where each run of a caption's text goes.
std::vector<PlacedText> layOutCaption(const FormCaption& caption);

// Lines and boxes in three weights.
inline constexpr double kThinRule = 0.15;
inline constexpr double kMediumRule = 0.3;
inline constexpr double kThickRule = 0.5;

// Collects a form's rules and captions.
class FormBuilder {
  public:
    FormBuilder(double pageWidth, double pageHeight);

    void line(double x1, double y1, double x2, double y2, double width = kThinRule);
    void hline(double y, double x1, double x2, double width = kThinRule);
    void vline(double x, double y1, double y2, double width = kThinRule);
    void box(double left, double top, double right, double bottom, double width = kThinRule);

    // A caption in an area given by its edges.
    void text(std::string_view text, double left, double top, double right, double bottom,
              double points, CaptionAlign align = CaptionAlign::Centre,
              FormFace face = FormFace::Mincho);
    // A caption whose em box has its top-left corner at (left, top).
    void textAt(std::string_view words, double left, double top, double points,
                FormFace face = FormFace::Mincho);
    void vertical(std::string_view text, double left, double top, double right, double bottom,
                  double points, bool spread, FormFace face = FormFace::Mincho);

    FormDrawing take() { return std::move(drawing_); }

  private:
    FormDrawing drawing_;
};

}  // namespace nencho
