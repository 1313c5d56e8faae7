// Check boxes. The box is not automatic: a click toggles it here, before the program hears of it,
// and a write from code changes the state without any notification.
#include "platform/win32/controls.hpp"
#include "platform/win32/lazy_library.hpp"

#include "platform/win32/wide_text.hpp"

#include <uxtheme.h>

namespace cuepad::win32 {

Win32CheckBox::Win32CheckBox(SharedState state, HWND parent, std::string_view formName, platform::Rect place,
                             std::string_view caption)
    : Win32Control(std::move(state), parent, formName, place), caption_(toWide(caption)) {}

void Win32CheckBox::create(int id) {
    createSystemControl(L"BUTTON", WS_TABSTOP | BS_CHECKBOX, caption_, id);
    // A themed check box draws its caption in the theme's colour; the classic look takes ours.
    if (hwnd()) {
        if (const auto setTheme = CUEPAD_LAZY(L"uxtheme.dll", SetWindowTheme)) setTheme(hwnd(), L"", L"");
    }
}

void Win32CheckBox::setChecked(bool checked) {
    if (hwnd()) SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32CheckBox::isChecked() const {
    return hwnd() && SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::command(WORD code) {
    if (code != BN_CLICKED) return;
    setChecked(!isChecked());
    if (onClicked) onClicked();
}

}  // namespace cuepad::win32
