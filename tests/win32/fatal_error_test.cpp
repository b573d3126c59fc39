// An error in a control operation while a handler runs ends the program with
// a message box and a failure status, rather than unwinding through the
// system's window procedures.
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

}  // namespace
}  // namespace veltara::testing
