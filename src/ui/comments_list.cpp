// The comments list.
#include "ui/comments_list.hpp"

#include "platform/toolkit.hpp"
#include "ui/strings.hpp"

namespace cuepad::ui {

CommentsList::CommentsList(const Services& services, platform::Window& window, const MainWindowControls& controls)
    : services_(services), window_(window), controls_(controls) {
    platform::ListBox& list = *controls_.commentsList;
    // A synthetic left click at the pointer selects the item under it, as the list box itself
    // decides, before the right button is released and the menu acts on that item.
    list.onRightButtonDown = [this](platform::Point) { services_.toolkit.clickAtPointer(); };
    list.onRightButtonUp = [this](platform::Point) {
        const platform::Point pointer = services_.toolkit.pointerPosition();
        controls_.commentsMenu->showAt({pointer.x + 3, pointer.y + 3});
    };
    list.onDoubleClick = [this] { editComment(); };
}

void CommentsList::editComment() {
    platform::ListBox& list = *controls_.commentsList;
    const std::string current = list.itemText(list.currentItem());
    const auto answer = services_.toolkit.askText(window_, strings::kCommentCaption, strings::kCommentPrompt, current);
    if (!answer) return;
    list.setItemText(list.currentItem(), *answer);
}

void CommentsList::addComment() {
    const auto answer = services_.toolkit.askText(window_, strings::kCommentCaption, strings::kCommentPrompt, "");
    if (answer) controls_.commentsList->addItem(*answer);
}

void CommentsList::deleteComment() { controls_.commentsList->removeItem(controls_.commentsList->currentItem()); }

}  // namespace cuepad::ui
