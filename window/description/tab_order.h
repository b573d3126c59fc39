// The order in which every window layer puts its shown controls: the
// description's tab order, with the planets moved up to stand right after
// their frame. As in Windows' own dialogs, a group box comes just before
// its buttons, where screen readers look for the group's name, and the
// buttons stand together, so that the group is one stop for Tab.
#pragma once

#include <vector>

#include "main_form_description.h"

namespace veltara {

// The shown controls, labels and the frame included; hidden ones are left out.
std::vector<const ControlDescription*> shownControlsInTabOrder(const WindowDescription& form);

}  // namespace veltara
