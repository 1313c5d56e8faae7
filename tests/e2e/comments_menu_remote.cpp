// The comments list's right click, pop-up menu and input box, driven from outside.
#include "comments_menu_remote.hpp"

#include "open_dialog_remote.hpp"
#include "remote_window.hpp"
#include "track_rows_view.hpp"

#include <chrono>

namespace cuepad::e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kTimeout = 10s;

HWND captureOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndCapture;
}

// The visible pop-up menu window ("#32768") of the thread that owns `window`.
HWND shownMenuOf(HWND window) {
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
         menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
        if (IsWindowVisible(menu) && GetWindowThreadProcessId(menu, nullptr) == thread) return menu;
    }
    return nullptr;
}

}  // namespace

HWND rightClickItem(HWND list, int item) {
    RECT itemRect{};
    if (SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&itemRect)) == LB_ERR) {
        return nullptr;
    }
    const POINT client{(itemRect.left + itemRect.right) / 2, (itemRect.top + itemRect.bottom) / 2};
    POINT screen = client;
    ClientToScreen(list, &screen);
    SetCursorPos(screen.x, screen.y);
    const LPARAM at = MAKELPARAM(client.x, client.y);
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
    // The left click the program sends itself goes through the input queue, behind posted
    // messages: the release must wait for it, or the menu would take that click and close.
    if (!waitUntil([&] { return listCurrent(list) == item && captureOf(list) == nullptr; }, kTimeout)) return nullptr;
    PostMessageW(list, WM_RBUTTONUP, 0, at);
    HWND menu = nullptr;
    waitUntil([&] { return (menu = shownMenuOf(list)) != nullptr; }, kTimeout);
    return menu;
}

void chooseMenuItem(HWND menu, CommentsMenuItem choice) {
    for (int i = 0; i < static_cast<int>(choice); ++i) postKey(menu, VK_DOWN);
    postKey(menu, VK_RETURN);
}

HWND waitForInputBox(DWORD processId, const std::wstring& title) {
    HWND box = nullptr;
    waitUntil([&] { return (box = findDialog(processId, title)) != nullptr; }, kTimeout);
    return box;
}

std::wstring inputBoxText(HWND inputBox) { return windowText(FindWindowExW(inputBox, nullptr, L"Edit", nullptr)); }

bool confirmInputBox(HWND inputBox, const std::wstring& text) {
    const HWND field = FindWindowExW(inputBox, nullptr, L"Edit", nullptr);
    if (field == nullptr) return false;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 5000, &result);
    PostMessageW(inputBox, WM_COMMAND, IDOK, 0);
    return true;
}

}  // namespace cuepad::e2e
