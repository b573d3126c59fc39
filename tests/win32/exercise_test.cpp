// The exercise driven through the real Win32 controls with mouse and keyboard.
#include "planet_arrow_keys.h"
#include "win32_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

using Exercise = Win32WindowTest;

// The shared scenarios, played on this window.
#define SCENARIO(Test, scenario) \
    TEST_F(Exercise, Test) { scenario(*this); }
SCENARIO(DistanceOrderByMouseIsRightAndASwapIsWrong, distanceOrderIsRightAndASwapIsWrong)
SCENARIO(AChosenButtonOnlyTakesTheSelection, aChosenButtonOnlyTakesTheSelection)
SCENARIO(TakingBackByMouseRestoresThatPlanet, takingBackByMouseRestoresThatPlanet)
SCENARIO(ClearStartsOverAndLeavesNoButtonSelected, clearStartsOverAndLeavesNoButtonSelected)
SCENARIO(ADoubleClickTakesBackOneName, aDoubleClickTakesBackOneName)
SCENARIO(TheAnswerListDrawsWithinItsFrame, theAnswerListDrawsWithinItsFrame)
SCENARIO(TheStillSelectedButtonWaitsForAnotherPress, theStillSelectedButtonWaitsForAnotherPress)
SCENARIO(AButtonLeavingTheSelectionReportsNothing, aButtonLeavingTheSelectionReportsNothing)
SCENARIO(TheKeyboardAloneReachesEveryPlanetAndName, theKeyboardAloneReachesEveryPlanetAndName)

// Windows gives the focus back to the window itself, restored from the
// taskbar or returned to after another program's dialog: the planet that
// had it has it again, and Space chooses that planet.
TEST_F(Exercise, TheFocusComesBackToThePlanetThatHadIt) {
    press(Key::Tab);
    press(Key::Right);
    const int reached = planetReachedByArrow(0, ArrowKey::Right);
    ASSERT_EQ(focused(), "Option1_" + std::to_string(reached));
    ShowWindow(form().window(), SW_MINIMIZE);
    pump();
    ShowWindow(form().window(), SW_RESTORE);
    SetForegroundWindow(form().window());
    pump();
    press(Key::Space);
    EXPECT_EQ(answers(), namesOf({reached}));

    press(Key::Right);
    const int next = planetReachedByArrow(static_cast<std::int16_t>(reached), ArrowKey::Right);
    SetFocus(form().window());
    pump();
    press(Key::Space);
    EXPECT_EQ(answers(), namesOf({reached, next}));
}

TEST_F(Exercise, EnterAndEscNeverPressClear) {
    clickPlanet(7);
    for (HWND focus : {clearButton(), answerList(), messageArea(), planet(7)}) {
        SetFocus(focus);
        for (WORD key : {VK_RETURN, VK_ESCAPE}) {
            pressKey(key);
        }
    }
    EXPECT_EQ(answers(), namesOf({7}));
    EXPECT_NE(message(), "");
    EXPECT_TRUE(IsWindowVisible(form().window()));
}

}  // namespace
}  // namespace veltara::testing
