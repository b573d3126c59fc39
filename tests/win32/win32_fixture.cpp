#include "win32_fixture.h"

#include <array>
#include <string_view>

#include "control_names.h"
#include "message_loop.h"
#include "win32_exercise_controls.h"
#include "win32_text.h"

namespace veltara::testing {

namespace {

bool highContrastOn = false;

BOOL WINAPI systemParametersInfoAnswering(UINT action, UINT size, void* value, UINT update) {
    if (action == SPI_GETHIGHCONTRAST && value != nullptr) {
        auto* contrast = static_cast<HIGHCONTRASTW*>(value);
        contrast->dwFlags = highContrastOn ? HCF_HIGHCONTRASTON | HCF_AVAILABLE : HCF_AVAILABLE;
        contrast->lpszDefaultScheme = nullptr;
        return TRUE;
    }
    return SystemParametersInfoW(action, size, value, update);
}

FARPROC resolveAnsweringHighContrast(const wchar_t* library, const char* name) {
    if (std::string_view(name) == "SystemParametersInfoW") {
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&systemParametersInfoAnswering));
    }
    return resolveSystemFunction(library, name);
}

}  // namespace

void Win32WindowTest::answerHighContrast(bool on) { highContrastOn = on; }

void Win32WindowTest::SetUp() {
    highContrastOn = false;
    form_ = std::make_unique<MainForm>(&resolveAnsweringHighContrast);
    ShowWindow(form_->window(), SW_SHOWNORMAL);
    SetForegroundWindow(form_->window());
    UpdateWindow(form_->window());
    pump();
    ASSERT_EQ(GetForegroundWindow(), form_->window());
}

void Win32WindowTest::TearDown() {
    form_.reset();
    pump();
}

HWND Win32WindowTest::control(ControlArray array, std::int16_t element) const {
    HWND found = form_->control(array, element);
    EXPECT_NE(found, nullptr);
    return found;
}

void Win32WindowTest::pump() {
    // Input sent with SendInput arrives through the system's queue; handle
    // messages until a short pause brings no more.
    for (int quiet = 0; quiet < 2;) {
        MSG queued{};
        bool handled = false;
        while (PeekMessageW(&queued, nullptr, 0, 0, PM_REMOVE) != FALSE) {
            handled = true;
            if (queued.message != WM_QUIT && form_ != nullptr) {
                dispatchMessage(form_->window(), queued);
            }
        }
        quiet = handled ? 0 : quiet + 1;
        Sleep(1);
    }
}

namespace {

// Press and release go in together, so that a control that tracks the
// mouse in a loop of its own (a scroll bar) finds the release waiting.
void sendClick() {
    std::array<INPUT, 2> inputs{};
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].type = INPUT_MOUSE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Two clicks at once: the system makes the second press a double-click,
// as it does for the pupil's within the double-click time.
void sendDoubleClick() {
    std::array<INPUT, 4> inputs{};
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void sendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

void Win32WindowTest::click(HWND target, POINT at) {
    RECT client{};
    GetClientRect(target, &client);
    if (at.x < 0) {
        at = {client.right / 2, client.bottom / 2};
    }
    ClientToScreen(target, &at);
    SetCursorPos(at.x, at.y);
    pump();
    sendClick();
    pump();
}

void Win32WindowTest::clickAnswer(int position) {
    RECT item{};
    SendMessageW(answerList(), LB_GETITEMRECT, static_cast<WPARAM>(position),
                 reinterpret_cast<LPARAM>(&item));
    click(answerList(), {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

void Win32WindowTest::doubleClickAnswer(int position) {
    const auto rowHeight = static_cast<int>(SendMessageW(answerList(), LB_GETITEMHEIGHT, 0, 0));
    const auto top = static_cast<int>(SendMessageW(answerList(), LB_GETTOPINDEX, 0, 0));
    RECT client{};
    GetClientRect(answerList(), &client);
    POINT at{client.right / 2, (position - top) * rowHeight + rowHeight / 2};
    ClientToScreen(answerList(), &at);
    SetCursorPos(at.x, at.y);
    pump();
    sendDoubleClick();
    pump();
}

void Win32WindowTest::pressKey(WORD key, bool shift) {
    if (shift) {
        sendKey(VK_SHIFT, false);
    }
    sendKey(key, false);
    sendKey(key, true);
    if (shift) {
        sendKey(VK_SHIFT, true);
    }
    pump();
}

void Win32WindowTest::press(Key key) {
    switch (key) {
    case Key::Tab: return pressKey(VK_TAB);
    case Key::BackTab: return pressKey(VK_TAB, true);
    case Key::Left: return pressKey(VK_LEFT);
    case Key::Right: return pressKey(VK_RIGHT);
    case Key::Up: return pressKey(VK_UP);
    case Key::Down: return pressKey(VK_DOWN);
    case Key::Home: return pressKey(VK_HOME);
    case Key::End: return pressKey(VK_END);
    case Key::PageUp: return pressKey(VK_PRIOR);
    case Key::PageDown: return pressKey(VK_NEXT);
    case Key::Space: return pressKey(VK_SPACE);
    }
}

std::vector<std::string> Win32WindowTest::itemsOf(HWND list) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int position = 0; position < count; ++position) {
        items.push_back(narrow(listItemText(list, position)));
    }
    return items;
}

bool Win32WindowTest::answerSelected() { return SendMessageW(answerList(), LB_GETSELCOUNT, 0, 0) > 0; }

int Win32WindowTest::answerMark() {
    if (SendMessageW(answerList(), LB_GETCOUNT, 0, 0) <= 0) {
        return -1;
    }
    return static_cast<int>(SendMessageW(answerList(), LB_GETCARETINDEX, 0, 0));
}

std::string Win32WindowTest::focused() {
    HWND focus = GetFocus();
    for (const ControlDescription& described : mainFormDescription().controls) {
        if (form_->control(described.array, described.element) == focus && focus != nullptr) {
            return controlName(described);
        }
    }
    return {};
}

std::string Win32WindowTest::caption(int element) { return narrow(windowText(planet(element))); }

bool Win32WindowTest::planetSelected(int element) {
    return SendMessageW(planet(element), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string Win32WindowTest::message() { return narrow(windowText(messageArea())); }

UINT Win32WindowTest::screenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

RECT Win32WindowTest::placeOf(HWND target) const {
    RECT place{};
    GetWindowRect(target, &place);
    MapWindowPoints(nullptr, GetParent(target), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

COLORREF Win32WindowTest::pixel(HWND target, int x, int y) const {
    RedrawWindow(target, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(target);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(target, dc);
    return colour;
}

// The screen's own pixels, where the window stands on top of all.
Picture Win32WindowTest::picture() {
    RedrawWindow(form_->window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pump();
    return shownPicture();
}

Picture Win32WindowTest::shownPicture() {
    RECT client{};
    GetClientRect(form_->window(), &client);
    POINT origin{0, 0};
    ClientToScreen(form_->window(), &origin);
    Picture shown{client.right, client.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shown.width;
    info.bmiHeader.biHeight = -shown.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shown.width, shown.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const std::uint8_t*>(bits);  // blue, green, red, unused
    for (int i = 0; i < shown.width * shown.height; ++i, source += 4) {
        shown.pixels.push_back({source[2], source[1], source[0]});
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shown;
}

PictureBox Win32WindowTest::placeInPicture(ControlArray array, std::int16_t element) {
    RECT place{};
    GetWindowRect(control(array, element), &place);
    MapWindowPoints(nullptr, form_->window(), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

}  // namespace veltara::testing
