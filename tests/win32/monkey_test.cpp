// Random mouse clicks and key presses anywhere in the window; after each one
// the controls must still tell a consistent story.
#include <random>

#include "win32_fixture.h"
#include "window_scenarios.h"

namespace veltara::testing {
namespace {

class Monkey : public Win32WindowTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(Monkey, RandomInputKeepsTheExerciseConsistent) {
    const std::uint32_t seed = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto below = [&random](int bound) {
        return std::uniform_int_distribution<int>(0, bound - 1)(random);
    };
    const std::string hidden = quotation();
    const std::array<WORD, 10> keys{VK_TAB,   VK_TAB,    VK_UP,     VK_DOWN, VK_LEFT,
                                    VK_RIGHT, VK_SPACE,  VK_RETURN, VK_ESCAPE, VK_END};
    RECT client{};
    GetClientRect(form().window(), &client);
    constexpr int kEvents = 2400;
    for (int event = 0; event < kEvents; ++event) {
        SCOPED_TRACE("event " + std::to_string(event));
        const int kind = below(100);
        if (kind < 50) {
            // Mostly the planet buttons, so that all thirteen get placed often.
            HWND target = planet(below(13));
            RECT face{};
            GetClientRect(target, &face);
            click(target, {below(face.right), below(face.bottom)});
        } else if (kind < 58) {
            click(answerList(), {below(180), below(95)});
        } else if (kind < 75) {
            click(form().window(), {below(client.right), below(client.bottom)});
        } else {
            pressKey(keys.at(static_cast<std::size_t>(below(static_cast<int>(keys.size())))),
                     below(5) == 0);
        }
        expectConsistent(*this, hidden);
        if (HasFatalFailure()) {
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, Monkey, ::testing::Values(11U));

}  // namespace
}  // namespace veltara::testing
