// Where an arrow key moves the keyboard focus inside the planet group, the
// same in every window layer. The focus follows what the pupil sees, never
// the tab order: the tab order is the distance order, and walking it would
// give the answer away.
//   Right and Left: the next and the previous planet in reading order (row
//   by row from the top, left to right in a row), wrapping round, so that
//   Right alone visits all thirteen in their alphabetical order.
//   Down and Up: the nearest planet below or above whose button overlaps
//   this one's columns; at the bottom or top the focus stays.
// Moving the focus chooses nothing.
#pragma once

#include <cstdint>
#include <vector>

namespace veltara {

enum class ArrowKey : std::uint8_t { Left, Right, Up, Down };

// The element of Option1 that the key moves the focus to from `from`.
std::int16_t planetReachedByArrow(std::int16_t from, ArrowKey key);

// The elements of Option1 in reading order, the order Right walks. A
// layer whose controls are read in the order they stand (a page's DOM)
// puts them so, not in the tab order, which is the answer.
std::vector<std::int16_t> planetsInReadingOrder();

}  // namespace veltara
