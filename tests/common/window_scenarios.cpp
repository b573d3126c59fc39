#include "window_scenarios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "catalogue.h"
#include "verdicts.h"

namespace veltara::testing {

namespace {
const std::string kRight(kRightOrderVerdict);
const std::string kWrong(kWrongOrderVerdict);

void choose(PupilWindow& window, const std::vector<int>& elements) {
    for (int element : elements) {
        window.clickPlanet(element);
    }
}

std::string nameOf(int element) {
    return std::string(kCatalogue.at(static_cast<std::size_t>(element)).name);
}
}  // namespace

std::vector<int> distanceOrder() {
    std::vector<int> order(kPlanetCount);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

std::vector<std::string> namesOf(const std::vector<int>& elements) {
    std::vector<std::string> names;
    names.reserve(elements.size());
    for (int element : elements) {
        names.push_back(nameOf(element));
    }
    return names;
}

void distanceOrderIsRightAndASwapIsWrong(PupilWindow& window) {
    const std::string assignment = window.message();
    std::vector<int> order = distanceOrder();
    order.pop_back();
    choose(window, order);
    EXPECT_EQ(window.message(), assignment);  // twelve placed: untouched
    choose(window, {12});
    EXPECT_EQ(window.answers(), namesOf(distanceOrder()));
    EXPECT_EQ(window.message(), kRight);

    window.clickClear();
    order = distanceOrder();
    std::swap(order[4], order[9]);
    choose(window, order);
    EXPECT_EQ(window.message(), kWrong);
}

void aChosenButtonOnlyTakesTheSelection(PupilWindow& window) {
    choose(window, {3, 5});
    EXPECT_EQ(window.caption(3), "");
    // The middle of an empty button is far from its selection mark.
    window.clickPlanet(3);
    EXPECT_TRUE(window.planetSelected(3));
    EXPECT_FALSE(window.planetSelected(5));
    EXPECT_EQ(window.answers(), namesOf({3, 5}));
}

void takingBackByMouseRestoresThatPlanet(PupilWindow& window) {
    choose(window, {2, 9, 4, 0});
    window.clickAnswer(1);
    EXPECT_EQ(window.answers(), namesOf({2, 4, 0}));
    EXPECT_EQ(window.caption(9), nameOf(9));
    EXPECT_FALSE(window.answerSelected());
    choose(window, {9});
    EXPECT_EQ(window.answers(), namesOf({2, 4, 0, 9}));
}

void theStillSelectedButtonWaitsForAnotherPress(PupilWindow& window) {
    choose(window, {0, 1});
    window.clickAnswer(1);  // "Венера", whose button is still the selected one
    EXPECT_EQ(window.caption(1), nameOf(1));
    EXPECT_TRUE(window.planetSelected(1));
    choose(window, {1});
    EXPECT_EQ(window.answers(), namesOf({0}));
    choose(window, {0, 1});  // 0 is empty: it only takes the selection
    EXPECT_EQ(window.answers(), namesOf({0, 1}));
}

void clearStartsOverAndLeavesNoButtonSelected(PupilWindow& window) {
    window.clickClear();  // at start: only the message goes
    EXPECT_EQ(window.message(), "");
    EXPECT_TRUE(window.answers().empty());

    choose(window, distanceOrder());
    window.clickClear();
    EXPECT_EQ(window.message(), "");
    EXPECT_TRUE(window.answers().empty());
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_EQ(window.caption(row.index), row.name);
        EXPECT_FALSE(window.planetSelected(row.index));
    }
    choose(window, {12});  // the last button pressed is reported again
    EXPECT_EQ(window.answers(), namesOf({12}));
}

void expectOneTakenBack(PupilWindow& window, const std::vector<std::string>& before) {
    const auto after = window.answers();
    ASSERT_EQ(after.size() + 1, before.size());
    EXPECT_FALSE(window.answerSelected());
    for (const PlanetRow& row : kCatalogue) {
        const bool left = std::count(before.begin(), before.end(), row.name) == 1 &&
                          std::count(after.begin(), after.end(), row.name) == 0;
        if (left) {
            EXPECT_EQ(window.caption(row.index), row.name);
        }
    }
}

void expectConsistent(PupilWindow& window, const std::string& quotation) {
    std::vector<std::string> captions;
    for (int element = 0; element < kPlanetCount; ++element) {
        captions.push_back(window.caption(element));
    }
    const auto empty = std::count(captions.begin(), captions.end(), "");
    const auto items = window.answers();
    ASSERT_EQ(static_cast<std::size_t>(empty), items.size());
    for (const std::string& item : items) {
        int named = 0;
        for (const PlanetRow& row : kCatalogue) {
            const auto& caption = captions[static_cast<std::size_t>(row.index)];
            named += (caption.empty() && row.name == item) ? 1 : 0;
        }
        ASSERT_EQ(named, 1) << item;
    }
    ASSERT_FALSE(window.answerSelected());
    const auto reference = referenceNames();
    ASSERT_EQ(window.referenceItems(), std::vector<std::string>(reference.begin(), reference.end()));
    ASSERT_EQ(window.quotation(), quotation);
    if (empty == kPlanetCount) {
        // The thirteenth placement was the last change: its verdict shows.
        ASSERT_EQ(window.message(), items == namesOf(distanceOrder()) ? kRight : kWrong);
    }
}

}  // namespace veltara::testing
