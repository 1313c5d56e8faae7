// Synthesizing the sounds. Each is built once, on first use, behind a function-local static,
// which C++ initialises exactly once even when two threads ask at the same time.
#include "ui/sound_images.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace cuepad::ui {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

// Writes little-endian fields into a buffer of known size.
class ImageWriter {
public:
    explicit ImageWriter(std::size_t size) : bytes_(size) {}
    void put16(std::uint32_t value) {
        bytes_[at_++] = static_cast<std::uint8_t>(value & 0xFF);
        bytes_[at_++] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    }
    void put32(std::uint32_t value) {
        put16(value & 0xFFFF);
        put16(value >> 16);
    }
    void tag(const char (&name)[5]) {
        for (int i = 0; i < 4; ++i) bytes_[at_++] = static_cast<std::uint8_t>(name[i]);
    }
    void bytes(const std::vector<std::uint8_t>& data) {
        std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at_));
        at_ += data.size();
    }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

struct Format {
    std::uint32_t rate;
    std::uint16_t bits;
    bool withFact;  // an 18-byte "fmt " chunk and a "fact" chunk, as some writers make them
};

std::vector<std::uint8_t> waveImage(const Format& format, const std::vector<std::uint8_t>& data) {
    const std::uint32_t blockAlign = format.bits / 8u;
    const std::uint32_t fmtSize = format.withFact ? 18 : 16;
    const std::uint32_t riffSize = 4 + (8 + fmtSize) + (format.withFact ? 12 : 0) + 8 + static_cast<std::uint32_t>(data.size());
    ImageWriter out(riffSize + 8);
    out.tag("RIFF");
    out.put32(riffSize);
    out.tag("WAVE");
    out.tag("fmt ");
    out.put32(fmtSize);
    out.put16(1);  // PCM
    out.put16(1);  // mono
    out.put32(format.rate);
    out.put32(format.rate * blockAlign);
    out.put16(blockAlign);
    out.put16(format.bits);
    if (format.withFact) {
        out.put16(0);  // no extra format bytes
        out.tag("fact");
        out.put32(4);
        out.put32(static_cast<std::uint32_t>(data.size()) / blockAlign);
    }
    out.tag("data");
    out.put32(static_cast<std::uint32_t>(data.size()));
    out.bytes(data);
    return out.take();
}

std::vector<std::uint8_t> pcm16(const std::vector<double>& samples) {
    std::vector<std::uint8_t> data(samples.size() * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto value = static_cast<std::uint16_t>(
            static_cast<std::int16_t>(std::lround(std::clamp(samples[i], -1.0, 1.0) * 32000.0)));
        data[2 * i] = static_cast<std::uint8_t>(value & 0xFF);
        data[2 * i + 1] = static_cast<std::uint8_t>(value >> 8);
    }
    return data;
}

std::vector<std::uint8_t> makeHoverCue() {
    constexpr std::size_t kSamples = 3776;  // 0.171 s at 22,050 Hz
    std::vector<double> samples(kSamples);
    for (std::size_t i = 0; i < kSamples; ++i) {
        const double t = static_cast<double>(i) / 22050.0;
        const double envelope = std::exp(-t * 60.0) * std::min(1.0, t * 2000.0);
        samples[i] = 0.35 * envelope * (std::sin(kTau * 1800.0 * t) + 0.3 * std::sin(kTau * 3600.0 * t));
    }
    return waveImage({22050, 16, false}, pcm16(samples));
}

std::vector<std::uint8_t> makeClickCue() {
    constexpr std::size_t kSamples = 76668;  // 3.477 s at 22,050 Hz
    std::vector<double> samples(kSamples);
    std::uint32_t noise = 0x12345678;
    for (std::size_t i = 0; i < kSamples; ++i) {
        const double t = static_cast<double>(i) / 22050.0;
        noise = noise * 1664525u + 1013904223u;  // a fixed pseudo-random sequence
        const double crack = (static_cast<double>(noise >> 8) / 8388608.0 - 1.0) * std::exp(-t * 400.0);
        const double body = std::sin(kTau * 660.0 * t) * std::exp(-t * 18.0);
        const double tail = (std::sin(kTau * 440.0 * t) + 0.5 * std::sin(kTau * 880.0 * t)) * std::exp(-t * 1.6);
        samples[i] = 0.5 * crack + 0.35 * body + 0.12 * tail * std::min(1.0, t * 200.0);
    }
    return waveImage({22050, 16, false}, pcm16(samples));
}

