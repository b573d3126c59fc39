// The thirteen planet buttons as one group: one tab stop, the arrow keys
// moving the focus as the buttons read on the screen, and the rule that only
// a press that changes the selection chooses a planet.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "catalogue.h"
#include "window_subclass.h"

namespace veltara {

using PlanetButtons = std::array<HWND, kPlanetCount>;

class PlanetGroup {
public:
    // The buttons exist already; the group serves them from now on.
    explicit PlanetGroup(const PlanetButtons& planets);

    // A button told the window it was clicked: makes it the selected one
    // and says whether that changed the selection. Pressing the selected
    // button, or the focus arriving on one, changes nothing.
    bool select(std::int16_t element);

private:
    LRESULT handle(HWND planet, UINT message, WPARAM wParam, LPARAM lParam);
    void moveFocus(HWND from, WPARAM key) const;

    const PlanetButtons& planets_;
    // The planet whose focus is arriving: its click notice then is no press.
    HWND takingFocus_ = nullptr;
    std::array<WindowSubclass, kPlanetCount> subclasses_;
};

// The planet group keeps exactly one tab stop: the checked button, or the
// first planet where none is checked. Checking a radio button gives it the
// tab stop and unchecking takes it away, so after "Чисти" there would be none.
void keepOnePlanetTabStop(const PlanetButtons& planets);

}  // namespace veltara
