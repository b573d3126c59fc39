#include "answer_list.h"

namespace veltara {

AnswerList::AnswerList(HWND list) {
    subclass_.install<AnswerList, &AnswerList::handle>(list, *this);
}

LRESULT AnswerList::handle(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            // Space selects the name under the focus mark, which takes it
            // back. The list box would toggle it itself, but Wine's does so
            // without telling the window.
            const LRESULT mark = SendMessageW(list, LB_GETCARETINDEX, 0, 0);
            if (mark >= 0 && mark < SendMessageW(list, LB_GETCOUNT, 0, 0)) {
                SendMessageW(list, LB_SETSEL, TRUE, mark);
                SendMessageW(GetParent(list), WM_COMMAND,
                             MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(list));
            }
            return 0;
        }
        break;
    case WM_CHAR:
        if (wParam == L' ') {
            return 0;
        }
        break;
    case WM_LBUTTONDBLCLK:
        // The second press of a double-click. Windows' list box handles it
        // as a press: it would select the name now under the pointer, the
        // one that moved up when the first press took its name back. Wine's
        // only reports the double-click. The pupil meant one name.
        SetFocus(list);
        return 0;
    case WM_LBUTTONDOWN: {
        // A press below the last name takes nothing back: the list box
        // would otherwise select the last item.
        const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(hit) != 0) {
            SetFocus(list);
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return DefSubclassProc(list, message, wParam, lParam);
}

std::wstring listItemText(HWND list, int position) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(position), 0);
    if (position < 0 || length == LB_ERR) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(position),
                                        reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

}  // namespace veltara
