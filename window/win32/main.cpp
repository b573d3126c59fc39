// Starts the exercise: shows the main window and runs until it is closed.
#include <windows.h>

#include "main_form.h"
#include "message_loop.h"

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int show) {
    const auto form = veltara::showMainFormOrExit(show);
    return veltara::runMessageLoop(form->window());
}
