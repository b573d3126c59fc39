// The functions of oleacc, ole32 and oleaut32 that serving a screen reader
// takes. They are found, and the three DLLs loaded, when a screen reader
// first asks for a control's object: a start without one loads none of them.
#pragma once

#include <windows.h>
#include <oleacc.h>

namespace veltara {

struct ScreenReaderFunctions {
    decltype(&CoInitializeEx) coInitializeEx;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject;
    decltype(&LresultFromObject) lresultFromObject;
    decltype(&AccessibleObjectFromWindow) accessibleObjectFromWindow;
    decltype(&SysAllocString) sysAllocString;
};

// Looked up on the first call; null, then and later, where any is missing.
const ScreenReaderFunctions* screenReaderFunctions();

}  // namespace veltara
