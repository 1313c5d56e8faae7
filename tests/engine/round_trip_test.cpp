// Reading what the writer wrote gives back the records it was written from (with the defaults
// the writer filled in), and writing those records again gives the same text.
#include "sheet_test_support.hpp"

#include "engine/sheet.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <string_view>

namespace cuepad {
namespace {

using test::crlfLines;
using test::kUnknownPerformer;
using test::kUnknownTitle;
using test::loadedSheet;

struct SheetRow {
    const char* label;
    std::string text;
};

void PrintTo(const SheetRow& row, std::ostream* os) { *os << row.label; }

const SheetRow sheets[] = {
    {"full GBK album",
     crlfLines({
         "REM GENRE \xC1\xF7\xD0\xD0",  // 流行
         "REM DATE 2008",
         "REM DISCID 350CAA15",
         "REM COMMENT \"ExactAudioCopy v0.99pb4\"",
         "CATALOG 0000000000000",
         "PERFORMER \"\xD5\xC5\xC8\xFD\"",  // 张三
         "TITLE \"\xB8\xE8\"",              // 歌
         "FILE \"\xB8\xE8.wav\" WAVE",
         "  TRACK 01 AUDIO",
         "    TITLE \"\xB8\xE8 1\"",
         "    PERFORMER \"\xD5\xC5\xC8\xFD\"",
         "    REM COMPOSER \"x\"",
         "    ISRC 000000000000",
         "    FLAGS DCP",
         "    INDEX 00 00:00:00",
         "    INDEX 01 00:02:00",
         "  TRACK 02 AUDIO",
         "    TITLE \"Two\"",
         "    PERFORMER \"Guest\"",
         "    INDEX 01 04:00:00",
     })},
    {"missing titles and performers",
     crlfLines({"FILE \"a.wav\" WAVE", "  TRACK 01 AUDIO", "    INDEX 01 00:00:00",
                "  TRACK 02 AUDIO", "    INDEX 01 01:00:00"})},
    {"hidden track before the mark",
     crlfLines({"PERFORMER \"Band\"", "TRACK 00 AUDIO", "TITLE \"Hidden\"", "INDEX 01 00:00:00",
                "TRACK 01 AUDIO", "TITLE \"One\"", "INDEX 01 00:30:00"})},
    {"blank lines inside tracks",
     crlfLines({"TITLE \"A\"", "TRACK 01 AUDIO", "", "  FLAGS DCP", "  INDEX 01 00:00:00", "",
                "TRACK 02 AUDIO", "  INDEX 01 01:00:00", ""})},
    {"track without index lines", crlfLines({"TRACK 01 AUDIO", "  TITLE \"A\"", "TRACK 02 AUDIO"})},
    {"title holding the word TRACK",
     crlfLines({"TRACK 01 AUDIO", "  TITLE \"TRACK 7 \xB8\xE8\"", "  INDEX 01 00:00:00"})},
};

class RoundTripTest : public ::testing::TestWithParam<SheetRow> {};

TEST_P(RoundTripTest, ReadingTheWrittenTextGivesTheSameRecords) {
    CueSheet first = loadedSheet(GetParam().text);
    const std::string written = CueSheet::generateText(first.header, first.tracks);
    SCOPED_TRACE(::testing::PrintToString(written));

    SheetHeader expectedHeader = first.header;
    if (expectedHeader.performer.empty()) expectedHeader.performer = kUnknownPerformer;
    if (expectedHeader.title.empty()) expectedHeader.title = kUnknownTitle;

    CueSheet second = loadedSheet(written);
    EXPECT_EQ(second.header, expectedHeader);
    EXPECT_EQ(second.tracks, first.tracks);  // with the titles and performers the writer filled

    const TrackList beforeRewrite = second.tracks;
    EXPECT_EQ(CueSheet::generateText(second.header, second.tracks), written);
    EXPECT_EQ(second.tracks, beforeRewrite);
}

// "full GBK album" becomes FullGBKAlbum, so that a failing sheet names itself.
std::string sheetName(const ::testing::TestParamInfo<SheetRow>& row) {
    std::string name;
    bool upper = true;
    for (const char c : std::string_view(row.param.label)) {
        if (c == ' ') {
            upper = true;
        } else if (std::isalnum(static_cast<unsigned char>(c))) {
            name += upper ? static_cast<char>(std::toupper(c)) : c;
            upper = false;
        }
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Sheets, RoundTripTest, ::testing::ValuesIn(sheets), sheetName);

}  // namespace
}  // namespace cuepad
