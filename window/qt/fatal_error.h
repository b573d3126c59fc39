// The end of the program after an error in a control operation: the exercise
// does not catch it, so the window reports it and the program stops here,
// before the error can unwind through Qt's event loop.
#pragma once

#include <exception>
#include <string_view>

namespace veltara {

[[noreturn]] void reportFatalErrorAndExit(std::string_view what);

// Runs build and returns what it made; an error while building (a control
// that cannot be created) ends the program with the same report, rather
// than in std::terminate with no word to the pupil.
template <typename Build>
auto builtOrFatal(Build build) -> decltype(build()) {
    try {
        return build();
    } catch (const std::exception& error) {
        reportFatalErrorAndExit(error.what());
    } catch (...) {
        reportFatalErrorAndExit("unknown error");
    }
}

}  // namespace veltara
