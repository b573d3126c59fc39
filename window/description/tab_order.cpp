#include "tab_order.h"

namespace veltara {

std::vector<const ControlDescription*> shownControlsInTabOrder(const WindowDescription& form) {
    std::vector<const ControlDescription*> order;
    for (const ControlDescription& described : form.controls) {
        if (!described.visible || described.insideFrame) {
            continue;
        }
        order.push_back(&described);
        if (described.kind == ControlKind::Frame) {
            for (const ControlDescription& inside : form.controls) {
                if (inside.insideFrame && inside.visible) {
                    order.push_back(&inside);
                }
            }
        }
    }
    return order;
}

}  // namespace veltara
