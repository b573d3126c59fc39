// A pair of colours returned by value from a translation unit of its own, so
// that the caller cannot know what it holds and must store it.
#pragma once

#include <cstdint>

namespace veltara::compiler_test {

// Three bytes, as a colour in the catalogue: passed in memory, not in a
// register.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// Eight bytes: returned in a register, on Linux and on Windows alike.
struct ColourPair {
    Rgb face;
    Rgb text;
    std::uint16_t spare;
};

ColourPair colourPair(std::uint8_t red);

}  // namespace veltara::compiler_test
