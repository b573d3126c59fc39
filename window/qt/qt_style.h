// One look on every Linux desktop: Qt's own Fusion style draws each
// control's background colour as the window describes it.
#pragma once

#include <QApplication>
#include <QStyleFactory>

namespace veltara {

inline void useExerciseStyle() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

}  // namespace veltara
