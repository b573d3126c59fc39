// An error the program does not expect ends it with a message box and a
// failure status, rather than unwinding through the system's window
// procedures: in a handler, before the window exists, and once it exists,
// where taking it down has asked the message loop to end (WM_QUIT).
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>

#include "main_form_description.h"
#include "main_window_class.h"
#include "message_parameters.h"
#include "win32_fixture.h"
#include "win32_text.h"

namespace veltara::testing {
namespace {

using FatalError = Win32WindowTest;

// Reads the message box that reports the error and presses OK, as a pupil
// would. What it showed goes to the error output, which the death test
// reads; only a box that waits for the pupil counts, not one that comes
// and goes by itself.
void readTheReportWhenItShows() {
    std::thread([title = widen(kProgramName)] {
        for (std::int16_t attempt = 0; attempt < 500; ++attempt, Sleep(10)) {
            HWND report = FindWindowW(L"#32770", title.c_str());
            if (report == nullptr || IsWindowVisible(report) == FALSE) {
                continue;
            }
            std::string shown;
            EnumChildWindows(report, [](HWND part, LPARAM text) {
                fromParameter<std::string*>(text)->append(narrow(windowText(part)) + " ");
                return TRUE;
            }, reinterpret_cast<LPARAM>(&shown));
            Sleep(300);
            if (IsWindow(report) != FALSE) {
                std::fprintf(stderr, "the report showed: %s\n", shown.c_str());
                std::fflush(stderr);
                PostMessageW(report, WM_COMMAND, IDOK, 0);
            }
            return;
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
            readTheReportWhenItShows();
            clickPlanet(0);
        },
        ::testing::ExitedWithCode(1), "the report showed: .*Option1 element 12 no longer exists");
}

ATOM WINAPI refuseTheClass(const WNDCLASSEXW* /*windowClass*/) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);  // as on a terminal server out of memory
    return 0;
}

// Windows refuses the window's controls, as when it runs out of resources.
LRESULT CALLBACK refuseTheControls(int code, WPARAM wParam, LPARAM lParam) {
    std::array<wchar_t, 64> parent{};
    if (code == HCBT_CREATEWND) {
        GetClassNameW(fromParameter<const CBT_CREATEWNDW*>(lParam)->lpcs->hwndParent,
                      parent.data(), static_cast<int>(parent.size()));
    }
    return std::wstring_view(parent.data()) == kMainWindowClass
               ? 1
               : CallNextHookEx(nullptr, code, wParam, lParam);
}

// No fixture: its window would have registered the class already.
TEST(FatalErrorAtStart, AWindowThatCannotBeBuiltEndsTheProgramWithAReport) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            readTheReportWhenItShows();
            replaceFunctions({{"RegisterClassExW", asFunction(&refuseTheClass)}});
            showMainFormOrExit(SW_SHOWNORMAL, &resolveReplaced);
        },
        ::testing::ExitedWithCode(1), "the report showed: .*the main window class cannot be registered");
    EXPECT_EXIT(
        {
            SetWindowsHookExW(WH_CBT, &refuseTheControls, nullptr, GetCurrentThreadId());
            readTheReportWhenItShows();
            showMainFormOrExit(SW_SHOWNORMAL);
        },
        ::testing::ExitedWithCode(1), "the report showed: .*a control cannot be created");
}

}  // namespace
}  // namespace veltara::testing
