#include "hidden_controls.h"

namespace veltara {

HiddenControls::HiddenControls(const WindowDescription& form)
    : reference_(form.control(ControlArray::List1, 1).items),
      quotation_(form.control(ControlArray::Text1, 1).text) {}

std::string HiddenControls::referenceItem(std::int16_t position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= reference_.size()) {
        return {};
    }
    return reference_[static_cast<std::size_t>(position)];
}

}  // namespace veltara
