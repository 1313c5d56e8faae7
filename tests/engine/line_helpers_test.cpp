// The reader's line helpers: first word (which also trims the caller's line), the text between
// two delimiters, spans by position, line breaks at either end, and the line around a position.
#include "engine/line_helpers.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace cuepad {
namespace {

struct FirstWordRow {
    const char* label;
    std::string_view line;
    std::string_view word;
    std::string_view lineAfter;  // the caller's line loses its leading blanks
};

TEST(FirstWordTest, Table) {
    const FirstWordRow rows[] = {
        {"indented keyword", "  TRACK 01 AUDIO", "TRACK", "TRACK 01 AUDIO"},
        {"full-width indentation", "\xA1\xA1TITLE \"x\"", "TITLE", "TITLE \"x\""},
        {"mixed indentation", " \xA1\xA1 INDEX 01", "INDEX", "INDEX 01"},
        {"two spaces after the word", "REM  x", "REM", "REM  x"},
        {"letter case is kept", "rem x", "rem", "rem x"},
        {"trailing blanks stay on the line", "REM x  ", "REM", "REM x  "},
        {"empty line", "", "", ""},
        {"only blanks", "  \xA1\xA1", "", ""},
        {"lone keyword has no first word", "TRACK", "", "TRACK"},
        {"keyword then tab has no first word", "TRACK\t01", "", "TRACK\t01"},
        {"space as a trail byte does not end the word", "\x81 x y", "\x81 x", "\x81 x y"},
        {"GBK word before the space", "\xB0\xA1 x", "\xB0\xA1", "\xB0\xA1 x"},
    };
    for (const FirstWordRow& row : rows) {
        std::string line(row.line);
        EXPECT_EQ(firstWord(line), row.word) << row.label;
        EXPECT_EQ(line, row.lineAfter) << row.label;

        std::string_view view = row.line;
        EXPECT_EQ(firstWordView(view), row.word) << row.label << " (view)";
        EXPECT_EQ(view, row.lineAfter) << row.label << " (view)";
    }
}

struct BetweenRow {
    const char* label;
    std::string_view line;
    std::string_view open;
    std::string_view close;
    std::string_view expected;
};

TEST(TextBetweenTest, Table) {
    const BetweenRow rows[] = {
        {"quoted value", "TITLE \"abc\" x", "\"", "\"", "abc"},
        {"empty quotes", "TITLE \"\"", "\"", "\"", ""},
        {"one quote", "TITLE \"abc", "\"", "\"", ""},
        {"no quotes", "TITLE abc", "\"", "\"", ""},
        {"value is not trimmed", "TITLE \" a b \"", "\"", "\"", " a b "},
        {"first two quotes win", "TITLE \"a\"b\"c\"", "\"", "\"", "a"},
        {"type word after the closing quote is dropped", "FILE \"x y.wav\" WAVE", "\"", "\"",
         "x y.wav"},
        {"different delimiters", "x[ab]y", "[", "]", "ab"},
        {"two-byte delimiters", "<<ab>>", "<<", ">>", "ab"},
        {"nothing between two-byte delimiters", "<<>>", "<<", ">>", ""},
        {"close is searched from the byte after open starts", "<<x<", "<<", "<", ""},
        {"missing open", "ab]", "[", "]", ""},
        {"quote as a trail byte is inside the value", "TITLE \"\x81\"x\"", "\"", "\"", "\x81\"x"},
    };
    for (const BetweenRow& row : rows) {
        EXPECT_EQ(textBetween(row.line, row.open, row.close), row.expected) << row.label;
        EXPECT_EQ(textBetweenView(row.line, row.open, row.close), row.expected)
            << row.label << " (view)";
    }
}

struct SpanRow {
    Position from;
    Position to;
    std::string_view expected;
};

TEST(TextSpanTest, Table) {
    const SpanRow rows[] = {
        {2, 4, "bcd"}, {3, 3, "c"}, {5, 99, "ef"}, {4, 3, ""},
        {-1, 3, ""},   {2, -1, ""}, {0, 2, ""},    {7, 9, ""},
    };
    for (const SpanRow& row : rows) {
        EXPECT_EQ(textSpan("abcdef", row.from, row.to), row.expected)
            << "from " << row.from << " to " << row.to;
    }
}

struct StripRow {
    const char* label;
    std::string_view text;
    std::string_view expected;
};

TEST(StripLineBreaksTest, Table) {
    const StripRow rows[] = {
        {"breaks at both ends", "\r\n\r\nab\r\n\r\n", "ab"},
        {"inner breaks stay", "a\r\n\r\nb", "a\r\n\r\nb"},
        {"blanks are not touched", "  \r\nab\r\n ", "  \r\nab\r\n "},
        {"only a break", "\r\n", ""},
        {"a break then a lone CR", "\r\n\r", "\r"},
        {"a lone LF then a break", "\n\r\n", "\n"},
        {"lone LF at the end stays", "\r\nab\n", "ab\n"},
        {"CR CR LF LF is no pair at either end", "\r\r\n\n", "\r\r\n\n"},
        {"final pair goes even after a lead byte", "ab\x81\r\n", "ab\x81"},
        {"empty", "", ""},
    };
    for (const StripRow& row : rows) {
        EXPECT_EQ(stripLineBreaks(row.text), row.expected) << row.label;
        EXPECT_EQ(stripLineBreaksView(row.text), row.expected) << row.label << " (view)";
    }
}

struct LineAtRow {
    const char* label;
    std::string_view text;
    Position p;
    std::string_view expected;
};

TEST(LineAtTest, Table) {
    const std::string_view three = "ab\r\ncd\r\nef";  // c at 5, e at 9
    const LineAtRow rows[] = {
        {"first line", three, 1, "ab"},
        {"middle line, first byte", three, 5, "cd"},
        {"middle line, last byte", three, 6, "cd"},
        {"last line", three, 10, "ef"},
        {"position on a CR belongs to the line before", three, 3, "ab"},
        {"-1 gives nothing", three, -1, ""},
        {"single line", "abc", 2, "abc"},
        {"CR as a trail byte does not end the line", "a\x81\r\nb", 5, "a\x81\r\nb"},
    };
    for (const LineAtRow& row : rows) EXPECT_EQ(lineAt(row.text, row.p), row.expected) << row.label;
}

}  // namespace
}  // namespace cuepad
