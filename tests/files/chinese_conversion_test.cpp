// Tests of the Simplified/Traditional conversion on real titles and sheets, and of the generated
// character tables it looks characters up in.
#include "files/chinese_conversion.hpp"
#include "files/chinese_tables.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace cuepad {
namespace {

using cuepad::testing::PrintTo;
using cuepad::testing::rowName;

using Conversion = std::string (*)(std::string_view);

std::string hexCode(unsigned code) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%04X", code);
    return buffer;
}

// Titles whose Traditional and Simplified forms convert into each other.
struct TitlePair {
    const char* name;
    std::string_view traditional;
    std::string_view simplified;
};

const TitlePair kTitles[] = {
    // A byte-wise scan would also read the pairs that straddle two characters here.
    {"AlbumTitle",
     "\xCE\xD2\xB5\xC4\xD6\xD0\x87\xF8\xD0\xC4",   // 我的中國心
     "\xCE\xD2\xB5\xC4\xD6\xD0\xB9\xFA\xD0\xC4"},  // 我的中国心
    {"TrackTitle",
     "\xE1\xE1\x81\xED\xB5\xC4\xCE\xD2\x82\x83",   // 後來的我們
     "\xBA\xF3\xC0\xB4\xB5\xC4\xCE\xD2\xC3\xC7"},  // 后来的我们
    // Second bytes that look like ASCII '|', 'L', 'c' and '\'.
    {"TrailBytesInAsciiRange",
     "\x96\x7C\xEF\x4C\xC6\xC6"   // 東風破
     "\x90\xDB\xC5\x63\xD5\x5C",  // 愛與誠
     "\xB6\xAB\xB7\xE7\xC6\xC6"   // 东风破
     "\xB0\xAE\xD3\xEB\xB3\xCF"}, // 爱与诚
    {"PerformerAndTitle",
     "\x8F\x88\x8C\x57\xD3\xD1 - \xCE\xC7\x84\x65",   // 張學友 - 吻別
     "\xD5\xC5\xD1\xA7\xD3\xD1 - \xCE\xC7\xB1\xF0"},  // 张学友 - 吻别
    {"AsciiAndChinese",
     "Live 1993 \xB9\xE2\xDD\x78\x9A\x71\xD4\xC2",   // Live 1993 光輝歲月
     "Live 1993 \xB9\xE2\xBB\xD4\xCB\xEA\xD4\xC2"},  // Live 1993 光辉岁月
    {"MixedChangedAndKept",
     "\xBA\xA3\xE9\x9F\xCC\xEC\xBF\xD5",   // 海闊天空
     "\xBA\xA3\xC0\xAB\xCC\xEC\xBF\xD5"},  // 海阔天空
    // Nothing changes, but 天 and 都 straddled would read as a Traditional character.
    {"SameInBothScripts",
     "\xCC\xEC\xCC\xEC\xB6\xBC\xCF\xEB\x8A\x85",   // 天天都想妳
     "\xCC\xEC\xCC\xEC\xB6\xBC\xCF\xEB\x8A\x85"},  // 天天都想妳
};

class TitleConversionTest : public ::testing::TestWithParam<TitlePair> {};

TEST_P(TitleConversionTest, ConvertsBothWays) {
    EXPECT_EQ(toSimplified(GetParam().traditional), GetParam().simplified);
    EXPECT_EQ(toTraditional(GetParam().simplified), GetParam().traditional);
}

INSTANTIATE_TEST_SUITE_P(RealTitles, TitleConversionTest, ::testing::ValuesIn(kTitles),
                         rowName<TitlePair>);

// Conversions that show the mapping rule or the treatment of odd texts.
struct OneWayCase {
    const char* name;
    Conversion convert;
    std::string_view input;
    std::string_view expected;
};

