// Pop-up menus: a native menu tracked where the program asks, owned by its window; the chosen
// item's callback runs once the menu has closed.
#include "platform/win32/controls.hpp"

#include "platform/win32/wide_text.hpp"

namespace cuepad::win32 {

Win32PopupMenu::Win32PopupMenu(SharedState state, HWND owner)
    : state_(std::move(state)), owner_(owner), menu_(CreatePopupMenu()) {}

Win32PopupMenu::~Win32PopupMenu() { DestroyMenu(menu_); }

void Win32PopupMenu::addItem(std::string_view text, std::function<void()> onChosen) {
    choices_.push_back(std::move(onChosen));
    AppendMenuW(menu_, MF_STRING, choices_.size(), toWide(text).c_str());
}

// `screenPoint` is in screen pixels, as the system reports the pointer's place.
void Win32PopupMenu::showAt(platform::Point screenPoint) {
    if (state_->responder) state_->responder->menuShowing(*this, owner_);
    // Either mouse button chooses; the command comes back instead of going to the window.
    const UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY;
    const BOOL chosen = TrackPopupMenu(menu_, flags, screenPoint.x, screenPoint.y, 0, owner_, nullptr);
    if (chosen <= 0 || static_cast<std::size_t>(chosen) > choices_.size()) return;
    // A copy: the callback may add items to this menu.
    const std::function<void()> onChosen = choices_[static_cast<std::size_t>(chosen) - 1];
    if (onChosen) onChosen();
}

}  // namespace cuepad::win32
