// The simulated user of the win32 toolkit, for tests: it sends the window messages a person's
// mouse and keyboard would cause, synchronously on the test's thread, and answers the modal
// pop-up menu and input box through their own keyboard handling.
#pragma once

#include "platform/toolkit.hpp"
#include "platform/user_simulator.hpp"

#include <memory>
#include <string>
#include <vector>

namespace cuepad::win32 {

class Win32UserSimulator : public platform::UserSimulator {
public:
    // When `menu` is next shown, choose its item `item` (0-based); -1 dismisses it. A menu
    // shown with no choice arranged is dismissed, so a test never waits for a person.
    virtual void chooseOnNextShow(platform::PopupMenu& menu, int item) = 0;

    // What each answered input box showed, read back from the dialog itself, in order.
    struct InputBoxShown {
        std::string caption;
        std::string prompt;
        std::string initialText;
    };
    virtual std::vector<InputBoxShown> shownInputBoxes() const = 0;

    // Whether the label answers the system's cursor query with the hand pointer.
    virtual bool showsHandPointer(platform::Label& label) = 0;
};

// The toolkit must be the one makeWin32Toolkit made; the simulator must go before it does.
std::unique_ptr<Win32UserSimulator> makeWin32UserSimulator(platform::Toolkit& toolkit);

}  // namespace cuepad::win32
