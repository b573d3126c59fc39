#include "main_form.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

#include "accessibility.h"
#include "fatal_error.h"
#include "planet_arrow_keys.h"
#include "resource_ids.h"
#include "win32_text.h"

namespace veltara {

namespace {

constexpr wchar_t kWindowClass[] = L"VeltaraMainForm";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kTwipsPerInch = 1440;
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL

int toPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), kTwipsPerInch); }

COLORREF toColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

std::uint32_t colourKey(Rgb colour) {
    return (std::uint32_t{colour.red} << 16U) | (std::uint32_t{colour.green} << 8U) | colour.blue;
}

HINSTANCE thisModule() { return GetModuleHandleW(nullptr); }

void registerWindowClass(WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(thisModule(), kWindowClass, &existing) != FALSE) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = thisModule();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(LoadImageW(thisModule(), MAKEINTRESOURCEW(kIconId),
                                                      IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    windowClass.hIconSm = windowClass.hIcon;
    windowClass.lpszClassName = kWindowClass;
    if (RegisterClassExW(&windowClass) == 0) {
        throw std::runtime_error("the main window class cannot be registered");
    }
}

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
        // The planet buttons are its children; the dialog manager walks
        // into it for Tab and the arrow keys.
        return {L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT};
    case ControlKind::OptionButton:
        // Checked by the window itself, so that it can tell from the button
        // whether a press changed the selection.
        return {L"BUTTON",
                static_cast<DWORD>(BS_RADIOBUTTON | (control.element == 0 ? WS_GROUP : 0)),
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
        return {L"BUTTON", BS_OWNERDRAW, 0};
    }
    throw std::logic_error("unknown kind of control");
}

MainForm* formOf(DWORD_PTR data) { return reinterpret_cast<MainForm*>(data); }

std::optional<ArrowKey> arrowKeyOf(WPARAM key) {
    switch (key) {
    case VK_LEFT:
        return ArrowKey::Left;
    case VK_RIGHT:
        return ArrowKey::Right;
    case VK_UP:
        return ArrowKey::Up;
    case VK_DOWN:
        return ArrowKey::Down;
    default:
        return std::nullopt;
    }
}

Rgb toRgb(COLORREF colour) { return {GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

RECT toRect(const TwipsRect& place, UINT dpi) {
    return {toPixels(place.left, dpi), toPixels(place.top, dpi), toPixels(place.right(), dpi),
            toPixels(place.bottom(), dpi)};
}

}  // namespace

// The high-contrast query goes through the resolver so that a test can
// answer it: Wine always says high contrast is off.
MainForm::MainForm(FunctionResolver resolve)
    : dpi_(resolve),
      systemParametersInfo_(findFunction<SystemParametersInfoFunction>(
          resolve, L"user32.dll", "SystemParametersInfoW")) {
    if (systemParametersInfo_ == nullptr) {
        systemParametersInfo_ = &SystemParametersInfoW;
    }
    followDesktopColours();
    registerWindowClass(&MainForm::windowProcedure);
    const WindowDescription& form = mainFormDescription();
    window_ = CreateWindowExW(0, kWindowClass, widen(form.caption).c_str(), kWindowStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                              nullptr, thisModule(), this);
    if (window_ == nullptr) {
        throw std::runtime_error("the main window cannot be created");
    }
    createControls();
    keepOnePlanetTabStop(controls_);
    // The focus is always shown, whether the pupil has used the keyboard yet
    // or not.
    SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    applyDpi(dpi_.of(window_));
    lastFocus_ = controls_.message;
    SetFocus(lastFocus_);
}

MainForm::~MainForm() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    if (font_ != nullptr) {
        DeleteObject(font_);
    }
    for (const auto& entry : brushes_) {
        DeleteObject(entry.second);
    }
}

HWND MainForm::control(ControlArray array, std::int16_t element) const {
    for (const BuiltControl& built : built_) {
        if (built.description->array == array && built.description->element == element) {
            return built.window;
        }
    }
    return nullptr;
}

