// The answer list's own keys and mouse: Space takes back the name under the
// focus mark, a press below the last name takes nothing, and a double-click
// takes back one name only, the one under the pointer at its first press.
#pragma once

#include <windows.h>

#include <string>

#include "window_subclass.h"

namespace veltara {

class AnswerList {
public:
    explicit AnswerList(HWND list);

private:
    LRESULT handle(HWND list, UINT message, WPARAM wParam, LPARAM lParam);

    WindowSubclass subclass_;
};

// The text of a list box item; the empty text where there is no such item.
std::wstring listItemText(HWND list, int position);

}  // namespace veltara
