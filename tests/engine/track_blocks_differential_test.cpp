// Track blocks against a literal rendering of their definition (find the next "TRACK ", look
// at the first word of the whole line around it, cut before the line break in front of it),
// built on the naive text model, on pseudo-random track parts made of sheet-like pieces.
#include "reference_text.hpp"

#include "engine/sheet.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad {
namespace {

std::string span(std::string_view text, Position from, Position to) {
    const auto length = static_cast<Position>(text.size());
    if (from == -1 || to == -1 || from < 1 || from > length || to < from) return {};
    const Position last = to < length ? to : length;
    return std::string(
        text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(last - from + 1)));
}

std::string lineAround(std::string_view text, Position p) {
    const Position s = reference::findTextBackward(text, "\r\n", p);
    const Position e = reference::findText(text, "\r\n", p);
    return span(text, s == -1 ? 1 : s + 2, e == -1 ? static_cast<Position>(text.size()) : e - 1);
}

std::string firstWordOf(std::string_view line) {
    const std::string trimmed = reference::trimStart(line);
    const Position space = reference::findText(trimmed, " ");
    return space == -1 ? std::string() : trimmed.substr(0, static_cast<std::size_t>(space - 1));
}

std::vector<std::string> modelBlocks(std::string_view text) {
    std::vector<std::string> blocks;
    Position p = reference::findText(text, "TRACK");
    Position from = p + 1;
    while (p != -1) {
        const Position q = reference::findText(text, "TRACK ", from);
        if (q == -1) {
            blocks.push_back(span(text, p, static_cast<Position>(text.size())));
            break;
        }
        if (firstWordOf(lineAround(text, q)) != "TRACK") {
            from = q + 1;
            continue;
        }
        blocks.push_back(span(text, p, reference::findTextBackward(text, "\r\n", q) - 1));
        p = q;
        from = p + 1;
    }
    return blocks;
}

TEST(TrackBlocksDifferentialTest, SplitTrackBlocksMatchesDefinition) {
    static constexpr std::string_view kPieces[] = {
        "TRACK ", "TRACK", "  ", "\r\n", "\r\n", "\xA1\xA1", "\x81", "x", "REM ", "TRACK 01 AUDIO",
    };
    std::mt19937 rng(7u);
    for (int n = 0; n < 4000 && !HasFailure(); ++n) {
        std::string text;
        const int pieces = 1 + n * 11 / 4000 + static_cast<int>(rng() % 3);
        for (int i = 0; i < pieces; ++i) text += kPieces[rng() % std::size(kPieces)];
        CueSheet sheet;
        sheet.splitTrackBlocks(text);
        EXPECT_EQ(sheet.trackBlocks, modelBlocks(text))
            << "splitTrackBlocks(" << ::testing::PrintToString(text) << ")";
    }
}

}  // namespace
}  // namespace cuepad
