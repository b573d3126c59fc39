// The main window as data: its own properties and every control with its
// kind, place, size, colour, text, tab index and visibility. Both window
// layers build their controls from this one description; nothing in it is
// written a second time anywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue.h"

namespace veltara {

enum class ControlKind : std::uint8_t { Label, Frame, OptionButton, ListBox, TextBox, CommandButton };

// The families of controls; Frame1 is a single control, element 0.
enum class ControlArray : std::uint8_t { Text1, Label1, Frame1, Option1, List1, Command1 };

std::string_view arrayName(ControlArray array);

// Places and sizes in twips, 1/1440 inch: 15 twips make one pixel at 96 DPI.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
};

constexpr int kTwipsPerPixelAt96Dpi = 15;
constexpr int twipsToPixelsAt96Dpi(int twips) { return twips / kTwipsPerPixelAt96Dpi; }

struct ControlDescription {
    ControlKind kind;
    ControlArray array;
    std::int16_t element;
    // From the top-left corner of the client area, or of Frame1 for the
    // planet buttons (insideFrame).
    TwipsRect place;
    bool insideFrame = false;
    std::optional<Rgb> background;  // none: the platform's default
    std::string text;               // caption, or a text box's text at start
    std::vector<std::string> items; // a list box's items at start
    std::int16_t tabIndex;
    // A hidden control is never shown: the window layers keep it as plain
    // data (HiddenControls) and build no control of their toolkit for it.
    bool visible = true;
    // Text boxes: several lines, wrapped at the box's width, with a
    // vertical scroll bar.
    bool multiLine = false;
    // What a screen reader says where the control's own text says nothing:
    // the name of the message area and of the answer list, and a planet
    // button's name once its caption is empty (while it shows a caption,
    // the caption is its name). Empty where the text is the name.
    std::string accessibleName = {};
    // A planet button's category, which the pupil sees as its colour.
    std::string accessibleDescription = {};
    // The category a planet button or a legend label shows by its colour.
    std::optional<Category> category = std::nullopt;

    // The message area, where the verdicts are written.
    bool isMessageArea() const { return array == ControlArray::Text1 && element == 0; }

    // Labels, the frame and hidden controls take no keyboard focus.
    bool takesFocus() const {
        return visible && kind != ControlKind::Label && kind != ControlKind::Frame;
    }
};

struct FontDescription {
    std::string_view family;
    int points;
    int weight;  // 400: normal
    bool italic;
    bool underline;
    bool strikeOut;
};

struct WindowDescription {
    int clientWidth;   // twips
    int clientHeight;  // twips
    Rgb background;
    std::string caption;
    FontDescription font;
    // In tab-index order, 0 to 23.
    std::vector<ControlDescription> controls;

    // Throws std::out_of_range for a control the window does not have.
    const ControlDescription& control(ControlArray array, std::int16_t element) const;
};

const WindowDescription& mainFormDescription();

// The exercise's name: the window caption ends with it and the title shows it.
inline constexpr std::string_view kProgramName = "Велтара";

// What the window says when a control fails it and the program has to end.
std::string fatalErrorReport(std::string_view what);

// What the program says when there is no screen to show its window on.
std::string cannotShowWindowReport();

}  // namespace veltara
