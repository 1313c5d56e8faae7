// The synthesized sounds are complete RIFF/WAVE images of the required formats and lengths.
#include "ui/sound_images.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace cuepad::testing {
namespace {

std::uint32_t le32(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24; }
std::uint16_t le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

struct Chunk {
    std::size_t offset;
    std::uint32_t size;
};

// The chunks of a RIFF/WAVE image in order; fails the test when the layout is broken.
std::vector<std::pair<std::string, Chunk>> chunks(std::span<const std::uint8_t> image) {
    std::vector<std::pair<std::string, Chunk>> found;
    EXPECT_GE(image.size(), 12u);
    EXPECT_EQ(std::memcmp(image.data(), "RIFF", 4), 0);
    EXPECT_EQ(le32(image.data() + 4), image.size() - 8);
    EXPECT_EQ(std::memcmp(image.data() + 8, "WAVE", 4), 0);
    std::size_t at = 12;
    while (at + 8 <= image.size()) {
        const std::uint32_t size = le32(image.data() + at + 4);
        found.push_back({std::string(reinterpret_cast<const char*>(image.data() + at), 4), {at + 8, size}});
        at += 8 + size + (size & 1);
    }
    EXPECT_EQ(at, image.size()) << "chunks must fill the image exactly";
    return found;
}

struct Expected {
    const char* name;
    std::span<const std::uint8_t> (*image)();
    std::uint32_t rate;
    std::uint16_t bits;
    std::uint32_t fmtSize;
    std::size_t imageSize;
    double seconds;
};

class SoundImageTest : public ::testing::TestWithParam<Expected> {};

TEST_P(SoundImageTest, HasTheRequiredFormatAndLength) {
    const Expected& expected = GetParam();
    const auto image = expected.image();
    EXPECT_EQ(image.size(), expected.imageSize);
    const auto list = chunks(image);
    ASSERT_GE(list.size(), 2u);
    ASSERT_EQ(list.front().first, "fmt ");
    const Chunk fmt = list.front().second;
    EXPECT_EQ(fmt.size, expected.fmtSize);
    const std::uint8_t* f = image.data() + fmt.offset;
    EXPECT_EQ(le16(f), 1);      // PCM
    EXPECT_EQ(le16(f + 2), 1);  // mono
    EXPECT_EQ(le32(f + 4), expected.rate);
    EXPECT_EQ(le32(f + 8), expected.rate * expected.bits / 8);
    EXPECT_EQ(le16(f + 12), expected.bits / 8);
    EXPECT_EQ(le16(f + 14), expected.bits);
    ASSERT_EQ(list.back().first, "data");
    const double seconds = static_cast<double>(list.back().second.size) / (expected.rate * expected.bits / 8);
    EXPECT_NEAR(seconds, expected.seconds, 0.05 * expected.seconds);
    if (expected.fmtSize == 18) {
        ASSERT_EQ(list.size(), 3u);
        EXPECT_EQ(list[1].first, "fact");
        EXPECT_EQ(le32(image.data() + list[1].second.offset), list.back().second.size);  // samples, 8-bit
    }
    // Not silence: the samples move away from the middle value.
    const std::uint8_t* data = image.data() + list.back().second.offset;
    int loud = 0;
    for (std::size_t i = 0; i < list.back().second.size; i += expected.bits / 8) {
        const int sample = expected.bits == 8 ? data[i] - 128 : static_cast<std::int16_t>(le16(data + i)) / 256;
        if (std::abs(sample) > 8) ++loud;
    }
    EXPECT_GT(loud, 100);
}

const Expected kSounds[] = {
    {"HoverCue", ui::hoverCueImage, 22050, 16, 16, 7596, 0.17},
    {"ClickCue", ui::clickCueImage, 22050, 16, 16, 153380, 3.5},
    {"AboutMusic", ui::aboutMusicImage, 11025, 8, 18, 1210482, 110},
};

INSTANTIATE_TEST_SUITE_P(Sounds, SoundImageTest, ::testing::ValuesIn(kSounds),
                         [](const ::testing::TestParamInfo<Expected>& row) { return std::string(row.param.name); });

TEST(SoundImageTest, IsMadeOnce) { EXPECT_EQ(ui::clickCueImage().data(), ui::clickCueImage().data()); }

}  // namespace
}  // namespace cuepad::testing
