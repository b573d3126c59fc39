// The names every window layer gives its controls, and the name a screen
// reader says for a planet button, so that no layer spells them itself.
#pragma once

#include <cstdint>
#include <string>

#include "main_form_description.h"

namespace veltara {

// A control's name: its array and element, "Option1_3", "Frame1_0".
std::string controlName(ControlArray array, std::int16_t element);
std::string controlName(const ControlDescription& control);

// What a planet button is called by a screen reader: its caption while it
// shows one, else the description's name for an empty button at its place.
const std::string& spokenPlanetName(const ControlDescription& planet, const std::string& caption);

}  // namespace veltara
