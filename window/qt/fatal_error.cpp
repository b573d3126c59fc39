#include "fatal_error.h"

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
    std::exit(EXIT_FAILURE);
}

}  // namespace veltara
