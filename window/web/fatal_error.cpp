#include <cstdlib>
#include <string>

#include "dom.h"
#include "fatal_guard.h"
#include "main_form_description.h"

namespace veltara {

// The page shows the report in place of the window and takes no more input.
void reportFatalErrorAndExit(std::string_view what) {
    dom::stop(fatalErrorReport(what));
    std::abort();
}

}  // namespace veltara
