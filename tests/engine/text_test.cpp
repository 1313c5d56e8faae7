// Edge cases of the byte-string primitives, one row per case: 1-based positions, -1 for a
// failed search, matches that never start on the second byte of a two-byte GBK character, and
// blanks that include the full-width space A1 A1.
#include "engine/text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace cuepad {
namespace {

using ::testing::PrintToString;

constexpr Case S = Case::Sensitive;
constexpr Case I = Case::Ignore;

struct FindRow {
    const char* label;
    std::string_view text;
    std::string_view what;
    Position start;
    Case mode;
    Position expected;
};

TEST(FindTextTest, Table) {
    const FindRow rows[] = {
        {"found", "ab", "b", 1, S, 2},
        {"missing", "ab", "c", 1, S, -1},
        {"start after the only match", "ab", "b", 3, S, -1},
        {"start on the match", "abab", "b", 2, S, 2},
        {"start below 1 counts as 1", "ab", "a", 0, S, 1},
        {"negative start counts as 1", "ab", "a", -7, S, 1},
        {"start far beyond the end", "ab", "a", 99, S, -1},
        {"match at the very end", "abc", "bc", 1, S, 2},
        {"what longer than text", "ab", "abc", 1, S, -1},
        {"empty text", "", "a", 1, S, -1},
        {"empty what in a text", "abc", "", 1, S, 1},
        {"empty what gives 1 from a later start", "abc", "", 3, S, 1},
        {"empty what past the end", "abc", "", 4, S, -1},
        {"empty what in empty text", "", "", 1, S, -1},
        {"second byte of B0 A1 is never a start", "\xB0\xA1", "\xA1", 1, S, -1},
        {"A1 A1 pair found only on a boundary", "\xB0\xA1\xA1\xA1", "\xA1\xA1", 1, S, 3},
        {"ASCII trail byte is not a start", "\x81T", "T", 1, S, -1},
        {"0x80 leads a character", "\x80T", "T", 1, S, -1},
        {"0xFF leads a character", "\xFFT", "T", 1, S, -1},
        {"start on a trail byte skips it", "\xB0TT", "T", 2, S, 3},
        {"start on a trail byte, nothing after",
         "\xB0\xA1"
         "a",
         "\xA1", 2, S, -1},
        {"lone high byte at the end is a character", "a\xB0", "\xB0", 1, S, 2},
        {"run of high bytes pairs from the start", "\xB0\xB0\xB0", "\xB0", 2, S, 3},
        {"match may end inside a character", "a\xB0\xA1", "a\xB0", 1, S, 1},
        {"CR as a trail byte is no line break", "\x81\r\n", "\r\n", 1, S, -1},
        {"line break after a trail CR", "\x81\r\n\r\n", "\r\n", 1, S, 4},
        {"case-sensitive by default", "xTrAcK", "track", 1, S, -1},
        {"ignoring case", "xTrAcK", "track", 1, I, 2},
        {"ignoring case, upper-case what", "xtrack", "TRACK", 1, I, 2},
        {"ignoring case folds letters only: @ and `", "@", "`", 1, I, -1},
        {"ignoring case folds letters only: [ and {", "[", "{", 1, I, -1},
        {"ignoring case leaves high bytes alone", "\xC1", "\xE1", 1, I, -1},
        {"ignoring case still respects boundaries", "\x81t", "T", 1, I, -1},
    };
    for (const FindRow& row : rows) {
        EXPECT_EQ(findText(row.text, row.what, row.start, row.mode), row.expected) << row.label;
    }
}

TEST(FindTextBackwardTest, Table) {
    const std::string_view lines = "a\r\nb\r\nc";  // breaks at 2 and 5
    const FindRow rows[] = {
        {"whole text: last break", lines, "\r\n", kWholeText, S, 5},
        {"break at the end position does not lie before it", lines, "\r\n", 5, S, 2},
        {"break ending at end-1 lies before it", lines, "\r\n", 7, S, 5},
        {"break half inside the searched part", lines, "\r\n", 6, S, 2},
        {"end 1 gives -1", lines, "a", 1, S, -1},
        {"end 0 gives -1", lines, "a", 0, S, -1},
        {"negative end gives -1", lines, "a", -3, S, -1},
        {"end beyond the text", "ab", "b", 100, S, 2},
        {"only an earlier match before the end", "aXa", "a", 3, S, 1},
        {"missing", "abc", "x", kWholeText, S, -1},
        {"second byte of B0 A1 is never a start", "\xB0\xA1", "\xA1", kWholeText, S, -1},
        {"lone high byte after a character", "\xB0\xA1\xA1", "\xA1", kWholeText, S, 3},
        {"A1 run: the last boundary match", "\xA1\xA1\xA1\xA1", "\xA1\xA1", kWholeText, S, 3},
        {"A1 run: odd offset never matches", "\xA1\xA1\xA1\xA1", "\xA1\xA1", 4, S, 1},
        {"ASCII trail byte is not a start", "T\x81T", "T", kWholeText, S, 1},
        {"CR as a trail byte is no line break", "a\r\n\x81\r\nb", "\r\n", kWholeText, S, 2},
        {"ignoring case", "TRACK track", "Track", kWholeText, I, 7},
        {"case-sensitive", "TRACK track", "Track", kWholeText, S, -1},
    };
    for (const FindRow& row : rows) {
        EXPECT_EQ(findTextBackward(row.text, row.what, row.start, row.mode), row.expected)
            << row.label;
    }
}

TEST(FindTextBackwardTest, EndOneGivesMinusOneWhateverTheText) {
    for (const std::string_view text : {"", "a", "ab\r\n", "\xB0\xA1"}) {
        EXPECT_EQ(findTextBackward(text, "a", 1), -1) << PrintToString(std::string(text));
    }
}

struct CutRow {
    const char* label;
    std::string actual;
    std::string_view expected;
};

TEST(CutByCountTest, Table) {
    const CutRow rows[] = {
        {"left 2", textLeft("abc", 2), "ab"},
        {"left 0", textLeft("abc", 0), ""},
        {"left negative", textLeft("abc", -1), ""},
        {"left beyond the length", textLeft("abc", 5), "abc"},
        {"left cuts a character in half", textLeft("\xB0\xA1x", 1), "\xB0"},
        {"right 2", textRight("abc", 2), "bc"},
        {"right 0", textRight("abc", 0), ""},
        {"right negative", textRight("abc", -4), ""},
        {"right beyond the length", textRight("abc", 9), "abc"},
        {"right cuts a character in half", textRight("x\xB0\xA1", 1), "\xA1"},
        {"mid from 0", textMid("abc", 0, 2), ""},
        {"mid from 3 for 5", textMid("abc", 3, 5), "c"},
        {"mid from the first byte", textMid("abc", 1, 2), "ab"},
        {"mid beyond the end", textMid("abc", 4, 1), ""},
        {"mid of zero bytes", textMid("abc", 2, 0), ""},
        {"mid of negative count", textMid("abc", 2, -1), ""},
        {"mid from a negative position", textMid("abc", -1, 3), ""},
    };
    for (const CutRow& row : rows) EXPECT_EQ(row.actual, row.expected) << row.label;
}

TEST(TextLengthTest, CountsBytes) {
    EXPECT_EQ(textLength(""), 0);
    EXPECT_EQ(textLength("\xB0\xA1"
                         "a"),
              3);
}

TEST(BlankTextTest, Table) {
    EXPECT_EQ(blankText(4), "    ");
    EXPECT_EQ(blankText(1), " ");
    EXPECT_EQ(blankText(0), "");
    EXPECT_EQ(blankText(-3), "");
}

struct TrimRow {
    const char* label;
    std::string_view text;
    std::string_view start;  // trimStart
    std::string_view both;   // trimBoth
};

TEST(TrimTest, Table) {
    const TrimRow rows[] = {
        {"full-width, x, space", "\xA1\xA1x ", "x ", "x"},
        {"tabs are not blanks", "\tx\t", "\tx\t", "\tx\t"},
        {"spaces on both sides", "  x  ", "x  ", "x"},
        {"inner blanks stay", " a b ", "a b ", "a b"},
        {"mixed blank run", " \xA1\xA1 \xA1\xA1x\xA1\xA1 ", "x\xA1\xA1 ", "x"},
        {"only blanks", " \xA1\xA1 ", "", ""},
        {"empty", "", "", ""},
        {"lone A1 at the start stays", "\xA1x", "\xA1x", "\xA1x"},
        {"lone A1 at the end stays", "x\xA1", "x\xA1", "x\xA1"},
        {"final A1 A1 bytes go even when they straddle characters", "\xB0\xA1\xA1", "\xB0\xA1\xA1",
         "\xB0"},
        {"final space byte goes even as a trail byte", "x\x81 ", "x\x81 ", "x\x81"},
        {"odd A1 run at the end leaves one A1", "x\xA1\xA1\xA1", "x\xA1\xA1\xA1", "x\xA1"},
    };
    for (const TrimRow& row : rows) {
        EXPECT_EQ(trimStart(row.text), row.start) << row.label;
        EXPECT_EQ(trimBoth(row.text), row.both) << row.label;
        EXPECT_EQ(trimStartView(row.text), row.start) << row.label << " (view)";
        EXPECT_EQ(trimBothView(row.text), row.both) << row.label << " (view)";
    }
}

struct SplitRow {
    const char* label;
    std::string_view text;
    std::string_view delimiter;
    std::vector<std::string> expected;
};

TEST(SplitTextTest, Table) {
    const SplitRow rows[] = {
        {"empty piece between delimiters stays", "a,,b,", ",", {"a", "", "b"}},
        {"leading delimiter gives an empty piece", ",a", ",", {"", "a"}},
        {"empty text gives no pieces", "", ",", {}},
        {"no delimiter", "abc", ",", {"abc"}},
        {"lone delimiter", ",", ",", {""}},
        {"two delimiters", ",,", ",", {"", ""}},
        {"empty line between lines", "x\r\n\r\ny", "\r\n", {"x", "", "y"}},
        {"trailing line break adds nothing", "x\r\n", "\r\n", {"x"}},
        {"half a delimiter at the end", "a\r", "\r\n", {"a\r"}},
        {"lone LF is text", "a\nb", "\r\n", {"a\nb"}},
        {"comma as a trail byte does not cut", "\x81,a,b", ",", {"\x81,a", "b"}},
        {"CR as a trail byte does not cut", "a\x81\r\nb\r\nc", "\r\n", {"a\x81\r\nb", "c"}},
        {"high delimiter only on a boundary", "\xB0\xA1\xA1x", "\xA1", {"\xB0\xA1", "x"}},
        {"after a cut, boundaries still count from the first byte",
         "\xA1\xA1\xA1\xA1",
         "\xA1",
         {"", "\xA1", "\xA1"}},
    };
    for (const SplitRow& row : rows) {
        EXPECT_EQ(splitText(row.text, row.delimiter), row.expected) << row.label;
        const std::vector<std::string_view> views = splitTextViews(row.text, row.delimiter);
        EXPECT_EQ(std::vector<std::string>(views.begin(), views.end()), row.expected)
            << row.label << " (views)";
    }
}

struct ReplaceRow {
    const char* label;
    std::string_view text;
    std::string_view what;
    std::string_view replacement;
    Case mode;
    std::string_view expected;
};

TEST(ReplaceTextTest, Table) {
    const ReplaceRow rows[] = {
        {"scan goes on after a replacement", "aaa", "aa", "a", S, "aa"},
        {"every occurrence", "a-b-c", "-", "+", S, "a+b+c"},
        {"replacement is never searched again", "ab", "a", "aa", S, "aab"},
        {"removal", "REM DATE 2008", "REM DATE", "", S, " 2008"},
        {"case-sensitive leaves other case", "Catalog CATALOG", "CATALOG", "", S, "Catalog "},
        {"ignoring case removes every case", "CATALOG 1 catalog Catalog2", "CATALOG", "", I,
         " 1  2"},
        {"no occurrence", "abc", "x", "y", S, "abc"},
        {"empty what changes nothing", "abc", "", "y", S, "abc"},
        {"empty text", "", "a", "b", S, ""},
        {"occurrence at the end", "xab", "ab", "!", S, "x!"},
        {"trail byte is not an occurrence",
         "\x81"
         "a a",
         "a", "X", S,
         "\x81"
         "a X"},
        {"doubled line breaks", "a\r\n\r\n\r\nb", "\r\n\r\n", "\r\n", S, "a\r\n\r\nb"},
    };
    for (const ReplaceRow& row : rows) {
        EXPECT_EQ(replaceText(row.text, row.what, row.replacement, row.mode), row.expected)
            << row.label;
    }
}

}  // namespace
}  // namespace cuepad
