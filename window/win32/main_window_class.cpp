#include "main_window_class.h"

#include <commctrl.h>

#include <stdexcept>

#include "resource_ids.h"

namespace veltara {

namespace {

// The icon at the size Windows shows it at the system's DPI (LIM_SMALL is
// SM_CXSMICON, LIM_LARGE SM_CXICON), from the icon's own picture of that
// size, or shrunk from the next larger one where it has none (20 pixels at
// 120 DPI, from its 24).
HICON iconOfSize(HINSTANCE module, int metric) {
    HICON icon = nullptr;
    if (FAILED(LoadIconMetric(module, MAKEINTRESOURCEW(kIconId), metric, &icon))) {
        return nullptr;  // the class then has Windows' default icon
    }
    return icon;
}

}  // namespace

void registerMainWindowClass(WNDPROC procedure, FunctionResolver resolve) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(module, kMainWindowClass, &existing) != FALSE) {
        return;
    }
    using RegisterClassFunction = ATOM(WINAPI*)(const WNDCLASSEXW*);
    auto registerClass = findFunction<RegisterClassFunction>(resolve, L"user32.dll", "RegisterClassExW");
    if (registerClass == nullptr) {
        registerClass = &RegisterClassExW;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = iconOfSize(module, LIM_LARGE);
    windowClass.hIconSm = iconOfSize(module, LIM_SMALL);
    windowClass.lpszClassName = kMainWindowClass;
    if (registerClass(&windowClass) == 0) {
        for (HICON icon : {windowClass.hIcon, windowClass.hIconSm}) {
            if (icon != nullptr) {
                DestroyIcon(icon);
            }
        }
        throw std::runtime_error("the main window class cannot be registered");
    }
}

}  // namespace veltara
