// The file dialog object: turns a few plain arguments into the record the system's open or save
// dialog takes, shows it, and reads the zero-separated result back into one text.
#pragma once

#include "platform/file_dialog_call.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace cuepad::dialogs {

enum class FileDialogKind : int { Open = 0, Save = 1 };

// prepare's eleven arguments: each optional one changes its field only when given.
struct FileDialogArguments {
    int kind = 0;  // 0 open, 1 save; any other value shows nothing
    std::string title;
    std::string filter;  // "display|pattern|display|pattern..."
    int filterIndex = 0;
    std::string initialFolder;
    std::string defaultName;  // names separated by ";"
    std::optional<bool> createPrompt;
    std::optional<bool> fileMustExist;
    std::optional<bool> overwritePrompt;
    std::optional<bool> pathMustExist;
    std::optional<bool> multipleSelection;
};

// The system call: fills call.fileBuffer with the user's choice and returns the system's result
// (nonzero when the user confirmed).
using ShowFileDialog = std::function<int(platform::FileDialogCall& call)>;

class FileDialog {
public:
    FileDialog() { reset(); }

    void reset();
    void prepare(const FileDialogArguments& arguments);
    // Shows the dialog owned by `owner` (none for nullptr); 0 without a dialog for an unknown kind.
    int show(const ShowFileDialog& system, platform::Window* owner, std::optional<int> bufferSize = std::nullopt);
    std::string chosenPath() const { return chosen_; }

    // The record as it will be or was handed to the system, for tests.
    const platform::FileDialogCall& record() const { return record_; }
    // The default extension derived from the selected filter pair; never handed to the system.
    const std::string& derivedExtension() const { return derivedExtension_; }

private:
    platform::FileDialogCall record_;
    int kind_ = 0;
    std::string defaultName_;
    std::uint32_t createPrompt_ = 0;
    std::uint32_t fileMustExist_ = 0;
    std::uint32_t overwritePrompt_ = 0;
    std::uint32_t pathMustExist_ = 0;
    std::uint32_t multiSelect_ = 0;
    std::string chosen_;
    std::string derivedExtension_;
};

// "所有文件(*.*)", the filter of a dialog given none.
extern const std::string kAllFilesFilter;

}  // namespace cuepad::dialogs
