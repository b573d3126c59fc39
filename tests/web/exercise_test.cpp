// The exercise played on the page with the pupil's mouse and keyboard: the
// scenarios every window layer plays.
#include <array>
#include <random>

#include "web_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

using Exercise = WebWindowTest;

TEST_F(Exercise, DistanceOrderByMouseIsRightAndASwapIsWrong) {
    distanceOrderIsRightAndASwapIsWrong(*this);
}

TEST_F(Exercise, AChosenButtonOnlyTakesTheSelection) { aChosenButtonOnlyTakesTheSelection(*this); }

TEST_F(Exercise, TakingBackByMouseRestoresThatPlanet) { takingBackByMouseRestoresThatPlanet(*this); }

TEST_F(Exercise, ADoubleClickTakesBackOneName) { aDoubleClickTakesBackOneName(*this); }

TEST_F(Exercise, TheAnswerListDrawsWithinItsFrame) { theAnswerListDrawsWithinItsFrame(*this); }

TEST_F(Exercise, TheStillSelectedButtonWaitsForAnotherPress) {
    theStillSelectedButtonWaitsForAnotherPress(*this);
}

TEST_F(Exercise, ClearStartsOverAndLeavesNoButtonSelected) {
    clearStartsOverAndLeavesNoButtonSelected(*this);
}

TEST_F(Exercise, AButtonLeavingTheSelectionReportsNothing) {
    aButtonLeavingTheSelectionReportsNothing(*this);
}

TEST_F(Exercise, TheKeyboardAloneReachesEveryPlanetAndName) {
    theKeyboardAloneReachesEveryPlanetAndName(*this);
}

TEST_F(Exercise, EveryTextReadsAgainstItsFace) { everyTextReadsAgainstItsFace(*this); }

// A browser gives Enter and Esc meanings of its own (a button's click, a
// form's submit): on every control the Tab key reaches they do nothing.
TEST_F(Exercise, EnterAndEscNeverPressClear) {
    EXPECT_EQ(focused(), "Text1_0");
    clickPlanet(7);
    for (int stop = 0; stop < 4; ++stop) {
        SCOPED_TRACE(focused());
        pressNamed("Enter");
        pressNamed("Escape");
        EXPECT_EQ(answers(), namesOf({7}));
        press(Key::Tab);
    }
    EXPECT_NE(message(), "");
}

// A few hundred random clicks, double-clicks, taps and keys over the whole
// form; after each one the page must still tell a consistent story.
TEST_F(Exercise, RandomInputKeepsTheExerciseConsistent) {
    std::mt19937 random(20261209U);
    const auto below = [&random](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); };
    const ViewportBox form = boxOf("form");
    const std::array keys{Key::Tab, Key::BackTab, Key::Up, Key::Down, Key::Left, Key::Right,
                          Key::Space, Key::Home, Key::End, Key::PageDown};
    const std::string hidden = quotation();
    for (int event = 0; event < 300; ++event) {
        SCOPED_TRACE("event " + std::to_string(event));
        const int kind = below(100);
        if (kind < 45) {
            clickPlanet(below(kPlanetCount));
        } else if (kind < 70) {
            const bool inList = kind < 55;
            const ViewportBox area = inList ? boxOf("List1_0") : form;
            clickAt(area.left + below(static_cast<int>(area.width)), area.top + below(static_cast<int>(area.height)),
                    below(6) == 0 ? 2 : 1);
        } else {
            press(keys.at(static_cast<std::size_t>(below(static_cast<int>(keys.size())))));
        }
        expectConsistent(*this, hidden);
        if (HasFatalFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace veltara::testing
