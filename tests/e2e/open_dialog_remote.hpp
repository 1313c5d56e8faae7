// The system's file dialog of another process, driven from outside as a person would: found by
// its window class and title, given a file name and confirmed. Also the part of the screen that
// the task bar leaves free, where the program is to place the dialog.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace cuepad::e2e {

// The top-level window of class "#32770" titled exactly `title` that belongs to `processId`.
HWND findDialog(DWORD processId, std::wstring_view title);

// The screen less the task bar (the whole screen when the task bar hides itself), in pixels.
RECT freeScreenArea();

// Types `path` into the dialog's file name box and confirms it; false when the box is missing.
bool chooseFile(HWND dialog, const std::wstring& path);

// "left,top widthxheight" of a window rectangle, for messages.
std::string describeRect(const RECT& rect);

}  // namespace cuepad::e2e