void MainForm::createControls() {
    HWND frame = nullptr;
    for (const ControlDescription& described : mainFormDescription().controls) {
        if (!described.visible) {
            continue;  // kept as data by the exercise's controls
        }
        const ControlClass kind = controlClass(described);
        DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
        if (described.takesFocus() && described.kind != ControlKind::OptionButton) {
            style |= WS_TABSTOP | WS_GROUP;
        }
        HWND parent = described.insideFrame ? frame : window_;
        const auto id = static_cast<std::intptr_t>(kFirstControlId + described.tabIndex);
        // Sizes and places are set for the window's DPI once all exist.
        HWND created = CreateWindowExW(kind.extendedStyle, kind.name, widen(described.text).c_str(),
                                       style, 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(id),
                                       thisModule(), nullptr);
        if (created == nullptr) {
            throw std::runtime_error("a control cannot be created");
        }
        built_.push_back({&described, created});
        makeAccessible(created, described);
        for (const std::string& item : described.items) {
            SendMessageW(created, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
        }
        const auto self = reinterpret_cast<DWORD_PTR>(this);
        switch (described.kind) {
        case ControlKind::Frame:
            frame = created;
            SetWindowSubclass(created, &MainForm::frameProcedure, 0, self);
            break;
        case ControlKind::OptionButton:
            controls_.planets.at(static_cast<std::size_t>(described.element)) = created;
            SetWindowSubclass(created, &MainForm::planetProcedure, 0, self);
            break;
        case ControlKind::ListBox:
            controls_.answers = created;
            SetWindowSubclass(created, &MainForm::answerListProcedure, 0, self);
            break;
        case ControlKind::TextBox:
            controls_.message = created;
            SetWindowSubclass(created, &MainForm::messageProcedure, 0, self);
            break;
        case ControlKind::Label:
            if (described.category) {
                SetWindowSubclass(created, &MainForm::labelProcedure, 0, self);
            }
            break;
        case ControlKind::CommandButton:
            break;
        }
    }
}

void MainForm::applyDpi(UINT dpi) {
    const WindowDescription& form = mainFormDescription();
    const FontDescription& font = form.font;
    currentDpi_ = dpi;
    HFONT previous = font_;
    font_ = CreateFontW(-MulDiv(font.points, static_cast<int>(dpi), 72), 0, 0, 0, font.weight,
                        font.italic, font.underline, font.strikeOut, RUSSIAN_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_ROMAN, widen(font.family).c_str());
    for (const BuiltControl& built : built_) {
        const TwipsRect& place = built.description->place;
        SetWindowPos(built.window, nullptr, toPixels(place.left, dpi), toPixels(place.top, dpi),
                     toPixels(place.width, dpi), toPixels(place.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(built.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (previous != nullptr) {
        DeleteObject(previous);
    }
    RECT frame{0, 0, toPixels(form.clientWidth, dpi), toPixels(form.clientHeight, dpi)};
    dpi_.addFrame(frame, kWindowStyle, dpi);
    SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK MainForm::windowProcedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* form = reinterpret_cast<MainForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (form == nullptr || form->window_ == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        form->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->handleMessage(message, wParam, lParam);
}

LRESULT MainForm::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT:
        return onControlColour(message, reinterpret_cast<HDC>(wParam),
                               reinterpret_cast<HWND>(lParam));
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
    case WM_THEMECHANGED:
        followDesktopColours();
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_DRAWITEM:
        drawClearButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client,
                 brush(windowColours(mainFormDescription(), desktop_, highContrast_).face));
        return 1;
    }
    case WM_NEXTDLGCTL: {
        // What a dialog box does when the dialog manager moves the focus.
        HWND next = lParam != 0 ? reinterpret_cast<HWND>(wParam)
                                : GetNextDlgTabItem(window_, GetFocus(), wParam != 0);
        if (next != nullptr) {
            SetFocus(next);
        }
        return 0;
    }
    case WM_ACTIVATE:
        // The focus leaves with the window and comes back where it was.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(window_, focus) != FALSE) {
                lastFocus_ = focus;
            }
        } else if (lastFocus_ != nullptr) {
            SetFocus(lastFocus_);
        }
        return 0;
    case WM_DPICHANGED: {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        applyDpi(HIWORD(wParam));
        return 0;
    }
    case WM_CHANGEUISTATE:
    case WM_UPDATEUISTATE:
        if (LOWORD(wParam) == UIS_SET) {
            // Nothing hides the focus again.
            wParam = MAKEWPARAM(UIS_SET, HIWORD(wParam) & ~UISF_HIDEFOCUS);
        }
        return DefWindowProcW(window_, message, wParam, lParam);
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

// cppcheck-suppress constParameter ; a window handle, not an object we could change
const MainForm::BuiltControl* MainForm::find(HWND window) const {
    for (const BuiltControl& built : built_) {
        if (built.window == window) {
            return &built;
        }
    }
    return nullptr;
}

void MainForm::onCommand(WPARAM wParam, LPARAM lParam) {
    // Enter and Esc reach here as IDOK and IDCANCEL from no control of ours.
    const BuiltControl* from = find(reinterpret_cast<HWND>(lParam));
    if (from == nullptr) {
        return;
    }
    const std::int16_t element = from->description->element;
    const UINT code = HIWORD(wParam);
    switch (from->description->array) {
    case ControlArray::Option1:
        if (code == BN_CLICKED) {
            onPlanetClicked(element);
        }
        break;
    case ControlArray::List1:
        // The answer list also notifies when only its focus mark moves; its
        // selection has changed only where it now holds one, since a name
        // that is selected is taken back at once.
        if (code == LBN_SELCHANGE && exerciseControls_.answerSelection() >= 0) {
            report(&OrderingExercise::List1_Click, element);
        }
        break;
    case ControlArray::Command1:
        if (code == BN_CLICKED) {
            report(&OrderingExercise::Command1_Click, element);
        }
        break;
    default:
        break;
    }
}

void MainForm::onPlanetClicked(std::int16_t element) {
    HWND pressed = controls_.planets.at(static_cast<std::size_t>(element));
    if (pressed == planetTakingFocus_) {
        return;  // the focus arriving, not a press
    }
    // Pressing the button that is already the selected one reports nothing.
    if (SendMessageW(pressed, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        return;
    }
    for (HWND planet : controls_.planets) {
        SendMessageW(planet, BM_SETCHECK, planet == pressed ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    keepOnePlanetTabStop(controls_);
    report(&OrderingExercise::Option1_Click, element);
}

LRESULT MainForm::onControlColour(UINT message, HDC dc, HWND control) {
    const BuiltControl* built = find(control);
    if (built == nullptr) {
        return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    const ControlColours colours = coloursOf(*built->description);
    SetTextColor(dc, toColorRef(colours.text));
    SetBkColor(dc, toColorRef(colours.face));
    return reinterpret_cast<LRESULT>(brush(colours.face));
}

void MainForm::followDesktopColours() {
    desktop_ = {toRgb(GetSysColor(COLOR_WINDOW)), toRgb(GetSysColor(COLOR_WINDOWTEXT)),
                toRgb(GetSysColor(COLOR_BTNFACE)), toRgb(GetSysColor(COLOR_BTNTEXT))};
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    highContrast_ = systemParametersInfo_(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    if (window_ != nullptr) {
        // The controls hear of the change too, as top-level windows must tell them.
        for (const BuiltControl& built : built_) {
            SendMessageW(built.window, WM_SYSCOLORCHANGE, 0, 0);
        }
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
}

ControlColours MainForm::coloursOf(const ControlDescription& control) const {
    return controlColours(control, desktop_, highContrast_);
}

// The mark of a category's colour, outlined in the text colour, where
// high contrast takes the coloured face away.
void MainForm::drawCategoryMark(HWND control) const {
    const BuiltControl* built = find(control);
    if (built == nullptr) {
        return;
    }
    const ControlColours colours = coloursOf(*built->description);
    if (!colours.categoryMark) {
        return;
    }
    const RECT mark = toRect(categoryMarkPlace(*built->description), currentDpi_);
    HDC dc = GetDC(control);
    FillRect(dc, &mark, brush(*colours.categoryMark));
    FrameRect(dc, &mark, brush(colours.text));
    ReleaseDC(control, dc);
}

void MainForm::drawClearButton(const DRAWITEMSTRUCT& item) {
    const BuiltControl* built = find(item.hwndItem);
    if (built == nullptr) {
        return;
    }
    const ControlColours colours = coloursOf(*built->description);
    RECT face = item.rcItem;
    FillRect(item.hDC, &face, brush(colours.face));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawEdge(item.hDC, &face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    const std::wstring caption = windowText(item.hwndItem);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, toColorRef(colours.text));
    const HGDIOBJ previous = SelectObject(item.hDC, font_);
    RECT text = face;
    if (pressed) {
        OffsetRect(&text, 1, 1);
    }
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
    if ((item.itemState & ODS_FOCUS) != 0) {
        InflateRect(&face, -4, -4);
        DrawFocusRect(item.hDC, &face);
    }
}

HBRUSH MainForm::brush(Rgb colour) const {
    auto& slot = brushes_[colourKey(colour)];
    if (slot == nullptr) {
        slot = CreateSolidBrush(toColorRef(colour));
    }
    return slot;
}

void MainForm::report(void (OrderingExercise::*handler)(std::int16_t), std::int16_t element) {
    try {
        (exercise_.*handler)(element);
    } catch (const std::exception& error) {
        reportFatalErrorAndExit(error.what());
    } catch (...) {
        reportFatalErrorAndExit("unknown error");
    }
}

LRESULT CALLBACK MainForm::frameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR /*id*/, DWORD_PTR form) {
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        // The planet buttons' notifications and colours are the window's.
        return SendMessageW(formOf(form)->window_, message, wParam, lParam);
    case WM_ERASEBKGND: {
        RECT client{};
        GetClientRect(window, &client);
        const BuiltControl* built = formOf(form)->find(window);
        if (built != nullptr) {
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     formOf(form)->brush(formOf(form)->coloursOf(*built->description).face));
            return 1;
        }
        break;
    }
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK MainForm::messageProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR /*form*/) {
    if (message == WM_GETDLGCODE) {
        // Tab, Enter and Esc belong to the dialog manager, not to the box.
        return DefSubclassProc(window, message, wParam, lParam) &
               ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK MainForm::planetProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR /*id*/, DWORD_PTR form) {
    switch (message) {
    case WM_GETDLGCODE:
        // The arrow keys are the button's own, not the dialog manager's,
        // which would walk the group in the tab order: the distance order.
        return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTARROWS;
    case WM_KEYDOWN:
        if (const auto key = arrowKeyOf(wParam)) {
            formOf(form)->movePlanetFocus(window, *key);
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        // An unchecked radio button that takes the focus tells its parent it
        // was clicked, as Windows does, and Wine 10 whatever BM_SETDONTCLICK
        // says. Moving the focus onto a planet chooses nothing: Space or a
        // click does.
        formOf(form)->planetTakingFocus_ = window;
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        formOf(form)->planetTakingFocus_ = nullptr;
        InvalidateRect(window, nullptr, TRUE);
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, TRUE);
        return result;
    }
    case WM_SETTEXT:
    case BM_SETCHECK:
    case BM_SETSTATE: {
        // The button may draw itself at once, without its category mark.
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        if (formOf(form)->highContrast_) {
            InvalidateRect(window, nullptr, TRUE);
        }
        return result;
    }
    case WM_PAINT: {
        const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        formOf(form)->drawCategoryMark(window);
        // The button marks the focus round its caption; an empty one gets
        // its mark round its face.
        if (GetFocus() == window && GetWindowTextLengthW(window) == 0) {
            RECT face{};
            GetClientRect(window, &face);
            InflateRect(&face, -1, -1);
            HDC dc = GetDC(window);
            DrawFocusRect(dc, &face);
            ReleaseDC(window, dc);
        }
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK MainForm::labelProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR /*id*/, DWORD_PTR form) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_PAINT) {
        formOf(form)->drawCategoryMark(window);
    }
    return result;
}

void MainForm::movePlanetFocus(HWND from, ArrowKey key) {
    const auto& planets = controls_.planets;
    const auto here = std::find(planets.begin(), planets.end(), from);
    if (here == planets.end()) {
        return;
    }
    const auto element = static_cast<std::int16_t>(here - planets.begin());
    SetFocus(planets.at(static_cast<std::size_t>(planetReachedByArrow(element, key))));
}

LRESULT CALLBACK MainForm::answerListProcedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam, UINT_PTR /*id*/, DWORD_PTR /*form*/) {
    if (message == WM_KEYDOWN && wParam == VK_SPACE) {
        // Space selects the name under the focus mark, which takes it back.
        // The list box would toggle it itself, but Wine's does so without
        // telling the window.
        const LRESULT mark = SendMessageW(window, LB_GETCARETINDEX, 0, 0);
        if (mark >= 0 && mark < SendMessageW(window, LB_GETCOUNT, 0, 0)) {
            SendMessageW(window, LB_SETSEL, TRUE, mark);
            SendMessageW(GetParent(window), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(window), LBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(window));
        }
        return 0;
    }
    if (message == WM_CHAR && wParam == L' ') {
        return 0;
    }
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        // A press below the last name takes nothing back: the list box
        // would otherwise select the last item.
        const LRESULT hit = SendMessageW(window, LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(hit) != 0) {
            SetFocus(window);
            return 0;
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace veltara
