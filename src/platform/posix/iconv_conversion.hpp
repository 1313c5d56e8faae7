// Code page 936 conversion through iconv, shared by the POSIX and the headless services.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cuepad::platform {

// Nothing when the input is not UTF-8 or some character has no counterpart in code page 936.
std::optional<std::string> iconvUtf8ToCodePage936(std::string_view utf8);
// Bytes that are not code page 936 come out as U+FFFD, so the result is always shown.
std::string iconvCodePage936ToUtf8(std::string_view text);

}  // namespace cuepad::platform
