// The Windows layer's end of the program after an error nothing expected
// (fatal_guard.h): the report in a message box, then a failure status.
#include <windows.h>

#include <cstdio>
#include <string>

#include "fatal_guard.h"
#include "main_form_description.h"
#include "win32_text.h"

namespace veltara {

void reportFatalErrorAndExit(std::string_view what) {
    const std::string report = fatalErrorReport(what);
    std::fprintf(stderr, "%s\n", report.c_str());
    std::fflush(stderr);
    // A modal loop that meets WM_QUIT ends at once, and the message box's
    // does so before the pupil has seen it. The window's end may have asked
    // for one already (WM_DESTROY, when the window is taken down on the way
    // out of a failed start); the program ends here instead, so the request
    // is taken off the queue, however many there are.
    MSG quit{};
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE) {
    }
    MessageBoxW(nullptr, widen(report).c_str(), widen(kProgramName).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(EXIT_FAILURE);
}

}  // namespace veltara
