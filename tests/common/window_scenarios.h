// Scenarios of the exercise played through any real window, and the checks
// that must hold after every event of a random run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pupil_window.h"

namespace veltara::testing {

std::vector<int> distanceOrder();
std::vector<std::string> namesOf(const std::vector<int>& elements);

void distanceOrderIsRightAndASwapIsWrong(PupilWindow& window);
void aChosenButtonOnlyTakesTheSelection(PupilWindow& window);
void takingBackByMouseRestoresThatPlanet(PupilWindow& window);
void theStillSelectedButtonWaitsForAnotherPress(PupilWindow& window);
void clearStartsOverAndLeavesNoButtonSelected(PupilWindow& window);
void aButtonLeavingTheSelectionReportsNothing(PupilWindow& window);
// A double-click on a name takes back that name alone, one below the last
// name takes nothing, and a click after it takes back as a click does.
void aDoubleClickTakesBackOneName(PupilWindow& window);
// With the keyboard alone, from the start, after a take-back, after a
// verdict and after "Чисти": Tab reaches the planets, the arrow keys reach
// any one of them choosing nothing on the way, Space chooses it; in the
// answer list the keys move the mark and Space takes back that name only.
void theKeyboardAloneReachesEveryPlanetAndName(PupilWindow& window);
// Enter and Esc, on every tab stop, neither press "Чисти" nor close the
// window nor take back a name: they do nothing.
void enterAndEscDoNothing(PupilWindow& window);
// At start the focus is on the message, which holds the assignment,
// nothing is chosen and the hidden controls hold what was described.
void startsWithNothingChosenAndTheFocusOnTheMessage(PupilWindow& window);

// Random clicks, double-clicks and keys over the whole window, mostly on
// the planets so that all thirteen get placed often; after each one the
// window must still tell a consistent story.
void randomInputKeepsTheExerciseConsistent(PupilWindow& window, std::uint32_t seed, int events);

// Measured from the pixels, every text the pupil can see stands out from
// its control's face by at least 4.5:1, at start and with a name in the
// answer list.
void everyTextReadsAgainstItsFace(PupilWindow& window);

// Measured from the pixels, where the faces lose their colours (high
// contrast, forced colours): every planet and legend label shows its
// category by a mark of the category's colour, at the mark's place.
void everyCategoryShowsByItsMark(PupilWindow& window);

// The answer list filled past its height, scrolled to its end, then
// emptied from the end until it needs no scroll bar: after each step the
// window outside the list is drawn as before, but for the planets and the
// message area, which the steps change.
void theAnswerListDrawsWithinItsFrame(PupilWindow& window);

// Every scenario above that each window plays as it is, as tests of the
// fixture `Window`, a PupilWindow: one line in each layer's tests.
#define VELTARA_SHARED_SCENARIO(Window, Test, scenario) \
    TEST_F(Window, Test) { ::veltara::testing::scenario(*this); }
#define VELTARA_SHARED_SCENARIOS(Window)                                                                    \
    VELTARA_SHARED_SCENARIO(Window, StartsWithNothingChosenAndTheFocusOnTheMessage,                         \
                            startsWithNothingChosenAndTheFocusOnTheMessage)                                 \
    VELTARA_SHARED_SCENARIO(Window, DistanceOrderByMouseIsRightAndASwapIsWrong,                             \
                            distanceOrderIsRightAndASwapIsWrong)                                            \
    VELTARA_SHARED_SCENARIO(Window, AChosenButtonOnlyTakesTheSelection, aChosenButtonOnlyTakesTheSelection) \
    VELTARA_SHARED_SCENARIO(Window, TakingBackByMouseRestoresThatPlanet, takingBackByMouseRestoresThatPlanet) \
    VELTARA_SHARED_SCENARIO(Window, ADoubleClickTakesBackOneName, aDoubleClickTakesBackOneName)             \
    VELTARA_SHARED_SCENARIO(Window, TheAnswerListDrawsWithinItsFrame, theAnswerListDrawsWithinItsFrame)     \
    VELTARA_SHARED_SCENARIO(Window, TheStillSelectedButtonWaitsForAnotherPress,                             \
                            theStillSelectedButtonWaitsForAnotherPress)                                     \
    VELTARA_SHARED_SCENARIO(Window, ClearStartsOverAndLeavesNoButtonSelected,                               \
                            clearStartsOverAndLeavesNoButtonSelected)                                       \
    VELTARA_SHARED_SCENARIO(Window, AButtonLeavingTheSelectionReportsNothing,                               \
                            aButtonLeavingTheSelectionReportsNothing)                                       \
    VELTARA_SHARED_SCENARIO(Window, TheKeyboardAloneReachesEveryPlanetAndName,                              \
                            theKeyboardAloneReachesEveryPlanetAndName)                                      \
    VELTARA_SHARED_SCENARIO(Window, EnterAndEscDoNothing, enterAndEscDoNothing)                             \
    VELTARA_SHARED_SCENARIO(Window, EveryTextReadsAgainstItsFace, everyTextReadsAgainstItsFace)

// The luminance contrast of two colours, 1 to 21.
double contrastOf(Rgb first, Rgb second);

// A control's place in the picture, scaled from twips as the window drew it.
PictureBox partOf(const PictureBox& control, const ControlDescription& described,
                  const TwipsRect& part);

// The invariants of the exercise, read off the window: as many empty
// buttons as answers, each answer naming one of them, no selection left in
// the answer list, the hidden controls unchanged, and the verdict for the
// order when all thirteen are placed.
void expectConsistent(PupilWindow& window, const std::string& quotation);

}  // namespace veltara::testing
