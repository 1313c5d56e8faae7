// Makes a file dialog fill the part of the screen the task bar leaves free. The dialog is modal,
// so a worker started just before it is shown waits for it (by class and title) and moves it.
#pragma once

#include "platform/desktop.hpp"

#include <optional>
#include <string>

namespace cuepad::dialogs {

inline constexpr std::string_view kDialogClass = "#32770";
inline constexpr int kPlacementAttempts = 9;
inline constexpr int kPlacementPause = 500;  // milliseconds between attempts

platform::Rect freeScreenArea(platform::Desktop& desktop);

// The first of the program's own top-level windows with exactly this class and title. Only the
// program's own windows count, so another program's dialog with the same title is never moved.
std::optional<platform::WindowHandle> findDialogWindow(platform::Desktop& desktop, std::string_view className,
                                                       std::string_view title);

// The placement run itself: at most nine attempts, 500 ms apart.
void placeDialog(platform::Desktop& desktop, const std::string& title);

// Starts a placement run for the dialog with this title on a worker; nothing waits for it.
bool startDialogPlacement(platform::Desktop& desktop, std::string title);

}  // namespace cuepad::dialogs
