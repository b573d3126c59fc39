#include "group_box.h"

#include "message_parameters.h"

namespace veltara {

GroupBoxFace::GroupBoxFace(HWND frame, const ControlDescription& described,
                           const PlanetButtons& planets, const FormColours& colours)
    : described_(described),
      planets_(planets),
      colours_(colours) {
    subclass_.install<GroupBoxFace, &GroupBoxFace::handle>(frame, *this);
}

LRESULT GroupBoxFace::handle(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ERASEBKGND) {
        return DefSubclassProc(frame, message, wParam, lParam);
    }
    auto* dc = fromParameter<HDC>(wParam);  // WM_ERASEBKGND carries the device context
    const int saved = SaveDC(dc);
    for (HWND planet : planets_) {
        RECT place{};
        GetWindowRect(planet, &place);
        MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
        ExcludeClipRect(dc, place.left, place.top, place.right, place.bottom);
    }
    RECT client{};
    GetClientRect(frame, &client);
    FillRect(dc, &client, colours_.brush(colours_.of(described_).face));
    RestoreDC(dc, saved);
    return 1;
}

}  // namespace veltara
