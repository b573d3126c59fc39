// Starts the exercise: shows the main window and runs until it is closed.
#include <QApplication>

#include "desktop_integration.h"
#include "main_form.h"
#include "qt_style.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    veltara::integrateWithDesktop(app);
    veltara::useExerciseStyle();
    veltara::MainForm form;
    form.show();
    return QApplication::exec();
}
