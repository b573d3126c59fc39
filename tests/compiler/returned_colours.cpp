#include "returned_colours.h"

namespace veltara::compiler_test {

ColourPair colourPair(std::uint8_t red) { return {{red, 20, 30}, {1, 2, 3}, 0}; }

}  // namespace veltara::compiler_test
