// waveOut sound player. Each sound keeps its own copy of the samples and its own device
// handle; finished sounds are closed the next time a sound starts or all are stopped.
#include "platform/win32/win32_sound_player.hpp"

#include "platform/win32/lazy_library.hpp"

#include <windows.h>
#include <mmsystem.h>

#include <cstring>

namespace cuepad::win32 {

namespace {

std::uint32_t readLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

// The "fmt " and "data" chunks of a RIFF/WAVE image; false when it is not one.
bool findChunks(std::span<const std::uint8_t> image, std::span<const std::uint8_t>& format,
                std::span<const std::uint8_t>& data) {
    if (image.size() < 12 || std::memcmp(image.data(), "RIFF", 4) != 0 || std::memcmp(image.data() + 8, "WAVE", 4) != 0) {
        return false;
    }
    std::size_t at = 12;
    while (at + 8 <= image.size()) {
        const std::uint32_t size = readLe32(image.data() + at + 4);
        if (size > image.size() - at - 8) break;
        const auto body = image.subspan(at + 8, size);
        if (std::memcmp(image.data() + at, "fmt ", 4) == 0) format = body;
        if (std::memcmp(image.data() + at, "data", 4) == 0) data = body;
        at += 8 + size + (size & 1);
    }
    return format.size() >= 16 && !data.empty();
}

}  // namespace

struct Win32SoundPlayer::Playing {
    HWAVEOUT device = nullptr;
    WAVEHDR header{};
    std::vector<std::uint8_t> samples;
    bool done() const { return (header.dwFlags & WHDR_DONE) != 0; }
    void close() {
        CUEPAD_LAZY(L"winmm.dll", waveOutReset)(device);
        CUEPAD_LAZY(L"winmm.dll", waveOutUnprepareHeader)(device, &header, sizeof header);
        CUEPAD_LAZY(L"winmm.dll", waveOutClose)(device);
    }
};

Win32SoundPlayer::Win32SoundPlayer() = default;
Win32SoundPlayer::~Win32SoundPlayer() { stopAllSounds(); }

void Win32SoundPlayer::playWave(std::span<const std::uint8_t> image) {
    std::span<const std::uint8_t> format;
    std::span<const std::uint8_t> data;
    if (!findChunks(image, format, data)) return;
    WAVEFORMATEX wave{};
    std::memcpy(&wave, format.data(), std::min(format.size(), sizeof wave));
    if (format.size() < sizeof wave) wave.cbSize = 0;

    // Without the sound library there is nothing to play, as without a device.
    if (CUEPAD_LAZY(L"winmm.dll", waveOutOpen) == nullptr) return;
    auto sound = std::make_unique<Playing>();
    sound->samples.assign(data.begin(), data.end());
    // No sound device (as under Wine on a server): stay silent.
    if (CUEPAD_LAZY(L"winmm.dll", waveOutOpen)(&sound->device, WAVE_MAPPER, &wave, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) return;
    sound->header.lpData = reinterpret_cast<LPSTR>(sound->samples.data());
    sound->header.dwBufferLength = static_cast<DWORD>(sound->samples.size());
    if (CUEPAD_LAZY(L"winmm.dll", waveOutPrepareHeader)(sound->device, &sound->header, sizeof sound->header) != MMSYSERR_NOERROR ||
        CUEPAD_LAZY(L"winmm.dll", waveOutWrite)(sound->device, &sound->header, sizeof sound->header) != MMSYSERR_NOERROR) {
        CUEPAD_LAZY(L"winmm.dll", waveOutUnprepareHeader)(sound->device, &sound->header, sizeof sound->header);
        CUEPAD_LAZY(L"winmm.dll", waveOutClose)(sound->device);
        return;
    }
    const std::lock_guard guard(lock_);
    closeFinished();
    playing_.push_back(std::move(sound));
}

void Win32SoundPlayer::stopAllSounds() {
    const std::lock_guard guard(lock_);
    for (auto& sound : playing_) sound->close();
    playing_.clear();
}

void Win32SoundPlayer::closeFinished() {
    std::erase_if(playing_, [](const std::unique_ptr<Playing>& sound) {
        if (!sound->done()) return false;
        sound->close();
        return true;
    });
}

}  // namespace cuepad::win32
