// The in-memory window toolkit, for tests: controls keep their state and raise the same events
// in the same nested order as the real ones. A test acts on them through HeadlessUser.
#pragma once

#include "platform/toolkit.hpp"
#include "platform/user_simulator.hpp"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace cuepad::platform {

class HeadlessWindow;

// Look and state every headless control keeps.
struct HeadlessLook {
    Colour background = kDefaultColour;
    Colour text = 0;
    BorderStyle border = BorderStyle::None;
    std::string fontFace;
    int fontPoints = 0;
    bool enabled = true;
};

// The part every headless control shares: its form name, place and look.
template <class Base>
class HeadlessControl : public Base {
public:
    HeadlessControl(std::string formName, Rect formPlace) : name(std::move(formName)), place(formPlace) {}
    const std::string name;
    const Rect place;
    HeadlessLook look;

    void setBackgroundColour(Colour colour) override { look.background = colour; }
    Colour backgroundColour() const override { return look.background; }
    void setTextColour(Colour colour) override { look.text = colour; }
    Colour textColour() const override { return look.text; }
    void setBorderStyle(BorderStyle style) override { look.border = style; }
    BorderStyle borderStyle() const override { return look.border; }
    void setFontFace(std::string_view face) override { look.fontFace = face; }
    void setFontPoints(int points) override { look.fontPoints = points; }
    void setEnabled(bool enabled) override { look.enabled = enabled; }
    bool isEnabled() const override { return look.enabled; }
};

class HeadlessLabel final : public HeadlessControl<Label> {
public:
    HeadlessLabel(std::string formName, Rect formPlace, std::string caption)
        : HeadlessControl(std::move(formName), formPlace), caption_(std::move(caption)) {}
    bool handPointer = false;

    void setCaption(std::string_view caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }
    void setHandPointer(bool hand) override { handPointer = hand; }

private:
    std::string caption_;
};

class HeadlessEditBox final : public HeadlessControl<EditBox> {
public:
    using HeadlessControl::HeadlessControl;
    bool allSelected = false;

    void setText(std::string_view text) override {
        text_ = text;
        allSelected = false;
        if (onTextChanged) onTextChanged();
    }
    std::string text() const override { return text_; }
    void selectAll() override { allSelected = true; }

private:
    std::string text_;
};

class HeadlessLink final : public HeadlessControl<Link> {
public:
    HeadlessLink(std::string formName, Rect formPlace, std::string caption, std::string address)
        : HeadlessControl(std::move(formName), formPlace), caption_(std::move(caption)), address_(std::move(address)) {}
    bool visited = false;

    std::string caption() const override { return caption_; }
    std::string address() const override { return address_; }
    void setHoverColour(Colour colour) override { hover_ = colour; }
    Colour hoverColour() const override { return hover_; }
    void setVisitedColour(Colour colour) override { visitedColour_ = colour; }
    Colour visitedColour() const override { return visitedColour_; }
    bool isVisited() const override { return visited; }

private:
    std::string caption_;
    std::string address_;
    Colour hover_ = 0;
    Colour visitedColour_ = 0;
};

class HeadlessCheckBox final : public HeadlessControl<CheckBox> {
public:
    HeadlessCheckBox(std::string formName, Rect formPlace, std::string text)
        : HeadlessControl(std::move(formName), formPlace), caption(std::move(text)) {}
    const std::string caption;

    void setChecked(bool checked) override { checked_ = checked; }
    bool isChecked() const override { return checked_; }

private:
    bool checked_ = false;
};

class HeadlessListBox final : public HeadlessControl<ListBox> {
public:
    using HeadlessControl::HeadlessControl;

    void clear() override;
    void addItem(std::string_view text) override { items_.emplace_back(text); }
    void insertItem(int index, std::string_view text) override;
    void removeItem(int index) override;
    void setItemText(int index, std::string_view text) override;
    int itemCount() const override { return static_cast<int>(items_.size()); }
    std::string itemText(int index) const override;
    void setCurrentItem(int index) override;
    int currentItem() const override { return current_; }
    void setRedraw(bool on) override { redrawSuspended = !on; }
    bool redrawSuspended = false;

private:
    bool valid(int index) const { return index >= 0 && index < itemCount(); }
    std::vector<std::string> items_;
    int current_ = -1;
};

class HeadlessPopupMenu final : public PopupMenu {
public:
    explicit HeadlessPopupMenu(std::string formName) : name(std::move(formName)) {}
    const std::string name;
    struct Item {
        std::string text;
        std::function<void()> onChosen;
    };
    std::vector<Item> items;
    std::vector<Point> shownAt;  // every place the menu was shown, in order
    int answer = -1;             // the item the user will choose when it is next shown; -1 none

    void addItem(std::string_view text, std::function<void()> onChosen) override {
        items.push_back({std::string(text), std::move(onChosen)});
    }
    void showAt(Point screenPoint) override;
};

class HeadlessWindow final : public Window {
public:
    explicit HeadlessWindow(WindowLayout windowLayout) : layout(std::move(windowLayout)) {}
    const WindowLayout layout;
    Colour background = kDefaultColour;
    bool topmost = false;
    bool enabled = true;
    bool shown = false;
    bool closed = false;
    std::string shownCaption = layout.caption;
    std::optional<Colour> glassKey;  // set once applyGlass has run

