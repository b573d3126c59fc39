#include "main_form_description.h"
#include "planet_arrow_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>
#include <string>

namespace veltara {
namespace {

const WindowDescription& form() { return mainFormDescription(); }

// Code points of a UTF-8 text (every byte but the continuation bytes).
std::size_t codePoints(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

TEST(WindowDescription, ClientAreaIsWholePixelsAt96Dpi) {
    EXPECT_EQ(twipsToPixelsAt96Dpi(form().clientWidth), 461);
    EXPECT_EQ(twipsToPixelsAt96Dpi(form().clientHeight), 365);
    for (const ControlDescription& control : form().controls) {
        for (int twips : {control.place.left, control.place.top, control.place.width,
                          control.place.height}) {
            EXPECT_EQ(twips % kTwipsPerPixelAt96Dpi, 0) << arrayName(control.array);
        }
    }
}

TEST(WindowDescription, TwentyFourControlsNumberedZeroToTwentyThree) {
    ASSERT_EQ(form().controls.size(), 24U);
    std::set<std::pair<ControlArray, std::int16_t>> identities;
    for (std::size_t i = 0; i < form().controls.size(); ++i) {
        const ControlDescription& control = form().controls[i];
        EXPECT_EQ(control.tabIndex, static_cast<std::int16_t>(i));
        EXPECT_TRUE(identities.insert({control.array, control.element}).second);
    }
    EXPECT_THROW(form().control(ControlArray::Option1, 13), std::out_of_range);
}

TEST(WindowDescription, OnlyTheHiddenControlsReachOutsideTheClientArea) {
    for (const ControlDescription& control : form().controls) {
        if (control.insideFrame) {
            continue;
        }
        const bool inside = control.place.right() <= form().clientWidth &&
                            control.place.bottom() <= form().clientHeight;
        EXPECT_EQ(inside, control.visible)
            << arrayName(control.array) << " " << control.element;
    }
    EXPECT_FALSE(form().control(ControlArray::List1, 1).takesFocus());
    EXPECT_FALSE(form().control(ControlArray::Text1, 1).takesFocus());
}

TEST(WindowDescription, PlanetButtonsAndReferenceListComeFromTheCatalogue) {
    const auto& reference = form().control(ControlArray::List1, 1).items;
    ASSERT_EQ(reference.size(), kCatalogue.size());
    for (const PlanetRow& row : kCatalogue) {
        const ControlDescription& button = form().control(ControlArray::Option1, row.index);
        EXPECT_EQ(button.text, reference[static_cast<std::size_t>(row.index)]);
        EXPECT_EQ(button.text, row.name);
        EXPECT_TRUE(button.insideFrame);
        EXPECT_EQ(button.background, row.colour());
    }
    EXPECT_TRUE(form().control(ControlArray::List1, 0).items.empty());
}

TEST(WindowDescription, LegendLabelsShareTheirCategoryColours) {
    for (const PlanetRow& row : kCatalogue) {
        const auto legend = std::find_if(form().controls.begin(), form().controls.end(), [&](const auto& c) {
            return c.array == ControlArray::Label1 && c.text == categoryLegend(row.category);
        });
        ASSERT_NE(legend, form().controls.end()) << row.name;
        EXPECT_EQ(legend->background, row.colour());
    }
    EXPECT_EQ(form().control(ControlArray::Frame1, 0).background, form().background);
    // The heading reaches 15 twips into the answer list below it.
    EXPECT_EQ(form().control(ControlArray::Label1, 1).place.bottom() -
                  form().control(ControlArray::List1, 0).place.top,
              15);
}

TEST(WindowDescription, TextsEndTheirLinesWithCrLf) {
    const std::string& assignment = form().control(ControlArray::Text1, 0).text;
    const std::string& quotation = form().control(ControlArray::Text1, 1).text;
    auto lines = [](const std::string& text) {
        std::size_t count = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2)) {
            ++count;
        }
        return count;
    };
    EXPECT_EQ(lines(assignment), 9U);
    EXPECT_TRUE(assignment.ends_with("\r\n"));
    EXPECT_EQ(std::count(assignment.begin(), assignment.end(), '\n'), 9);
    EXPECT_NE(assignment.find("Хаумея, Цеpера)."), std::string::npos);
    EXPECT_NE(assignment.find("система. \r\n"), std::string::npos);
    EXPECT_EQ(lines(quotation), 3U);
    EXPECT_EQ(codePoints(quotation), 118U);
    EXPECT_TRUE(quotation.ends_with("било. \r\n"));
    EXPECT_TRUE(form().caption.ends_with(" Велтара"));
    EXPECT_EQ(form().caption.find(' '), form().caption.size() - std::string(" Велтара").size());
}

// The arrow keys follow the screen, never the distance order they would
// otherwise give away.
TEST(PlanetArrowKeys, RightReadsAlphabeticallyAndDownFollowsTheColumn) {
    std::vector<std::string> read;
    std::vector<std::int16_t> walked;
    std::int16_t at = 1;  // "Венера", top left
    for (int step = 0; step < kPlanetCount; ++step) {
        read.emplace_back(kCatalogue.at(static_cast<std::size_t>(at)).name);
        walked.push_back(at);
        at = planetReachedByArrow(at, ArrowKey::Right);
    }
    EXPECT_EQ(at, 1);
    EXPECT_EQ(planetsInReadingOrder(), walked);  // the order a page reads them in
    EXPECT_TRUE(std::is_sorted(read.begin(), read.end()));
    EXPECT_EQ(std::set<std::string>(read.begin(), read.end()).size(), 13U);
    EXPECT_EQ(planetReachedByArrow(1, ArrowKey::Left), 5);  // round to "Юпитер"

    std::vector<std::int16_t> column{1};
    while (column.size() < 8) {
        column.push_back(planetReachedByArrow(column.back(), ArrowKey::Down));
    }
    EXPECT_EQ(column, (std::vector<std::int16_t>{1, 2, 3, 8, 6, 10, 5, 5}));
    EXPECT_EQ(planetReachedByArrow(5, ArrowKey::Up), 10);
    EXPECT_EQ(planetReachedByArrow(12, ArrowKey::Up), 12);
}

}  // namespace
}  // namespace veltara
