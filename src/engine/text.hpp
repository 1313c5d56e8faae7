// Byte-string primitives shared by the reader, the writer and the file layer.
// Texts are code page 936 bytes; positions count bytes from 1 and a failed search gives -1.
// A byte of 0x80 or above begins a two-byte character, and no search, split or replace ever
// starts a match on the second byte of one (boundaries are counted from the text's first byte).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad {

using Position = std::int32_t;

// The engine works with 32-bit positions; callers must keep texts below this size.
inline constexpr std::size_t kMaxTextBytes = 0x7FFFFFF0;

inline constexpr std::string_view kLineBreak = "\r\n";
inline constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

enum class Case { Sensitive, Ignore };

Position textLength(std::string_view text);

// First occurrence of `what` starting at or after `start` (below 1 counts as 1).
Position findText(std::string_view text, std::string_view what, Position start = 1,
                  Case mode = Case::Sensitive);

// Last occurrence lying wholly within the first `end - 1` bytes; without `end`, the whole text.
inline constexpr Position kWholeText = INT32_MAX;
Position findTextBackward(std::string_view text, std::string_view what,
                          Position end = kWholeText, Case mode = Case::Sensitive);

std::string textLeft(std::string_view text, Position n);
std::string textRight(std::string_view text, Position n);
std::string textMid(std::string_view text, Position p, Position n);

// Blanks are the ASCII space and the full-width space A1 A1; a tab is not a blank.
std::string trimStart(std::string_view text);
std::string trimBoth(std::string_view text);

std::vector<std::string> splitText(std::string_view text, std::string_view delimiter);
std::string replaceText(std::string_view text, std::string_view what, std::string_view replacement,
                        Case mode = Case::Sensitive);
std::string blankText(Position n);

// Views with the same rules, for hot paths that must not copy.
std::string_view trimStartView(std::string_view text);
std::string_view trimBothView(std::string_view text);
std::vector<std::string_view> splitTextViews(std::string_view text, std::string_view delimiter);

}  // namespace cuepad
