// The DPI a window is drawn at, and the size of its frame at that DPI:
// per monitor where Windows has the functions for it (Windows 10 version
// 1607 on), otherwise the system's DPI, which the manifest's awareness
// gives on Windows 7 and 8.
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
    using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

    GetDpiForWindowFunction getDpiForWindow_;
    AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi_;
};

}  // namespace veltara
