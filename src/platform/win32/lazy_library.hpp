// Functions of system libraries that the program needs only for some actions (file dialogs,
// sounds, dropped files, the task bar), loaded when first called. Loading these libraries at
// start costs a noticeable part of the start-up time, under Wine above all.
#pragma once

#include <windows.h>

namespace cuepad::win32 {

// The function `name` of `library`, or nullptr when either is missing. Looked up once.
template <class Function>
Function* lazyFunction(const wchar_t* library, const char* name) {
    const HMODULE module = LoadLibraryW(library);
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

#define CUEPAD_LAZY(library, function)                                                                      \
    ([]() {                                                                                                 \
        static auto* const found = ::cuepad::win32::lazyFunction<decltype(::function)>(library, #function); \
        return found;                                                                                       \
    }())

}  // namespace cuepad::win32
