// Plays WAV images through waveOut, one device handle per sound so that sounds overlap.
#pragma once

#include "platform/sound_player.hpp"

#include <memory>
#include <mutex>
#include <vector>

namespace cuepad::win32 {

class Win32SoundPlayer final : public platform::SoundPlayer {
public:
    Win32SoundPlayer();
    ~Win32SoundPlayer() override;
    Win32SoundPlayer(const Win32SoundPlayer&) = delete;
    Win32SoundPlayer& operator=(const Win32SoundPlayer&) = delete;

    // May be called from any thread; returns at once.
    void playWave(std::span<const std::uint8_t> image) override;
    void stopAllSounds() override;

private:
    struct Playing;
    void closeFinished();  // with the lock held

    std::mutex lock_;
    std::vector<std::unique_ptr<Playing>> playing_;
};

}  // namespace cuepad::win32
