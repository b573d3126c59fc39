#include "planet_button.h"

namespace veltara {

void PlanetButton::setSelectedOff() {
    if (!isChecked()) {
        return;
    }
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}

bool PlanetButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace veltara
