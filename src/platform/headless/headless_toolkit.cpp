// The in-memory window toolkit and its simulated user.
#include "platform/headless/headless_toolkit.hpp"

#include <algorithm>
#include <utility>
#include <stdexcept>

namespace cuepad::platform {

void HeadlessListBox::clear() {
    items_.clear();
    current_ = -1;
}

void HeadlessListBox::insertItem(int index, std::string_view text) {
    const int at = (index < 0 || index > itemCount()) ? itemCount() : index;
    items_.insert(items_.begin() + at, std::string(text));
    if (current_ >= at) ++current_;
}

void HeadlessListBox::removeItem(int index) {
    if (!valid(index)) return;
    items_.erase(items_.begin() + index);
    if (current_ == index) {
        current_ = -1;
    } else if (current_ > index) {
        --current_;
    }
}

void HeadlessListBox::setItemText(int index, std::string_view text) {
    if (valid(index)) items_[static_cast<std::size_t>(index)] = text;
}

std::string HeadlessListBox::itemText(int index) const {
    return valid(index) ? items_[static_cast<std::size_t>(index)] : std::string();
}

void HeadlessListBox::setCurrentItem(int index) {
    if (index < -1 || items_.empty()) {
        current_ = -1;
    } else {
        current_ = std::min(index, itemCount() - 1);
    }
}

void HeadlessPopupMenu::showAt(Point screenPoint) {
    shownAt.push_back(screenPoint);
    const int chosen = std::exchange(answer, -1);
    if (chosen >= 0 && chosen < static_cast<int>(items.size()) && items[static_cast<std::size_t>(chosen)].onChosen) {
        items[static_cast<std::size_t>(chosen)].onChosen();
    }
}

Label& HeadlessWindow::addLabel(std::string_view name, Rect place, std::string_view caption) {
    auto& control = *labels_.emplace_back(std::make_unique<HeadlessLabel>(std::string(name), place, std::string(caption)));
    order_.emplace_back(name, &control);
    return control;
}

EditBox& HeadlessWindow::addEditBox(std::string_view name, Rect place) {
    auto& control = *editBoxes_.emplace_back(std::make_unique<HeadlessEditBox>(std::string(name), place));
    order_.emplace_back(name, &control);
    return control;
}

EditBox& HeadlessWindow::addTextBox(std::string_view name, Rect place) { return addEditBox(name, place); }

Link& HeadlessWindow::addLink(std::string_view name, Rect place, std::string_view caption, std::string_view address) {
    auto& control = *links_.emplace_back(
        std::make_unique<HeadlessLink>(std::string(name), place, std::string(caption), std::string(address)));
    order_.emplace_back(name, &control);
    return control;
}

CheckBox& HeadlessWindow::addCheckBox(std::string_view name, Rect place, std::string_view caption) {
    auto& control =
        *checkBoxes_.emplace_back(std::make_unique<HeadlessCheckBox>(std::string(name), place, std::string(caption)));
    order_.emplace_back(name, &control);
    return control;
}

ListBox& HeadlessWindow::addListBox(std::string_view name, Rect place) {
    auto& control = *listBoxes_.emplace_back(std::make_unique<HeadlessListBox>(std::string(name), place));
    order_.emplace_back(name, &control);
    return control;
}

PopupMenu& HeadlessWindow::addPopupMenu(std::string_view name) {
    return *menus_.emplace_back(std::make_unique<HeadlessPopupMenu>(std::string(name)));
}

void HeadlessWindow::close() {
    if (closed) return;
    if (onClosing) onClosing();
    closed = true;
}

template <class T>
T& HeadlessWindow::find(const std::vector<std::unique_ptr<T>>& list, std::string_view name) {
    for (const auto& control : list) {
        if (control->name == name) return *control;
    }
    throw std::out_of_range("no control named " + std::string(name));
}

HeadlessLabel& HeadlessWindow::label(std::string_view formName) { return find(labels_, formName); }
HeadlessEditBox& HeadlessWindow::editBox(std::string_view name) { return find(editBoxes_, name); }
HeadlessCheckBox& HeadlessWindow::checkBox(std::string_view name) { return find(checkBoxes_, name); }
HeadlessListBox& HeadlessWindow::listBox(std::string_view name) { return find(listBoxes_, name); }
HeadlessLink& HeadlessWindow::link(std::string_view name) { return find(links_, name); }
HeadlessPopupMenu& HeadlessWindow::popupMenu(std::string_view name) { return find(menus_, name); }

std::vector<std::pair<std::string, Control*>> HeadlessWindow::controls() const { return order_; }

HeadlessListBox* HeadlessWindow::listBoxAt(Point point) {
    for (const auto& list : listBoxes_) {
        const Rect& r = list->place;
        if (point.x >= r.x && point.x < r.x + r.width && point.y >= r.y && point.y < r.y + r.height) return list.get();
    }
    return nullptr;
}

void HeadlessToolkit::clickAtPointer() {
    // As a list box takes a click: the item under the point becomes current; a click below the
    // last item selects the last one.
    for (HeadlessWindow* window : windows) {
        HeadlessListBox* list = window->listBoxAt(pointer);
        if (list == nullptr || !list->isEnabled() || list->itemCount() == 0) continue;
        list->setCurrentItem((pointer.y - list->place.y) / kItemHeight);
        if (list->onSelectionChanged) list->onSelectionChanged();
        return;
    }
}

std::unique_ptr<Window> HeadlessToolkit::createWindow(const WindowLayout& layout) {
    auto window = std::make_unique<HeadlessWindow>(layout);
    windows.push_back(window.get());
    return window;
}

void HeadlessToolkit::runModal(Window& dialog, Window& owner) {
    auto& shown = static_cast<HeadlessWindow&>(dialog);
    owner.setEnabled(false);
    shown.show();
    if (const auto act = std::exchange(whileModal, nullptr)) act(shown);
    shown.close();
    owner.setEnabled(true);
}

std::optional<std::string> HeadlessToolkit::askText(Window&, std::string_view caption, std::string_view prompt,
                                                    std::string_view initialText) {
    inputBoxes.push_back({std::string(caption), std::string(prompt), std::string(initialText)});
    if (inputAnswers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(inputAnswers.front());
    inputAnswers.pop_front();
    return answer;
}

void HeadlessUser::type(EditBox& box, std::string_view text) {
    // Each character is one change, as keystrokes are; a two-byte character is one keystroke.
    auto& edit = static_cast<HeadlessEditBox&>(box);
    if (!edit.isEnabled()) return;
    std::string current = edit.text();
    if (edit.allSelected) current.clear();
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = (static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size()) ? 2 : 1;
        current.append(text.substr(i, length));
        i += length;
        edit.setText(current);
    }
}

void HeadlessUser::replaceText(EditBox& box, std::string_view text) {
    if (box.isEnabled()) box.setText(text);
}

void HeadlessUser::pressKey(EditBox& box, KeyPress key) {
    if (box.isEnabled() && box.onKeyDown) box.onKeyDown(key);
}

void HeadlessUser::click(Label& label) {
    if (label.isEnabled() && label.onLeftPress) label.onLeftPress();
}

void HeadlessUser::click(CheckBox& box) {
    if (!box.isEnabled()) return;
    box.setChecked(!box.isChecked());
    if (box.onClicked) box.onClicked();
}

void HeadlessUser::click(Link& link) {
    auto& shown = static_cast<HeadlessLink&>(link);
    if (!shown.isEnabled()) return;
    if (shown.onLeftPress) shown.onLeftPress();
    toolkit_.openedAddresses.push_back(shown.address());
    if (toolkit_.shellOpens) shown.visited = true;
}

void HeadlessUser::doubleClick(EditBox& box) {
    if (box.isEnabled() && box.onDoubleClick) box.onDoubleClick();
}

void HeadlessUser::clickItem(ListBox& list, int index) {
    if (!list.isEnabled() || index < 0 || index >= list.itemCount()) return;
    list.setCurrentItem(index);
    if (list.onSelectionChanged) list.onSelectionChanged();
}

void HeadlessUser::doubleClickItem(ListBox& list, int index) {
    clickItem(list, index);
    if (list.isEnabled() && index >= 0 && index < list.itemCount() && list.onDoubleClick) list.onDoubleClick();
}

void HeadlessUser::rightPress(ListBox& list, Point at) {
    const Rect& place = static_cast<HeadlessListBox&>(list).place;
    toolkit_.pointer = {place.x + at.x, place.y + at.y};
    if (list.isEnabled() && list.onRightButtonDown) list.onRightButtonDown(at);
}

void HeadlessUser::rightRelease(ListBox& list, Point at) {
    const Rect& place = static_cast<HeadlessListBox&>(list).place;
    toolkit_.pointer = {place.x + at.x, place.y + at.y};
    if (list.isEnabled() && list.onRightButtonUp) list.onRightButtonUp(at);
}

void HeadlessUser::moveMouse(Control& control, Point at) {
    if (control.isEnabled() && control.onMouseMove) control.onMouseMove(at);
}

void HeadlessUser::dropFiles(Window& window, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        if (window.onFileDropped) window.onFileDropped(path);
    }
}

void HeadlessUser::pressEscape(Window& window) { window.close(); }

void HeadlessUser::answerNextInputBox(std::optional<std::string> answer) {
    toolkit_.inputAnswers.push_back(std::move(answer));
}

}  // namespace cuepad::platform
