// What the message area says once all thirteen bodies have been placed.
#pragma once

#include <string_view>

namespace veltara {

inline constexpr std::string_view kRightOrderVerdict =
    "Наредбата, по отношение разстояние от Слънцето, е правилна.";
inline constexpr std::string_view kWrongOrderVerdict = "Грешна наредба!";

}  // namespace veltara
