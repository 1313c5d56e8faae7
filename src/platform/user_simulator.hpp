// Acts on a toolkit's controls as a person would, for tests: each backend provides one (the
// headless one calls the handlers the way the toolkit would; the win32 one sends the real
// window messages), so one contract test suite checks both backends behave alike.
#pragma once

#include "platform/toolkit.hpp"

#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

namespace cuepad::platform {

class UserSimulator {
public:
    virtual ~UserSimulator() = default;

    // Types the text at the caret as keystrokes: one text-changed event per character.
    virtual void type(EditBox& box, std::string_view text) = 0;
    // Presses a key (down and up) in the box: raises onKeyDown with the modifiers held.
    virtual void pressKey(EditBox& box, KeyPress key) = 0;
    // The left button goes down and up over the label's middle.
    virtual void click(Label& label) = 0;
    // The left button goes down and up over the link's middle.
    virtual void click(Link& link) = 0;
    // Two quick left clicks in the middle of the box.
    virtual void doubleClick(EditBox& box) = 0;
    // A click on the check box's square: the box toggles and raises onClicked.
    virtual void click(CheckBox& box) = 0;
    // A click on an item of the list: it becomes the current item and onSelectionChanged runs.
    virtual void clickItem(ListBox& list, int index) = 0;
    virtual void doubleClickItem(ListBox& list, int index) = 0;
    virtual void rightPress(ListBox& list, Point at) = 0;    // button down
    virtual void rightRelease(ListBox& list, Point at) = 0;  // button up
    virtual void moveMouse(Control& control, Point at) = 0;
    virtual void dropFiles(Window& window, const std::vector<std::string>& paths) = 0;
    virtual void pressEscape(Window& window) = 0;
    // The next askText answers with this text (or cancels when nothing is given).
    virtual void answerNextInputBox(std::optional<std::string> answer) = 0;
    // When a modal window is next shown, `act` runs as the user's time with it; the window is
    // then closed if the user left it open, so a test never waits for a person.
    virtual void whileNextModal(std::function<void(Window& dialog)> act) = 0;
    // Lets queued work of the toolkit run (window messages on win32).
    virtual void settle() = 0;
};

}  // namespace cuepad::platform
