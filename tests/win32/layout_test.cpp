// The Win32 window as built: places, colours, texts and tab order, read back
// from the real controls.
#include <utility>

#include "main_form_description.h"
#include "win32_exercise_controls.h"
#include "win32_fixture.h"
#include "window_scenarios.h"
#include "win32_text.h"

namespace veltara::testing {
namespace {

using Layout = Win32WindowTest;

std::string traceName(const ControlDescription& control) {
    return std::string(arrayName(control.array)) + " " + std::to_string(control.element);
}

// Twips become pixels at the window's DPI: 15 to a pixel at 96 DPI.
int pixelsAt(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

TEST_F(Layout, EveryControlStandsAsDescribed) {
    HWND frame = control(ControlArray::Frame1);
    const UINT dpi = screenDpi();
    for (const ControlDescription& described : mainFormDescription().controls) {
        SCOPED_TRACE(traceName(described));
        if (!described.visible) {
            // A hidden control is kept as data, not as a window.
            EXPECT_EQ(form().control(described.array, described.element), nullptr);
            continue;
        }
        HWND built = control(described.array, described.element);
        ASSERT_NE(built, nullptr);
        // The planets stand beside their frame in the window, at its offset.
        EXPECT_EQ(GetParent(built), form().window());
        const RECT origin = described.insideFrame ? placeOf(frame) : RECT{};
        const RECT place = placeOf(built);
        EXPECT_EQ(place.left, origin.left + pixelsAt(described.place.left, dpi));
        EXPECT_EQ(place.top, origin.top + pixelsAt(described.place.top, dpi));
        EXPECT_EQ(place.right - place.left, pixelsAt(described.place.width, dpi));
        EXPECT_EQ(place.bottom - place.top, pixelsAt(described.place.height, dpi));
        EXPECT_EQ(IsWindowVisible(built) != FALSE, described.visible);
        if (described.kind != ControlKind::ListBox) {
            EXPECT_EQ(narrow(windowText(built)), described.text);
        }
    }
    const std::vector<std::string> reference = referenceItems();
    ASSERT_EQ(reference.size(), 13U);
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_EQ(reference[static_cast<std::size_t>(row.index)], row.name);
    }
    EXPECT_EQ(widen(quotation()).size(), 118U);
}

TEST_F(Layout, ColoursShowWhereNoTextIs) {
    for (const ControlDescription& described : mainFormDescription().controls) {
        if (!described.background || !described.visible) {
            continue;
        }
        SCOPED_TRACE(traceName(described));
        HWND built = control(described.array, described.element);
        RECT client{};
        GetClientRect(built, &client);
        // The top-right corner of a planet button, the bottom-left of a label,
        // the left edge of the frame's inside, beside the clear button's caption.
        POINT probe{2, client.bottom - 2};
        if (described.kind == ControlKind::OptionButton) probe = {client.right - 2, 1};
        if (described.kind == ControlKind::Frame) probe = {4, client.bottom / 2};
        if (described.kind == ControlKind::CommandButton) probe = {6, client.bottom / 2};
        EXPECT_EQ(pixel(built, probe.x, probe.y), toColorRef(*described.background));
    }
    EXPECT_EQ(pixel(form().window(), 2, 2), RGB(192, 192, 255));
}

TEST_F(Layout, EveryTextReadsAgainstItsFace) { everyTextReadsAgainstItsFace(*this); }

TEST_F(Layout, WindowIsFixedWithItsCaptionAndIcon) {
    RECT client{};
    GetClientRect(form().window(), &client);
    const UINT dpi = screenDpi();
    EXPECT_EQ(client.right, MulDiv(461, static_cast<int>(dpi), 96));
    EXPECT_EQ(client.bottom, MulDiv(365, static_cast<int>(dpi), 96));
    // Times New Roman 12 points, at the window's DPI.
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(messageArea(), WM_GETFONT, 0, 0));
    LOGFONTW logical{};
    ASSERT_NE(GetObjectW(font, sizeof(logical), &logical), 0);
    EXPECT_EQ(logical.lfHeight, -MulDiv(12, static_cast<int>(dpi), 72));
    EXPECT_EQ(logical.lfWeight, FW_NORMAL);
    EXPECT_EQ(logical.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(std::wstring(logical.lfFaceName), L"Times New Roman");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(form().window(), GWL_STYLE));
    EXPECT_EQ(style & WS_THICKFRAME, 0U);
    EXPECT_EQ(style & WS_MAXIMIZEBOX, 0U);
    EXPECT_NE(style & WS_CAPTION, 0U);
    const std::string caption = narrow(windowText(form().window()));
    EXPECT_EQ(caption, mainFormDescription().caption);
    EXPECT_NE(GetClassLongPtrW(form().window(), GCLP_HICON), 0U);
    // Dragging an edge does nothing: the border is no sizing border.
    RECT outer{};
    GetWindowRect(form().window(), &outer);
    const LRESULT edge = SendMessageW(form().window(), WM_NCHITTEST, 0,
                                      MAKELPARAM(outer.right - 1, (outer.top + outer.bottom) / 2));
    EXPECT_NE(edge, HTRIGHT);
}

// Before Windows 10 version 1607 there are no per-monitor DPI functions: the
// window is built at the system's DPI, and at the same size.
TEST_F(Layout, WithoutThePerMonitorDpiFunctionsTheWindowIsTheSame) {
    const MainForm fallback([](const wchar_t*, const char*) -> FARPROC { return nullptr; });
    const auto sizeOf = [](HWND window) {
        RECT outer{};
        GetWindowRect(window, &outer);
        return std::pair{outer.right - outer.left, outer.bottom - outer.top};
    };
    const auto fontHeightOf = [](HWND window) {
        LOGFONTW logical{};
        // NOLINTNEXTLINE(performance-no-int-to-ptr): WM_GETFONT answers with a handle
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)),
                   sizeof(logical), &logical);
        return logical.lfHeight;
    };
    EXPECT_EQ(sizeOf(fallback.window()), sizeOf(form().window()));
    for (const ControlDescription& described : mainFormDescription().controls) {
        if (!described.visible) {
            continue;
        }
        SCOPED_TRACE(traceName(described));
        HWND built = fallback.control(described.array, described.element);
        HWND expected = control(described.array, described.element);
        const RECT place = placeOf(built);
        const RECT expectedPlace = placeOf(expected);
        EXPECT_TRUE(EqualRect(&place, &expectedPlace) != FALSE);
        EXPECT_EQ(fontHeightOf(built), fontHeightOf(expected));
    }
}

