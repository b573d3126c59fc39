#include "control_colours.h"

namespace veltara {

namespace {

// The desktop's own pair: a box's, or a button's for everything else.
ControlColours desktopPair(bool box, const DesktopColours& desktop) {
    return box ? ControlColours{desktop.window, desktop.windowText, std::nullopt}
               : ControlColours{desktop.buttonFace, desktop.buttonText, std::nullopt};
}

}  // namespace

ControlColours controlColours(const ControlDescription& control, const DesktopColours& desktop,
                              bool highContrast) {
    const bool box = control.kind == ControlKind::TextBox || control.kind == ControlKind::ListBox;
    if (!highContrast && control.background) {
        return {*control.background, kTextOnDescribedColour, std::nullopt};
    }
    ControlColours colours = desktopPair(box, desktop);
    if (highContrast && control.category) {
        colours.categoryMark = categoryColour(*control.category);
    }
    return colours;
}

ControlColours windowColours(const WindowDescription& window, const DesktopColours& desktop,
                             bool highContrast) {
    if (highContrast) {
        return desktopPair(false, desktop);
    }
    return {window.background, kTextOnDescribedColour, std::nullopt};
}

TwipsRect categoryMarkPlace(const ControlDescription& control) {
    constexpr int kSide = 105;  // 7 pixels at 96 DPI
    if (control.kind == ControlKind::OptionButton) {
        return {control.place.width - kSide - 60, (control.place.height - kSide) / 2, kSide, kSide};
    }
    // The widest legend's caption leaves no room beside it: a bar under it.
    return {control.place.width / 4, control.place.height - 75, control.place.width / 2, 60};
}

}  // namespace veltara
