// The keys the web window acts on, in the order of kKeyNames.
#pragma once

namespace veltara {

enum class Key : int { Space, Left, Right, Up, Down, Home, End, PageUp, PageDown, Enter, Escape, Tab };

// As KeyboardEvent.key names them.
inline constexpr const char* kKeyNames =
    " |ArrowLeft|ArrowRight|ArrowUp|ArrowDown|Home|End|PageUp|PageDown|Enter|Escape|Tab";

}  // namespace veltara
