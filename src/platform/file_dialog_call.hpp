// What the system's open or save dialog is handed, and what it hands back: the one call of the
// file dialog object that crosses the platform seam. Texts are code page 936 bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace cuepad::platform {

class Window;

inline constexpr std::uint32_t kHideReadOnly = 0x4;
inline constexpr std::uint32_t kOverwritePrompt = 0x2;
inline constexpr std::uint32_t kAllowMultiSelect = 0x200;
inline constexpr std::uint32_t kPathMustExist = 0x800;
inline constexpr std::uint32_t kFileMustExist = 0x1000;
inline constexpr std::uint32_t kCreatePrompt = 0x2000;
inline constexpr std::uint32_t kExplorer = 0x80000;
inline constexpr std::uint32_t kEnableSizing = 0x800000;

struct FileDialogCall {
    bool save = false;                            // the save dialog, else the open dialog
    Window* owner = nullptr;                      // none: the dialog has no owner window
    std::string filterBlock;                      // display text, zero, pattern, zero, ..., zero
    int filterIndex = 0;                          // 1-based
    std::string initialFolder;                    // "" lets the system choose
    std::string title;
    std::optional<std::string> defaultExtension;  // handed over only when set
    std::string fileBuffer;                       // in: proposed name and zeros; out: the result
    std::uint32_t flags = 0;
};

}  // namespace cuepad::platform

namespace cuepad::platform {

// Shows the system's open or save dialog, modal, on the calling (window) thread.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Returns the system's result (nonzero when the user confirmed); fills call.fileBuffer.
    virtual int showFileDialog(FileDialogCall& call) = 0;
};

}  // namespace cuepad::platform
