// The window stands in for a dialog box: the dialog manager
// (IsDialogMessage, in the message loop) moves the focus with Tab, and the
// window answers it as a dialog box does. The focus leaves with the window
// and comes back to the control that had it, wherever Windows gives it back
// (reactivation, or the focus given to the window itself), and the focus
// is always shown.
#pragma once

#include <windows.h>

#include <optional>

#include "window_subclass.h"

namespace veltara {

class DialogNavigation {
public:
    // `first` has the focus at start: the message area.
    DialogNavigation(HWND form, HWND first);

    // Gives the focus to the first control, once the window is built.
    void start() const;

    // The answer to one of the window's messages, where it is a dialog
    // box's to give.
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void saveFocus();
    void restoreFocus() const;
    LRESULT handleMessageArea(HWND area, UINT message, WPARAM wParam, LPARAM lParam);

    HWND form_;
    HWND first_;
    HWND saved_;
    WindowSubclass messageArea_;
};

}  // namespace veltara
