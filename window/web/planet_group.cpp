#include "planet_group.h"

#include "control_names.h"

namespace veltara {

const PlanetGroup::Button& PlanetGroup::buttonAt(std::int16_t element) const {
    return buttons_.at(static_cast<std::size_t>(element));
}

PlanetGroup::Button& PlanetGroup::buttonAt(std::int16_t element) {
    return buttons_.at(static_cast<std::size_t>(element));
}

void PlanetGroup::attach(const ControlDescription& planet, dom::Element button,
                         dom::Element caption) {
    buttonAt(planet.element) = {&planet, button, caption, {}};
    dom::setAttribute(button, "role", "radio");
    dom::setAttribute(button, "aria-checked", "false");
    dom::setAttribute(button, "tabindex", "-1");
    dom::setAttribute(button, "aria-description", planet.accessibleDescription);
    setCaption(planet.element, planet.text);
    placeTabStop();
}

void PlanetGroup::setCaption(std::int16_t element, const std::string& caption) {
    Button& planet = buttonAt(element);
    planet.caption = caption;
    dom::setText(planet.captionShown, caption);
    dom::setAttribute(planet.button, "aria-label", spokenPlanetName(*planet.described, caption));
}

void PlanetGroup::showChecked(std::int16_t element, bool checked) {
    dom::setAttribute(buttonAt(element).button, "aria-checked", checked ? "true" : "false");
}

void PlanetGroup::setSelectedOff(std::int16_t element) {
    if (selected_ == element) {
        showChecked(element, false);
        selected_ = -1;
        placeTabStop();
    }
}

bool PlanetGroup::select(std::int16_t element) {
    if (selected_ == element) {
        return false;
    }
    if (selected_ >= 0) {
        showChecked(selected_, false);
    }
    selected_ = element;
    showChecked(element, true);
    placeTabStop();
    return true;
}

void PlanetGroup::focusEntered(std::int16_t element) {
    focused_ = element;
    placeTabStop();
}

void PlanetGroup::focusLeft() {
    focused_ = -1;
    placeTabStop();
}

void PlanetGroup::placeTabStop() {
    std::int16_t stop = focused_ >= 0 ? focused_ : selected_;
    if (stop < 0) {
        stop = 0;
    }
    if (stop == tabStop_ || buttonAt(stop).button == dom::kNoElement) {
        return;
    }
    if (tabStop_ >= 0) {
        dom::setAttribute(buttonAt(tabStop_).button, "tabindex", "-1");
    }
    tabStop_ = stop;
    dom::setAttribute(buttonAt(stop).button, "tabindex", "0");
}

}  // namespace veltara
