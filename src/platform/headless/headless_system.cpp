// The in-memory system services.
#include "platform/headless/headless_system.hpp"

#include "engine/text.hpp"
#include "platform/posix/iconv_conversion.hpp"

#include <algorithm>

namespace cuepad::platform {
namespace {

constexpr std::string_view kTemporaryMark = ".cuepad-tmp-";

// The folder of a path: what precedes its last backslash (found character by character, so the
// second byte of a two-byte character is never taken for one) or its last slash.
std::string folderOf(const std::string& path) {
    const Position backslash = findTextBackward(path, "\\");
    const std::size_t slash = path.find_last_of('/');
    std::size_t end = backslash == -1 ? std::string::npos : static_cast<std::size_t>(backslash - 1);
    if (slash != std::string::npos && (end == std::string::npos || slash > end)) end = slash;
    return end == std::string::npos ? std::string() : path.substr(0, end);
}

}  // namespace

void HeadlessSystem::addFile(const std::string& path, std::string bytes) {
    files[path] = std::move(bytes);
    folders.insert(folderOf(path));
}

int HeadlessSystem::temporaryFilesLeft() const {
    return static_cast<int>(std::count_if(files.begin(), files.end(), [](const auto& file) {
        return file.first.find(kTemporaryMark) != std::string::npos;
    }));
}

TextFileRead HeadlessSystem::readTextUntilZero(const std::string& path, std::size_t limit) {
    TextFileRead result;
    const auto file = files.find(path);
    if (file == files.end() || lockedFiles.count(path) != 0) return result;
    result.readable = true;
    const std::string_view bytes = file->second;
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    result.overLimit = text.size() > limit;
    result.text = std::string(text.substr(0, limit));
    return result;
}

bool HeadlessSystem::replaceFile(const std::string& path, std::string_view bytes) {
    // As the real backends do: a new file beside the target, filled, then put in its place.
    const std::string folder = folderOf(path);
    if (path.empty() || folders.count(folder) == 0 || readOnlyFolders.count(folder) != 0) return false;
    const std::string temporary = path + std::string(kTemporaryMark) + std::to_string(++temporaryCounter_);
    std::string& written = files[temporary];
    const bool diskFull = diskFullAfterBytes >= 0 && bytes.size() > static_cast<std::size_t>(diskFullAfterBytes);
    written.assign(bytes.substr(0, diskFull ? static_cast<std::size_t>(diskFullAfterBytes) : bytes.size()));
    const bool replaceable = !refuseRename && lockedFiles.count(path) == 0 && readOnlyFiles.count(path) == 0;
    if (diskFull || !replaceable) {
        files.erase(temporary);
        return false;
    }
    files[path] = std::move(written);
    files.erase(temporary);
    return true;
}

void HeadlessSystem::showMessage(std::string_view text) { messages.emplace_back(text); }

std::optional<std::string> HeadlessSystem::utf8ToCodePage936(std::string_view utf8) {
    return iconvUtf8ToCodePage936(utf8);
}

std::string HeadlessSystem::codePage936ToUtf8(std::string_view text) { return iconvCodePage936ToUtf8(text); }

bool HeadlessSystem::writeStandardOutput(std::string_view bytes) {
    standardOutput.append(bytes);
    return true;
}

void HeadlessSystem::writeStandardError(std::string_view text) { standardError.append(text); }

}  // namespace cuepad::platform
