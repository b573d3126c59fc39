// Where a list's selection belongs after one item is taken out: gone with
// its item, one place up when a later item was selected, else unchanged.
// Both window layers put the selection back to this after a removal, since
// their list controls would otherwise pick a neighbour themselves.
#pragma once

#include <cstdint>

namespace veltara {

constexpr std::int16_t selectionAfterRemoval(std::int16_t selected, std::int16_t removed) {
    if (selected == removed) {
        return -1;
    }
    return selected > removed ? static_cast<std::int16_t>(selected - 1) : selected;
}

}  // namespace veltara
