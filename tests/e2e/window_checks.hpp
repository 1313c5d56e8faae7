// Checks of what cuepad's main window shows, made from outside and reported one line each:
// frame and place, every control's kind, place, size and text, the initial state, and the
// colours on screen (sampled pixels of the window, a field, the labels and the swatches).
#pragma once

#include "check_report.hpp"
#include "expected_window.hpp"
#include "main_window_view.hpp"

#include <windows.h>

#include <string_view>

namespace cuepad::e2e {

// A fixed frame (caption, close and minimise buttons, no maximise, no sizing), centred.
void checkFrame(CheckReport& report, HWND window);

// Every expected control: a child window with its form name, kind, place, size and text; and
// no named control besides them.
void checkLayout(CheckReport& report, const MainWindowView& view, const Screen& screen);

// Save labels disabled and the rest enabled, check boxes unchecked, lists empty, not topmost.
void checkInitialState(CheckReport& report, const MainWindowView& view);

// Waits for the window, GenreBox and TrackCaption1 to show the scheme's colours on screen.
bool checkScheme(CheckReport& report, std::string_view name, const MainWindowView& view, const SchemeColours& scheme,
                 const Screen& screen);

// Every swatch shows its own fill, whatever the scheme.
void checkSwatchFills(CheckReport& report, std::string_view name, const MainWindowView& view);

// The text of a field label in the scheme's text colour, the save labels' in its disabled one.
void checkTextColours(CheckReport& report, const MainWindowView& view, const SchemeColours& scheme);

}  // namespace cuepad::e2e
