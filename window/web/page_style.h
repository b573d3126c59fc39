// The page's style sheet for the window: every control's place, size and
// colours, and the window's font, from the window's description and the
// colour rule (control_colours.h): the described colours on every system
// theme, the pupil's system colours with the category marks under forced
// colours.
#pragma once

#include <string>

#include "main_form_description.h"

namespace veltara {

std::string pageStyleSheet(const WindowDescription& form);

}  // namespace veltara