std::vector<std::uint8_t> makeAboutMusic() {
    constexpr std::uint32_t kRate = 11025;
    constexpr std::size_t kSamples = 1210424;  // 109.8 s
    // Ode to Joy: scale degrees of C major (0 = C4) with lengths in beats.
    struct Note {
        int degree;
        double beats;
    };
    static constexpr std::array<Note, 62> kTune{{
        {2, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 1}, {3, 1}, {2, 1}, {1, 1}, {0, 1}, {0, 1}, {1, 1}, {2, 1},
        {2, 1.5}, {1, 0.5}, {1, 2},
        {2, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 1}, {3, 1}, {2, 1}, {1, 1}, {0, 1}, {0, 1}, {1, 1}, {2, 1},
        {1, 1.5}, {0, 0.5}, {0, 2},
        {1, 1}, {1, 1}, {2, 1}, {0, 1}, {1, 1}, {2, 0.5}, {3, 0.5}, {2, 1}, {0, 1},
        {1, 1}, {2, 0.5}, {3, 0.5}, {2, 1}, {1, 1}, {0, 1}, {1, 1}, {-3, 2},
        {2, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 1}, {3, 1}, {2, 1}, {1, 1}, {0, 1}, {0, 1}, {1, 1}, {2, 1},
        {1, 1.5}, {0, 0.5}, {0, 2},
    }};
    static constexpr std::array<int, 7> kSemitones{0, 2, 4, 5, 7, 9, 11};
    const auto frequency = [](int degree) {
        const int octave = degree < 0 ? -1 : degree / 7;
        const int step = ((degree % 7) + 7) % 7;
        const int semitones = octave * 12 + kSemitones[static_cast<std::size_t>(step)];
        return 261.63 * std::pow(2.0, semitones / 12.0);
    };
    const double beat = 0.5;  // seconds
    std::vector<std::uint8_t> data(kSamples, 128);
    std::size_t at = 0;
    for (int round = 0; at < kSamples; ++round) {
        for (const Note& note : kTune) {
            const auto length = static_cast<std::size_t>(note.beats * beat * kRate);
            // The tune is played an octave lower every third round, to vary the repetitions.
            const double f = frequency(note.degree) * (round % 3 == 2 ? 0.5 : 1.0);
            for (std::size_t i = 0; i < length && at < kSamples; ++i, ++at) {
                const double t = static_cast<double>(i) / kRate;
                const double attack = std::min(1.0, t * 80.0);
                const double release = std::min(1.0, static_cast<double>(length - i) / (0.02 * kRate));
                const double envelope = attack * release * std::exp(-t * 2.5);
                const double tone = std::sin(kTau * f * t) + 0.35 * std::sin(kTau * 2 * f * t) +
                                    0.12 * std::sin(kTau * 3 * f * t);
                data[at] = static_cast<std::uint8_t>(std::lround(128.0 + 70.0 * envelope * tone / 1.47));
            }
            if (at >= kSamples) break;
        }
    }
    return waveImage({kRate, 8, true}, data);
}

}  // namespace

std::span<const std::uint8_t> hoverCueImage() {
    static const std::vector<std::uint8_t> image = makeHoverCue();
    return image;
}

std::span<const std::uint8_t> clickCueImage() {
    static const std::vector<std::uint8_t> image = makeClickCue();
    return image;
}

std::span<const std::uint8_t> aboutMusicImage() {
    static const std::vector<std::uint8_t> image = makeAboutMusic();
    return image;
}

}  // namespace cuepad::ui