    Label& addLabel(std::string_view name, Rect place, std::string_view caption) override;
    EditBox& addEditBox(std::string_view name, Rect place) override;
    EditBox& addTextBox(std::string_view name, Rect place) override;
    Link& addLink(std::string_view name, Rect place, std::string_view caption, std::string_view address) override;
    CheckBox& addCheckBox(std::string_view name, Rect place, std::string_view caption) override;
    ListBox& addListBox(std::string_view name, Rect place) override;
    PopupMenu& addPopupMenu(std::string_view name) override;
    void setBackgroundColour(Colour colour) override { background = colour; }
    Colour backgroundColour() const override { return background; }
    void setTopmost(bool value) override { topmost = value; }
    bool isTopmost() const override { return topmost; }
    void setEnabled(bool value) override { enabled = value; }
    bool isEnabled() const override { return enabled; }
    void setCaption(std::string_view text) override { shownCaption = text; }
    std::string caption() const override { return shownCaption; }
    void applyGlass(Colour keyColour) override { glassKey = keyColour; }
    void show() override { shown = true; }
    void close() override;

    // Controls by form name, for tests.
    HeadlessLabel& label(std::string_view formName);
    HeadlessEditBox& editBox(std::string_view name);
    HeadlessCheckBox& checkBox(std::string_view name);
    HeadlessListBox& listBox(std::string_view name);
    HeadlessLink& link(std::string_view name);
    // The list box under a client point, if any.
    HeadlessListBox* listBoxAt(Point point);
    HeadlessPopupMenu& popupMenu(std::string_view name);
    // Every control in creation order, with its form name.
    std::vector<std::pair<std::string, Control*>> controls() const;

private:
    template <class T>
    T& find(const std::vector<std::unique_ptr<T>>& list, std::string_view name);

    std::vector<std::unique_ptr<HeadlessLabel>> labels_;
    std::vector<std::unique_ptr<HeadlessEditBox>> editBoxes_;
    std::vector<std::unique_ptr<HeadlessCheckBox>> checkBoxes_;
    std::vector<std::unique_ptr<HeadlessListBox>> listBoxes_;
    std::vector<std::unique_ptr<HeadlessLink>> links_;
    std::vector<std::unique_ptr<HeadlessPopupMenu>> menus_;
    std::vector<std::pair<std::string, Control*>> order_;
};

class HeadlessToolkit final : public Toolkit {
public:
    std::unique_ptr<Window> createWindow(const WindowLayout& layout) override;
    void runMessageLoop() override {}
    // Disables the owner, shows the dialog, runs `whileModal` as the user's time with the dialog
    // and closes the dialog if the user left it open.
    void runModal(Window& dialog, Window& owner) override;
    std::function<void(Window& dialog)> whileModal;  // the next modal window's user, then cleared
    std::optional<std::string> askText(Window& owner, std::string_view caption, std::string_view prompt,
                                       std::string_view initialText) override;

    struct InputBoxShown {
        std::string caption;
        std::string prompt;
        std::string initialText;
    };
    std::vector<InputBoxShown> inputBoxes;                 // every input box shown, in order
    std::deque<std::optional<std::string>> inputAnswers;  // answers for the next boxes; cancel when empty
    std::vector<HeadlessWindow*> windows;                  // every window created, in order
    std::vector<std::string> openedAddresses;              // every address handed to the shell
    bool shellOpens = true;                                // whether the shell can open them

    // The pointer, in screen pixels; a window's client area starts at the screen's origin here.
    Point pointer;
    static constexpr int kItemHeight = 16;  // a list item's height, for clicks at the pointer
    Point pointerPosition() override { return pointer; }
    void clickAtPointer() override;
};

// Acts on headless controls as a person would.
class HeadlessUser final : public UserSimulator {
public:
    explicit HeadlessUser(HeadlessToolkit& toolkit) : toolkit_(toolkit) {}

    void type(EditBox& box, std::string_view text) override;
    void pressKey(EditBox& box, KeyPress key) override;
    void click(Label& label) override;
    void click(CheckBox& box) override;
    void click(Link& link) override;
    void doubleClick(EditBox& box) override;
    void clickItem(ListBox& list, int index) override;
    void doubleClickItem(ListBox& list, int index) override;
    void rightPress(ListBox& list, Point at) override;
    void rightRelease(ListBox& list, Point at) override;
    void moveMouse(Control& control, Point at) override;
    void dropFiles(Window& window, const std::vector<std::string>& paths) override;
    void pressEscape(Window& window) override;
    void answerNextInputBox(std::optional<std::string> answer) override;
    void whileNextModal(std::function<void(Window& dialog)> act) override { toolkit_.whileModal = std::move(act); }
    void settle() override {}

    // Replaces the box's whole text as a paste over a full selection would: one change.
    void replaceText(EditBox& box, std::string_view text);

private:
    HeadlessToolkit& toolkit_;
};

}  // namespace cuepad::platform
