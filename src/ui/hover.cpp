// Hover highlight and hover cue.
#include "ui/hover.hpp"

#include "ui/sound_cues.hpp"

namespace cuepad::ui {

Hover::Hover(platform::Window& window, const MainWindowControls& controls, const ColourState& colours,
             SoundCues& cues)
    : controls_(controls), colours_(colours), cues_(cues) {
    for (platform::Label* label : {controls_.openButton, controls_.chooseImageButton, controls_.saveHereButton,
                                   controls_.saveAsButton, controls_.aboutButton}) {
        label->onMouseMove = [this, label](platform::Point) {
            updateHoverCue(true);
            updateHighlight(label);
        };
    }
    for (platform::Label* swatch : controls_.swatches) {
        swatch->onMouseMove = [this](platform::Point) { updateHoverCue(true); };
    }
    window.onMouseMove = [this](platform::Point) {
        updateHoverCue(false);
        updateHighlight(nullptr);
    };
}

void Hover::updateHoverCue(bool overHoverAware) {
    if (!overHoverAware) {
        hoverCuePlayed_ = false;
        return;
    }
    if (hoverCuePlayed_) return;
    cues_.playHoverCueOnWorker();
    hoverCuePlayed_ = true;
}

void Hover::updateHighlight(platform::Label* label) {
    if (colours_.schemeIndex == 0) return;
    if (label != nullptr) {
        highlightCleared_ = false;
        label->setBackgroundColour(colours_.slots.hover);
        return;
    }
    if (highlightCleared_) return;
    for (platform::Label* button : {controls_.aboutButton, controls_.openButton, controls_.chooseImageButton,
                                    controls_.saveHereButton, controls_.saveAsButton}) {
        button->setBackgroundColour(colours_.slots.background);
    }
    highlightCleared_ = true;
}

}  // namespace cuepad::ui
