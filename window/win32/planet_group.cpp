#include "planet_group.h"

#include <algorithm>
#include <optional>

#include "planet_arrow_keys.h"

namespace veltara {

namespace {

// Windows 7's headers lack it; Windows has it since Vista.
#ifndef BM_SETDONTCLICK
constexpr UINT BM_SETDONTCLICK = 0x00F8;
#endif

std::optional<ArrowKey> arrowKeyOf(WPARAM key) {
    switch (key) {
    case VK_LEFT:
        return ArrowKey::Left;
    case VK_RIGHT:
        return ArrowKey::Right;
    case VK_UP:
        return ArrowKey::Up;
    case VK_DOWN:
        return ArrowKey::Down;
    default:
        return std::nullopt;
    }
}

}  // namespace

PlanetGroup::PlanetGroup(const PlanetButtons& planets) : planets_(planets) {
    for (std::int16_t element = 0; element < kPlanetCount; ++element) {
        const auto i = static_cast<std::size_t>(element);
        // An unchecked radio button that takes the focus tells its parent
        // it was clicked, unless told not to: moving the focus onto a planet
        // chooses nothing, Space or a click does.
        SendMessageW(planets_.at(i), BM_SETDONTCLICK, TRUE, 0);
        subclasses_.at(i).install<PlanetGroup, &PlanetGroup::handle>(planets_.at(i), *this);
    }
    keepOnePlanetTabStop(planets_);
}

bool PlanetGroup::select(std::int16_t element) {
    HWND pressed = planets_.at(static_cast<std::size_t>(element));
    if (pressed == takingFocus_ || SendMessageW(pressed, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        return false;
    }
    for (HWND planet : planets_) {
        SendMessageW(planet, BM_SETCHECK, planet == pressed ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    keepOnePlanetTabStop(planets_);
    return true;
}

LRESULT PlanetGroup::handle(HWND planet, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        // The arrow keys are the button's own, not the dialog manager's,
        // which would walk the group in the tab order: the distance order.
        return DefSubclassProc(planet, message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (arrowKeyOf(wParam)) {
            moveFocus(planet, wParam);
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // BM_SETDONTCLICK is what Windows documents; Wine 10 ignores it and
        // reports the click all the same, so the click that arrives with
        // the focus is also told apart here.
        takingFocus_ = planet;
        const LRESULT result = DefSubclassProc(planet, message, wParam, lParam);
        takingFocus_ = nullptr;
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(planet, message, wParam, lParam);
}

void PlanetGroup::moveFocus(HWND from, WPARAM key) const {
    const auto here = std::find(planets_.begin(), planets_.end(), from);
    const std::optional<ArrowKey> arrow = arrowKeyOf(key);
    if (here == planets_.end() || !arrow) {
        return;
    }
    const auto element = static_cast<std::int16_t>(here - planets_.begin());
    SetFocus(planets_.at(static_cast<std::size_t>(planetReachedByArrow(element, *arrow))));
}

void keepOnePlanetTabStop(const PlanetButtons& planets) {
    const auto checked = std::find_if(planets.begin(), planets.end(), [](HWND planet) {
        return SendMessageW(planet, BM_GETCHECK, 0, 0) == BST_CHECKED;
    });
    HWND stop = checked != planets.end() ? *checked : planets.front();
    for (HWND planet : planets) {
        const LONG_PTR style = GetWindowLongPtrW(planet, GWL_STYLE);
        const LONG_PTR wanted = planet == stop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP};
        if (wanted != style) {
            SetWindowLongPtrW(planet, GWL_STYLE, wanted);
        }
    }
}

}  // namespace veltara
