// The end of the program after an error nobody expected: the report, on
// standard error and, where there is a screen, in a message box; then the
// end, at once. std::exit would run the static destructors while the
// application and its windows still live, under the handler that failed.
#include "fatal_guard.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "main_form_description.h"
#include "qt_text.h"

namespace veltara {

void reportFatalErrorAndExit(std::string_view what) {
    const std::string report = fatalErrorReport(what);
    std::fprintf(stderr, "%s\n", report.c_str());
    std::fflush(stderr);
    // A message box only where there is a screen for it.
    const QString platform = QGuiApplication::platformName();
    if (platform != QLatin1String("offscreen") && platform != QLatin1String("minimal")) {
        QMessageBox::critical(nullptr, toQt(kProgramName), toQt(report));
    }
    std::_Exit(EXIT_FAILURE);
}

}  // namespace veltara
