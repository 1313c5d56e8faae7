// The six colour schemes of the main window: the scheme table, the current scheme's colour
// slots, and painting every control in them.
#pragma once

#include "platform/toolkit.hpp"

#include <array>

namespace cuepad::ui {

struct MainWindowControls;

inline constexpr int kSchemeCount = 6;
inline constexpr int kDefaultScheme = 3;

struct ColourSlots {
    platform::Colour background = 0;
    platform::Colour hover = 0;
    platform::Colour text = 0;
    platform::Colour disabledText = 0;
    platform::Colour fieldBackground = 0;
    platform::Colour fieldText = 0;
};

// Rows 0 to 5 of the scheme table.
extern const std::array<ColourSlots, kSchemeCount> kSchemes;

// The scheme each swatch selects, in the order of MainWindowControls::swatches.
inline constexpr std::array<int, 6> kSwatchSchemes{0, 5, 1, 2, 3, 4};

struct ColourState {
    int schemeIndex = 0;
    ColourSlots slots;  // all 0 until a scheme is applied
};

// Fills each swatch with the background of the scheme it selects; done once.
void paintSwatches(const MainWindowControls& controls);

// Sets the slots for scheme n (left as they are when n is outside 0 to 5) and paints the window.
void applyScheme(ColourState& state, int n, platform::Window& window, const MainWindowControls& controls);

void paintControls(platform::Window& window, const MainWindowControls& controls, platform::Colour background,
                   platform::Colour text, platform::Colour fieldBackground, platform::Colour fieldText,
                   platform::BorderStyle fieldBorder, platform::BorderStyle buttonBorder);

}  // namespace cuepad::ui
