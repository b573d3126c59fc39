#include "main_form.h"

#include <commctrl.h>

#include <stdexcept>

#include "clear_button.h"
#include "fatal_guard.h"
#include "main_window_class.h"
#include "message_parameters.h"
#include "win32_text.h"

namespace veltara {

namespace {

constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// Windows 10 version 1703's, which Windows 7's headers lack.
constexpr UINT kGetDpiScaledSize = 0x02E4;  // WM_GETDPISCALEDSIZE

}  // namespace

MainForm::Parts::Parts(HWND form, const FormControls& controls, const FormColours& colours,
                       const FormLayout& layout)
    : planets(controls.exerciseControls().planets),
      answers(controls.exerciseControls().answers),
      frame(controls.frame(), mainFormDescription().control(ControlArray::Frame1, 0),
            controls.exerciseControls().planets, colours),
      marks(controls, colours, layout),
      navigation(form, controls.exerciseControls().message) {}

MainForm::MainForm(FunctionResolver resolve)
    : colours_(resolve), layout_(resolve, kWindowStyle) {
    registerMainWindowClass(&MainForm::windowProcedure, resolve);
    window_ = CreateWindowExW(0, kMainWindowClass, widen(mainFormDescription().caption).c_str(),
                              kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (window_ == nullptr) {
        throw std::runtime_error("the main window cannot be created");
    }
    try {
        controls_.create(window_);
        layout_.layOut(window_, controls_);
        parts_ = std::make_unique<Parts>(window_, controls_, colours_, layout_);
        parts_->navigation.start();
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
}

MainForm::~MainForm() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

LRESULT CALLBACK MainForm::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    return runGuarded([&] {
        if (message == WM_NCCREATE) {
            const auto* create = fromParameter<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* form = fromParameter<MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (form == nullptr || form->window_ == nullptr) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            form->window_ = nullptr;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        return form->handleMessage(message, wParam, lParam);
    });
}

LRESULT MainForm::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (parts_ != nullptr) {
        if (const std::optional<LRESULT> answer =
                parts_->navigation.handle(message, wParam, lParam)) {
            return *answer;
        }
    }
    switch (message) {
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY: {
        const auto* header = fromParameter<const NMHDR*>(lParam);
        if (header->code == NM_CUSTOMDRAW && parts_ != nullptr) {
            return parts_->marks.onCustomDraw(*fromParameter<const NMCUSTOMDRAW*>(lParam));
        }
        break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
        if (const BuiltControl* built = controls_.find(fromParameter<HWND>(lParam))) {
            return reinterpret_cast<LRESULT>(
                colours_.prepare(fromParameter<HDC>(wParam), *built->description));
        }
        break;
    case WM_DRAWITEM:
        onDrawItem(*fromParameter<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        eraseBackground(fromParameter<HDC>(wParam));
        return 1;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        followDesktopColours();
        break;
    case kGetDpiScaledSize: {
        // The size the window will have at the new DPI, so that Windows
        // suggests it with WM_DPICHANGED.
        *fromParameter<SIZE*>(lParam) = layout_.outerSize(LOWORD(wParam));
        return TRUE;
    }
    case WM_DPICHANGED:
        layout_.onDpiChanged(window_, controls_, HIWORD(wParam),
                             *fromParameter<const RECT*>(lParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

// An error from a control operation in a handler is not caught here: the
// window procedure's guard ends the program with its report.
void MainForm::onCommand(WPARAM wParam, LPARAM lParam) {
    // Enter and Esc reach here as IDOK and IDCANCEL from no control of ours.
    const BuiltControl* from = controls_.find(fromParameter<HWND>(lParam));
    if (from == nullptr || parts_ == nullptr) {
        return;
    }
    const std::int16_t element = from->description->element;
    const UINT code = HIWORD(wParam);
    switch (from->description->array) {
    case ControlArray::Option1:
        if (code == BN_CLICKED && parts_->planets.select(element)) {
            exercise_.Option1_Click(element);
        }
        break;
    case ControlArray::List1:
        // The answer list also notifies when only its focus mark moves; its
        // selection has changed only where it now holds one, since a name
        // that is selected is taken back at once.
        if (code == LBN_SELCHANGE && exerciseControls_.answerSelection() >= 0) {
            exercise_.List1_Click(element);
        }
        break;
    case ControlArray::Command1:
        if (code == BN_CLICKED) {
            exercise_.Command1_Click(element);
        }
        break;
    default:
        break;
    }
}

void MainForm::onDrawItem(const DRAWITEMSTRUCT& item) const {
    if (const BuiltControl* built = controls_.find(item.hwndItem)) {
        drawClearButton(item, colours_.of(*built->description), colours_, layout_);
    }
}

void MainForm::eraseBackground(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillRect(dc, &client, colours_.brush(colours_.ofWindow().face));
}

void MainForm::followDesktopColours() {
    colours_.follow();
    // The controls hear of the change too, as top-level windows must tell them.
    for (const BuiltControl& built : controls_.all()) {
        SendMessageW(built.window, WM_SYSCOLORCHANGE, 0, 0);
    }
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

std::unique_ptr<MainForm> showMainFormOrExit(int show, FunctionResolver resolve) {
    auto form = runGuarded([resolve] { return std::make_unique<MainForm>(resolve); });
    ShowWindow(form->window(), show);
    UpdateWindow(form->window());
    return form;
}

}  // namespace veltara
