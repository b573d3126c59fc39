// The program's event loop. Keyboard navigation (Tab, the arrow keys in the
// planet group) goes through the dialog manager, as in a dialog box.
#pragma once

#include <windows.h>

namespace veltara {

// Handles one message taken from the queue.
void dispatchMessage(HWND form, MSG& message);

// Runs until the window is closed; returns the program's exit status.
int runMessageLoop(HWND form);

}  // namespace veltara
