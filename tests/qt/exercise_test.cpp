// The exercise driven through the real widgets with mouse and keyboard.
#include <algorithm>
#include <numeric>

#include "verdicts.h"
#include "window_fixture.h"

namespace veltara::testing {
namespace {

const std::string kRight(kRightOrderVerdict);
const std::string kWrong(kWrongOrderVerdict);

std::vector<int> distanceOrder() {
    std::vector<int> order(13);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

using Exercise = WindowTest;

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

TEST_F(Exercise, AChosenButtonIsClickableAnywhereAndChangesNothing) {
    choose({3, 5});
    EXPECT_EQ(caption(3), "");
    EXPECT_EQ(answers(), namesOf({3, 5}));
    // Far from the selection mark: the empty button still takes the click.
    click(planet(3), {90, 10});
    EXPECT_TRUE(planet(3)->isChecked());
    EXPECT_EQ(answers(), namesOf({3, 5}));
}

TEST_F(Exercise, TakingBackByMouseRestoresThatPlanet) {
    choose({2, 9, 4, 0});
    clickAnswer(1);
    EXPECT_EQ(answers(), namesOf({2, 4, 0}));
    EXPECT_EQ(caption(9), kCatalogue[9].name);
    EXPECT_TRUE(answerList()->selectedItems().isEmpty());
    choose({9});
    EXPECT_EQ(answers(), namesOf({2, 4, 0, 9}));
}

TEST_F(Exercise, TakingBackByKeyboardRemovesOneItemPerMove) {
    choose({1, 6, 8});
    answerList()->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
        const auto before = answers();
        pressKey(key);
        const auto after = answers();
        ASSERT_EQ(after.size() + 1, before.size());
        EXPECT_TRUE(answerList()->selectedItems().isEmpty());
        // The one name that left is back on its button.
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
    EXPECT_TRUE(planet(1)->isChecked());
    choose({1});
    EXPECT_EQ(answers(), namesOf({0}));
    choose({0, 1});  // 0 is empty: it only takes the selection
    EXPECT_EQ(answers(), namesOf({0, 1}));
}

TEST_F(Exercise, ArrowKeysFromTheSelectedButtonChooseTheOneTheyReach) {
    choose({1});  // "Венера", top of the left column
    pressKey(Qt::Key_Down);
    ASSERT_EQ(answers().size(), 2U);
    EXPECT_EQ(answers()[0], kCatalogue[1].name);
    auto* reached = qobject_cast<QRadioButton*>(QApplication::focusWidget());
    ASSERT_NE(reached, nullptr);
    EXPECT_TRUE(reached->isChecked());
    EXPECT_TRUE(reached->text().isEmpty());
    EXPECT_FALSE(planet(1)->isChecked());
}

TEST_F(Exercise, ClearStartsOverAndLeavesNoButtonSelected) {
    click(clearButton());  // at start: only the message goes
    EXPECT_EQ(message(), "");
    EXPECT_EQ(answerList()->count(), 0);

    choose(distanceOrder());
    click(clearButton());
    EXPECT_EQ(message(), "");
    EXPECT_EQ(answerList()->count(), 0);
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_EQ(caption(row.index), row.name);
        EXPECT_FALSE(planet(row.index)->isChecked());
    }
    choose({12});  // the last button pressed is reported again
    EXPECT_EQ(answers(), namesOf({12}));

    clearButton()->setFocus();
    pressKey(Qt::Key_Space);
    EXPECT_EQ(answerList()->count(), 0);
}

TEST_F(Exercise, EnterAndEscNeverPressClear) {
    choose({7});
    for (QWidget* focus : {static_cast<QWidget*>(clearButton()), static_cast<QWidget*>(answerList()),
                           static_cast<QWidget*>(messageArea()), static_cast<QWidget*>(planet(7))}) {
        focus->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            pressKey(key);
        }
    }
    EXPECT_EQ(answers(), namesOf({7}));
    EXPECT_NE(message(), "");
}

}  // namespace
}  // namespace veltara::testing
