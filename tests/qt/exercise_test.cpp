// The exercise driven through the real Qt widgets with mouse and keyboard.
#include "window_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

using Exercise = WindowTest;

TEST_F(Exercise, DistanceOrderByMouseIsRightAndASwapIsWrong) {
    distanceOrderIsRightAndASwapIsWrong(*this);
}

TEST_F(Exercise, AChosenButtonIsClickableAnywhereAndOnlyTakesTheSelection) {
    aChosenButtonOnlyTakesTheSelection(*this);
    click(planet(5), {95, 18});  // the far corner of an empty button
    EXPECT_TRUE(planet(5)->isChecked());
}

TEST_F(Exercise, TakingBackByMouseRestoresThatPlanet) { takingBackByMouseRestoresThatPlanet(*this); }

TEST_F(Exercise, ADoubleClickTakesBackOneName) { aDoubleClickTakesBackOneName(*this); }

TEST_F(Exercise, TheAnswerListDrawsWithinItsFrame) { theAnswerListDrawsWithinItsFrame(*this); }

TEST_F(Exercise, TheStillSelectedButtonWaitsForAnotherPress) {
    theStillSelectedButtonWaitsForAnotherPress(*this);
}

TEST_F(Exercise, ClearStartsOverAndLeavesNoButtonSelected) { clearStartsOverAndLeavesNoButtonSelected(*this); }

TEST_F(Exercise, AButtonLeavingTheSelectionReportsNothing) {
    aButtonLeavingTheSelectionReportsNothing(*this);
}

TEST_F(Exercise, TheKeyboardAloneReachesEveryPlanetAndName) {
    theKeyboardAloneReachesEveryPlanetAndName(*this);
}

TEST_F(Exercise, EnterAndEscNeverPressClear) {
    clickPlanet(7);
    for (QWidget* focus : std::initializer_list<QWidget*>{clearButton(), answerList(),
                                                         messageArea(), planet(7)}) {
        focus->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            pressKey(key);
        }
    }
    EXPECT_EQ(answers(), namesOf({7}));
    EXPECT_NE(message(), "");
}

}  // namespace
}  // namespace veltara::testing
