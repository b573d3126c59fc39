// A control's subclass, serving one small object of the window (the planet
// group, the answer list...), never the whole window. It is removed when the
// control is destroyed (WM_NCDESTROY) or when the object goes, whichever
// comes first, so that no procedure outlives the object it was given.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>

#include "fatal_guard.h"

namespace veltara {

// What a served object's handler looks like: the control, then the message.
template <typename Served>
using SubclassHandler = LRESULT (Served::*)(HWND, UINT, WPARAM, LPARAM);

template <typename Served, SubclassHandler<Served> Handle>
LRESULT CALLBACK servingProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                  UINT_PTR id, DWORD_PTR served) {
    return runGuarded([&] {
        if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(control, &servingProcedure<Served, Handle>, id);
            return DefSubclassProc(control, message, wParam, lParam);
        }
        // NOLINTNEXTLINE(performance-no-int-to-ptr): the object given to install()
        return (reinterpret_cast<Served*>(served)->*Handle)(control, message, wParam, lParam);
    });
}

// Subclasses control with procedure, which gets data with every message.
// Throws where Windows refuses: the control would go unserved, which the
// window cannot start with.
inline void subclassOrThrow(HWND control, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    if (SetWindowSubclass(control, procedure, id, data) == FALSE) {
        throw std::runtime_error("a control cannot be subclassed");
    }
}

// Windows keeps the served object's address. The subclass is a member of
// that object and can be neither copied nor moved, and so neither can the
// object: it stays where Windows was told it is.
class WindowSubclass {
public:
    WindowSubclass() = default;
    ~WindowSubclass() { remove(); }
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;
    WindowSubclass(WindowSubclass&&) = delete;
    WindowSubclass& operator=(WindowSubclass&&) = delete;

    // Calls served.*Handle for every message of the control; the handler
    // passes what it does not take on with DefSubclassProc. Throws where
    // Windows refuses (subclassOrThrow).
    template <typename Served, SubclassHandler<Served> Handle>
    void install(HWND control, Served& served) {
        remove();
        subclassOrThrow(control, &servingProcedure<Served, Handle>, kId,
                        reinterpret_cast<DWORD_PTR>(&served));
        control_ = control;
        procedure_ = &servingProcedure<Served, Handle>;
    }

private:
    static constexpr UINT_PTR kId = 1;

    // Where the control went first, the procedure has removed itself and
    // this finds nothing to remove.
    void remove() {
        if (control_ != nullptr) {
            RemoveWindowSubclass(control_, procedure_, kId);
            control_ = nullptr;
        }
    }

    HWND control_ = nullptr;
    SUBCLASSPROC procedure_ = nullptr;
};

}  // namespace veltara
