// GDI objects the window makes for itself (its font, its brushes), deleted
// when their owner goes.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace veltara {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using OwnedFont = GdiObject<HFONT>;
using OwnedBrush = GdiObject<HBRUSH>;

}  // namespace veltara
