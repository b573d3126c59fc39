#include "form_layout.h"

#include <utility>

#include "win32_text.h"

namespace veltara {

namespace {

constexpr int kTwipsPerInch = 1440;
constexpr int kPointsPerInch = 72;

int toPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch); }

OwnedFont createFont(UINT dpi) {
    const FontDescription& font = mainFormDescription().font;
    return OwnedFont(CreateFontW(-MulDiv(font.points, static_cast<int>(dpi), kPointsPerInch), 0, 0,
                                 0, font.weight, font.italic, font.underline, font.strikeOut,
                                 RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                                 widen(font.family).c_str()));
}

}  // namespace

FormLayout::FormLayout(FunctionResolver resolve, DWORD windowStyle)
    : windowDpi_(resolve), windowStyle_(windowStyle) {}

void FormLayout::layOut(HWND form, const FormControls& controls) {
    placeControls(controls, windowDpi_.of(form));
    const SIZE size = outerSize(dpi_);
    SetWindowPos(form, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormLayout::onDpiChanged(HWND form, const FormControls& controls, UINT dpi,
                              const RECT& suggested) {
    placeControls(controls, dpi);
    SetWindowPos(form, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

int FormLayout::pixels(int twips) const { return toPixels(twips, dpi_); }

RECT FormLayout::pixels(const TwipsRect& place) const {
    return {pixels(place.left), pixels(place.top), pixels(place.right()), pixels(place.bottom())};
}

int FormLayout::scaled(int pixelsAt96Dpi) const {
    return MulDiv(pixelsAt96Dpi, static_cast<int>(dpi_), USER_DEFAULT_SCREEN_DPI);
}

void FormLayout::placeControls(const FormControls& controls, UINT dpi) {
    dpi_ = dpi;
    // The font in use goes only once every control has the new one.
    OwnedFont fresh = createFont(dpi);
    const TwipsRect& frame = mainFormDescription().control(ControlArray::Frame1, 0).place;
    for (const BuiltControl& built : controls.all()) {
        const TwipsRect& place = built.description->place;
        // The planets' places are given inside their frame: they stand at
        // its offset in the window, as they would in it.
        const POINT offset = built.description->insideFrame
                                 ? POINT{toPixels(frame.left, dpi), toPixels(frame.top, dpi)}
                                 : POINT{0, 0};
        SetWindowPos(built.window, nullptr, offset.x + toPixels(place.left, dpi),
                     offset.y + toPixels(place.top, dpi), toPixels(place.width, dpi),
                     toPixels(place.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(built.window, WM_SETFONT, reinterpret_cast<WPARAM>(fresh.get()), TRUE);
    }
    font_ = std::move(fresh);
}

SIZE FormLayout::outerSize(UINT dpi) const {
    const WindowDescription& form = mainFormDescription();
    RECT outer{0, 0, toPixels(form.clientWidth, dpi), toPixels(form.clientHeight, dpi)};
    windowDpi_.addFrame(outer, windowStyle_, dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace veltara
