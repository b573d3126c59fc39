// Which colours each control paints its face, its text and its category
// mark with, the same in every window layer.
//   Ordinarily the window keeps its described look on every desktop: the
//   described colours, with black text on them, which reads well on each;
//   the boxes the pupil reads (the message area and the answer list) take
//   the desktop's window and window-text colours, always as a pair.
//   In high contrast the pupil's own colours win: boxes take the window
//   pair, everything else the button pair, and a planet button or a legend
//   label shows its category by a mark of the category's colour,
//   outlined in the text colour, in place of a coloured face.
#pragma once

#include <optional>

#include "catalogue.h"
#include "main_form_description.h"

namespace veltara {

// The desktop's colours for drawing, as Windows names them.
struct DesktopColours {
    Rgb window;      // boxes the pupil reads or types in
    Rgb windowText;
    Rgb buttonFace;  // buttons, labels, the window itself
    Rgb buttonText;
    friend constexpr bool operator==(const DesktopColours&, const DesktopColours&) = default;
};

// A light desktop's: the look the window is described in. The Linux
// window uses these whatever the desktop's theme says.
inline constexpr DesktopColours kLightDesktop{
    {255, 255, 255}, {0, 0, 0}, {240, 240, 240}, {0, 0, 0}};

// The text drawn on a described colour: black reads on every one of them.
inline constexpr Rgb kTextOnDescribedColour{0, 0, 0};

struct ControlColours {
    Rgb face;
    Rgb text;
    std::optional<Rgb> categoryMark;  // high contrast only
};

ControlColours controlColours(const ControlDescription& control, const DesktopColours& desktop,
                              bool highContrast);

// The window's own face, behind its controls, and the text drawn on it.
ControlColours windowColours(const WindowDescription& window, const DesktopColours& desktop,
                             bool highContrast);

// Where a category mark stands, from its control's top-left corner: a small
// square at the right end of a planet button, past the longest caption, and
// a bar under a legend label's caption.
TwipsRect categoryMarkPlace(const ControlDescription& control);

}  // namespace veltara
