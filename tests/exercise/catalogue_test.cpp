#include "catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace veltara {
namespace {

TEST(Catalogue, NamesRunInDistanceOrder) {
    const std::vector<std::string_view> expected{
        "Меркурий", "Венера", "Земя",   "Марс",   "Цеpера",   "Юпитер", "Сатурн",
        "Уран",     "Нептун", "Плутон", "Хаумея", "Макемаке", "Ерида"};
    const auto names = referenceNames();
    EXPECT_EQ(std::vector<std::string_view>(names.begin(), names.end()), expected);
    // Each row's index is its place: see the description, where the buttons
    // are numbered by it and named from the reference list.
}

TEST(Catalogue, CeresHasALatinPInThirdPlace) {
    // Ц е p е р а: U+0426 U+0435 U+0070 U+0435 U+0440 U+0430 in UTF-8.
    EXPECT_EQ(kCatalogue[4].name, "\xD0\xA6\xD0\xB5\x70\xD0\xB5\xD1\x80\xD0\xB0");
    // Every other name is Cyrillic through and through: no ASCII byte at all.
    for (const PlanetRow& row : kCatalogue) {
        if (row.index == 4) {
            continue;
        }
        EXPECT_TRUE(std::none_of(row.name.begin(), row.name.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            << row.name;
    }
}

TEST(Catalogue, ColoursFollowTheCategories) {
    const std::map<Category, std::pair<Rgb, int>> expected{{Category::Terrestrial, {{255, 128, 0}, 4}},
                                                           {Category::GasGiant, {{0, 255, 255}, 4}},
                                                           {Category::DwarfPlanet, {{255, 0, 255}, 5}}};
    std::map<Category, int> counted;
    for (const PlanetRow& row : kCatalogue) {
        ++counted[row.category];
        EXPECT_EQ(row.colour(), expected.at(row.category).first) << row.name;
    }
    for (const auto& [category, colourAndCount] : expected) {
        EXPECT_EQ(counted[category], colourAndCount.second);
    }
}

// Each place holds one button, all inside the frame; that they read in
// alphabetical order is proved where the arrow keys walk them.
TEST(Catalogue, ButtonsStandApartInsideTheFrame) {
    constexpr int kFrameWidth = 3495;
    constexpr int kFrameHeight = 2535;
    std::set<std::pair<int, int>> places;
    for (const PlanetRow& row : kCatalogue) {
        EXPECT_TRUE(places.insert({row.top, row.left}).second) << row.name;
        EXPECT_GE(row.left, 0);
        EXPECT_GE(row.top, 0);
        EXPECT_LE(row.left + kPlanetButtonWidth, kFrameWidth) << row.name;
        EXPECT_LE(row.top + kPlanetButtonHeight, kFrameHeight) << row.name;
    }
}

}  // namespace
}  // namespace veltara
