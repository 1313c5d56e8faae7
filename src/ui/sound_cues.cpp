// Sound cues through the platform's player and workers.
#include "ui/sound_cues.hpp"

#include "platform/desktop.hpp"
#include "platform/sound_player.hpp"

namespace cuepad::ui {

// The sounds themselves are still to come; until then the cues are silent.
std::span<const std::uint8_t> hoverCue() { return {}; }
std::span<const std::uint8_t> clickCue() { return {}; }

void SoundCues::playClickCue() {
    platform::SoundPlayer& player = services_.sounds;
    services_.desktop.startWorker([&player] { player.playWave(clickCue()); });
}

void SoundCues::playHoverCue() { services_.sounds.playWave(hoverCue()); }

}  // namespace cuepad::ui
