// The main window's class, registered once for the program, with its icons.
#pragma once

#include <windows.h>

#include "system_functions.h"

namespace veltara {

inline constexpr wchar_t kMainWindowClass[] = L"VeltaraMainForm";

// Throws where Windows refuses the class. RegisterClassExW is found
// through `resolve`, so that a test can make it fail.
void registerMainWindowClass(WNDPROC procedure, FunctionResolver resolve);

}  // namespace veltara