const OneWayCase kOneWayCases[] = {
    // Several characters may share a counterpart; the way back takes the first candidate.
    {"ManyToOneSimplified", toSimplified,
     "\xEE\x5E\xF3\x8C\xC7\xAC\xB1\xAD",   // 頭髮乾杯
     "\xCD\xB7\xB7\xA2\xB8\xC9\xB1\xAD"},  // 头发干杯
    {"FirstCandidateTraditional", toTraditional,
     "\xCD\xB7\xB7\xA2\xB8\xC9\xB1\xAD",   // 头发干杯
     "\xEE\x5E\xB0\x6C\x8E\xD6\xB1\xAD"},  // 頭發幹杯
    // 鰆 and 鲃 have counterparts outside code page 936, so they stay; their neighbours change.
    {"CounterpartOutsideGbkSimplified", toSimplified,
     "\xF6\x6A\xF4\x7E",   // 鰆魚
     "\xF6\x6A\xD3\xE3"},  // 鰆鱼
    {"CounterpartOutsideGbkTraditional", toTraditional,
     "\xF7\x84\xD3\xE3",   // 鲃鱼
     "\xF7\x84\xF4\x7E"},  // 鲃魚
    // A lone high byte at the end stays, even when it is the lead byte of a convertible character.
    {"LoneTrailingByteSimplified", toSimplified,
     "\xC2\xA0\xC2",   // 聽 + lead byte of 聽
     "\xCC\xFD\xC2"},  // 听 + the same byte
    {"LoneTrailingByteTraditional", toTraditional,
     "\xCC\xFD\xCC",   // 听 + lead byte of 听
     "\xC2\xA0\xCC"},  // 聽 + the same byte
    {"OnlyALoneByte", toSimplified, "\xE1", "\xE1"},
    {"EmptyText", toTraditional, "", ""},
};

class OneWayConversionTest : public ::testing::TestWithParam<OneWayCase> {};

