// The one place where an error the program does not expect is caught: at
// the entry of each handler that a toolkit or the system calls. It ends the
// program with the window's report before the error can unwind through the
// toolkit's or the system's frames, which would end the process without a
// word, or swallow the error and go on in an unknown state.
#pragma once

#include <exception>
#include <string_view>
#include <utility>

namespace veltara {

// What is reported for an error that says nothing of itself.
inline constexpr std::string_view kUnknownError = "unknown error";

// Shows fatalErrorReport(what) as the window layer can, and ends the
// program with status 1. Each window layer defines it.
[[noreturn]] void reportFatalErrorAndExit(std::string_view what);

// Runs handler and returns what it returns; an escaping error ends the
// program with the report.
template <typename Handler>
auto runGuarded(Handler&& handler) noexcept -> decltype(std::forward<Handler>(handler)()) {
    try {
        return std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        reportFatalErrorAndExit(error.what());
    } catch (...) {
        reportFatalErrorAndExit(kUnknownError);
    }
}

}  // namespace veltara
