// The thirteen bodies of the Solar System that the lesson counts, as a
// constant table. A row's index is the body's rank by distance from the Sun
// (0 = Mercury, 12 = Eris); it is also the element index of the body's
// planet button and its position in the hidden reference list.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace veltara {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

enum class Category : std::uint8_t { Terrestrial, GasGiant, DwarfPlanet };

// One colour per category: the planet buttons and the legend labels share it.
constexpr Rgb categoryColour(Category category) {
    switch (category) {
    case Category::Terrestrial:
        return {255, 128, 0};
    case Category::GasGiant:
        return {0, 255, 255};
    case Category::DwarfPlanet:
        return {255, 0, 255};
    }
    return {0, 0, 0};
}

// The legend's caption for a category.
constexpr std::string_view categoryLegend(Category category) {
    switch (category) {
    case Category::Terrestrial:
        return "земеподобни";
    case Category::GasGiant:
        return "газови гиганти";
    case Category::DwarfPlanet:
        return "планети джуджета";
    }
    return {};
}

struct PlanetRow {
    std::int16_t index;
    std::string_view name;  // UTF-8, compared byte for byte
    Category category;
    int left;  // twips, from the top-left corner of the planet frame
    int top;   // twips
    std::int16_t tabIndex;

    constexpr Rgb colour() const { return categoryColour(category); }
};

constexpr int kPlanetButtonWidth = 1500;  // twips, the same for every button
constexpr int kPlanetButtonHeight = 300;  // twips
constexpr std::int16_t kPlanetCount = 13;

// Row 4 is spelled with a Latin small p (U+0070) in third place, on purpose:
// the button caption and the reference item must be this exact sequence.
inline constexpr std::array<PlanetRow, kPlanetCount> kCatalogue{{
    {0, "Меркурий", Category::Terrestrial, 1920, 900, 4},
    {1, "Венера", Category::Terrestrial, 120, 300, 5},
    {2, "Земя", Category::Terrestrial, 120, 600, 6},
    {3, "Марс", Category::Terrestrial, 120, 900, 7},
    {4, "Це\x70ера", Category::DwarfPlanet, 1920, 1800, 8},
    {5, "Юпитер", Category::GasGiant, 960, 2100, 9},
    {6, "Сатурн", Category::GasGiant, 120, 1500, 10},
    {7, "Уран", Category::GasGiant, 1920, 1500, 15},
    {8, "Нептун", Category::GasGiant, 120, 1200, 16},
    {9, "Плутон", Category::DwarfPlanet, 1920, 1200, 17},
    {10, "Хаумея", Category::DwarfPlanet, 120, 1800, 18},
    {11, "Макемаке", Category::DwarfPlanet, 1920, 600, 19},
    {12, "Ерида", Category::DwarfPlanet, 1920, 300, 20},
}};

// The names in distance order: the content of the hidden reference list.
constexpr std::array<std::string_view, kPlanetCount> referenceNames() {
    std::array<std::string_view, kPlanetCount> names{};
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = kCatalogue[i].name;
    }
    return names;
}

}  // namespace veltara
