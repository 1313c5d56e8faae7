// Dialog placement.
#include "dialogs/dialog_placement.hpp"

namespace cuepad::dialogs {

platform::Rect freeScreenArea(platform::Desktop& desktop) {
    const platform::TaskBar bar = desktop.taskBar();
    const platform::Point screen = desktop.screenSize();
    const int w = screen.x;
    const int h = screen.y;
    if (bar.autoHide) return {0, 0, w, h};
    switch (bar.edge) {
    case platform::kEdgeLeft: return {bar.right, 0, w - bar.right, h};
    case platform::kEdgeTop: return {0, bar.bottom, w, h - bar.bottom};
    case platform::kEdgeRight: return {0, 0, bar.left, h};
    case platform::kEdgeBottom: return {0, 0, w, bar.top};
    default: return {0, 0, 0, 0};
    }
}

std::optional<platform::WindowHandle> findDialogWindow(platform::Desktop& desktop, std::string_view className,
                                                       std::string_view title) {
    for (const platform::WindowHandle window : desktop.ownTopLevelWindows()) {
        if (desktop.className(window) == className && desktop.windowText(window) == title) return window;
    }
    return std::nullopt;
}

void placeDialog(platform::Desktop& desktop, const std::string& title) {
    const platform::Rect target = freeScreenArea(desktop);
    for (int attempt = 1; attempt <= kPlacementAttempts; ++attempt) {
        if (const auto dialog = findDialogWindow(desktop, kDialogClass, title)) {
            const platform::Rect now = desktop.windowRect(*dialog);
            if (now.width == target.width && now.height == target.height) return;
            desktop.moveWindow(*dialog, freeScreenArea(desktop));
        }
        desktop.sleepMilliseconds(kPlacementPause);
    }
}

bool startDialogPlacement(platform::Desktop& desktop, std::string title) {
    return desktop.startWorker([&desktop, title = std::move(title)] { placeDialog(desktop, title); });
}

}  // namespace cuepad::dialogs
