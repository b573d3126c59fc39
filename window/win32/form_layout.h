// Places, sizes and the font at the window's DPI. The description is in
// twips; they become pixels at the DPI of the monitor the window is on, and
// again when Windows moves it to a monitor of another DPI.
#pragma once

#include <windows.h>

#include "form_controls.h"
#include "gdi_object.h"
#include "window_dpi.h"

namespace veltara {

class FormLayout {
public:
    FormLayout(FunctionResolver resolve, DWORD windowStyle);

    // Lays the controls out for the window's DPI and gives the window its size.
    void layOut(HWND form, const FormControls& controls);

    // The window's outer size at a DPI: its client area as described, and
    // the frame that DPI gives, which does not grow in proportion.
    SIZE outerSize(UINT dpi) const;
    // WM_DPICHANGED: the controls at the new DPI, the window at the place
    // and size Windows gives.
    void onDpiChanged(HWND form, const FormControls& controls, UINT dpi, const RECT& suggested);

    UINT dpi() const { return dpi_; }
    HFONT font() const { return font_.get(); }
    int pixels(int twips) const;
    RECT pixels(const TwipsRect& place) const;
    // A length given in pixels at 96 DPI, at the window's DPI.
    int scaled(int pixelsAt96Dpi) const;

private:
    void placeControls(const FormControls& controls, UINT dpi);

    WindowDpi windowDpi_;
    DWORD windowStyle_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    OwnedFont font_;
};

}  // namespace veltara
