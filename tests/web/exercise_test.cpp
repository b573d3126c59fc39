// The exercise played on the page with the pupil's mouse and keyboard: the
// scenarios every window layer plays.
#include "web_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

using Exercise = WebWindowTest;

VELTARA_SHARED_SCENARIOS(Exercise)
TEST_F(Exercise, RandomInputKeepsTheExerciseConsistent) { randomInputKeepsTheExerciseConsistent(*this, 20261209U, 300); }

}  // namespace
}  // namespace veltara::testing
