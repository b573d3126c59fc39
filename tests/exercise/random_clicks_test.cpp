// Random clicks over the fake window, each checked against a model of the
// exercise that knows nothing of captions: which bodies are placed, in what
// order, which button is selected and what the message says.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "catalogue.h"
#include "fake_controls.h"
#include "verdicts.h"

namespace veltara::testing {
namespace {

struct ExerciseModel {
    std::vector<std::int16_t> placed;  // rows, in the order chosen
    std::optional<std::int16_t> selectedButton;
    std::string message = "assignment";

    bool isPlaced(std::int16_t row) const {
        return std::find(placed.begin(), placed.end(), row) != placed.end();
    }

    void pressPlanet(std::int16_t row) {
        if (selectedButton == row) {
            return;
        }
        selectedButton = row;
        if (isPlaced(row)) {
            return;
        }
        placed.push_back(row);
        if (placed.size() == static_cast<std::size_t>(kPlanetCount)) {
            const bool inOrder = std::is_sorted(placed.begin(), placed.end());
            message = std::string(inOrder ? kRightOrderVerdict : kWrongOrderVerdict);
        }
    }

    void takeBack(std::size_t position) {
        placed.erase(placed.begin() + static_cast<std::ptrdiff_t>(position));
    }

    void clear() {
        placed.clear();
        selectedButton.reset();
        message.clear();
    }
};

// The answers name the placed bodies in order, whose buttons alone are empty.
void expectSame(const FakeControls& window, const ExerciseModel& model) {
    const auto reference = referenceNames();
    ASSERT_EQ(window.answers().size(), model.placed.size());
    for (std::size_t p = 0; p < model.placed.size(); ++p) {
        ASSERT_EQ(window.answers()[p], reference.at(static_cast<std::size_t>(model.placed[p])));
    }
    for (std::int16_t row = 0; row < kPlanetCount; ++row) {
        const auto at = static_cast<std::size_t>(row);
        ASSERT_EQ(window.captions()[at], model.isPlaced(row) ? "" : reference[at]) << "row " << row;
    }
    ASSERT_EQ(window.selectedPlanet(), model.selectedButton.value_or(FakeControls::kNone));
    ASSERT_EQ(window.answerSelection(), FakeControls::kNone);
    ASSERT_EQ(window.message(), model.message);
}

class RandomClicks : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomClicks, KeepTheExerciseConsistent) {
    const std::uint32_t seed = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    auto below = [&random](std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
    };

    FakeControls window;
    ExerciseModel model;
    constexpr int kClicks = 12000;
    for (int click = 0; click < kClicks; ++click) {
        SCOPED_TRACE("click " + std::to_string(click));
        const int kind = static_cast<int>(below(100));
        if (kind < 55) {
            // Often the nearest body not yet placed, so that right verdicts
            // come up as well as wrong ones.
            std::int16_t row = static_cast<std::int16_t>(below(kPlanetCount));
            if (chance(60)) {
                for (std::int16_t r = 0; r < kPlanetCount; ++r) {
                    if (!model.isPlaced(r)) {
                        row = r;
                        break;
                    }
                }
            }
            window.pressPlanet(row);
            model.pressPlanet(row);
        } else if (kind < 80) {
            if (!model.placed.empty()) {
                const std::size_t position = below(model.placed.size());
                window.selectAnswer(static_cast<std::int16_t>(position));
                model.takeBack(position);
            }
        } else if (kind < 85) {
            window.pressClear();
            model.clear();
        } else if (kind < 90) {
            window.exercise().List1_Click(0);  // a report with no selection
        } else if (kind < 95) {
            window.exercise().List1_Click(1);  // the hidden list
        } else {
            window.exercise().Command1_Click(static_cast<std::int16_t>(1 + below(3)));
        }
        expectSame(window, model);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, RandomClicks, ::testing::Values(1U, 20261208U, 4242U));

}  // namespace
}  // namespace veltara::testing
