// The file dialog object.
#include "dialogs/file_dialog.hpp"

#include "engine/text.hpp"

#include <algorithm>

namespace cuepad::dialogs {

const std::string kAllFilesFilter = "\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE(*.*)|*.*";  // 所有文件(*.*)|*.*

namespace {

constexpr int kDefaultBuffer = 256;
constexpr int kDefaultMultiSelectBuffer = 2048;

// The text after the last "." of the pattern of the selected pair ("" for "*.*"); an index at
// or beyond the last pair takes the last pair.
std::string extensionOfPair(const std::string& filter, int index) {
    const std::vector<std::string> parts = splitText(filter, "|");
    if (parts.size() < 2) return {};
    const std::size_t pairs = parts.size() / 2;
    const std::size_t pair = std::min<std::size_t>(static_cast<std::size_t>(std::max(index, 0)), pairs - 1);
    const std::string& pattern = parts[pair * 2 + 1];
    const std::size_t dot = pattern.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : pattern.substr(dot + 1);
    return extension == "*" ? std::string() : extension;
}

// The buffer's text up to its first pair of zero bytes, zero bytes turned into "|".
std::string resultText(const std::string& buffer) {
    const std::size_t end = buffer.find(std::string("\0\0", 2));
    std::string text = buffer.substr(0, end);
    std::replace(text.begin(), text.end(), '\0', '|');
    return text;
}

std::string multipleSelectionPaths(const std::string& buffer) {
    const std::vector<std::string> pieces = splitText(resultText(buffer), "|");
    if (pieces.empty()) return {};
    std::string folder;
    std::size_t firstName = 0;
    if (pieces.size() >= 2) {
        folder = pieces[0];
        // Stepping by characters: a two-byte character may end in the byte 0x5C (運).
        if (findTextBackward(folder, "\\") != textLength(folder)) folder += '\\';
        firstName = 1;
    }
    std::string chosen;
    for (std::size_t i = firstName; i < pieces.size(); ++i) {
        const bool fullPath = findText(pieces[i], ":") != -1;
        chosen += (fullPath ? pieces[i] : folder + pieces[i]) + ";";
    }
    return chosen;
}

}  // namespace

void FileDialog::reset() {
    kind_ = 0;
    defaultName_.clear();
    createPrompt_ = platform::kCreatePrompt;
    fileMustExist_ = platform::kFileMustExist;
    overwritePrompt_ = platform::kOverwritePrompt;
    pathMustExist_ = platform::kPathMustExist;
    multiSelect_ = 0;
    chosen_.clear();
}

void FileDialog::prepare(const FileDialogArguments& arguments) {
    reset();
    defaultName_ = arguments.defaultName;
    kind_ = arguments.kind;
    record_.title = arguments.title;
    record_.initialFolder = arguments.initialFolder;
    const std::string& filter = arguments.filter.empty() ? kAllFilesFilter : arguments.filter;
    record_.filterBlock = filter;
    std::replace(record_.filterBlock.begin(), record_.filterBlock.end(), '|', '\0');
    record_.filterBlock.append(2, '\0');
    record_.filterIndex = arguments.filterIndex <= 0 ? 1 : arguments.filterIndex + 1;
    if (arguments.filter.empty()) record_.defaultExtension = std::string();
    derivedExtension_ = extensionOfPair(filter, arguments.filterIndex);
    const auto set = [](std::uint32_t& field, const std::optional<bool>& given, std::uint32_t flag) {
        if (given) field = *given ? flag : 0;
    };
    set(createPrompt_, arguments.createPrompt, platform::kCreatePrompt);
    set(fileMustExist_, arguments.fileMustExist, platform::kFileMustExist);
    set(overwritePrompt_, arguments.overwritePrompt, platform::kOverwritePrompt);
    set(pathMustExist_, arguments.pathMustExist, platform::kPathMustExist);
    set(multiSelect_, arguments.multipleSelection, platform::kAllowMultiSelect);
}

int FileDialog::show(const ShowFileDialog& system, platform::Window* owner, std::optional<int> bufferSize) {
    record_.owner = owner;
    chosen_ = defaultName_;
    const int size = bufferSize.value_or(multiSelect_ != 0 ? kDefaultMultiSelectBuffer : kDefaultBuffer);
    record_.fileBuffer = chosen_;
    std::replace(record_.fileBuffer.begin(), record_.fileBuffer.end(), ';', '\0');
    record_.fileBuffer.resize(std::max(record_.fileBuffer.size() + 1, static_cast<std::size_t>(std::max(size, 0)) + 1), '\0');

    int result = 0;
    if (kind_ == static_cast<int>(FileDialogKind::Open)) {
        record_.save = false;
        record_.flags = platform::kHideReadOnly | platform::kExplorer | platform::kEnableSizing | createPrompt_ |
                        fileMustExist_ | overwritePrompt_ | pathMustExist_ | multiSelect_;
        result = system(record_);
    } else if (kind_ == static_cast<int>(FileDialogKind::Save)) {
        record_.save = true;
        record_.flags = platform::kExplorer | platform::kEnableSizing | overwritePrompt_ | pathMustExist_ | multiSelect_;
        result = system(record_);
    }
    if (result == 1) {
        chosen_ = multiSelect_ != 0 ? multipleSelectionPaths(record_.fileBuffer)
                                    : record_.fileBuffer.substr(0, record_.fileBuffer.find('\0'));
    } else {
        chosen_.clear();
    }
    return result;
}

}  // namespace cuepad::dialogs
