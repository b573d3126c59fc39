// What a screen reader finds in the window: the standard controls name
// themselves from their text; where that says nothing (an empty planet
// button, the answer list, the message area) a proxy over the system's
// standard accessible object gives the name, and a planet button's
// category as its description. A verdict written into the message area is
// raised as an alert. The group box's object hands a hit test on to the
// planet button beneath it.
#pragma once

#include <windows.h>

namespace veltara {

struct ControlDescription;

// Called once for each control as it is built; does nothing for a control
// whose own text is all a screen reader needs.
void makeAccessible(HWND control, const ControlDescription& described);

}  // namespace veltara
