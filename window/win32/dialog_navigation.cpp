#include "dialog_navigation.h"

#include "message_parameters.h"

namespace veltara {

DialogNavigation::DialogNavigation(HWND form, HWND first)
    : form_(form),
      first_(first),
      saved_(first) {
    messageArea_.install<DialogNavigation, &DialogNavigation::handleMessageArea>(first, *this);
    // The focus is always shown, whether the pupil has used the keyboard yet
    // or not.
    SendMessageW(form_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void DialogNavigation::start() const { SetFocus(first_); }

std::optional<LRESULT> DialogNavigation::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NEXTDLGCTL: {
        // What a dialog box does when the dialog manager moves the focus.
        HWND next = lParam != 0 ? fromParameter<HWND>(wParam)
                                : GetNextDlgTabItem(form_, GetFocus(), wParam != 0);
        if (next != nullptr) {
            SetFocus(next);
        }
        return 0;
    }
    case WM_COMMAND:
        // Every control tells the window when it takes the focus (EN_, LBN_
        // and BN_SETFOCUS). The focus is kept from there: when the window
        // is minimised it may be gone before WM_ACTIVATE says so, as under
        // Wine, where no control has it by then.
        if (const auto control = fromParameter<HWND>(lParam);
            control != nullptr && control == GetFocus()) {
            saved_ = control;
        }
        return std::nullopt;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            saveFocus();
        } else if (HIWORD(wParam) == 0) {
            // Not while minimised: the focus comes back with WM_SETFOCUS
            // once the window is restored.
            restoreFocus();
        }
        return 0;
    case WM_SETFOCUS:
        restoreFocus();
        return 0;
    case WM_SHOWWINDOW:
        if (wParam == FALSE) {
            saveFocus();
        }
        return std::nullopt;
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
        if (LOWORD(wParam) == UIS_SET) {
            // Nothing hides the focus again.
            return DefWindowProcW(form_, message,
                                  MAKEWPARAM(UIS_SET, HIWORD(wParam) & ~UISF_HIDEFOCUS), lParam);
        }
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

void DialogNavigation::saveFocus() {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(form_, focus) != FALSE) {
        saved_ = focus;
    }
}

void DialogNavigation::restoreFocus() const {
    const bool usable = saved_ != nullptr && IsWindow(saved_) != FALSE &&
                        IsWindowVisible(saved_) != FALSE && IsWindowEnabled(saved_) != FALSE;
    SetFocus(usable ? saved_ : first_);
}

LRESULT DialogNavigation::handleMessageArea(HWND area, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        // Tab, Enter and Esc belong to the dialog manager, not to the box.
        return DefSubclassProc(area, message, wParam, lParam) &
               ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    }
    return DefSubclassProc(area, message, wParam, lParam);
}

}  // namespace veltara
