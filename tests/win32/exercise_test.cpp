// The exercise driven through the real Win32 controls with mouse and keyboard.
#include "planet_arrow_keys.h"
#include "win32_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

using Exercise = Win32WindowTest;

VELTARA_SHARED_SCENARIOS(Exercise)
TEST_F(Exercise, RandomInputKeepsTheExerciseConsistent) { randomInputKeepsTheExerciseConsistent(*this, 11U, 2400); }

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

}  // namespace
}  // namespace veltara::testing
