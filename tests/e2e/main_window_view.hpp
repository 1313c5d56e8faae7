// cuepad's main window as the driver finds it from outside: the window and its controls,
// found by the form name each control carries in its window property "cuepad.name".
#pragma once

#include "expected_window.hpp"

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::e2e {

// Client pixels at 96 DPI turned into the screen's pixels.
struct Screen {
    int dpi = 96;
    int px(int v) const { return MulDiv(v, dpi, 96); }
    POINT at(int x, int y) const { return {px(x), px(y)}; }
};

// One main window as the driver found it: the window and its controls by their form names.
struct MainWindowView {
    HWND window = nullptr;
    std::array<HWND, kExpectedControls.size()> controls{};  // in the order of kExpectedControls
    std::vector<std::wstring> unknownNames;

    HWND control(std::string_view role) const {
        for (std::size_t i = 0; i < kExpectedControls.size(); ++i) {
            if (kExpectedControls[i].role == role) return controls[i];
        }
        return nullptr;
    }
};

// Reads the form names of `window`'s children inside `process` and sorts the children by them.
MainWindowView viewOf(HANDLE process, HWND window);

}  // namespace cuepad::e2e
