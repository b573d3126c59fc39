// Starts the exercise: shows the main window and runs until it is closed.
#include <QApplication>
#include <memory>

#include "desktop_integration.h"
#include "fatal_guard.h"
#include "main_form.h"
#include "qt_style.h"
#include "toolkit_start.h"

int main(int argc, char* argv[]) {
    // The program takes no arguments. The toolkit would obey its own options
    // (-platform, -stylesheet, -reverse, ...), so it is given the program's
    // name alone.
    int toolkitArgc = 1;
    char* toolkitArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    veltara::ToolkitStart start;
    QApplication app(toolkitArgc, toolkitArgv);
    start.succeeded();
    veltara::integrateWithDesktop(app);
    veltara::useExerciseStyle();
    const auto form = veltara::runGuarded([] { return std::make_unique<veltara::MainForm>(); });
    form->show();
    return QApplication::exec();
}
