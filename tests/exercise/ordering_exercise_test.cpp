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
const std::string kRight(kRightOrderVerdict);
const std::string kWrong(kWrongOrderVerdict);

std::string nameOf(std::int16_t element) {
    return std::string(kCatalogue.at(static_cast<std::size_t>(element)).name);
}

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
    std::vector<std::string> names;
    for (std::int16_t element : elements) {
        names.push_back(nameOf(element));
    }
    return names;
}

TEST(Choosing, MovesTheNameToTheEndOfTheAnswerList) {
    FakeControls window;
    window.pressPlanet(3);
    window.pressPlanet(11);
    EXPECT_EQ(window.answers(), namesOf({3, 11}));
    EXPECT_EQ(window.captions()[3], "");
    EXPECT_EQ(window.captions()[11], "");
    EXPECT_EQ(window.captions()[0], nameOf(0));
    EXPECT_EQ(window.exercise().selectedIndex(), 11);
    EXPECT_EQ(window.message(), kAssignment);
}

TEST(Choosing, AnEmptyButtonOnlyBecomesTheSelectedOne) {
    FakeControls window;
    window.pressPlanet(5);
    window.pressPlanet(7);
    window.pressPlanet(5);  // already chosen: its caption is empty
    EXPECT_EQ(window.answers(), namesOf({5, 7}));
    EXPECT_EQ(window.exercise().selectedIndex(), 5);
    // Reported directly, as a window with another rule might, it is the same.
    window.exercise().Option1_Click(7);
    EXPECT_EQ(window.answers(), namesOf({5, 7}));
    EXPECT_EQ(window.exercise().selectedIndex(), 7);
}

TEST(Verdict, TwelvePlacedLeaveTheMessageAlone) {
    FakeControls window;
    std::vector<std::int16_t> order = distanceOrder();
    order.pop_back();
    pressAll(window, order);
    EXPECT_EQ(window.answers().size(), 12U);
    EXPECT_EQ(window.message(), kAssignment);
}

TEST(Verdict, DistanceOrderIsRightAndAnySwapIsWrong) {
    {
        FakeControls window;
        pressAll(window, distanceOrder());
        EXPECT_EQ(window.message(), kRight);
    }
    // Every pair, including a swap of the last two, where a check that stops
    // early or counts one short would still call the order right.
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

TEST(TakingBack, RestoresExactlyThatPlanetAndShiftsTheRest) {
    FakeControls window;
    pressAll(window, {2, 9, 4, 0});
    window.selectAnswer(1);  // "Плутон"
    EXPECT_EQ(window.answers(), namesOf({2, 4, 0}));
    EXPECT_EQ(window.captions()[9], nameOf(9));
    EXPECT_EQ(window.captions()[2], "");
    EXPECT_EQ(window.answerSelection(), FakeControls::kNone);
    window.pressPlanet(9);
    EXPECT_EQ(window.answers(), namesOf({2, 4, 0, 9}));
}

TEST(TakingBack, WithoutASelectionNothingChanges) {
    FakeControls window;
    pressAll(window, {1, 2});
    const auto captions = window.captions();
    window.exercise().List1_Click(0);
    EXPECT_EQ(window.answers(), namesOf({1, 2}));
    EXPECT_EQ(window.captions(), captions);
    EXPECT_EQ(window.answerSelection(), FakeControls::kNone);
}

TEST(TakingBack, TheNestedClickFromClearingTheSelectionChangesNothing) {
    FakeControls window;
    pressAll(window, {6, 8, 10});
    const auto captions = window.captions();
    window.markAnswerSelected(1);
    window.clearAnswerSelection();
    EXPECT_EQ(window.nestedListClicks(), 1);
    EXPECT_EQ(window.answers(), namesOf({6, 8, 10}));
    EXPECT_EQ(window.captions(), captions);
    EXPECT_EQ(window.answerSelection(), FakeControls::kNone);
}

TEST(TakingBack, TheStillSelectedButtonMustWaitForAnotherPress) {
    FakeControls window;
    pressAll(window, {0, 1});
    window.selectAnswer(1);  // "Венера", whose button is still the selected one
    EXPECT_EQ(window.captions()[1], nameOf(1));
    window.pressPlanet(1);  // reports nothing
    EXPECT_EQ(window.answers(), namesOf({0}));
    window.pressPlanet(0);  // empty: only becomes the selected one
    window.pressPlanet(1);
    EXPECT_EQ(window.answers(), namesOf({0, 1}));
}

TEST(TakingBack, AfterAVerdictKeepsItUntilTheNextOneIsWritten) {
    FakeControls window;
    pressAll(window, distanceOrder());
    window.selectAnswer(12);
    EXPECT_EQ(window.message(), kRight);
    window.selectAnswer(0);  // "Меркурий" leaves; "Ерида" must come back last
    window.pressPlanet(0);
    EXPECT_EQ(window.message(), kRight);  // twelve placed: untouched
    window.pressPlanet(12);
    EXPECT_EQ(window.message(), kWrong);
}

TEST(Clearing, StartsOverAndEmptiesTheMessage) {
    FakeControls window;
    window.pressClear();  // at start: answer list already empty
    EXPECT_EQ(window.message(), "");
    EXPECT_TRUE(window.answers().empty());

    pressAll(window, distanceOrder());
    window.pressClear();
    EXPECT_EQ(window.message(), "");
    EXPECT_TRUE(window.answers().empty());
    for (std::int16_t i = 0; i < kPlanetCount; ++i) {
        EXPECT_EQ(window.captions()[static_cast<std::size_t>(i)], nameOf(i));
    }
    EXPECT_EQ(window.selectedPlanet(), FakeControls::kNone);
    window.pressPlanet(12);  // the last one pressed is reported again
    EXPECT_EQ(window.answers(), namesOf({12}));
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
