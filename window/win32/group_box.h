// The planets' frame: a group box standing behind its buttons, their
// sibling in the window. It paints its face round them, never over them,
// so that the order in which Windows paints siblings does not matter.
#pragma once

#include <windows.h>

#include "form_colours.h"
#include "planet_group.h"
#include "window_subclass.h"

namespace veltara {

class GroupBoxFace {
public:
    GroupBoxFace(HWND frame, const ControlDescription& described, const PlanetButtons& planets,
                 const FormColours& colours);

private:
    LRESULT handle(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

    const ControlDescription& described_;
    const PlanetButtons& planets_;
    const FormColours& colours_;
    WindowSubclass subclass_;
};

}  // namespace veltara
