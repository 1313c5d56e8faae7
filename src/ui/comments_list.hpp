// Editing the comment lines: the right button selects the item under the pointer and shows
// CommentsMenu beside it; a double click edits an item; the text comes from the input box.
#pragma once

#include "ui/main_window_layout.hpp"
#include "ui/services.hpp"

namespace cuepad::ui {

class CommentsList {
public:
    CommentsList(const Services& services, platform::Window& window, const MainWindowControls& controls);

    void editComment();
    void addComment();
    void deleteComment();

private:
    const Services& services_;
    platform::Window& window_;
    const MainWindowControls& controls_;
};

}  // namespace cuepad::ui
