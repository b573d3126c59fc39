#include "control_names.h"

namespace veltara {

std::string controlName(ControlArray array, std::int16_t element) {
    return std::string(arrayName(array)) + "_" + std::to_string(element);
}

std::string controlName(const ControlDescription& control) {
    return controlName(control.array, control.element);
}

const std::string& spokenPlanetName(const ControlDescription& planet, const std::string& caption) {
    return caption.empty() ? planet.accessibleName : caption;
}

}  // namespace veltara
