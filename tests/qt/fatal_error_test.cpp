// An error in a control operation while a handler runs ends the program with
// a report, rather than unwinding through the event loop.
#include "window_fixture.h"

namespace veltara::testing {
namespace {

using FatalError = WindowTest;

TEST_F(FatalError, AControlThatFailsEndsTheProgramWithAReport) {
    EXPECT_EXIT(
        {
            // The verdict check reads every planet button; one is gone.
            delete planet(12);
            click(planet(0));
        },
        ::testing::ExitedWithCode(1), "Option1 element 12 no longer exists");
}

}  // namespace
}  // namespace veltara::testing