TEST_F(Layout, StartsWithNothingChosenAndTheFocusOnTheMessage) {
    EXPECT_EQ(GetFocus(), messageArea());
    EXPECT_TRUE(answers().empty());
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_EQ(caption(row.index), row.name);
        EXPECT_FALSE(planetSelected(row.index));
    }
    EXPECT_EQ(message(), mainFormDescription().control(ControlArray::Text1, 0).text);
}

TEST_F(Layout, TabVisitsTheControlsInTheirOrder) {
    const std::vector<HWND> expected{messageArea(), planet(0), answerList(), clearButton(),
                                     messageArea()};
    std::vector<HWND> visited{GetFocus()};
    for (std::size_t step = 1; step < expected.size(); ++step) {
        pressKey(VK_TAB);
        visited.push_back(GetFocus());
    }
    EXPECT_EQ(visited, expected);
    std::vector<HWND> back{GetFocus()};
    for (std::size_t step = 1; step < expected.size(); ++step) {
        pressKey(VK_TAB, true);
        back.push_back(GetFocus());
    }
    EXPECT_EQ(back, std::vector<HWND>(expected.rbegin(), expected.rend()));
    EXPECT_TRUE(answers().empty());  // moving the focus chose nothing
}

}  // namespace
}  // namespace veltara::testing
