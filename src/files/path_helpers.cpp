// Windows path helpers, written portably on the text primitives.
#include "files/path_helpers.hpp"

#include "engine/text.hpp"

namespace cuepad {
namespace {

// Offset where the file name starts: after the last backslash, found character by character.
std::size_t fileNameStart(std::string_view path) {
    const Position slash = findTextBackward(path, "\\");
    return slash == -1 ? 0 : static_cast<std::size_t>(slash);
}

// The extension of a path's file-name part, with its dot.
std::string_view extensionOf(std::string_view path) {
    const std::string_view name = path.substr(fileNameStart(path));
    const Position dot = findTextBackward(name, ".");
    return dot == -1 ? std::string_view() : name.substr(static_cast<std::size_t>(dot - 1));
}

}  // namespace

SplitPath splitPath(std::string_view path) {
    const std::size_t start = fileNameStart(path);
    return {std::string(path.substr(0, start)), std::string(path.substr(start))};
}

std::string splitExtension(std::string_view name, int mode) {
    const std::string_view extension = extensionOf(name);
    switch (mode) {
    case 0: return std::string(name.substr(0, name.size() - extension.size()));
    case 1: return extension.empty() ? std::string() : std::string(extension.substr(1));
    case 2: return std::string(extension);
    default: return {};
    }
}

std::string pathPart(std::string_view path, int mode) {
    const std::size_t start = fileNameStart(path);
    switch (mode) {
    case 0: return std::string(path.substr(0, start));
    case 1: return std::string(path.substr(start));
    default: return {};
    }
}

}  // namespace cuepad
