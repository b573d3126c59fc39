#include "screen_reader_functions.h"

#include "system_functions.h"

namespace veltara {

namespace {

ScreenReaderFunctions find(FunctionResolver resolve) {
    return {
        findFunction<decltype(&CoInitializeEx)>(resolve, L"ole32.dll", "CoInitializeEx"),
        findFunction<decltype(&CreateStdAccessibleObject)>(resolve, L"oleacc.dll",
                                                           "CreateStdAccessibleObject"),
        findFunction<decltype(&LresultFromObject)>(resolve, L"oleacc.dll", "LresultFromObject"),
        findFunction<decltype(&AccessibleObjectFromWindow)>(resolve, L"oleacc.dll",
                                                            "AccessibleObjectFromWindow"),
        findFunction<decltype(&SysAllocString)>(resolve, L"oleaut32.dll", "SysAllocString"),
    };
}

bool allFound(const ScreenReaderFunctions& functions) {
    return functions.coInitializeEx != nullptr && functions.createStdAccessibleObject != nullptr &&
           functions.lresultFromObject != nullptr &&
           functions.accessibleObjectFromWindow != nullptr && functions.sysAllocString != nullptr;
}

}  // namespace

const ScreenReaderFunctions* screenReaderFunctions() {
    static const ScreenReaderFunctions found = find(&resolveSystemFunction);
    return allFound(found) ? &found : nullptr;
}

}  // namespace veltara
