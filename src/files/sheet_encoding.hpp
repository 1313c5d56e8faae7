// Sheets written as UTF-8 are turned into the program's code page 936 text on reading, so their
// first line keeps its keyword and editing never mixes two encodings in one file.
#pragma once

#include <string>
#include <string_view>

namespace cuepad {

namespace platform {
class SystemServices;
}

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Strictly valid UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isStrictUtf8(std::string_view text);

// The text as code page 936: a text that begins with the UTF-8 byte-order mark, or that is
// strictly valid UTF-8 holding at least one character of three or four bytes (every Chinese or
// Japanese character is one), is converted from UTF-8 with the mark dropped; when some character
// has no counterpart in code page 936 the bytes stay as read, still without the mark. Any other
// text is returned unchanged.
//
// Why not every valid UTF-8 text with a high byte: some 150 GBK characters (小, 路, 笑, 谢, 韦,
// 唯, ...) are also valid two-byte UTF-8, so a GBK sheet naming only such characters would be
// turned into Latin, Greek or Cyrillic letters and saved that way. A GBK text is valid UTF-8
// with three-byte sequences only by a far rarer chance.
std::string toCodePage936(platform::SystemServices& system, std::string text);

}  // namespace cuepad
