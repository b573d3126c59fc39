#include "window_scenarios.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cmath>
#include <map>
#include <numeric>
#include <random>
#include <set>
#include <tuple>

#include "catalogue.h"
#include "control_colours.h"
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

// No name in the answer list, every planet on its button, none selected.
void expectNothingChosen(PupilWindow& window) {
    EXPECT_TRUE(window.answers().empty());
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_EQ(window.caption(row.index), row.name);
        EXPECT_FALSE(window.planetSelected(row.index));
    }
}
}  // namespace

std::vector<int> distanceOrder() {
    std::vector<int> order(kPlanetCount);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

std::vector<std::string> namesOf(const std::vector<int>& elements) {
    std::vector<std::string> names(elements.size());
    std::transform(elements.begin(), elements.end(), names.begin(), nameOf);
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
    expectNothingChosen(window);
    choose(window, {12});  // the last button pressed is reported again
    EXPECT_EQ(window.answers(), namesOf({12}));
}

void aButtonLeavingTheSelectionReportsNothing(PupilWindow& window) {
    choose(window, {0, 1});
    window.clickAnswer(1);  // "Венера" is back, its button still selected
    choose(window, {5});    // it leaves the selection to "Юпитер"
    EXPECT_EQ(window.answers(), namesOf({0, 5}));
}

void aDoubleClickTakesBackOneName(PupilWindow& window) {
    choose(window, {0, 1, 2});
    window.doubleClickAnswer(0);
    EXPECT_EQ(window.answers(), namesOf({1, 2}));
    EXPECT_EQ(window.caption(0), nameOf(0));
    EXPECT_FALSE(window.answerSelected());
    window.doubleClickAnswer(2);
    EXPECT_EQ(window.answers(), namesOf({1, 2}));
    window.clickAnswer(0);
    EXPECT_EQ(window.answers(), namesOf({2}));
}

namespace {

// The tab stops in their order; the planet group is one of them.
const std::vector<std::string> kTabStops{"Text1_0", "Option1_", "List1_0", "Command1_0"};

std::size_t tabStopOf(const std::string& control) {
    for (std::size_t stop = 0; stop < kTabStops.size(); ++stop) {
        if (control.starts_with(kTabStops[stop])) {
            return stop;
        }
    }
    ADD_FAILURE() << "the focus is on no tab stop: " << control;
    return 0;
}

// Presses Tab just as often as the tab order says it takes.
void tabTo(PupilWindow& window, const std::string& target) {
    const std::size_t from = tabStopOf(window.focused());
    const std::size_t to = tabStopOf(target);
    for (std::size_t step = 0; step < (to + kTabStops.size() - from) % kTabStops.size(); ++step) {
        window.press(Key::Tab);
    }
    ASSERT_TRUE(window.focused().starts_with(target)) << "from " << kTabStops[from];
}

void chooseByKeyboard(PupilWindow& window, int element) {
    SCOPED_TRACE("choosing " + nameOf(element) + " by keyboard");
    const auto before = window.answers();
    ASSERT_NO_FATAL_FAILURE(tabTo(window, "Option1_"));
    // Wherever the focus goes among the planets, it chooses none of them.
    ASSERT_EQ(window.answers(), before) << "entering at " << window.focused();
    for (Key key : {Key::Down, Key::Left, Key::Up}) {
        window.press(key);
        ASSERT_EQ(window.answers(), before) << "moving to " << window.focused();
    }
    const std::string target = "Option1_" + std::to_string(element);
    for (int step = 0; step < kPlanetCount && window.focused() != target; ++step) {
        window.press(Key::Right);
        ASSERT_EQ(window.answers(), before) << "moving to " << window.focused();
    }
    ASSERT_EQ(window.focused(), target);
    window.press(Key::Space);
    auto expected = before;
    expected.push_back(nameOf(element));
    ASSERT_EQ(window.answers(), expected);
}

void takeBackByKeyboard(PupilWindow& window, int position) {
    SCOPED_TRACE("taking back position " + std::to_string(position) + " by keyboard");
    ASSERT_NO_FATAL_FAILURE(tabTo(window, "List1_0"));
    auto expected = window.answers();
    window.press(Key::End);
    window.press(Key::PageUp);
    window.press(Key::Home);
    for (int step = 0; step < position; ++step) {
        window.press(Key::Down);
    }
    ASSERT_EQ(window.answers(), expected);
    ASSERT_EQ(window.answerMark(), position);
    window.press(Key::Space);
    expected.erase(expected.begin() + position);
    ASSERT_EQ(window.answers(), expected);
    EXPECT_FALSE(window.answerSelected());
    EXPECT_EQ(window.answerMark(), std::min(position, static_cast<int>(expected.size()) - 1));
}

}  // namespace

void theKeyboardAloneReachesEveryPlanetAndName(PupilWindow& window) {
    for (int element : {0, 1, 5}) {
        ASSERT_NO_FATAL_FAILURE(chooseByKeyboard(window, element));
    }
    // "Юпитер", the last name: the mark stays on the new last one.
    ASSERT_NO_FATAL_FAILURE(takeBackByKeyboard(window, 2));
    for (int element = 2; element < kPlanetCount; ++element) {
        ASSERT_NO_FATAL_FAILURE(chooseByKeyboard(window, element));
    }
    EXPECT_EQ(window.message(), kRight);
    ASSERT_NO_FATAL_FAILURE(takeBackByKeyboard(window, 0));
    EXPECT_EQ(window.message(), kRight);
    ASSERT_NO_FATAL_FAILURE(chooseByKeyboard(window, 0));
    EXPECT_EQ(window.message(), kWrong);

    ASSERT_NO_FATAL_FAILURE(tabTo(window, "Command1_0"));
    window.press(Key::Space);
    EXPECT_TRUE(window.answers().empty());
    EXPECT_EQ(window.message(), "");
    // With none checked, the group is entered at its first planet, from
    // either side.
    window.press(Key::BackTab);
    window.press(Key::BackTab);
    EXPECT_EQ(window.focused(), "Option1_0");
    EXPECT_TRUE(window.answers().empty());
    // Backward from the first stop, round to the last.
    window.press(Key::BackTab);
    EXPECT_EQ(window.focused(), "Text1_0");
    window.press(Key::BackTab);
    EXPECT_EQ(window.focused(), "Command1_0");
    ASSERT_NO_FATAL_FAILURE(chooseByKeyboard(window, 12));
    ASSERT_NO_FATAL_FAILURE(takeBackByKeyboard(window, 0));
}

void enterAndEscDoNothing(PupilWindow& window) {
    window.clickPlanet(7);
    std::set<std::string> visited;
    for (std::size_t stop = 0; stop < kTabStops.size(); ++stop) {
        SCOPED_TRACE(window.focused());
        visited.insert(kTabStops[tabStopOf(window.focused())]);
        window.press(Key::Enter);
        window.press(Key::Escape);
        ASSERT_EQ(window.answers(), namesOf({7}));
        EXPECT_NE(window.message(), "");
        window.press(Key::Tab);
    }
    EXPECT_EQ(visited.size(), kTabStops.size());
}

void startsWithNothingChosenAndTheFocusOnTheMessage(PupilWindow& window) {
    EXPECT_EQ(window.focused(), "Text1_0");
    expectNothingChosen(window);
    // A line break is CR LF in the description and in a Win32 edit
    // control, LF alone in the other toolkits.
    const auto lines = [](std::string text) {
        std::erase(text, '\r');
        return text;
    };
    const WindowDescription& described = mainFormDescription();
    EXPECT_EQ(lines(window.message()), lines(described.control(ControlArray::Text1, 0).text));
    EXPECT_EQ(window.referenceItems(), described.control(ControlArray::List1, 1).items);
    EXPECT_EQ(window.quotation(), described.control(ControlArray::Text1, 1).text);
}

void randomInputKeepsTheExerciseConsistent(PupilWindow& window, std::uint32_t seed, int events) {
    std::mt19937 random(seed);
    const auto below = [&random](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); };
    const std::string hidden = window.quotation();
    const Picture shown = window.picture();
    const PictureBox whole{0, 0, shown.width, shown.height};
    const PictureBox list = window.placeInPicture(ControlArray::List1, 0);
    const std::array keys{Key::Tab,  Key::BackTab, Key::Up,    Key::Down,     Key::Left,
                          Key::Right, Key::Space,  Key::Home,  Key::End,      Key::PageUp,
                          Key::PageDown, Key::Enter, Key::Escape};
    for (int event = 0; event < events; ++event) {
        SCOPED_TRACE("event " + std::to_string(event));
        const int kind = below(100);
        if (kind < 45) {
            window.clickPlanet(below(kPlanetCount));
        } else if (kind < 70) {
            const PictureBox& area = kind < 55 ? list : whole;
            window.clickInPicture(area.left + below(area.width), area.top + below(area.height),
                                  below(8) == 0 ? 2 : 1);
        } else {
            window.press(keys.at(static_cast<std::size_t>(below(static_cast<int>(keys.size())))));
        }
        expectConsistent(window, hidden);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

namespace {

bool inside(const PictureBox& box, int x, int y) {
    return x >= box.left && x < box.left + box.width && y >= box.top && y < box.top + box.height;
}

// Two colours the eye cannot tell apart: WebKitGTK blends a text anew by
// one level off where a repaint next to it passes through its layer, while
// what a paint leaves behind differs by far more.
bool sameToTheEye(Rgb one, Rgb other) {
    const auto within = [](std::uint8_t a, std::uint8_t b) { return std::abs(a - b) <= 2; };
    return within(one.red, other.red) && within(one.green, other.green) && within(one.blue, other.blue);
}

// The first pixel outside the given boxes that differs between two pictures.
void expectSameOutside(const Picture& before, const Picture& after, const std::vector<PictureBox>& boxes) {
    ASSERT_EQ(after.width, before.width);
    ASSERT_EQ(after.height, before.height);
    for (int y = 0; y < before.height; ++y) {
        for (int x = 0; x < before.width; ++x) {
            const bool skipped = std::any_of(boxes.begin(), boxes.end(),
                                             [x, y](const PictureBox& box) { return inside(box, x, y); });
            if (!skipped && !sameToTheEye(before.at(x, y), after.at(x, y))) {
                const auto rgb = [](Rgb colour) {
                    return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
                           std::to_string(colour.blue);
                };
                FAIL() << "pixel " << x << "," << y << " changed from " << rgb(before.at(x, y)) << " to "
                       << rgb(after.at(x, y));
            }
        }
    }
}

}  // namespace

void theAnswerListDrawsWithinItsFrame(PupilWindow& window) {
    const std::vector<PictureBox> changing{window.placeInPicture(ControlArray::List1, 0),
                                           window.placeInPicture(ControlArray::Frame1, 0),
                                           window.placeInPicture(ControlArray::Text1, 0)};
    const Picture before = window.picture();
    choose(window, {0, 1, 2, 3, 4, 5, 6, 7});
    ASSERT_NO_FATAL_FAILURE(tabTo(window, "List1_0"));
    for (int count = 8; count > 3; --count) {
        SCOPED_TRACE(std::to_string(count) + " names, the last taken back");
        window.press(Key::End);
        window.clickAnswer(count - 1);
        ASSERT_EQ(window.answers().size(), static_cast<std::size_t>(count - 1));
        ASSERT_NO_FATAL_FAILURE(expectSameOutside(before, window.picture(), changing));
    }
}

double contrastOf(Rgb first, Rgb second) {
    const auto luminance = [](Rgb colour) {
        const auto linear = [](std::uint8_t channel) {
            const double value = channel / 255.0;
            return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
               0.0722 * linear(colour.blue);
    };
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

PictureBox partOf(const PictureBox& control, const ControlDescription& described,
                  const TwipsRect& part) {
    const double pixelsPerTwip = static_cast<double>(control.height) / described.place.height;
    const auto pixels = [&](int twips) { return static_cast<int>(std::lround(twips * pixelsPerTwip)); };
    return {control.left + pixels(part.left), control.top + pixels(part.top), pixels(part.width),
            pixels(part.height)};
}

namespace {

// Where a control draws nothing but its face and its text: clear of its
// edges, its radio mark, its scroll bar and its category mark, in twips.
TwipsRect textPart(const ControlDescription& control) {
    const TwipsRect& place = control.place;
    switch (control.kind) {
    case ControlKind::Label:
        return {60, 0, place.width - 120, 285};
    case ControlKind::Frame:
        return {180, 0, 1470, 240};  // the start of the caption
    case ControlKind::OptionButton:
        return {300, 30, 1020, place.height - 60};
    case ControlKind::CommandButton:
        return {75, 75, place.width - 150, place.height - 150};
    case ControlKind::TextBox:
        return {60, 60, place.width - 420, place.height - 120};
    case ControlKind::ListBox:
        return {60, 60, place.width - 120, place.height - 120};
    }
    return {};
}

// The face is the commonest colour. The text's edges are blended into it,
// so the text's own colour is the one that stands out most from it among
// those drawn more than now and then.
void expectReadable(PupilWindow& window, const Picture& picture, const ControlDescription& control) {
    SCOPED_TRACE(std::string(arrayName(control.array)) + " " + std::to_string(control.element));
    const PictureBox part =
        partOf(window.placeInPicture(control.array, control.element), control, textPart(control));
    std::map<std::tuple<int, int, int>, int> counts;
    for (int y = part.top; y < part.top + part.height; ++y) {
        for (int x = part.left; x < part.left + part.width; ++x) {
            const Rgb colour = picture.at(x, y);
            ++counts[{colour.red, colour.green, colour.blue}];
        }
    }
    const auto rgbOf = [](const std::tuple<int, int, int>& colour) {
        return Rgb{static_cast<std::uint8_t>(std::get<0>(colour)),
                   static_cast<std::uint8_t>(std::get<1>(colour)),
                   static_cast<std::uint8_t>(std::get<2>(colour))};
    };
    const auto face = std::max_element(counts.begin(), counts.end(), [](const auto& one, const auto& other) {
        return one.second < other.second;
    });
    int textPixels = 0;
    double contrast = 1.0;
    for (const auto& [colour, count] : counts) {
        if (colour != face->first) {
            textPixels += count;
            if (count >= 3) {
                contrast = std::max(contrast, contrastOf(rgbOf(colour), rgbOf(face->first)));
            }
        }
    }
    ASSERT_GE(textPixels, 20) << "no text drawn";
    EXPECT_GE(contrast, 4.5);
}

void expectEveryTextReadable(PupilWindow& window) {
    const Picture picture = window.picture();
    for (const ControlDescription& control : mainFormDescription().controls) {
        bool showsText = !control.text.empty();
        if (control.kind == ControlKind::OptionButton) {
            showsText = !window.caption(control.element).empty();
        } else if (control.kind == ControlKind::ListBox) {
            showsText = !window.answers().empty();
        } else if (control.kind == ControlKind::TextBox) {
            showsText = !window.message().empty();
        }
        if (control.visible && showsText) {
            expectReadable(window, picture, control);
        }
    }
}

}  // namespace

void everyTextReadsAgainstItsFace(PupilWindow& window) {
    expectEveryTextReadable(window);
    window.clickPlanet(0);
    expectEveryTextReadable(window);
}

void everyCategoryShowsByItsMark(PupilWindow& window) {
    const Picture shown = window.picture();
    for (const ControlDescription& described : mainFormDescription().controls) {
        if (!described.category) {
            continue;
        }
        SCOPED_TRACE(std::string(arrayName(described.array)) + " " + std::to_string(described.element));
        const PictureBox mark = partOf(window.placeInPicture(described.array, described.element), described,
                                       categoryMarkPlace(described));
        EXPECT_EQ(shown.at(mark.left + mark.width / 2, mark.top + mark.height / 2),
                  categoryColour(*described.category));
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
