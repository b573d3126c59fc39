// g++ 12.2 at -O1 to -O3 dropped the caller's store of a struct passed by
// const reference, where the callee gave the struct's fields by value to a
// function that the compiler proved const only late: its interprocedural
// mod/ref analysis found the struct unread, and dead-store elimination took
// the store; the callee read stale stack. cmake/warnings.cmake turns that
// analysis off for g++ 12. The shape below is the smallest found that
// showed it, on Linux and on Windows; the noinline attributes keep it the
// same whatever the inliner's mood.
#include <gtest/gtest.h>

#include "returned_colours.h"

namespace veltara::compiler_test {

// A colour as a toolkit keeps one: 16 bits a channel, checked on
// construction. The check reads only one channel, so the compiler clones it
// without the others; that clone is what makes toWide const only late.
struct WideColour {
    WideColour(int red, int green, int blue) noexcept
        : valid(isValid(red, green, blue)), red(widened(red)), green(widened(green)),
          blue(widened(blue)) {}
    [[gnu::noinline]] static bool isValid(int red, [[maybe_unused]] int green,
                                          [[maybe_unused]] int blue) noexcept {
        return red <= 255;
    }
    static std::uint16_t widened(int channel) noexcept {
        return static_cast<std::uint16_t>(channel * 257);
    }
    bool valid;
    std::uint16_t red;
    std::uint16_t green;
    std::uint16_t blue;
};

namespace {

[[gnu::noinline]] WideColour toWide(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

[[gnu::noinline]] int channelSum(const ColourPair& colours) {
    const WideColour face = toWide(colours.face);
    const WideColour text = toWide(colours.text);
    return (face.red + face.green + face.blue + text.red + text.green + text.blue) / 257;
}

[[gnu::noinline]] int channelSumOfPair(std::uint8_t red) { return channelSum(colourPair(red)); }

TEST(Compiler, KeepsTheStoreOfAReturnedStructPassedByConstReference) {
    EXPECT_EQ(channelSumOfPair(10), 10 + 20 + 30 + 1 + 2 + 3);
}

}  // namespace
}  // namespace veltara::compiler_test
