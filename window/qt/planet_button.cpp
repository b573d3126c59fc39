#include "planet_button.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "accessibility.h"
#include "qt_text.h"

namespace veltara {

PlanetButton::PlanetButton(const ControlDescription& described, QWidget* parent)
    : QRadioButton(toQt(described.text), parent), described_(described) {}

void PlanetButton::setSelectedOff() {
    if (!isChecked()) {
        return;
    }
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

void PlanetButton::nextCheckState() {
    presentChoice(*this, [this] { QRadioButton::nextCheckState(); });
}

bool PlanetButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void PlanetButton::paintEvent(QPaintEvent* event) {
    QRadioButton::paintEvent(event);
    if (!hasFocus() || !text().isEmpty()) {
        return;
    }
    QStylePainter painter(this);
    QStyleOptionFocusRect mark;
    mark.initFrom(this);
    mark.rect = rect().adjusted(1, 1, -1, -1);
    mark.state |= QStyle::State_KeyboardFocusChange;
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, mark);
}

}  // namespace veltara
