// Renders the main window as the pupil first sees it into a PNG file,
// for the README's picture: veltara-grab OUTPUT.png
#include <QApplication>
#include <QPixmap>
#include <cstdio>

#include "main_form.h"
#include "qt_style.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: veltara-grab OUTPUT.png\n");
        return 2;
    }
    veltara::useExerciseStyle();
    veltara::MainForm form;
    form.show();
    QApplication::processEvents();
    return form.grab().save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
