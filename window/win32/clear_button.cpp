#include "clear_button.h"

#include <string>

#include "win32_text.h"

namespace veltara {

void drawClearButton(const DRAWITEMSTRUCT& item, const ControlColours& colours,
                     const FormColours& brushes, const FormLayout& layout) {
    RECT face = item.rcItem;
    FillRect(item.hDC, &face, brushes.brush(colours.face));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const std::wstring caption = windowText(item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colorRefOf(colours.text));
    const HGDIOBJ previous = SelectObject(item.hDC, layout.font());
    RECT text = face;
    if (pressed) {
        OffsetRect(&text, layout.scaled(1), layout.scaled(1));
    }
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
    if ((item.itemState & ODS_FOCUS) != 0) {
        const int inset = layout.scaled(4);
        InflateRect(&face, -inset, -inset);
        DrawFocusRect(item.hDC, &face);
    }
}

}  // namespace veltara