TEST_P(OneWayConversionTest, GivesExpectedBytes) {
    EXPECT_EQ(GetParam().convert(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, OneWayConversionTest, ::testing::ValuesIn(kOneWayCases),
                         rowName<OneWayCase>);

constexpr std::string_view kTraditionalSheet =
    "REM GENRE Pop\r\n"
    "PERFORMER \"\x8F\x88\x8C\x57\xD3\xD1\"\r\n"                // 張學友
    "TITLE \"\xCE\xD2\xB5\xC4\xD6\xD0\x87\xF8\xD0\xC4\"\r\n"  // 我的中國心
    "FILE \"CDImage.wav\" WAVE\r\n"
    "  TRACK 01 AUDIO\r\n"
    "    TITLE \"\xE1\xE1\x81\xED\xB5\xC4\xCE\xD2\x82\x83\"\r\n"  // 後來的我們
    "    PERFORMER \"\x8F\x88\x8C\x57\xD3\xD1\"\r\n"              // 張學友
    "    INDEX 01 00:00:00\r\n"
    "  TRACK 02 AUDIO\r\n"
    "    TITLE \"\x96\x7C\xEF\x4C\xC6\xC6\"\r\n"      // 東風破
    "    PERFORMER \"\x8F\x88\x8C\x57\xD3\xD1\"\r\n"  // 張學友
    "    INDEX 00 04:10:52\r\n"
    "    INDEX 01 04:12:00\r\n";

constexpr std::string_view kSimplifiedSheet =
    "REM GENRE Pop\r\n"
    "PERFORMER \"\xD5\xC5\xD1\xA7\xD3\xD1\"\r\n"                // 张学友
    "TITLE \"\xCE\xD2\xB5\xC4\xD6\xD0\xB9\xFA\xD0\xC4\"\r\n"  // 我的中国心
    "FILE \"CDImage.wav\" WAVE\r\n"
    "  TRACK 01 AUDIO\r\n"
    "    TITLE \"\xBA\xF3\xC0\xB4\xB5\xC4\xCE\xD2\xC3\xC7\"\r\n"  // 后来的我们
    "    PERFORMER \"\xD5\xC5\xD1\xA7\xD3\xD1\"\r\n"              // 张学友
    "    INDEX 01 00:00:00\r\n"
    "  TRACK 02 AUDIO\r\n"
    "    TITLE \"\xB6\xAB\xB7\xE7\xC6\xC6\"\r\n"      // 东风破
    "    PERFORMER \"\xD5\xC5\xD1\xA7\xD3\xD1\"\r\n"  // 张学友
    "    INDEX 00 04:10:52\r\n"
    "    INDEX 01 04:12:00\r\n";

TEST(SheetConversionTest, ConvertsTitlesAndKeepsKeywords) {
    EXPECT_EQ(toSimplified(kTraditionalSheet), kSimplifiedSheet);
    EXPECT_EQ(toTraditional(kSimplifiedSheet), kTraditionalSheet);
}

struct Direction {
    const char* name;
    Conversion convert;
    std::span<const CharacterPair> (*pairs)();
};

const Direction kDirections[] = {
    {"Simplified", toSimplified, simplifiedPairs},
    {"Traditional", toTraditional, traditionalPairs},
};

class DirectionTest : public ::testing::TestWithParam<Direction> {};

// Every two-byte code, well-formed or not, each followed by an ASCII byte (all 128 in turn):
// the codes in the table become their counterparts, every other byte stays where it was.
TEST_P(DirectionTest, ConvertsEveryCodeAndKeepsAscii) {
    std::map<unsigned, unsigned> table;
    for (const CharacterPair& pair : GetParam().pairs()) table[pair.from] = pair.to;

    std::string text;
    std::string expected;
    for (unsigned code = 0x8000; code <= 0xFFFF; ++code) {
        const auto found = table.find(code);
        const unsigned target = found == table.end() ? code : found->second;
        const char ascii = static_cast<char>(code % 0x80);
        text += {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF), ascii};
        expected += {static_cast<char>(target >> 8), static_cast<char>(target & 0xFF), ascii};
    }

    const std::string result = GetParam().convert(text);
    ASSERT_EQ(result.size(), text.size());
    for (std::size_t i = 0; i < text.size(); i += 3) {
        if (result.compare(i, 3, expected, i, 3) != 0) {
            const auto code = static_cast<unsigned>(static_cast<unsigned char>(text[i]) << 8 |
                                                    static_cast<unsigned char>(text[i + 1]));
            FAIL() << "wrong result for code " << hexCode(code) << " followed by ASCII "
                   << static_cast<int>(text[i + 2]);
        }
    }
}

bool isTwoByteGbk(std::uint16_t code) {
    const unsigned lead = code >> 8;
    const unsigned trail = code & 0xFFu;
    return lead >= 0x81 && lead <= 0xFE && trail >= 0x40 && trail <= 0xFE && trail != 0x7F;
}

TEST_P(DirectionTest, TableIsSortedWithoutRepeats) {
    const auto pairs = GetParam().pairs();
    ASSERT_FALSE(pairs.empty());
    for (std::size_t i = 1; i < pairs.size(); ++i) {
        EXPECT_LT(pairs[i - 1].from, pairs[i].from)
            << "entries " << i - 1 << " and " << i << ": " << hexCode(pairs[i - 1].from)
            << " then " << hexCode(pairs[i].from);
    }
}

TEST_P(DirectionTest, TableHoldsOnlyTwoByteCharactersThatChange) {
    for (const CharacterPair& pair : GetParam().pairs()) {
        const std::string entry = hexCode(pair.from) + " -> " + hexCode(pair.to);
        EXPECT_TRUE(isTwoByteGbk(pair.from)) << entry;
        EXPECT_TRUE(isTwoByteGbk(pair.to)) << entry;
        EXPECT_NE(pair.from, pair.to) << entry;
    }
}

INSTANTIATE_TEST_SUITE_P(BothTables, DirectionTest, ::testing::ValuesIn(kDirections),
                         rowName<Direction>);

}  // namespace
}  // namespace cuepad
