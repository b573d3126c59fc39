#include "page_style.h"

#include "answer_list.h"
#include "control_colours.h"
#include "control_names.h"
#include "tab_order.h"

namespace veltara {

namespace {

std::string px(int twips) { return std::to_string(twipsToPixelsAt96Dpi(twips)) + "px"; }

std::string css(Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

// The colour rule asked with four stand-ins for the desktop's colours, so
// that its answer names the pupil's system colours in CSS.
constexpr DesktopColours kSystemColourStandIns{{0, 0, 1}, {0, 0, 2}, {0, 0, 3}, {0, 0, 4}};

const char* systemColour(Rgb standIn) {
    switch (standIn.blue) {
    case 1:
        return "Canvas";
    case 2:
        return "CanvasText";
    case 3:
        return "ButtonFace";
    default:
        return "ButtonText";
    }
}

std::string colours(const ControlColours& pair) {
    return "background:" + css(pair.face) + ";color:" + css(pair.text) + ";";
}

std::string systemColours(const ControlColours& pair) {
    return std::string("background:") + systemColour(pair.face) + ";color:" + systemColour(pair.text) +
           ";";
}

std::string place(const TwipsRect& rect) {
    return "left:" + px(rect.left) + ";top:" + px(rect.top) + ";width:" + px(rect.width) +
           ";height:" + px(rect.height) + ";";
}

std::string font(const FontDescription& font) {
    std::string decoration;
    decoration += font.underline ? " underline" : "";
    decoration += font.strikeOut ? " line-through" : "";
    return std::string("font-family:\"") + VELTARA_WEB_FONT_FAMILY + "\",\"" + std::string(font.family) +
           "\",serif;font-size:" + std::to_string(font.points) + "pt;font-weight:" +
           std::to_string(font.weight) + ";font-style:" + (font.italic ? "italic" : "normal") +
           ";text-decoration:" + (decoration.empty() ? std::string("none") : decoration.substr(1)) +
           ";";
}

}  // namespace

std::string pageStyleSheet(const WindowDescription& form) {
    const std::string window = colours(windowColours(form, kLightDesktop, false));
    std::string sheet = "body{" + window + "}#form{width:" + px(form.clientWidth) +
                        ";height:" + px(form.clientHeight) + ";" + window + font(form.font) + "}";
    // The planets' round marks are light, as a light desktop draws them.
    sheet += ".planet>.dot{background:" + css(kLightDesktop.window) +
             ";color:" + css(kLightDesktop.windowText) + ";}";
    sheet += ".list>*{height:" + std::to_string(kAnswerItemPixels) +
             "px;line-height:" + std::to_string(kAnswerItemPixels) + "px;}";
    std::string forced =
        "body,#form{" + systemColours(windowColours(form, kSystemColourStandIns, true)) + "}";
    for (const ControlDescription* control : shownControlsInTabOrder(form)) {
        const std::string id = "#" + controlName(*control);
        const ControlColours described = controlColours(*control, kLightDesktop, false);
        sheet += id + "{" + place(control->place) + colours(described);
        if (control->kind == ControlKind::OptionButton) {
            // Planets stand edge to edge; scaled by a fraction, their edges
            // would let a hairline of the frame show between them.
            sheet += "box-shadow:0 0.5px 0 " + css(described.face) + ";";
        }
        sheet += "}";
        const ControlColours system = controlColours(*control, kSystemColourStandIns, true);
        forced += id + "{" + systemColours(system) + "}";
        if (system.categoryMark) {
            sheet += id + ">.mark{" + place(categoryMarkPlace(*control)) + "}";
            forced += id + ">.mark{background:" + css(*system.categoryMark) +
                      ";border-color:" + systemColour(system.text) + ";}";
        }
    }
    return sheet + "@media (forced-colors:active){" + forced + "}";
}

}  // namespace veltara
