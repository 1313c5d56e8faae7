// The system's dialogs of another process, driven from outside as a person would: a file
// dialog found by its window class and title, given a file name and confirmed, and what a
// message box says. Also the part of the screen that the task bar leaves free, where the
// program is to place the dialog.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

namespace cuepad::e2e {

// The top-level window of class "#32770" titled exactly `title` that belongs to `processId`.
HWND findDialog(DWORD processId, std::wstring_view title);

// The same, waited for until `timeout`; nullptr if it does not show.
HWND waitForDialog(DWORD processId, std::wstring_view title, std::chrono::milliseconds timeout);

// The texts of a dialog's static controls, one line each: what a message box says.
std::wstring staticTexts(HWND dialog);

// The screen less the task bar (the whole screen when the task bar hides itself), in pixels.
RECT freeScreenArea();

// Types `path` into the dialog's file name box and confirms it; false when the box is missing.
bool chooseFile(HWND dialog, const std::wstring& path);

// "left,top widthxheight" of a window rectangle, for messages.
std::string describeRect(const RECT& rect);

}  // namespace cuepad::e2e
