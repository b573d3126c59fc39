// An error in a control operation while a handler runs ends the program with
// a message box and a failure status, rather than unwinding through the
// system's window procedures.
#include <string_view>
#include <thread>

#include "main_form_description.h"
#include "win32_fixture.h"
#include "win32_text.h"

namespace veltara::testing {
namespace {

using FatalError = Win32WindowTest;

// Presses OK on the message box that reports the error, as a pupil would.
void dismissTheReportWhenItShows() {
    std::thread([title = widen(kProgramName)] {
        for (int attempt = 0; attempt < 500; ++attempt) {
            HWND report = FindWindowW(L"#32770", title.c_str());
            if (report != nullptr) {
                PostMessageW(report, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(10);
        }
        ExitProcess(2);  // no report showed: not the status the test expects
    }).detach();
}

TEST_F(FatalError, AControlThatFailsEndsTheProgramWithAReport) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            // The verdict check reads every planet button; one is gone.
            DestroyWindow(planet(12));
            dismissTheReportWhenItShows();
            clickPlanet(0);
        },
        ::testing::ExitedWithCode(1), "Option1 element 12 no longer exists");
}

ATOM WINAPI refuseTheClass(const WNDCLASSEXW* /*windowClass*/) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);  // as on a terminal server out of memory
    return 0;
}

FARPROC resolveRefusingTheClass(const wchar_t* library, const char* name) {
    if (std::string_view(name) == "RegisterClassExW") {
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&refuseTheClass));
    }
    return resolveSystemFunction(library, name);
}

// No fixture: its window would have registered the class already.
TEST(FatalErrorAtStart, AWindowThatCannotBeBuiltEndsTheProgramWithAReport) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            dismissTheReportWhenItShows();
            showMainFormOrExit(SW_SHOWNORMAL, &resolveRefusingTheClass);
        },
        ::testing::ExitedWithCode(1), "the main window class cannot be registered");
}

}  // namespace
}  // namespace veltara::testing
