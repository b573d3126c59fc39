#include "category_marks.h"

namespace veltara {

CategoryMarks::CategoryMarks(const FormControls& controls, const FormColours& colours,
                             const FormLayout& layout)
    : controls_(controls), colours_(colours), layout_(layout) {
    for (const BuiltControl& built : controls_.all()) {
        if (built.description->kind == ControlKind::Label && built.description->category) {
            labels_.emplace_back().install<CategoryMarks, &CategoryMarks::handleLabel>(
                built.window, *this);
        }
    }
}

LRESULT CategoryMarks::onCustomDraw(const NMCUSTOMDRAW& draw) const {
    const BuiltControl* built = controls_.find(draw.hdr.hwndFrom);
    if (built == nullptr || built->description->kind != ControlKind::OptionButton) {
        return CDRF_DODEFAULT;
    }
    switch (draw.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYPOSTPAINT;
    case CDDS_POSTPAINT:
        drawCategoryMark(draw.hdc, *built->description);
        drawFocusMark(draw.hdc, built->window);
        return CDRF_DODEFAULT;
    default:
        return CDRF_DODEFAULT;
    }
}

// A static sends no NM_CUSTOMDRAW. Its painting is taken whole instead: the
// label draws itself into the paint's device context (WM_PRINTCLIENT, which
// the standard controls answer as they paint), then its mark goes into the
// same context, clipped to the same update region. The label stays a plain
// static, which draws its own text and which screen readers read as text;
// an owner-drawn one would have the window draw its caption as well.
LRESULT CategoryMarks::handleLabel(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return DefSubclassProc(label, message, wParam, lParam);
    }
    const BuiltControl* built = controls_.find(label);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(label, &paint);
    DefSubclassProc(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    if (built != nullptr) {
        drawCategoryMark(dc, *built->description);
    }
    EndPaint(label, &paint);
    return 0;
}

// The mark of a category's colour, outlined in the text colour.
void CategoryMarks::drawCategoryMark(HDC dc, const ControlDescription& control) const {
    const ControlColours colours = colours_.of(control);
    if (!colours.categoryMark) {
        return;
    }
    RECT mark = layout_.pixels(categoryMarkPlace(control));
    FillRect(dc, &mark, colours_.brush(colours.text));
    const int outline = layout_.scaled(1);
    InflateRect(&mark, -outline, -outline);
    FillRect(dc, &mark, colours_.brush(*colours.categoryMark));
}

// A button marks the focus round its caption; an empty one gets its mark
// round its face.
void CategoryMarks::drawFocusMark(HDC dc, HWND planet) const {
    if (GetFocus() != planet || GetWindowTextLengthW(planet) != 0) {
        return;
    }
    RECT face{};
    GetClientRect(planet, &face);
    const int inset = layout_.scaled(1);
    InflateRect(&face, -inset, -inset);
    // The dotted frame inverts what is under it, in the colours a fresh
    // device context has; the button may have left others.
    const int saved = SaveDC(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &face);
    RestoreDC(dc, saved);
}

}  // namespace veltara
