// "Чисти", owner-drawn so that its face has its own colour: a raised or,
// while pressed, sunken edge, the caption centred and the focus mark inside.
#pragma once

#include <windows.h>

#include "form_colours.h"
#include "form_layout.h"

namespace veltara {

void drawClearButton(const DRAWITEMSTRUCT& item, const ControlColours& colours,
                     const FormColours& brushes, const FormLayout& layout);

}  // namespace veltara
