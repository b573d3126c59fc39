#include "fatal_error.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "main_form_description.h"
#include "win32_text.h"

namespace veltara {

void reportFatalErrorAndExit(std::string_view what) {
    const std::string report = fatalErrorReport(what);
    std::fprintf(stderr, "%s\n", report.c_str());
    std::fflush(stderr);
    MessageBoxW(nullptr, widen(report).c_str(), widen(kProgramName).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(EXIT_FAILURE);
}

}  // namespace veltara
