// Line helpers of the reader; saving and the writer use firstWord and stripLineBreaks too.
#pragma once

#include "engine/text.hpp"

#include <string>
#include <string_view>

namespace cuepad {

// Removes the line's leading blanks in place and returns the text before its first ASCII space
// ("" when there is none, so a lone keyword has an empty first word).
std::string firstWord(std::string& line);
// The same on a view: `line` is narrowed to its trimmed form.
std::string_view firstWordView(std::string_view& line);

// The text between the first `open` and the next `close` after it; "" when either is missing.
std::string textBetween(std::string_view line, std::string_view open, std::string_view close);
std::string_view textBetweenView(std::string_view line, std::string_view open, std::string_view close);

// Bytes `from` to `to` (1-based, inclusive); "" when either is -1 or `to` is below `from`.
std::string textSpan(std::string_view text, Position from, Position to);

// Drops CR LF pairs from the end, then from the start. Blanks are left alone.
std::string stripLineBreaks(std::string_view text);
std::string_view stripLineBreaksView(std::string_view text);

// The whole line holding position `p`, without its line breaks; "" for -1.
std::string lineAt(std::string_view text, Position p);

}  // namespace cuepad
