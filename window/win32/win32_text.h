// Texts cross between the exercise (UTF-8) and the Win32 API (UTF-16).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace veltara {

std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

// The whole text of a window: a button's caption, an edit box's content.
std::wstring windowText(HWND window);

}  // namespace veltara
