// Checks of the keyboard order of the main window and of the About window, made from outside:
// Tab visits every field and button from top to bottom; AboutButton opens the modal About window
// over the disabled main window, whose music caption, double click, Esc and always-on-top are
// checked as a user meets them.
#pragma once

#include "check_report.hpp"
#include "main_window_view.hpp"

#include <windows.h>

namespace cuepad::e2e {

void checkTabOrder(CheckReport& report, const MainWindowView& view);

// Leaves the About window open and the main window not on top: the caller then closes the main
// window while its modal window is open, as a user may from the task bar.
void checkAboutWindow(CheckReport& report, const MainWindowView& view, const Screen& screen);

}  // namespace cuepad::e2e
