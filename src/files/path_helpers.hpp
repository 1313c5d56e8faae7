// Windows path helpers on program texts. Every search steps by characters, so a two-byte
// character whose second byte is 0x5C (a backslash byte, as in 運 or 誠) never splits a path.
#pragma once

#include <string>
#include <string_view>

namespace cuepad {

struct SplitPath {
    std::string directory;  // up to and including the last backslash; "" when there is none
    std::string fileName;   // the rest
};

SplitPath splitPath(std::string_view path);

// The extension of a file name runs from the last "." of its file-name part to its end, or is
// "" when there is none (".hidden" is all extension, "a." has "."). Modes: 0 the name without
// its extension, 1 the extension without its dot, 2 the extension with its dot; others "".
std::string splitExtension(std::string_view name, int mode);

// Mode 0: the folder with its trailing backslash ("" when the path has none); mode 1: the file
// name, what follows the last backslash; others "".
std::string pathPart(std::string_view path, int mode);

}  // namespace cuepad
