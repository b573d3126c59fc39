#include "ordering_exercise.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "catalogue.h"
#include "fake_controls.h"
#include "verdicts.h"

namespace veltara::testing {
namespace {

const std::string kAssignment = "assignment";
const std::string kWrong(kWrongOrderVerdict);

std::vector<std::int16_t> distanceOrder() {
    std::vector<std::int16_t> order(kPlanetCount);
    std::iota(order.begin(), order.end(), std::int16_t{0});
    return order;
}

void pressAll(FakeControls& window, const std::vector<std::int16_t>& order) {
    for (std::int16_t element : order) {
        window.pressPlanet(element);
    }
}

std::vector<std::string> namesOf(const std::vector<std::int16_t>& elements) {
    std::vector<std::string> names(elements.size());
    std::transform(elements.begin(), elements.end(), names.begin(), [](std::int16_t element) {
        return std::string(kCatalogue.at(static_cast<std::size_t>(element)).name);
    });
    return names;
}

// A window reports a click on a chosen button as a selection change; one
// with another rule might report it while the button is selected.
TEST(Choosing, AnEmptyButtonOnlyBecomesTheSelectedOne) {
    FakeControls window;
    pressAll(window, {5, 7});
    window.exercise().Option1_Click(5);
    window.exercise().Option1_Click(5);
    EXPECT_EQ(window.answers(), namesOf({5, 7}));
    EXPECT_EQ(window.exercise().selectedIndex(), 5);
}

// Every pair, including a swap of the last two, where a check that stops
// early or counts one short would still call the order right; the window
// scenarios see the distance order itself called right.
TEST(Verdict, AnySwapIsWrong) {
    for (std::int16_t a = 0; a < kPlanetCount; ++a) {
        for (std::int16_t b = static_cast<std::int16_t>(a + 1); b < kPlanetCount; ++b) {
            std::vector<std::int16_t> order = distanceOrder();
            std::swap(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]);
            FakeControls window;
            pressAll(window, order);
            EXPECT_EQ(window.message(), kWrong) << "swapped " << a << " and " << b;
        }
    }
}

TEST(TakingBack, TheNestedClickFromClearingTheSelectionChangesNothing) {
    FakeControls window;
    pressAll(window, {6, 8, 10});
    const auto captions = window.captions();
    window.markAnswerSelected(1);
    window.clearAnswerSelection();
    EXPECT_EQ(window.answers(), namesOf({6, 8, 10}));
    EXPECT_EQ(window.captions(), captions);
    EXPECT_EQ(window.answerSelection(), FakeControls::kNone);
}

TEST(OtherElements, ReportingAClickChangesNothing) {
    FakeControls window;
    pressAll(window, {4, 5});
    window.markAnswerSelected(0);
    window.exercise().List1_Click(1);
    window.exercise().Command1_Click(1);
    window.exercise().Command1_Click(-1);
    EXPECT_EQ(window.answers(), namesOf({4, 5}));
    EXPECT_EQ(window.answerSelection(), 0);
    EXPECT_EQ(window.message(), kAssignment);
}

}  // namespace
}  // namespace veltara::testing
