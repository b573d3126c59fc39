// The window under the desktop's own colours, as a high-contrast colour set
// gives them, with high contrast off and on: every text reads on its face,
// and in high contrast the faces take the desktop's colours while each
// category shows by its mark.
#include <gtest/gtest.h>
#include <windows.h>
#include <uxtheme.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <string>
#include <tuple>

#include "control_colours.h"
#include "control_names.h"
#include "win32_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

struct ContrastSet {
    const char* name;  // cppcheck-suppress unusedStructMember ; read through GetParam()
    DesktopColours colours;  // cppcheck-suppress unusedStructMember
};

const ContrastSet kBlackSet{"Black", {{0, 0, 0}, {255, 255, 0}, {0, 0, 0}, {255, 255, 0}}};
const ContrastSet kWhiteSet{"White", {{255, 255, 255}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}}};

// The system's colours for one test, put back after it.
class SystemColours {
public:
    explicit SystemColours(const DesktopColours& colours)
        : wanted_{colorRefOf(colours.window), colorRefOf(colours.windowText),
                  colorRefOf(colours.buttonFace), colorRefOf(colours.buttonText)} {
        std::transform(kIndices.begin(), kIndices.end(), saved_.begin(), &GetSysColor);
        SetSysColors(static_cast<int>(kIndices.size()), kIndices.data(), wanted_.data());
    }
    ~SystemColours() { SetSysColors(static_cast<int>(kIndices.size()), kIndices.data(), saved_.data()); }
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

    // What a visual style may answer for itself.
    bool taken() const {
        return std::equal(kIndices.begin(), kIndices.end(), wanted_.begin(),
                          [](int index, COLORREF wanted) { return GetSysColor(index) == wanted; });
    }

private:
    static constexpr std::array<int, 4> kIndices{COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE,
                                                 COLOR_BTNTEXT};
    std::array<COLORREF, 4> wanted_;
    std::array<COLORREF, 4> saved_{};
};

// VELTARA_PICTURES names a folder where each test keeps what it saw, as a
// PPM file named after it: the README's picture is one of them.
void keepPicture(const Picture& shown) {
    const char* folder = std::getenv("VELTARA_PICTURES");
    if (folder == nullptr) return;
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::ofstream file(std::string(folder) + "/" + name.substr(name.find('/') + 1) + ".ppm",
                       std::ios::binary);
    file << "P6\n" << shown.width << ' ' << shown.height << "\n255\n";
    for (const Rgb& pixel : shown.pixels) {
        file.put(static_cast<char>(pixel.red)).put(static_cast<char>(pixel.green)).put(static_cast<char>(pixel.blue));
    }
}

class DesktopColourTest : public Win32WindowTest,
                       public ::testing::WithParamInterface<std::tuple<ContrastSet, bool>> {};

TEST_P(DesktopColourTest, EveryTextReadsAndEveryCategoryShows) {
    const auto& [set, highContrast] = GetParam();
    const SystemColours system(set.colours);
    // Wine's visual style draws the frame's caption in its own colour, where
    // a Windows in high contrast has none but the contrast one.
    if (IsThemeActive() != FALSE || !system.taken()) {
        GTEST_SKIP() << "a visual style is on: the test runs in a prefix without one";
    }
    answerHighContrast(highContrast);
    SendMessageW(form().window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    pump();
    everyTextReadsAgainstItsFace(*this);
    if (highContrast) {
        everyCategoryShowsByItsMark(*this);
    }
    const Picture shown = picture();
    keepPicture(shown);
    for (const ControlDescription& described : mainFormDescription().controls) {
        if (!described.category) continue;
        SCOPED_TRACE(controlName(described));
        const PictureBox box = placeInPicture(described.array, described.element);
        EXPECT_EQ(shown.at(box.left + 2, box.top + box.height - 3),
                  highContrast ? set.colours.buttonFace : *described.background);
    }
}

using PartialRepaint = Win32WindowTest;

// A window, a tooltip or the Magnifier's lens passing over a planet has it
// repaint a strip: its marks must come out whole, as a full repaint draws
// them, not inverted a second time or left behind outside the strip.
TEST_F(PartialRepaint, LeavesAChosenFocusedPlanetsMarksWhole) {
    answerHighContrast(true);
    SendMessageW(form().window(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    pump();
    const int mars = 3;
    clickPlanet(mars);  // chosen: empty, with the focus
    ASSERT_EQ(GetFocus(), planet(mars));
    const ControlDescription& described = mainFormDescription().control(ControlArray::Option1, mars);
    const PictureBox box = placeInPicture(ControlArray::Option1, mars);
    const PictureBox mark = partOf(box, described, categoryMarkPlace(described));
    const Picture whole = picture();
    const Rgb face = whole.at(box.left + 2, box.top + box.height - 3);
    EXPECT_EQ(whole.at(mark.left + mark.width / 2, mark.top + mark.height / 2),
              categoryColour(described.category.value()));
    int dots = 0;  // the focus mark along the face's top edge
    for (int x = box.left + 2; x < box.left + box.width - 2; ++x) {
        dots += whole.at(x, box.top + 1) != face ? 1 : 0;
    }
    EXPECT_GT(dots, box.width / 3);

    // A strip across the mark and the focus mark's right edge.
    RECT strip{mark.left - box.left - 2, mark.top - box.top + 2, box.width, mark.top - box.top + 5};
    InvalidateRect(planet(mars), &strip, TRUE);
    UpdateWindow(planet(mars));
    const Picture after = shownPicture();
    int changed = 0;
    for (int y = box.top; y < box.top + box.height; ++y) {
        for (int x = box.left; x < box.left + box.width; ++x) {
            changed += after.at(x, y) != whole.at(x, y) ? 1 : 0;
        }
    }
    EXPECT_EQ(changed, 0);
}

INSTANTIATE_TEST_SUITE_P(
    ContrastColours, DesktopColourTest,
    ::testing::Combine(::testing::Values(kBlackSet, kWhiteSet), ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<ContrastSet, bool>>& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) ? "HighContrastOn" : "HighContrastOff");
    });

}  // namespace
}  // namespace veltara::testing
