// The text primitives against the naive model in reference_text.hpp, on pseudo-random short
// texts over a small alphabet rich in the bytes that matter (blanks, CR, LF, GBK lead and trail
// bytes, letters in both cases). Texts grow with the case number, so the first failure is short.
#include "reference_text.hpp"

#include "engine/line_helpers.hpp"
#include "engine/sheet_writer.hpp"
#include "engine/text.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <string_view>

namespace cuepad {
namespace {

using ::testing::PrintToString;

constexpr int kCases = 4000;

class RandomTexts {
public:
    // A text whose length grows slowly with the case number, up to 14 bytes.
    std::string text(int caseNumber) {
        return draw(below(2 + static_cast<std::size_t>(caseNumber) * 14 / kCases));
    }

    // Mostly a piece of `text`, so that matches are common; otherwise a few random bytes.
    std::string what(const std::string& text) {
        if (!text.empty() && below(3) != 0) {
            const std::size_t from = below(text.size());
            return text.substr(from, 1 + below(3));
        }
        return draw(below(4));
    }

    Position position(const std::string& text) {
        return static_cast<Position>(below(text.size() + 4)) - 1;  // -1 .. length + 2
    }

    Case mode() { return below(2) == 0 ? Case::Sensitive : Case::Ignore; }

    // Up to six pieces that make line breaks likely: runs of CR LF, lone CR and LF, and a
    // lead byte that can swallow the CR after it.
    std::string breaks(int caseNumber) {
        static constexpr std::string_view kPieces[] = {"\r\n", "\r\n", "\r", "\n",
                                                       "\x81", "a",    " "};
        std::string s;
        const std::size_t count = below(2 + static_cast<std::size_t>(caseNumber) * 6 / kCases);
        for (std::size_t i = 0; i < count; ++i) s += kPieces[below(std::size(kPieces))];
        return s;
    }

private:
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(rng_() % n); }

    std::string draw(std::size_t length) {
        static constexpr std::string_view kAlphabet = "a \r\n\xA1\xB0\x81Tt";
        std::string s;
        for (std::size_t i = 0; i < length; ++i) s += kAlphabet[below(kAlphabet.size())];
        return s;
    }

    std::mt19937 rng_{20240611u};
};

std::string show(const std::string& s) { return PrintToString(s); }

const char* name(Case mode) { return mode == Case::Sensitive ? "sensitive" : "ignoring case"; }

TEST(TextDifferentialTest, FindTextMatchesModel) {
    RandomTexts random;
    for (int n = 0; n < kCases && !HasFailure(); ++n) {
        const std::string text = random.text(n);
        const std::string what = random.what(text);
        const Position start = random.position(text);
        const Case mode = random.mode();
        EXPECT_EQ(findText(text, what, start, mode), reference::findText(text, what, start, mode))
            << "findText(" << show(text) << ", " << show(what) << ", " << start << ", "
            << name(mode) << ")";
    }
}

TEST(TextDifferentialTest, FindTextBackwardMatchesModel) {
    RandomTexts random;
    for (int n = 0; n < kCases && !HasFailure(); ++n) {
        const std::string text = random.text(n);
        std::string what = random.what(text);
        if (what.empty()) what = "a";  // the backward search of nothing is not part of the contract
        const Position end = (n % 4 == 0) ? kWholeText : random.position(text);
        const Case mode = random.mode();
        EXPECT_EQ(findTextBackward(text, what, end, mode),
                  reference::findTextBackward(text, what, end, mode))
            << "findTextBackward(" << show(text) << ", " << show(what) << ", " << end << ", "
            << name(mode) << ")";
    }
}

TEST(TextDifferentialTest, SplitTextMatchesModel) {
    RandomTexts random;
    for (int n = 0; n < kCases && !HasFailure(); ++n) {
        const std::string text = random.text(n);
        std::string delimiter = random.what(text);
        if (delimiter.empty()) delimiter = "\r\n";
        EXPECT_EQ(splitText(text, delimiter), reference::splitText(text, delimiter))
            << "splitText(" << show(text) << ", " << show(delimiter) << ")";
    }
}

TEST(TextDifferentialTest, ReplaceTextMatchesModel) {
    RandomTexts random;
    for (int n = 0; n < kCases && !HasFailure(); ++n) {
        const std::string text = random.text(n);
        const std::string what = random.what(text);
        const std::string replacement = random.what(text);
        const Case mode = random.mode();
        EXPECT_EQ(replaceText(text, what, replacement, mode),
                  reference::replaceText(text, what, replacement, mode))
            << "replaceText(" << show(text) << ", " << show(what) << ", " << show(replacement)
            << ", " << name(mode) << ")";
    }
}

TEST(TextDifferentialTest, TrimsMatchModel) {
    RandomTexts random;
    for (int n = 0; n < kCases && !HasFailure(); ++n) {
        const std::string text = random.text(n);
        EXPECT_EQ(trimStart(text), reference::trimStart(text)) << "trimStart(" << show(text) << ")";
        EXPECT_EQ(trimBoth(text), reference::trimBoth(text)) << "trimBoth(" << show(text) << ")";
    }
}

TEST(TextDifferentialTest, LineBreakHandlingMatchesModel) {
    RandomTexts random;
    for (int n = 0; n < kCases && !HasFailure(); ++n) {
        const std::string text = random.breaks(n);
        EXPECT_EQ(collapseBlankLines(text), reference::collapseBlankLines(text))
            << "collapseBlankLines(" << show(text) << ")";
        EXPECT_EQ(stripLineBreaks(text), reference::stripLineBreaks(text))
            << "stripLineBreaks(" << show(text) << ")";
        EXPECT_EQ(splitText(text, "\r\n"), reference::splitText(text, "\r\n"))
            << "splitText(" << show(text) << ", CR LF)";
    }
}

}  // namespace
}  // namespace cuepad
