// The exercise driven through the real Qt widgets with mouse and keyboard.
#include "window_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

using Exercise = WindowTest;

// The shared scenarios, played on this window.
#define SCENARIO(Test, scenario) \
    TEST_F(Exercise, Test) { scenario(*this); }
SCENARIO(DistanceOrderByMouseIsRightAndASwapIsWrong, distanceOrderIsRightAndASwapIsWrong)
SCENARIO(TakingBackByMouseRestoresThatPlanet, takingBackByMouseRestoresThatPlanet)
SCENARIO(ADoubleClickTakesBackOneName, aDoubleClickTakesBackOneName)
SCENARIO(TheAnswerListDrawsWithinItsFrame, theAnswerListDrawsWithinItsFrame)
SCENARIO(TheStillSelectedButtonWaitsForAnotherPress, theStillSelectedButtonWaitsForAnotherPress)
SCENARIO(ClearStartsOverAndLeavesNoButtonSelected, clearStartsOverAndLeavesNoButtonSelected)
SCENARIO(AButtonLeavingTheSelectionReportsNothing, aButtonLeavingTheSelectionReportsNothing)
SCENARIO(TheKeyboardAloneReachesEveryPlanetAndName, theKeyboardAloneReachesEveryPlanetAndName)

TEST_F(Exercise, AChosenButtonIsClickableAnywhereAndOnlyTakesTheSelection) {
    aChosenButtonOnlyTakesTheSelection(*this);
    click(planet(5), {95, 18});  // the far corner of an empty button
    EXPECT_TRUE(planet(5)->isChecked());
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
