// Looking at and acting on another process's windows from outside, the way a person or an
// accessibility tool would: find windows, read their names, places, texts and pixels, and send
// them presses and keys. Nothing here knows cuepad; the scenario lives in driver.cpp.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace cuepad::e2e {

// Code page 936 bytes to UTF-16 and UTF-16 to UTF-8 (for the driver's output).
std::wstring fromGbk(std::string_view gbk);
std::string toUtf8(std::wstring_view text);

// Polls `condition` every few milliseconds until it holds or `timeout` has passed; returns
// whether it held. The condition is evaluated once more at the deadline.
template <class Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

// The first visible top-level window without an owner that belongs to process `processId`.
HWND findVisibleTopLevelWindow(DWORD processId);

// Whether the window's thread answers a sent message within `timeout`.
bool answersMessages(HWND window, std::chrono::milliseconds timeout);

std::vector<HWND> childWindows(HWND parent);

// The string that the window property `property` points to inside `process` (the property
// holds an address in that process, so it is read with ReadProcessMemory).
std::optional<std::wstring> remoteStringProperty(HANDLE process, HWND window, const wchar_t* property);

std::wstring className(HWND window);
std::wstring windowText(HWND window);

// The window's rectangle (frame included) in the client coordinates of `parent`.
RECT rectInClient(HWND parent, HWND window);

// The colour on screen at a client point of `window`, as 0x00BBGGRR.
COLORREF screenPixel(HWND window, POINT client);

// Every colour on screen inside a client rectangle of `window`, row by row.
std::vector<COLORREF> screenPixels(HWND window, RECT client);

bool isTopmost(HWND window);

// BM_GETCHECK of a check box, or -1 when it does not answer.
int checkState(HWND checkBox);

// The window that has the keyboard focus in the thread that owns `window`.
HWND focusedWindow(HWND window);

// A left press and release posted to `window` at a client point.
void postLeftClick(HWND window, POINT client);

// A real left click at a client point of `window`, through the system's input queue.
void inputLeftClick(HWND window, POINT client);

// A key press and release posted to `window`.
void postKey(HWND window, UINT virtualKey);

}  // namespace cuepad::e2e
