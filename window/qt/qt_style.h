// One look on every Linux desktop: Qt's own Fusion style draws each
// control's background colour as the window describes it.
#pragma once

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace veltara {

inline void useExerciseStyle(QApplication& app) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setWindowIcon(QIcon(QStringLiteral(":/icon/hamburger.xpm")));
}

}  // namespace veltara
