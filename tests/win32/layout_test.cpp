// The Win32 window as built: places, colours, texts and tab order, read back
// from the real controls.
#include "control_names.h"
#include "main_form_description.h"
#include "message_parameters.h"
#include "win32_exercise_controls.h"
#include "win32_fixture.h"
#include "window_scenarios.h"
#include "win32_text.h"

namespace veltara::testing {
namespace {

using Layout = Win32WindowTest;

LONG fontHeightOf(HWND window) {
    LOGFONTW logical{};
    // NOLINTNEXTLINE(performance-no-int-to-ptr): WM_GETFONT answers with a handle
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(logical),
               &logical);
    return logical.lfHeight;
}

// Every shown control at its described place, with its text, in the font of
// the described size, at `dpi`; the planets at their frame's offset in the
// window, as they would stand in it.
void expectControlsAt(const MainForm& form, UINT dpi) {
    const WindowDescription& described = mainFormDescription();
    const TwipsRect& frame = described.control(ControlArray::Frame1, 0).place;
    for (const ControlDescription& control : described.controls) {
        SCOPED_TRACE(controlName(control));
        HWND built = form.control(control.array, control.element);
        // A hidden control is kept as data, not as a window.
        ASSERT_EQ(built != nullptr, control.visible);
        if (built == nullptr) {
            continue;
        }
        // The planets stand beside their frame in the window.
        EXPECT_EQ(GetParent(built), form.window());
        EXPECT_EQ(IsWindowVisible(built), IsWindowVisible(form.window()));
        if (control.kind != ControlKind::ListBox) {
            EXPECT_EQ(narrow(windowText(built)), control.text);
        }
        const POINT origin = control.insideFrame
                                 ? POINT{pixelsAt(frame.left, dpi), pixelsAt(frame.top, dpi)}
                                 : POINT{0, 0};
        RECT place{};
        GetWindowRect(built, &place);
        MapWindowPoints(nullptr, form.window(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_EQ(place.left, origin.x + pixelsAt(control.place.left, dpi));
        EXPECT_EQ(place.top, origin.y + pixelsAt(control.place.top, dpi));
        EXPECT_EQ(place.right - place.left, pixelsAt(control.place.width, dpi));
        EXPECT_EQ(place.bottom - place.top, pixelsAt(control.place.height, dpi));
        EXPECT_EQ(fontHeightOf(built), -MulDiv(described.font.points, static_cast<int>(dpi), 72));
    }
}

// Where the window's frame has that DPI too, its client area is as described.
void expectLaidOutAt(const MainForm& form, UINT dpi) {
    expectControlsAt(form, dpi);
    RECT client{};
    GetClientRect(form.window(), &client);
    EXPECT_EQ(client.right, pixelsAt(mainFormDescription().clientWidth, dpi));
    EXPECT_EQ(client.bottom, pixelsAt(mainFormDescription().clientHeight, dpi));
}

TEST_F(Layout, StartsAsDescribed) { expectLaidOutAt(form(), screenDpi()); }

TEST_F(Layout, ColoursShowWhereNoTextIs) {
    const Picture shown = picture();
    for (const ControlDescription& described : mainFormDescription().controls) {
        if (!described.background || !described.visible) {
            continue;
        }
        SCOPED_TRACE(controlName(described));
        const PictureBox box = placeInPicture(described.array, described.element);
        // The top-right corner of a planet button, the bottom-left of a label,
        // the left edge of the frame's inside, beside the clear button's caption.
        POINT probe{2, box.height - 2};
        if (described.kind == ControlKind::OptionButton) probe = {box.width - 2, 1};
        if (described.kind == ControlKind::Frame) probe = {4, box.height / 2};
        if (described.kind == ControlKind::CommandButton) probe = {6, box.height / 2};
        EXPECT_EQ(shown.at(box.left + probe.x, box.top + probe.y), *described.background);
    }
    EXPECT_EQ(shown.at(2, 2), mainFormDescription().background);
}

TEST_F(Layout, WindowIsFixedWithItsCaptionAndIcon) {
    EXPECT_EQ(GetWindowLongPtrW(form().window(), GWL_STYLE) & WS_MAXIMIZEBOX, 0);
    EXPECT_EQ(narrow(windowText(form().window())), mainFormDescription().caption);
    EXPECT_NE(GetClassLongPtrW(form().window(), GCLP_HICON), 0U);
    // Dragging an edge does nothing: the border is no sizing border.
    RECT outer{};
    GetWindowRect(form().window(), &outer);
    const LRESULT edge = SendMessageW(form().window(), WM_NCHITTEST, 0,
                                      MAKELPARAM(outer.right - 1, (outer.top + outer.bottom) / 2));
    EXPECT_NE(edge, HTRIGHT);
}

// A monitor of 192 DPI as Windows 8.1 tells it, asked for its effective DPI
// (MDT_EFFECTIVE_DPI, 0).
HRESULT WINAPI monitorOf192Dpi(HMONITOR monitor, int type, UINT* x, UINT* y) {
    *x = *y = 192;
    return monitor != nullptr && type == 0 ? S_OK : E_INVALIDARG;
}

// Before Windows 10 version 1607 there is no GetDpiForWindow: Windows 8.1
// tells the DPI of the window's monitor, and Windows 7, which lacks shcore,
// only the system's. The frame keeps the system's DPI on both.
TEST_F(Layout, BeforeWindows10TheWindowTakesItsMonitorsOrTheSystemsDpi) {
    const MainForm windows7([](const wchar_t*, const char*) -> FARPROC { return nullptr; });
    expectLaidOutAt(windows7, screenDpi());
    // Windows 8.1 has nothing of Windows 10 version 1607's.
    replaceFunctions({{"GetDpiForMonitor", asFunction(&monitorOf192Dpi)},
                      {"GetDpiForWindow", nullptr},
                      {"AdjustWindowRectExForDpi", nullptr}});
    const MainForm windows81(&resolveReplaced);
    expectLaidOutAt(windows81, 192);
}

// Moved to a monitor of another DPI, the window is asked for its size there
// (Windows 10 version 1703 on), then told the new DPI with the place and
// size Windows suggests from that answer. Wine has one DPI for every
// monitor and sends neither message, so the test sends them. Wine draws the
// frame at the system's DPI, where Windows draws it at the new one: the
// client area is not measured here.
TEST_F(Layout, FollowsTheWindowToAMonitorOfAnotherDpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjustForDpi =
        findFunction<AdjustForDpi>(&resolveSystemFunction, L"user32.dll", "AdjustWindowRectExForDpi");
    ASSERT_NE(adjustForDpi, nullptr);
    HWND window = form().window();
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE
    // A monitor of 192 DPI is larger than the test's screen, whose size
    // would otherwise limit the window's (WM_GETMINMAXINFO).
    const SUBCLASSPROC onALargerMonitor = [](HWND form, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR) -> LRESULT {
        const LRESULT answer = DefSubclassProc(form, message, wParam, lParam);
        if (message == WM_GETMINMAXINFO) {
            fromParameter<MINMAXINFO*>(lParam)->ptMaxTrackSize = {4096, 4096};
        }
        return answer;
    };
    SetWindowSubclass(window, onALargerMonitor, 0, 0);
    for (const UINT dpi : {144U, 192U}) {
        SCOPED_TRACE(dpi);
        RECT outer{0, 0, pixelsAt(mainFormDescription().clientWidth, dpi),
                   pixelsAt(mainFormDescription().clientHeight, dpi)};
        adjustForDpi(&outer, style, FALSE, extendedStyle, dpi);
        SIZE size{};
        ASSERT_NE(SendMessageW(window, kGetDpiScaledSize, dpi, reinterpret_cast<LPARAM>(&size)), 0);
        EXPECT_EQ(size.cx, outer.right - outer.left);
        EXPECT_EQ(size.cy, outer.bottom - outer.top);

        RECT suggested{};
        GetWindowRect(window, &suggested);
        suggested.right = suggested.left + size.cx;
        suggested.bottom = suggested.top + size.cy;
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        pump();
        RECT now{};
        GetWindowRect(window, &now);
        EXPECT_TRUE(EqualRect(&now, &suggested) != FALSE);
        expectControlsAt(form(), dpi);
    }
    RemoveWindowSubclass(window, onALargerMonitor, 0);
}

}  // namespace
}  // namespace veltara::testing
