// The program's three sounds, synthesized in code (no audio files) as complete RIFF/WAVE
// images, each made once when first needed.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace cuepad::ui {

// A soft tick: 22,050 Hz, 16-bit, mono, about 0.17 s.
std::span<const std::uint8_t> hoverCueImage();
// A click with a gentle decaying tail: 22,050 Hz, 16-bit, mono, about 3.5 s.
std::span<const std::uint8_t> clickCueImage();
// The About window's music, "Ode to Joy" (Beethoven, public domain): 11,025 Hz, 8-bit, mono,
// an 18-byte "fmt " chunk followed by a "fact" chunk, about 110 s.
std::span<const std::uint8_t> aboutMusicImage();

}  // namespace cuepad::ui
