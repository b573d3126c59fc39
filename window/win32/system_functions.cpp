#include "system_functions.h"

#include <string>

namespace veltara {

FARPROC resolveSystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr) {
        // By full path: never a DLL of that name beside the program or in
        // the current folder.
        std::wstring path(MAX_PATH, L'\0');
        const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        path.resize(length);
        path.append(L"\\").append(library);
        module = LoadLibraryW(path.c_str());
    }
    return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

}  // namespace veltara
