#include "planet_arrow_keys.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "main_form_description.h"

namespace veltara {

namespace {

std::vector<const ControlDescription*> planetsByPlace() {
    std::vector<const ControlDescription*> planets;
    for (const ControlDescription& control : mainFormDescription().controls) {
        if (control.array == ControlArray::Option1) {
            planets.push_back(&control);
        }
    }
    std::sort(planets.begin(), planets.end(), [](const auto* a, const auto* b) {
        return a->place.top != b->place.top ? a->place.top < b->place.top
                                            : a->place.left < b->place.left;
    });
    return planets;
}

int centre(const TwipsRect& place) { return place.left + place.width / 2; }

bool sharesAColumn(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.right() && b.left < a.right();
}

std::int16_t alongTheRows(const std::vector<const ControlDescription*>& planets,
                          std::int16_t from, int step) {
    const auto count = static_cast<int>(planets.size());
    const auto here = std::find_if(planets.begin(), planets.end(),
                                   [from](const auto* planet) { return planet->element == from; });
    const auto position = static_cast<int>(here - planets.begin());
    return planets[static_cast<std::size_t>((position + step + count) % count)]->element;
}

std::int16_t upOrDown(const std::vector<const ControlDescription*>& planets,
                      const TwipsRect& from, std::int16_t element, bool down) {
    const ControlDescription* best = nullptr;
    auto distance = [&from](const ControlDescription& planet) {
        return std::pair(std::abs(planet.place.top - from.top),
                         std::abs(centre(planet.place) - centre(from)));
    };
    for (const ControlDescription* planet : planets) {
        const bool beyond = down ? planet->place.top > from.top : planet->place.top < from.top;
        if (beyond && sharesAColumn(planet->place, from) &&
            (best == nullptr || distance(*planet) < distance(*best))) {
            best = planet;
        }
    }
    return best == nullptr ? element : best->element;
}

}  // namespace

std::vector<std::int16_t> planetsInReadingOrder() {
    const auto planets = planetsByPlace();
    std::vector<std::int16_t> elements(planets.size());
    std::transform(planets.begin(), planets.end(), elements.begin(),
                   [](const ControlDescription* planet) { return planet->element; });
    return elements;
}

std::int16_t planetReachedByArrow(std::int16_t from, ArrowKey key) {
    // The description never changes: its planets are put in order once.
    static const auto planets = planetsByPlace();
    const TwipsRect& place = mainFormDescription().control(ControlArray::Option1, from).place;
    switch (key) {
    case ArrowKey::Right:
        return alongTheRows(planets, from, 1);
    case ArrowKey::Left:
        return alongTheRows(planets, from, -1);
    case ArrowKey::Down:
        return upOrDown(planets, place, from, true);
    case ArrowKey::Up:
        return upOrDown(planets, place, from, false);
    }
    return from;
}

}  // namespace veltara
