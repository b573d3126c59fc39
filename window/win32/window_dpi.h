// The DPI a window is drawn at, and the size of its frame at that DPI:
// per monitor where Windows has the functions for it (the window's own DPI
// from Windows 10 version 1607 on, its monitor's on Windows 8.1 and the
// first Windows 10), otherwise the system's DPI, which the manifest's
// awareness gives on Windows 7 and 8.
#pragma once

#include <windows.h>

#include "system_functions.h"

namespace veltara {

class WindowDpi {
public:
    explicit WindowDpi(FunctionResolver resolve);

    UINT of(HWND window) const;
    // Grows a client rectangle to the window's outer one.
    void addFrame(RECT& client, DWORD style, UINT dpi) const;

private:
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    using MonitorFromWindowFunction = HMONITOR(WINAPI*)(HWND, DWORD);
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

    UINT ofMonitor(HWND window) const;

    GetDpiForWindowFunction getDpiForWindow_;
    MonitorFromWindowFunction monitorFromWindow_;
    GetDpiForMonitorFunction getDpiForMonitor_;
    AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi_;
};

}  // namespace veltara
