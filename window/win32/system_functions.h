// Functions of Windows that the program calls only where the running
// Windows has them: they are looked up at run time by DLL and name, so that
// the .exe imports nothing a Windows 7 SP1 lacks, and so that a DLL only a
// screen reader needs is loaded only when one asks.
#pragma once

#include <windows.h>

namespace veltara {

// Finds a function; null where the DLL or the function is missing.
using FunctionResolver = FARPROC (*)(const wchar_t* library, const char* name);

// The running Windows': a DLL not yet loaded is loaded from the system
// folder alone, and stays for the program's life.
FARPROC resolveSystemFunction(const wchar_t* library, const char* name);

// The function found, as the pointer type it is called through.
template <typename Function>
Function findFunction(FunctionResolver resolve, const wchar_t* library, const char* name) {
    // Through void (*)(), which any function pointer converts to and from
    // without GCC's warning about incompatible function types.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(resolve(library, name)));
}

}  // namespace veltara
