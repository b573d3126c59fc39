// The web window's start: the page's script runs main once, which builds the
// form; from then on the page's events come in through veltara_event.
#include <emscripten/emscripten.h>

#include <memory>

#include "dom.h"
#include "fatal_guard.h"
#include "page_form.h"

namespace {

std::unique_ptr<veltara::PageForm> page;

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE int veltara_event(int target, int event, int key, int child,
                                                  int clicks, int shift) {
    return veltara::runGuarded([&] {
        const veltara::dom::EventInfo info{static_cast<veltara::dom::Event>(event), key, child, clicks,
                                              shift != 0};
        return page && page->onEvent(target, info) ? 1 : 0;
    });
}

int main() {
    // An error the window's code cannot catch, as one the page's script
    // meets, ends it with this report.
    veltara::dom::setUnforeseenErrorReport(veltara::fatalErrorReport(veltara::kUnknownError));
    veltara::runGuarded([] { page = std::make_unique<veltara::PageForm>(); });
    return 0;
}
