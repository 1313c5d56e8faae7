// Code page conversion at the Windows boundary.
#include "platform/win32/wide_text.hpp"

#include <windows.h>

namespace cuepad::win32 {

std::wstring toWide(std::string_view text, unsigned codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), needed);
    return wide;
}

std::string fromWide(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int needed = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

std::optional<std::string> fromWideExact(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int needed = WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0,
                                           nullptr, &usedDefault);
    if (needed <= 0 || usedDefault) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), needed, nullptr,
                        &usedDefault);
    if (usedDefault) return std::nullopt;
    return bytes;
}

}  // namespace cuepad::win32
