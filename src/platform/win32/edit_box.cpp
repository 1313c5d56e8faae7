// One-line edit boxes. A write from code raises text-changed exactly once, whatever the native
// control notifies during it (Wine and Windows differ on WM_SETTEXT); the user's changes arrive
// as EN_CHANGE. Key-downs reach the program through a subclass.
#include "platform/win32/controls.hpp"

#include "platform/win32/wide_text.hpp"

#include <utility>

namespace cuepad::win32 {
namespace {

int heldModifiers() {
    const auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return (held(VK_CONTROL) ? platform::kControlKey : 0) | (held(VK_SHIFT) ? platform::kShiftKey : 0) |
           (held(VK_MENU) ? platform::kAltKey : 0);
}

}  // namespace

void Win32EditBox::create(int id) {
    // Without ES_NOHIDESEL the selection hides while the box has no focus.
    const DWORD style = multiLine_ ? ES_MULTILINE | ES_CENTER | ES_AUTOVSCROLL | ES_WANTRETURN : ES_AUTOHSCROLL;
    createSystemControl(L"EDIT", WS_TABSTOP | style, L"", id);
    // A sheet's field has no length limit of its own; 0 lifts the control's default one.
    if (hwnd()) SendMessageW(hwnd(), EM_SETLIMITTEXT, 0, 0);
}

void Win32EditBox::setText(std::string_view text) {
    if (hwnd()) {
        // Saved and restored, so a handler may write this box again while a write runs.
        const bool outerWrite = std::exchange(writing_, true);
        SetWindowTextW(hwnd(), toWide(text).c_str());
        writing_ = outerWrite;
    }
    if (onTextChanged) onTextChanged();
}

std::string Win32EditBox::text() const {
    if (!hwnd()) return {};
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd())) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd(), text.data(), static_cast<int>(text.size()))));
    return fromWide(text);
}

void Win32EditBox::selectAll() {
    if (hwnd()) SendMessageW(hwnd(), EM_SETSEL, 0, -1);
}

void Win32EditBox::command(WORD code) {
    if (code == EN_CHANGE && !writing_ && onTextChanged) onTextChanged();
}

LRESULT Win32EditBox::subclassed(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:  // a key held with Alt
        keyDown(wParam);
        break;
    case WM_GETDLGCODE:
        return dialogCode(wParam, lParam);
    case WM_LBUTTONDBLCLK: {
        const LRESULT result = ChildControl::subclassed(message, wParam, lParam);
        if (onDoubleClick) onDoubleClick();
        return result;
    }
    default:
        break;
    }
    return ChildControl::subclassed(message, wParam, lParam);
}

void Win32EditBox::keyDown(WPARAM key) {
    if (onKeyDown) onKeyDown({static_cast<int>(key), heldModifiers()});
}

// The dialog manager of the message loop would turn Enter into a command for the window; the box
// asks for it so its key-down reaches the program. Tab still moves the focus and Esc still
// closes the window, also from a multi-line box, which would otherwise take every key.
LRESULT Win32EditBox::dialogCode(WPARAM wParam, LPARAM lParam) {
    LRESULT code = ChildControl::subclassed(WM_GETDLGCODE, wParam, lParam);
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (!message || message->message != WM_KEYDOWN) return code;
    if (message->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    if (message->wParam == VK_TAB || message->wParam == VK_ESCAPE) code &= ~(DLGC_WANTALLKEYS | DLGC_WANTMESSAGE);
    return code;
}

}  // namespace cuepad::win32
