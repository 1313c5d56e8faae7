// Plays WAV file images held in memory. Several may sound at once; a call returns at once and
// the player keeps its own copy. Without a sound device nothing is heard and nothing reported.
#pragma once

#include <cstdint>
#include <span>

namespace cuepad::platform {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void playWave(std::span<const std::uint8_t> image) = 0;
    virtual void stopAllSounds() = 0;
};

}  // namespace cuepad::platform
