// What a window message carries in its parameters: handles and pointers
// packed into integers, as Windows passes them.
#pragma once

namespace veltara {

template <typename Target, typename Integer>
Target fromParameter(Integer value) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): Windows packs it so
    return reinterpret_cast<Target>(value);
}

}  // namespace veltara
