#include "accessibility.h"

#include <commctrl.h>

#include <new>

#include "accessible_proxy.h"
#include "fatal_guard.h"
#include "screen_reader_functions.h"
#include "window_subclass.h"

namespace veltara {

namespace {

constexpr UINT_PTR kAccessibilitySubclass = 0xA11;

// Handing an object across to a screen reader needs COM: the thread joins
// a single-threaded apartment the first time one asks, for the program's
// life.
void joinApartmentOnce(const ScreenReaderFunctions& functions) {
    static const HRESULT joined = functions.coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    static_cast<void>(joined);
}

LRESULT serveProxy(HWND window, WPARAM wParam, const ControlDescription& control) {
    const ScreenReaderFunctions* functions = screenReaderFunctions();
    if (functions == nullptr) {
        return 0;
    }
    joinApartmentOnce(*functions);
    IAccessible* standard = nullptr;
    if (FAILED(functions->createStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                                    reinterpret_cast<void**>(&standard)))) {
        return 0;
    }
    // Without the memory for a proxy the standard object serves.
    auto* proxy = new (std::nothrow) AccessibleProxy(window, *standard, control, *functions);
    standard->Release();
    if (proxy == nullptr) {
        return 0;
    }
    const LRESULT served = functions->lresultFromObject(IID_IAccessible, wParam, proxy);
    proxy->Release();
    return SUCCEEDED(served) ? served : 0;
}

// WM_SETTEXT carries the text's address.
bool isEmptyText(LPARAM text) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    return text == 0 || *reinterpret_cast<const wchar_t*>(text) == L'\0';
}

LRESULT CALLBACK accessibleControlProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR id, DWORD_PTR data);

LRESULT serveAccessibleControl(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR id, DWORD_PTR data) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the control's description, given below
    const auto& control = *reinterpret_cast<const ControlDescription*>(data);
    switch (message) {
    case WM_GETOBJECT:
        if (static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
            if (const LRESULT served = serveProxy(window, wParam, control); served != 0) {
                return served;
            }
        }
        break;
    case WM_SETTEXT:
        if (control.isMessageArea()) {
            // The pupil cannot type there: every text is the exercise's, a
            // verdict or the empty text of a fresh start. A verdict is an
            // alert, which screen readers speak wherever the focus is.
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            if (!isEmptyText(lParam)) {
                NotifyWinEvent(EVENT_SYSTEM_ALERT, window, OBJID_CLIENT, kVerdictChild);
            }
            return result;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(window, &accessibleControlProcedure, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK accessibleControlProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    return runGuarded(
        [&] { return serveAccessibleControl(window, message, wParam, lParam, id, data); });
}

}  // namespace

void makeAccessible(HWND control, const ControlDescription& described) {
    // The frame lies over the planet buttons, and its object hands a hit
    // test on to the button beneath, as the frame lets the mouse through.
    if (described.accessibleName.empty() && described.accessibleDescription.empty() &&
        !described.isMessageArea() && described.kind != ControlKind::Frame) {
        return;
    }
    subclassOrThrow(control, &accessibleControlProcedure, kAccessibilitySubclass,
                    reinterpret_cast<DWORD_PTR>(&described));
}

}  // namespace veltara
