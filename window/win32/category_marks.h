// The marks drawn into the controls' own painting: in high contrast, where
// the coloured faces give way to the pupil's colours, a mark of the
// category's colour on each planet button and under each legend label; and
// the focus mark of a chosen planet, whose button has no caption to mark.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <deque>

#include "form_colours.h"
#include "form_controls.h"
#include "form_layout.h"
#include "window_subclass.h"

namespace veltara {

class CategoryMarks {
public:
    // The controls exist already; the legend labels are served from now on.
    CategoryMarks(const FormControls& controls, const FormColours& colours,
                  const FormLayout& layout);

    // NM_CUSTOMDRAW from a button: a planet asks to be told when it has
    // painted, and then gets its marks in the device context it painted in.
    LRESULT onCustomDraw(const NMCUSTOMDRAW& draw) const;

private:
    LRESULT handleLabel(HWND label, UINT message, WPARAM wParam, LPARAM lParam);
    void drawCategoryMark(HDC dc, const ControlDescription& control) const;
    void drawFocusMark(HDC dc, HWND planet) const;

    const FormControls& controls_;
    const FormColours& colours_;
    const FormLayout& layout_;
    // A deque makes each subclass in its place, where it stays.
    std::deque<WindowSubclass> labels_;
};

}  // namespace veltara
