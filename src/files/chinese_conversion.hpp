// Converting a code page 936 text between Simplified and Traditional Chinese characters,
// character by character, as a sheet is loaded.
#pragma once

#include <string>
#include <string_view>

namespace cuepad {

// The result has the input's byte length: ASCII bytes stay, each two-byte character is
// replaced by its counterpart when it has one, and a lone high byte at the end stays.
std::string toSimplified(std::string_view text);
std::string toTraditional(std::string_view text);

}  // namespace cuepad
