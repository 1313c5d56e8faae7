// The system's open and save dialogs through the W API.
#pragma once

#include "platform/file_dialog_call.hpp"

#include <windows.h>

#include <functional>

namespace cuepad::win32 {

class Win32FileDialogs final : public platform::FileDialogs {
public:
    // `ownerHandle` finds the native window of a toolkit window.
    explicit Win32FileDialogs(std::function<HWND(platform::Window&)> ownerHandle) : ownerHandle_(std::move(ownerHandle)) {}

    int showFileDialog(platform::FileDialogCall& call) override;

private:
    std::function<HWND(platform::Window&)> ownerHandle_;
};

}  // namespace cuepad::win32
