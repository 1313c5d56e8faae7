// The one place where program texts (code page 936 bytes) meet Windows' UTF-16.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cuepad::win32 {

inline constexpr unsigned kProgramCodePage = 936;

std::wstring toWide(std::string_view text, unsigned codePage = kProgramCodePage);
std::string fromWide(std::wstring_view text, unsigned codePage = kProgramCodePage);

// Nothing when some character has no exact counterpart in the code page.
std::optional<std::string> fromWideExact(std::wstring_view text, unsigned codePage = kProgramCodePage);

}  // namespace cuepad::win32
