// The win32 window toolkit: real Win32 controls behind the platform seam, with code page 936
// texts converted at the boundary. cuepad.exe creates one and runs its message loop.
#pragma once

#include "platform/toolkit.hpp"

#include <windows.h>

#include <memory>

namespace cuepad::win32 {

std::unique_ptr<platform::Toolkit> makeWin32Toolkit(HINSTANCE instance);

// The native window behind a window of this toolkit (for the system's file dialogs' owner).
HWND nativeWindow(platform::Window& window);

}  // namespace cuepad::win32
