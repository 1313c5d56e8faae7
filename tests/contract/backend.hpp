// The backend a toolkit contract test runs against: a fresh toolkit, the simulated user that acts
// on its windows, and the few hooks a test needs where the seam itself cannot arrange or observe
// something. Each backend implements this header once (headless_backend.cpp natively).
#pragma once

#include "platform/toolkit.hpp"
#include "platform/user_simulator.hpp"

#include <memory>
#include <string>
#include <vector>

namespace cuepad::testing {

struct Backend {
    std::unique_ptr<platform::Toolkit> toolkit;
    // Acts on the toolkit's windows; declared after the toolkit, so it is destroyed first. A hook
    // that needs state of its own keeps it in the backend's user simulator and reaches it by a cast.
    std::unique_ptr<platform::UserSimulator> user;
};

// A new toolkit and user for one test; nothing is shared between tests.
Backend makeBackend();

// Hooks. A modal pop-up menu or input box waits for a person on a real backend, so a test
// arranges the answer before it shows one: chooseOnNextShow before every PopupMenu::showAt, and
// UserSimulator::answerNextInputBox before every Toolkit::askText.

// When `menu` is next shown, the user picks its item `item` (0-based, in the order the items were
// added) and that item's callback runs; -1 dismisses the menu without a choice. Used up by that
// one showing.
void chooseOnNextShow(Backend& backend, platform::PopupMenu& menu, int item);

// What an input box showed: its caption, the prompt above the field and the field's initial text.
struct InputBoxShown {
    std::string caption;
    std::string prompt;
    std::string initialText;
    bool operator==(const InputBoxShown&) const = default;
};

// Every input box the backend's askText has shown so far, in order. A backend that cannot read
// the box back afterwards records it while the simulated user answers it.
std::vector<InputBoxShown> shownInputBoxes(Backend& backend);

// Whether the pointer over `label` is the hand (system cursor 32649) rather than the arrow; the
// seam can set it but not read it back.
bool showsHandPointer(Backend& backend, platform::Label& label);

}  // namespace cuepad::testing
