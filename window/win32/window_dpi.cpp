#include "window_dpi.h"

namespace veltara {

namespace {

// MONITOR_DPI_TYPE's MDT_EFFECTIVE_DPI, the DPI to scale a window's
// contents by, which Windows 7's headers lack.
constexpr int kEffectiveDpi = 0;

}  // namespace

WindowDpi::WindowDpi(FunctionResolver resolve)
    : getDpiForWindow_(
          findFunction<GetDpiForWindowFunction>(resolve, L"user32.dll", "GetDpiForWindow")),
      // Windows has it since 2000; by name, so that only shcore decides
      // whether the monitor's DPI is asked for.
      monitorFromWindow_(
          findFunction<MonitorFromWindowFunction>(resolve, L"user32.dll", "MonitorFromWindow")),
      // shcore.dll comes with Windows 8.1; Windows 7 has none.
      getDpiForMonitor_(
          findFunction<GetDpiForMonitorFunction>(resolve, L"shcore.dll", "GetDpiForMonitor")),
      adjustWindowRectExForDpi_(findFunction<AdjustWindowRectExForDpiFunction>(
          resolve, L"user32.dll", "AdjustWindowRectExForDpi")) {}

UINT WindowDpi::of(HWND window) const {
    if (getDpiForWindow_ != nullptr) {
        return getDpiForWindow_(window);
    }
    if (const UINT dpi = ofMonitor(window); dpi != 0) {
        return dpi;
    }
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return static_cast<UINT>(dpi);
}

// The DPI of the monitor the window is on, or most of it; 0 where Windows
// cannot tell it.
UINT WindowDpi::ofMonitor(HWND window) const {
    if (getDpiForMonitor_ == nullptr || monitorFromWindow_ == nullptr) {
        return 0;
    }
    UINT x = 0;
    UINT y = 0;
    const HMONITOR monitor = monitorFromWindow_(window, MONITOR_DEFAULTTONEAREST);
    return SUCCEEDED(getDpiForMonitor_(monitor, kEffectiveDpi, &x, &y)) ? x : 0;
}

void WindowDpi::addFrame(RECT& client, DWORD style, UINT dpi) const {
    if (adjustWindowRectExForDpi_ != nullptr) {
        adjustWindowRectExForDpi_(&client, style, FALSE, 0, dpi);
    } else {
        // Before Windows 10 version 1607 the frame keeps the system's DPI
        // on every monitor.
        AdjustWindowRectEx(&client, style, FALSE, 0);
    }
}

}  // namespace veltara
