// Loading a sheet file into the document: read, convert, check, parse, and work out where the
// same-folder save will write.
#pragma once

#include "files/document.hpp"

#include <optional>
#include <string>

namespace cuepad {

namespace platform {
class SystemServices;
}

// A sheet text longer than this without a zero byte is refused: it is no sheet, and the engine's
// 32-bit positions could not count it.
inline constexpr std::size_t kMaxSheetBytes = std::size_t{64} << 20;

// The text that opening a file in the given mode works on: the file's bytes up to the first
// zero byte, turned from UTF-8 into code page 936 when it is UTF-8, then converted to
// Simplified or Traditional characters as the mode asks. Nothing when the file cannot be read
// or is over the limit; nothing is reported.
std::optional<std::string> readSheetText(platform::SystemServices& system, const std::string& path, OpenMode mode);

// Replaces the document's header, tracks and save path with the sheet at `path` and returns
// true; or shows the incompatibility message, leaves the document as it was and returns false.
bool loadSheet(Document& document, platform::SystemServices& system, const std::string& path);

}  // namespace cuepad
