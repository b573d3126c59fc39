// The end of the program after an error in a control operation: the exercise
// does not catch it, so the window shows it and the program stops, before
// the error can unwind through the system's window procedures.
#pragma once

#include <string_view>

namespace veltara {

[[noreturn]] void reportFatalErrorAndExit(std::string_view what);

}  // namespace veltara
