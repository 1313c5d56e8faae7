// The window's sound cues: the click cue plays on a worker of its own, the hover cue directly.
// Neither ever makes the window wait.
#pragma once

#include "ui/services.hpp"

#include <cstdint>
#include <span>

namespace cuepad::ui {

// The program's three sounds as complete WAV file images, made once when first needed.
std::span<const std::uint8_t> hoverCue();
std::span<const std::uint8_t> clickCue();

class SoundCues {
public:
    explicit SoundCues(const Services& services) : services_(services) {}
    void playClickCue();
    // On the window's thread, directly (the Up and Down keys in PathBox).
    void playHoverCue();
    // On a worker of its own (entering a hover-aware control).
    void playHoverCueOnWorker();

private:
    const Services& services_;
};

}  // namespace cuepad::ui
