// The colours the window paints in, by the shared colour rule
// (control_colours.h), from the desktop's colours and whether high contrast
// is on; and the brushes for them, made once for each colour.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>

#include "control_colours.h"
#include "gdi_object.h"
#include "system_functions.h"

namespace veltara {

COLORREF colorRefOf(Rgb colour);

class FormColours {
public:
    // The high-contrast query is found through `resolve`, so that a test
    // can answer it: Wine always says high contrast is off.
    explicit FormColours(FunctionResolver resolve);

    // Reads the desktop's colours and whether high contrast is on.
    void follow();

    ControlColours of(const ControlDescription& control) const {
        return controlColours(control, desktop_, highContrast_);
    }
    ControlColours ofWindow() const {
        return windowColours(mainFormDescription(), desktop_, highContrast_);
    }
    HBRUSH brush(Rgb colour) const;

    // The answer to WM_CTLCOLOR*: the control's text and face.
    HBRUSH prepare(HDC dc, const ControlDescription& control) const;

private:
    using SystemParametersInfoFunction = BOOL(WINAPI*)(UINT, UINT, void*, UINT);

    SystemParametersInfoFunction systemParametersInfo_;
    DesktopColours desktop_ = kLightDesktop;
    bool highContrast_ = false;
    mutable std::map<std::uint32_t, OwnedBrush> brushes_;
};

}  // namespace veltara
