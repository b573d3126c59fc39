#include "window_dpi.h"

namespace veltara {

WindowDpi::WindowDpi(FunctionResolver resolve)
    : getDpiForWindow_(
          findFunction<GetDpiForWindowFunction>(resolve, L"user32.dll", "GetDpiForWindow")),
      adjustWindowRectExForDpi_(findFunction<AdjustWindowRectExForDpiFunction>(
          resolve, L"user32.dll", "AdjustWindowRectExForDpi")) {}

UINT WindowDpi::of(HWND window) const {
    if (getDpiForWindow_ != nullptr) {
        return getDpiForWindow_(window);
    }
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return static_cast<UINT>(dpi);
}

void WindowDpi::addFrame(RECT& client, DWORD style, UINT dpi) const {
    if (adjustWindowRectExForDpi_ != nullptr) {
        adjustWindowRectExForDpi_(&client, style, FALSE, 0, dpi);
    } else {
        AdjustWindowRectEx(&client, style, FALSE, 0);
    }
}

}  // namespace veltara
