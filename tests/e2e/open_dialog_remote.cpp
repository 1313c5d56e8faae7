// The system's dialogs of another process, seen and driven from outside.
#include "open_dialog_remote.hpp"

#include "remote_window.hpp"

#include <shellapi.h>

namespace cuepad::e2e {
namespace {

constexpr int kFileNameBox = 0x47C;  // the file name combo box of the common dialog

}  // namespace

HWND findDialog(DWORD processId, std::wstring_view title) {
    struct Search {
        DWORD processId;
        std::wstring_view title;
        HWND found;
    } search{processId, title, nullptr};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId || className(window) != L"#32770") return TRUE;
            wchar_t text[256] = {};
            const int length = GetWindowTextW(window, text, 256);
            if (std::wstring_view(text, static_cast<std::size_t>(length > 0 ? length : 0)) != s->title) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND waitForDialog(DWORD processId, std::wstring_view title, std::chrono::milliseconds timeout) {
    HWND dialog = nullptr;
    waitUntil([&] { return (dialog = findDialog(processId, title)) != nullptr; }, timeout);
    return dialog;
}

std::wstring staticTexts(HWND dialog) {
    std::wstring texts;
    for (HWND child : childWindows(dialog)) {
        if (_wcsicmp(className(child).c_str(), L"Static") != 0) continue;
        const std::wstring text = windowText(child);
        if (text.empty()) continue;
        if (!texts.empty()) texts += L'\n';
        texts += text;
    }
    return texts;
}

RECT freeScreenArea() {
    APPBARDATA bar{};
    bar.cbSize = sizeof bar;
    SHAppBarMessage(ABM_GETTASKBARPOS, &bar);
    APPBARDATA stateQuery{};
    stateQuery.cbSize = sizeof stateQuery;
    const auto state = SHAppBarMessage(ABM_GETSTATE, &stateQuery);
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    if ((state & ABS_AUTOHIDE) != 0) return {0, 0, width, height};
    switch (bar.uEdge) {
    case ABE_LEFT: return {bar.rc.right, 0, width, height};
    case ABE_TOP: return {0, bar.rc.bottom, width, height};
    case ABE_RIGHT: return {0, 0, bar.rc.left, height};
    case ABE_BOTTOM: return {0, 0, width, bar.rc.top};
    default: return {0, 0, 0, 0};
    }
}

bool chooseFile(HWND dialog, const std::wstring& path) {
    const HWND name = GetDlgItem(dialog, kFileNameBox);
    if (name == nullptr) return false;
    DWORD_PTR result = 0;
    SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG, 5000, &result);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return true;
}

std::string describeRect(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left) +
           "x" + std::to_string(rect.bottom - rect.top);
}

}  // namespace cuepad::e2e
