#include "control_colours.h"

namespace veltara {

namespace {

bool isBox(const ControlDescription& control) {
    return control.kind == ControlKind::TextBox || control.kind == ControlKind::ListBox;
}

ControlColours described(std::optional<Rgb> background, bool box, const DesktopColours& desktop) {
    if (background) {
        return {*background, kTextOnDescribedColour, std::nullopt};
    }
    return box ? ControlColours{desktop.window, desktop.windowText, std::nullopt}
               : ControlColours{desktop.buttonFace, desktop.buttonText, std::nullopt};
}

}  // namespace

ControlColours controlColours(const ControlDescription& control, const DesktopColours& desktop,
                              bool highContrast) {
    if (!highContrast) {
        return described(control.background, isBox(control), desktop);
    }
    ControlColours colours = isBox(control)
                                 ? ControlColours{desktop.window, desktop.windowText, std::nullopt}
                                 : ControlColours{desktop.buttonFace, desktop.buttonText, std::nullopt};
    if (control.category) {
        colours.categoryMark = categoryColour(*control.category);
    }
    return colours;
}

ControlColours windowColours(const WindowDescription& window, const DesktopColours& desktop,
                             bool highContrast) {
    if (highContrast) {
        return {desktop.buttonFace, desktop.buttonText, std::nullopt};
    }
    return described(window.background, false, desktop);
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
