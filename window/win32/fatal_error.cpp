#include "fatal_error.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "win32_text.h"

namespace veltara {

void reportFatalErrorAndExit(std::string_view what) {
    const std::string report = "Велтара: неочаквана грешка: " + std::string(what);
    std::fprintf(stderr, "%s\n", report.c_str());
    std::fflush(stderr);
    MessageBoxW(nullptr, widen(report).c_str(), L"\u0412\u0435\u043b\u0442\u0430\u0440\u0430",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(EXIT_FAILURE);
}

}  // namespace veltara
