#include "win32_fixture.h"

#include <map>
#include <string_view>
#include <vector>

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

std::map<std::string, FARPROC, std::less<>> replaced;

}  // namespace

void replaceFunctions(std::map<std::string, FARPROC, std::less<>> functions) {
    replaced = std::move(functions);
}

FARPROC resolveReplaced(const wchar_t* library, const char* name) {
    const auto found = replaced.find(std::string_view(name));
    return found != replaced.end() ? found->second : resolveSystemFunction(library, name);
}

void Win32WindowTest::answerHighContrast(bool on) { highContrastOn = on; }

void Win32WindowTest::SetUp() {
    highContrastOn = false;
    replaceFunctions({{"SystemParametersInfoW", asFunction(&systemParametersInfoAnswering)}});
    form_ = std::make_unique<MainForm>(&resolveReplaced);
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

// Presses and releases go in together, so that a control that tracks the
// mouse in a loop of its own (a scroll bar) finds the release waiting, and
// the system makes a second press a double-click, as it does for the
// pupil's within the double-click time.
void sendClicks(std::int16_t clicks) {
    std::vector<INPUT> inputs;
    for (std::int16_t click = 0; click < clicks; ++click) {
        for (const DWORD button : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dwFlags = button;
            inputs.push_back(input);
        }
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

void Win32WindowTest::click(HWND target, POINT at, std::int16_t clicks) {
    RECT client{};
    GetClientRect(target, &client);
    if (at.x < 0) {
        at = {client.right / 2, client.bottom / 2};
    }
    ClientToScreen(target, &at);
    SetCursorPos(at.x, at.y);
    pump();
    sendClicks(clicks);
    pump();
}

POINT Win32WindowTest::answerRow(int position) const {
    const auto rowHeight = static_cast<int>(SendMessageW(answerList(), LB_GETITEMHEIGHT, 0, 0));
    const auto top = static_cast<int>(SendMessageW(answerList(), LB_GETTOPINDEX, 0, 0));
    RECT client{};
    GetClientRect(answerList(), &client);
    return {client.right / 2, (position - top) * rowHeight + rowHeight / 2};
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
    static const std::map<Key, WORD> kKeys{
        {Key::Tab, VK_TAB},   {Key::BackTab, VK_TAB},   {Key::Left, VK_LEFT},     {Key::Right, VK_RIGHT},
        {Key::Up, VK_UP},     {Key::Down, VK_DOWN},     {Key::Home, VK_HOME},     {Key::End, VK_END},
        {Key::PageUp, VK_PRIOR}, {Key::PageDown, VK_NEXT}, {Key::Space, VK_SPACE},
        {Key::Enter, VK_RETURN}, {Key::Escape, VK_ESCAPE}};
    pressKey(kKeys.at(key), key == Key::BackTab);
}

std::vector<std::string> Win32WindowTest::answers() {
    std::vector<std::string> items;
    const auto count = static_cast<int>(SendMessageW(answerList(), LB_GETCOUNT, 0, 0));
    for (int position = 0; position < count; ++position) {
        items.push_back(narrow(listItemText(answerList(), position)));
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
