// The exercise driven through the real Win32 controls with mouse and keyboard.
#include <windows.h>
#include <commctrl.h>

#include <utility>

#include "planet_arrow_keys.h"
#include "win32_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

using Exercise = Win32WindowTest;

TEST_F(Exercise, DistanceOrderByMouseIsRightAndASwapIsWrong) {
    distanceOrderIsRightAndASwapIsWrong(*this);
}

TEST_F(Exercise, AChosenButtonOnlyTakesTheSelection) { aChosenButtonOnlyTakesTheSelection(*this); }

TEST_F(Exercise, TakingBackByMouseRestoresThatPlanet) {
    takingBackByMouseRestoresThatPlanet(*this);
    // Below the last name there is nothing to take back.
    const auto before = answers();
    click(answerList(), {20, 90});
    EXPECT_EQ(answers(), before);
}

TEST_F(Exercise, ADoubleClickTakesBackOneName) { aDoubleClickTakesBackOneName(*this); }

TEST_F(Exercise, TheAnswerListDrawsWithinItsFrame) { theAnswerListDrawsWithinItsFrame(*this); }

// What Windows' list box gets for a double-click on a name. The first press
// takes that name back and the next one moves up under the pointer; the
// second press must not reach the list box, which on Windows would select
// that name (Wine's only reports LBN_DBLCLK, which tells the same).
TEST_F(Exercise, TheListBoxMessagesOfADoubleClickTakeBackOneName) {
    static int doubleClicksHeard = 0;
    doubleClicksHeard = 0;
    const SUBCLASSPROC listen = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR /*id*/, DWORD_PTR /*data*/) -> LRESULT {
        if (message == WM_COMMAND && HIWORD(wParam) == LBN_DBLCLK) {
            ++doubleClicksHeard;
        }
        return DefSubclassProc(window, message, wParam, lParam);
    };
    SetWindowSubclass(form().window(), listen, 0, 0);
    const auto doubleClick = [this](POINT at) {
        const LPARAM point = MAKELPARAM(at.x, at.y);
        for (const auto& [message, keys] : {std::pair{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0},
                                            {WM_LBUTTONDBLCLK, MK_LBUTTON}, {WM_LBUTTONUP, 0}}) {
            SendMessageW(answerList(), message, static_cast<WPARAM>(keys), point);
            pump();
        }
    };
    for (int element : {0, 1, 2}) {
        clickPlanet(element);
    }
    RECT first{};
    SendMessageW(answerList(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    doubleClick({(first.left + first.right) / 2, (first.top + first.bottom) / 2});
    EXPECT_EQ(answers(), namesOf({1, 2}));
    EXPECT_FALSE(answerSelected());
    doubleClick({20, 90});  // below the last name
    EXPECT_EQ(answers(), namesOf({1, 2}));
    EXPECT_EQ(doubleClicksHeard, 0);
    RemoveWindowSubclass(form().window(), listen, 0);
}

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

TEST_F(Exercise, TheStillSelectedButtonWaitsForAnotherPress) {
    theStillSelectedButtonWaitsForAnotherPress(*this);
}

TEST_F(Exercise, ClearStartsOverAndLeavesNoButtonSelected) {
    clearStartsOverAndLeavesNoButtonSelected(*this);
    SetFocus(clearButton());
    pressKey(VK_SPACE);
    EXPECT_TRUE(answers().empty());
}

TEST_F(Exercise, AButtonLeavingTheSelectionReportsNothing) {
    aButtonLeavingTheSelectionReportsNothing(*this);
}

TEST_F(Exercise, TheKeyboardAloneReachesEveryPlanetAndName) {
    theKeyboardAloneReachesEveryPlanetAndName(*this);
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
