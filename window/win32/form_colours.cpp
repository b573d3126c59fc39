#include "form_colours.h"

namespace veltara {

namespace {

std::uint32_t colourKey(Rgb colour) {
    return (std::uint32_t{colour.red} << 16U) | (std::uint32_t{colour.green} << 8U) | colour.blue;
}

Rgb toRgb(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

}  // namespace

COLORREF colorRefOf(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

FormColours::FormColours(FunctionResolver resolve)
    : systemParametersInfo_(findFunction<SystemParametersInfoFunction>(
          resolve, L"user32.dll", "SystemParametersInfoW")) {
    if (systemParametersInfo_ == nullptr) {
        systemParametersInfo_ = &SystemParametersInfoW;
    }
    follow();
}

void FormColours::follow() {
    desktop_ = {toRgb(GetSysColor(COLOR_WINDOW)), toRgb(GetSysColor(COLOR_WINDOWTEXT)),
                toRgb(GetSysColor(COLOR_BTNFACE)), toRgb(GetSysColor(COLOR_BTNTEXT))};
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    highContrast_ =
        systemParametersInfo_(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

HBRUSH FormColours::brush(Rgb colour) const {
    OwnedBrush& slot = brushes_[colourKey(colour)];
    if (slot == nullptr) {
        slot.reset(CreateSolidBrush(colorRefOf(colour)));
    }
    return slot.get();
}

HBRUSH FormColours::prepare(HDC dc, const ControlDescription& control) const {
    const ControlColours colours = of(control);
    SetTextColor(dc, colorRefOf(colours.text));
    SetBkColor(dc, colorRefOf(colours.face));
    return brush(colours.face);
}

}  // namespace veltara
