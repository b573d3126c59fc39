#include "message_loop.h"

namespace veltara {

void dispatchMessage(HWND form, MSG& message) {
    if (IsDialogMessageW(form, &message) == FALSE) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int runMessageLoop(HWND form) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatchMessage(form, message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace veltara
