// The exercise driven through the real Qt widgets with mouse and keyboard.
#include "window_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

using Exercise = WindowTest;

VELTARA_SHARED_SCENARIOS(Exercise)
TEST_F(Exercise, RandomInputKeepsTheExerciseConsistent) { randomInputKeepsTheExerciseConsistent(*this, 7U, 12000); }

TEST_F(Exercise, AChosenButtonIsClickableAnywhere) {
    for (int element : {3, 5, 3}) {
        clickPlanet(element);
    }
    click(planet(5), {95, 18});  // the far corner of an empty button
    EXPECT_TRUE(planet(5)->isChecked());
    EXPECT_EQ(answers(), namesOf({3, 5}));
}

}  // namespace
}  // namespace veltara::testing
