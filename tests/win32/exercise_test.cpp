// The exercise driven through the real Win32 controls with mouse and keyboard.
#include <algorithm>
#include <numeric>

#include "main_form_description.h"
#include "verdicts.h"
#include "win32_fixture.h"

namespace veltara::testing {
namespace {

const std::string kRight(kRightOrderVerdict);
const std::string kWrong(kWrongOrderVerdict);

std::vector<int> distanceOrder() {
    std::vector<int> order(13);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

using Exercise = Win32WindowTest;

TEST_F(Exercise, DistanceOrderByMouseIsRightAndASwapIsWrong) {
    const std::string assignment = message();
    std::vector<int> order = distanceOrder();
    order.pop_back();
    choose(order);
    EXPECT_EQ(message(), assignment);  // twelve placed: untouched
    choose({12});
    EXPECT_EQ(answers(), namesOf(distanceOrder()));
    EXPECT_EQ(message(), kRight);

    click(clearButton());
    order = distanceOrder();
    std::swap(order[4], order[9]);
    choose(order);
    EXPECT_EQ(message(), kWrong);
}

TEST_F(Exercise, AChosenButtonTakesTheSelectionAndNothingElse) {
    choose({3, 5});
    EXPECT_EQ(caption(3), "");
    click(planet(3), {90, 10});  // far from the selection mark
    EXPECT_TRUE(checked(3));
    EXPECT_FALSE(checked(5));
    EXPECT_EQ(answers(), namesOf({3, 5}));
}

TEST_F(Exercise, TakingBackByMouseRestoresThatPlanet) {
    choose({2, 9, 4, 0});
    clickAnswer(1);
    EXPECT_EQ(answers(), namesOf({2, 4, 0}));
    EXPECT_EQ(caption(9), kCatalogue[9].name);
    EXPECT_EQ(SendMessageW(answerList(), LB_GETCURSEL, 0, 0), LB_ERR);
    // Below the last name there is nothing to take back.
    click(answerList(), {20, 90});
    EXPECT_EQ(answers(), namesOf({2, 4, 0}));
    choose({9});
    EXPECT_EQ(answers(), namesOf({2, 4, 0, 9}));
}

TEST_F(Exercise, TakingBackByKeyboardRemovesOneItemPerMove) {
    choose({1, 6, 8});
    SetFocus(answerList());
    for (WORD key : {VK_DOWN, VK_DOWN, VK_UP}) {
        const auto before = answers();
        pressKey(key);
        const auto after = answers();
        ASSERT_EQ(after.size() + 1, before.size());
        EXPECT_EQ(SendMessageW(answerList(), LB_GETCURSEL, 0, 0), LB_ERR);
        for (const PlanetRow& row : kCatalogue) {
            const bool left = std::count(before.begin(), before.end(), row.name) == 1 &&
                              std::count(after.begin(), after.end(), row.name) == 0;
            if (left) {
                EXPECT_EQ(caption(row.index), row.name);
            }
        }
    }
    EXPECT_TRUE(answers().empty());
}

TEST_F(Exercise, TheStillSelectedButtonWaitsForAnotherPress) {
    choose({0, 1});
    clickAnswer(1);  // "Венера", whose button is still the selected one
    EXPECT_EQ(caption(1), kCatalogue[1].name);
    EXPECT_TRUE(checked(1));
    choose({1});
    EXPECT_EQ(answers(), namesOf({0}));
    choose({0, 1});  // 0 is empty: it only takes the selection
    EXPECT_EQ(answers(), namesOf({0, 1}));
}

TEST_F(Exercise, ArrowKeysMoveInTheGroupAndSpaceChooses) {
    choose({1});  // "Венера", top of the left column
    pressKey(VK_DOWN);
    HWND reached = GetFocus();
    EXPECT_NE(reached, planet(1));
    EXPECT_EQ(GetParent(reached), control(ControlArray::Frame1));
    EXPECT_EQ(answers(), namesOf({1}));  // moving the focus chose nothing
    pressKey(VK_SPACE);
    ASSERT_EQ(answers().size(), 2U);
    EXPECT_EQ(SendMessageW(reached, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(checked(1));
}

TEST_F(Exercise, ClearStartsOverAndLeavesNoButtonSelected) {
    click(clearButton());  // at start: only the message goes
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(answers().empty());

    choose(distanceOrder());
    click(clearButton());
    EXPECT_EQ(message(), "");
    EXPECT_TRUE(answers().empty());
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_EQ(caption(row.index), row.name);
        EXPECT_FALSE(checked(row.index));
    }
    choose({12});  // the last button pressed is reported again
    EXPECT_EQ(answers(), namesOf({12}));

    SetFocus(clearButton());
    pressKey(VK_SPACE);
    EXPECT_TRUE(answers().empty());
}

TEST_F(Exercise, EnterAndEscNeverPressClear) {
    choose({7});
    for (HWND focus : {clearButton(), answerList(), messageArea(), planet(7)}) {
        SetFocus(focus);
        for (WORD key : {VK_RETURN, VK_ESCAPE}) {
            pressKey(key);
        }
    }
    EXPECT_EQ(answers(), namesOf({7}));
    EXPECT_NE(message(), "");
    EXPECT_TRUE(IsWindowVisible(form().window()));
}

}  // namespace
}  // namespace veltara::testing
