// The hover highlight and the hover cue: action labels take the scheme's hover colour under the
// mouse (not in scheme 0) and go back when the mouse moves over the bare window; entering an
// action label or a swatch plays the hover cue once until the mouse crosses bare background.
#pragma once

#include "ui/colour_scheme.hpp"
#include "ui/main_window_layout.hpp"

namespace cuepad::ui {

class SoundCues;

class Hover {
public:
    Hover(platform::Window& window, const MainWindowControls& controls, const ColourState& colours, SoundCues& cues);

    void updateHoverCue(bool overHoverAware);
    void updateHighlight(platform::Label* label);

    bool hoverCuePlayed() const { return hoverCuePlayed_; }

private:
    const MainWindowControls& controls_;
    const ColourState& colours_;
    SoundCues& cues_;
    bool hoverCuePlayed_ = false;
    bool highlightCleared_ = false;
};

}  // namespace cuepad::ui
