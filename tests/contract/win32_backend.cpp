// The contract suite's backend for the win32 toolkit: real windows and controls, and a simulated
// user that sends them the messages a person's mouse and keyboard would.
#include "contract/backend.hpp"

#include "platform/win32/user_simulator.hpp"
#include "platform/win32/win32_toolkit.hpp"

#include <windows.h>

namespace cuepad::testing {
namespace {

win32::Win32UserSimulator& win32User(Backend& backend) {
    return static_cast<win32::Win32UserSimulator&>(*backend.user);
}

}  // namespace

Backend makeBackend() {
    auto toolkit = win32::makeWin32Toolkit(GetModuleHandleW(nullptr));
    auto user = win32::makeWin32UserSimulator(*toolkit);
    return {std::move(toolkit), std::move(user)};
}

void chooseOnNextShow(Backend& backend, platform::PopupMenu& menu, int item) {
    win32User(backend).chooseOnNextShow(menu, item);
}

std::vector<InputBoxShown> shownInputBoxes(Backend& backend) {
    std::vector<InputBoxShown> shown;
    for (const auto& box : win32User(backend).shownInputBoxes()) {
        shown.push_back({box.caption, box.prompt, box.initialText});
    }
    return shown;
}

bool showsHandPointer(Backend& backend, platform::Label& label) {
    return win32User(backend).showsHandPointer(label);
}

}  // namespace cuepad::testing
