// Helpers of the writer, exposed for tests.
#pragma once

#include <string>
#include <string_view>

namespace cuepad {

// "01" for 1, "10" for 10, "123" for 123.
std::string twoDigitNumber(int n);

// Reduces every run of consecutive CR LF pairs to one.
std::string collapseBlankLines(std::string_view text);
void collapseBlankLinesInPlace(std::string& text);

}  // namespace cuepad
