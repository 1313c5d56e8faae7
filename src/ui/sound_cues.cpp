// Sound cues through the platform's player and workers.
#include "ui/sound_cues.hpp"

#include "platform/desktop.hpp"
#include "platform/sound_player.hpp"
#include "ui/sound_images.hpp"

namespace cuepad::ui {

std::span<const std::uint8_t> hoverCue() { return hoverCueImage(); }
std::span<const std::uint8_t> clickCue() { return clickCueImage(); }

void SoundCues::playClickCue() {
    platform::SoundPlayer& player = services_.sounds;
    services_.desktop.startWorker([&player] { player.playWave(clickCue()); });
}

void SoundCues::playHoverCue() { services_.sounds.playWave(hoverCue()); }

void SoundCues::playHoverCueOnWorker() {
    platform::SoundPlayer& player = services_.sounds;
    services_.desktop.startWorker([&player] { player.playWave(hoverCue()); });
}

}  // namespace cuepad::ui
