// Loading a sheet file into the document.
#include "files/sheet_loader.hpp"

#include "engine/sheet.hpp"
#include "files/chinese_conversion.hpp"
#include "files/path_helpers.hpp"
#include "files/sheet_encoding.hpp"
#include "files/strings.hpp"
#include "platform/system_services.hpp"

namespace cuepad {

std::optional<std::string> readSheetText(platform::SystemServices& system, const std::string& path, OpenMode mode) {
    if (path.empty()) return std::nullopt;
    platform::TextFileRead read = system.readTextUntilZero(path, kMaxSheetBytes);
    if (!read.readable || read.overLimit) return std::nullopt;
    std::string text = toCodePage936(system, std::move(read.text));
    switch (mode) {
    case OpenMode::ToSimplified: return toSimplified(text);
    case OpenMode::ToTraditional: return toTraditional(text);
    case OpenMode::AsRead: break;
    }
    return text;
}

bool loadSheet(Document& document, platform::SystemServices& system, const std::string& path) {
    std::optional<std::string> text = readSheetText(system, path, document.openMode);
    if (!text || !CueSheet::isCompatible(*text)) {
        system.showMessage(strings::kIncompatibleFile);
        return false;
    }
    CueSheet sheet;
    sheet.loadText(std::move(*text));
    sheet.copyHeader(document.documentHeader);
    sheet.copyTracks(document.documentTracks);
    const SplitPath parts = splitPath(path);
    document.savePath = parts.directory + splitExtension(parts.fileName, 0) + std::string(strings::kCopySuffix);
    return true;
}

}  // namespace cuepad
