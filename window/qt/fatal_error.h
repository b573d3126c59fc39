// The end of the program after an error in a control operation: the exercise
// does not catch it, so the window reports it and the program stops here,
// before the error can unwind through Qt's event loop.
#pragma once

#include <string_view>

namespace veltara {

[[noreturn]] void reportFatalErrorAndExit(std::string_view what);

}  // namespace veltara
