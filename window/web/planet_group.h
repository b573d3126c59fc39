// The planet buttons as radio buttons of the page, one group inside the
// frame: their captions, which one is selected, and the group's one stop
// for Tab, kept on the focused planet while the focus is in the group and
// else on the selected one (on the first planet where none is).
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "catalogue.h"
#include "dom.h"
#include "main_form_description.h"

namespace veltara {

class PlanetGroup {
public:
    // button: the radio, caption: the element inside it that shows the caption.
    void attach(const ControlDescription& planet, dom::Element button, dom::Element caption);

    dom::Element button(std::int16_t element) const { return buttonAt(element).button; }
    const std::string& caption(std::int16_t element) const { return buttonAt(element).caption; }
    void setCaption(std::int16_t element, const std::string& caption);
    void setSelectedOff(std::int16_t element);
    // Makes the button the selected one; false where it was already.
    bool select(std::int16_t element);

    void focusEntered(std::int16_t element);
    void focusLeft();

private:
    struct Button {
        const ControlDescription* described = nullptr;
        dom::Element button = dom::kNoElement;
        dom::Element captionShown = dom::kNoElement;
        std::string caption;
    };
    const Button& buttonAt(std::int16_t element) const;
    Button& buttonAt(std::int16_t element);
    void showChecked(std::int16_t element, bool checked);
    void placeTabStop();

    std::array<Button, kPlanetCount> buttons_{};
    std::int16_t selected_ = -1;
    std::int16_t focused_ = -1;
    std::int16_t tabStop_ = -1;
};

}  // namespace veltara
