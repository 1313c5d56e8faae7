// The window toolkit side of the platform seam: a window and its controls, with exactly the
// property and event rules the behaviour code relies on. Texts are code page 936; places and
// sizes are client-area pixels at 96 DPI (a backend scales them to the screen's DPI).
//
// Event rules, kept by every backend:
// - Writing an edit box's text from code raises its text-changed event exactly once,
//   synchronously, also when the text does not change.
// - Writing a check box's state or a list box's current item raises nothing.
// - A list box clamps a written current item: above the last index selects the last item,
//   below -1 clears the selection.
// - A label reacts when the left button goes down; a disabled label ignores the mouse.
// - Handlers nest: a write runs the handler to completion before the writer goes on.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::platform {

// 0x00BBGGRR, red in the low byte. kDefaultColour is drawn as the system's button-face colour.
using Colour = std::uint32_t;
inline constexpr Colour kDefaultColour = 0xFF000000;

enum class BorderStyle : int {
    None = 0,
    Sunken = 1,         // client edge
    Raised = 2,         // modal-dialog frame
    ShallowSunken = 3,  // static edge
    SunkenInRaised = 4,
    ThinLine = 5,
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

// Modifier bits of a key press.
inline constexpr int kControlKey = 1;
inline constexpr int kShiftKey = 2;
inline constexpr int kAltKey = 4;

struct KeyPress {
    int virtualKey = 0;
    int modifiers = 0;  // kControlKey | kShiftKey | kAltKey
};

// What every control has: colours, border, font, enabled state, and the mouse-moved event.
class Control {
public:
    virtual ~Control() = default;

    virtual void setBackgroundColour(Colour colour) = 0;
    virtual Colour backgroundColour() const = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual Colour textColour() const = 0;
    virtual void setBorderStyle(BorderStyle style) = 0;
    virtual BorderStyle borderStyle() const = 0;
    virtual void setFontFace(std::string_view face) = 0;
    virtual void setFontPoints(int points) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    std::function<void(Point)> onMouseMove;  // client coordinates of the control
};

// A label, used as the window's buttons: reacts to the left button going down.
class Label : public Control {
public:
    virtual void setCaption(std::string_view caption) = 0;
    virtual std::string caption() const = 0;
    virtual void setHandPointer(bool hand) = 0;

    std::function<void()> onLeftPress;
};

class EditBox : public Control {
public:
    virtual void setText(std::string_view text) = 0;  // raises onTextChanged once
    virtual std::string text() const = 0;
    virtual void selectAll() = 0;

    std::function<void()> onTextChanged;
    std::function<void(KeyPress)> onKeyDown;  // every key-down, auto-repeat included
    std::function<void()> onDoubleClick;      // after the box has taken the click itself
};

// A hyperlink: its caption centred on one line, without a border. A press with the left button
// runs onLeftPress and then opens the link's address through the system shell; once the shell
// has opened it, the link shows its visited colour. Under the mouse it shows its hover colour.
class Link : public Control {
public:
    virtual std::string caption() const = 0;
    virtual std::string address() const = 0;
    virtual void setHoverColour(Colour colour) = 0;
    virtual Colour hoverColour() const = 0;
    virtual void setVisitedColour(Colour colour) = 0;
    virtual Colour visitedColour() const = 0;
    virtual bool isVisited() const = 0;

    std::function<void()> onLeftPress;
};

class CheckBox : public Control {
public:
    virtual void setChecked(bool checked) = 0;  // raises nothing
    virtual bool isChecked() const = 0;

    std::function<void()> onClicked;  // the user toggled the box; it has already changed
};

class ListBox : public Control {
public:
    virtual void clear() = 0;
    virtual void addItem(std::string_view text) = 0;
    virtual void insertItem(int index, std::string_view text) = 0;
    virtual void removeItem(int index) = 0;
    virtual void setItemText(int index, std::string_view text) = 0;
    virtual int itemCount() const = 0;
    virtual std::string itemText(int index) const = 0;
    virtual void setCurrentItem(int index) = 0;  // clamped; raises nothing
    virtual int currentItem() const = 0;         // -1 when nothing is selected
    // Suspends drawing while the list is refilled, so a long refill does not flicker.
    virtual void setRedraw(bool on) = 0;

    std::function<void()> onSelectionChanged;  // by the user only
    std::function<void(Point)> onRightButtonDown;
    std::function<void(Point)> onRightButtonUp;
    std::function<void()> onDoubleClick;
};

class PopupMenu {
public:
    virtual ~PopupMenu() = default;
    virtual void addItem(std::string_view text, std::function<void()> onChosen) = 0;
    virtual void showAt(Point screenPoint) = 0;
};

class Window;

struct WindowLayout {
    std::string caption;
    int clientWidth = 0;
    int clientHeight = 0;
    // A window with an owner stays above it, has no minimise button and keeps a task bar button
    // of its own; it is the kind shown by Toolkit::runModal.
    Window* owner = nullptr;
};

// A top-level window with a fixed frame (caption, minimise and close, no maximise), centred on
// the primary screen, closed by Esc. Controls live as long as their window.
class Window {
public:
    virtual ~Window() = default;

    // `name` is the control's form name: testers and accessibility tools find it by that.
    virtual Label& addLabel(std::string_view name, Rect place, std::string_view caption) = 0;
    virtual EditBox& addEditBox(std::string_view name, Rect place) = 0;
    // Several lines, centred, no scroll bars; the selection hides when the box loses the focus.
    virtual EditBox& addTextBox(std::string_view name, Rect place) = 0;
    virtual Link& addLink(std::string_view name, Rect place, std::string_view caption, std::string_view address) = 0;
    virtual CheckBox& addCheckBox(std::string_view name, Rect place, std::string_view caption) = 0;
    virtual ListBox& addListBox(std::string_view name, Rect place) = 0;
    virtual PopupMenu& addPopupMenu(std::string_view name) = 0;

    virtual void setBackgroundColour(Colour colour) = 0;
    virtual Colour backgroundColour() const = 0;
    virtual void setTopmost(bool topmost) = 0;
    virtual bool isTopmost() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setCaption(std::string_view caption) = 0;
    virtual std::string caption() const = 0;
    // Glass: pixels of `keyColour` become see-through and the system's glass frame covers the
    // whole client area. Only where Desktop::glassAvailable says the system offers it.
    virtual void applyGlass(Colour keyColour) = 0;

    virtual void show() = 0;
    virtual void close() = 0;

    // Files dropped anywhere on the window, each path in turn.
    std::function<void(const std::string& path)> onFileDropped;
    std::function<void(Point)> onMouseMove;  // over the window's own surface
    std::function<void()> onClosing;         // about to be destroyed
};

// Creates windows and runs them; also the modal input box.
class Toolkit {
public:
    virtual ~Toolkit() = default;

    virtual std::unique_ptr<Window> createWindow(const WindowLayout& layout) = 0;
    // Runs until the first window created has closed.
    virtual void runMessageLoop() = 0;
    // Shows `dialog` (created with `owner` as its owner) and returns once it has closed; `owner`
    // is disabled meanwhile and enabled again before the dialog goes.
    virtual void runModal(Window& dialog, Window& owner) = 0;
    // A modal one-line input box; nothing when cancelled.
    virtual std::optional<std::string> askText(Window& owner, std::string_view caption, std::string_view prompt,
                                               std::string_view initialText) = 0;

    // The mouse pointer in screen pixels, and one left click there as the user would make it.
    virtual Point pointerPosition() = 0;
    virtual void clickAtPointer() = 0;
};

}  // namespace cuepad::platform
