#include "form_controls.h"

#include <algorithm>
#include <stdexcept>

#include "accessibility.h"
#include "message_parameters.h"
#include "tab_order.h"
#include "win32_text.h"

namespace veltara {

namespace {

constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass controlClass(const ControlDescription& control) {
    switch (control.kind) {
    case ControlKind::Label:
        return {L"STATIC", SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::Frame:
        // Drawn behind its planets, which are its siblings (see create()).
        return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::OptionButton:
        // Checked by the window itself, so that it can tell from the button
        // whether a press changed the selection. BS_NOTIFY: it tells the
        // window when it takes the focus, as the boxes do, so that the
        // window knows where to give the focus back.
        return {L"BUTTON",
                static_cast<DWORD>(BS_RADIOBUTTON | BS_NOTIFY |
                                   (control.element == 0 ? WS_GROUP : 0)),
                0};
    case ControlKind::ListBox:
        // The answer list, the one list built, keeps its focus mark apart
        // from its selection, so that the arrow keys move the mark and take
        // nothing back.
        return {L"LISTBOX", LBS_NOTIFY | LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::TextBox:
        return {L"EDIT", ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
        // Drawn by the window, so that its face has its own colour.
        return {L"BUTTON", BS_OWNERDRAW | BS_NOTIFY, 0};
    }
    throw std::logic_error("unknown kind of control");
}

}  // namespace

void FormControls::create(HWND form) {
    // A group box is drawn before the siblings that follow it.
    for (const ControlDescription* described : shownControlsInTabOrder(mainFormDescription())) {
        const ControlClass kind = controlClass(*described);
        DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
        if (described->takesFocus() && described->kind != ControlKind::OptionButton) {
            style |= WS_TABSTOP | WS_GROUP;
        }
        const std::intptr_t id = kFirstControlId + std::intptr_t{described->tabIndex};
        HWND created = CreateWindowExW(kind.extendedStyle, kind.name, widen(described->text).c_str(),
                                       style, 0, 0, 0, 0, form, fromParameter<HMENU>(id),
                                       GetModuleHandleW(nullptr), nullptr);
        if (created == nullptr) {
            throw std::runtime_error("a control cannot be created");
        }
        built_.push_back({described, created});
        makeAccessible(created, *described);
        for (const std::string& item : described->items) {
            SendMessageW(created, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
        }
        switch (described->kind) {
        case ControlKind::Frame:
            frame_ = created;
            break;
        case ControlKind::OptionButton:
            exercise_.planets.at(static_cast<std::size_t>(described->element)) = created;
            break;
        case ControlKind::ListBox:
            exercise_.answers = created;
            break;
        case ControlKind::TextBox:
            exercise_.message = created;
            break;
        default:
            break;
        }
    }
}

// cppcheck-suppress constParameter ; a window handle, not an object we could change
const BuiltControl* FormControls::find(HWND control) const {
    const auto found = std::find_if(built_.begin(), built_.end(),
                                    [control](const BuiltControl& built) { return built.window == control; });
    return found != built_.end() ? &*found : nullptr;
}

HWND FormControls::find(ControlArray array, std::int16_t element) const {
    const auto found = std::find_if(built_.begin(), built_.end(), [&](const BuiltControl& built) {
        return built.description->array == array && built.description->element == element;
    });
    return found != built_.end() ? found->window : nullptr;
}

}  // namespace veltara
