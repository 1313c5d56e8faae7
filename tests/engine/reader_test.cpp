// The reader, stage by stage: cutting a sheet into header part and track part, the header
// fields, the track blocks and the track fields, then whole sheets through loadText.
#include "sheet_test_support.hpp"

#include "engine/sheet.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace cuepad {
namespace {

using test::album;
using test::crlfLines;
using test::loadedSheet;
using test::track;

struct SplitPartsRow {
    const char* label;
    std::string text;
    std::string_view headerText;
    std::string_view trackText;
};

TEST(SplitPartsTest, Table) {
    const SplitPartsRow rows[] = {
        {"mark on the first line", "TRACK 01 AUDIO\r\n  INDEX 01 00:00:00", "",
         "TRACK 01 AUDIO\r\n  INDEX 01 00:00:00"},
        {"indented mark line begins the track part",
         crlfLines({"REM A", "PERFORMER \"P\"", "  TRACK 01 AUDIO", "    INDEX 01 00:00:00"}),
         "REM A\r\nPERFORMER \"P\"", "  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00"},
        {"earlier TRACK line stays in the header", crlfLines({"TRACK 00 AUDIO", "TRACK 01 AUDIO"}),
         "TRACK 00 AUDIO", "TRACK 01 AUDIO"},
        {"first occurrence inside a comment line",
         crlfLines({"REM A", "REM see TRACK 01 AUDIO", "TRACK 01 AUDIO"}), "REM A",
         "REM see TRACK 01 AUDIO\r\nTRACK 01 AUDIO"},
        {"LF-only sheet has no header part", "REM A\nTRACK 01 AUDIO\n", "",
         "REM A\nTRACK 01 AUDIO\n"},
        {"empty lines before the mark", "\r\n\r\nTRACK 01 AUDIO", "\r\n", "TRACK 01 AUDIO"},
        {"empty lines at the end stay in the track part", "REM\r\nTRACK 01 AUDIO\r\n\r\n", "REM",
         "TRACK 01 AUDIO\r\n\r\n"},
        {"CR as a trail byte is no line break", "REM \x81\r\nTRACK 01 AUDIO", "",
         "REM \x81\r\nTRACK 01 AUDIO"},
    };
    for (const SplitPartsRow& row : rows) {
        CueSheet viewed;
        viewed.splitParts(std::string_view(row.text));
        EXPECT_EQ(viewed.headerText, row.headerText) << row.label;
        EXPECT_EQ(viewed.trackText, row.trackText) << row.label;

        CueSheet handedOver;  // the overload that takes over the caller's buffer
        handedOver.splitParts(std::string(row.text));
        EXPECT_EQ(handedOver.headerText, row.headerText) << row.label << " (moved in)";
        EXPECT_EQ(handedOver.trackText, row.trackText) << row.label << " (moved in)";
    }
}

struct HeaderRow {
    const char* label;
    std::string headerText;
    SheetHeader expected;
};

TEST(ParseHeaderTest, Table) {
    const HeaderRow rows[] = {
        {"every field",
         crlfLines({"REM GENRE Pop", "REM DATE 2008", "REM COMMENT \"ripped\"",
                    "CATALOG 1234567890123", "PERFORMER \"Some Artist\"", "TITLE \"Some Album\"",
                    "FILE \"Some Album.wav\" WAVE"}),
         album()
             .catalog("1234567890123")
             .performer("Some Artist")
             .title("Some Album")
             .file("Some Album.wav")
             .date("2008")
             .genre("Pop")
             .comments("REM COMMENT \"ripped\"")},
        {"comments in order, indentation gone, trailing blanks kept",
         crlfLines({"REM A", "  REM B  ", "INDEX 01 00:00:00"}),
         album().comments("REM A\r\nREM B  \r\nINDEX 01 00:00:00")},
        {"empty header", "", {}},
        {"lower-case catalog is a comment", "catalog 123", album().comments("catalog 123")},
        {"catalog word removed in any case", "CATALOG 123 catalog Catalog4",
         album().catalog("123  4")},
        {"catalog value trimmed", "CATALOG   123  ", album().catalog("123")},
        {"catalog value keeps its quotes", "CATALOG \"0042\"", album().catalog("\"0042\"")},
        {"bare CATALOG has no first word", "CATALOG", album().comments("CATALOG")},
        {"performer without quotes is empty, not a comment", "PERFORMER Someone", {}},
        {"title with one quote is empty", "TITLE \"Half", {}},
        {"file without quotes is empty", "FILE a.wav WAVE", {}},
        {"later title wins even when empty", crlfLines({"TITLE \"A\"", "TITLE \"\""}), {}},
        {"later performer wins", crlfLines({"PERFORMER \"A\"", "PERFORMER \"B\""}),
         album().performer("B")},
        {"quoted genre keeps its quotes", "REM GENRE \"Rock\"", album().genre("\"Rock\"")},
        {"date tag alone gives an empty date", "REM DATE", {}},
        {"line with both tags is a date line", "REM DATE 2008 REM GENRE Pop",
         album().date("2008 REM GENRE Pop")},
        {"title holding a tag is still a title", "TITLE \"x REM DATE y\"",
         album().title("x REM DATE y")},
        {"tag anywhere in the line", "XREM DATE 1999", album().date("X 1999")},
        {"tags are case-sensitive", "rem date 1999", album().comments("rem date 1999")},
        {"tag behind a lead byte is not found", "\x81REM DATE 1",
         album().comments("\x81REM DATE 1")},
        {"genre trimmed of full-width blanks", "REM GENRE \xA1\xA1Pop\xA1\xA1",
         album().genre("Pop")},
        {"empty lines inside comments stay, at the ends they go",
         "\r\n  \r\nREM A\r\n\r\nREM B\r\n\r\n", album().comments("REM A\r\n\r\nREM B")},
        {"a TRACK 00 before the mark is a comment and its title replaces the album's",
         crlfLines({"TITLE \"Album\"", "TRACK 00 AUDIO", "TITLE \"Hidden\"", "PERFORMER \"H\"",
                    "INDEX 01 00:00:00"}),
         album().performer("H").title("Hidden").comments("TRACK 00 AUDIO\r\nINDEX 01 00:00:00")},
        {"full-width indentation before a keyword", "\xA1\xA1PERFORMER \"\xD5\xC5\xC8\xFD\"",
         album().performer("\xD5\xC5\xC8\xFD")},  // 张三
        {"tab after the keyword makes a comment", "TITLE\t\"x\"", album().comments("TITLE\t\"x\"")},
    };
    for (const HeaderRow& row : rows) {
        CueSheet sheet;
        sheet.parseHeader(row.headerText);
        EXPECT_EQ(sheet.header, row.expected) << row.label;
    }
}

struct BlocksRow {
    const char* label;
    std::string trackText;
    std::vector<std::string> blocks;
};

TEST(SplitTrackBlocksTest, Table) {
    const BlocksRow rows[] = {
        {"two tracks, indentation belongs to no block",
         crlfLines({"  TRACK 01 AUDIO", "    INDEX 01 00:00:00", "  TRACK 02 AUDIO",
                    "    INDEX 01 05:00:00"}),
         {"TRACK 01 AUDIO\r\n    INDEX 01 00:00:00", "TRACK 02 AUDIO\r\n    INDEX 01 05:00:00"}},
        {"title holding TRACK and a space",
         crlfLines(
             {"TRACK 01 AUDIO", "  TITLE \"TRACK 7\"", "  INDEX 01 00:00:00", "TRACK 02 AUDIO"}),
         {"TRACK 01 AUDIO\r\n  TITLE \"TRACK 7\"\r\n  INDEX 01 00:00:00", "TRACK 02 AUDIO"}},
        {"last block keeps the empty lines that end the sheet",
         "TRACK 01 AUDIO\r\n\r\n",
         {"TRACK 01 AUDIO\r\n\r\n"}},
        {"empty line before the next TRACK line stays in the block",
         "TRACK 01 AUDIO\r\n\r\n  TRACK 02 AUDIO",
         {"TRACK 01 AUDIO\r\n", "TRACK 02 AUDIO"}},
        {"a second TRACK on a TRACK line starts a block there",
         crlfLines({"TRACK 01 AUDIO", "TRACK 02 AUDIO TRACK 03 AUDIO", "INDEX 01 1"}),
         {"TRACK 01 AUDIO", "", "TRACK 03 AUDIO\r\nINDEX 01 1"}},
        {"a second TRACK on the first line",
         "TRACK 01 AUDIO TRACK 02\r\nINDEX",
         {"", "TRACK 02\r\nINDEX"}},
        {"the first search asks for the bare word",
         crlfLines({"TRACKS x", "  TRACK 02 AUDIO"}),
         {"TRACKS x", "TRACK 02 AUDIO"}},
        {"text before the first TRACK is in no block", "x TRACK 01 AUDIO", {"TRACK 01 AUDIO"}},
        {"lower-case track line does not split",
         crlfLines({"TRACK 01 AUDIO", "track 02 audio"}),
         {"TRACK 01 AUDIO\r\ntrack 02 audio"}},
        {"tab after TRACK does not split",
         crlfLines({"TRACK 01 AUDIO", "TRACK\t02 AUDIO"}),
         {"TRACK 01 AUDIO\r\nTRACK\t02 AUDIO"}},
        {"TRACK inside another first word",
         crlfLines({"TRACK 01 AUDIO", "TRACKING TRACK 5"}),
         {"TRACK 01 AUDIO\r\nTRACKING TRACK 5"}},
        {"full-width indentation",
         crlfLines({"TRACK 01 AUDIO", "\xA1\xA1TRACK 02 AUDIO"}),
         {"TRACK 01 AUDIO", "TRACK 02 AUDIO"}},
        {"CR as a trail byte joins a TRACK line to the next",
         "TRACK 01 AUDIO \x81\r\nTRACK 02 AUDIO",
         {"", "TRACK 02 AUDIO"}},
        {"CR as a trail byte joins a REM line to the next",
         "TRACK 01 AUDIO\r\nREM \x81\r\nTRACK 02 AUDIO",
         {"TRACK 01 AUDIO\r\nREM \x81\r\nTRACK 02 AUDIO"}},
        {"no TRACK at all", "REM x", {}},
        {"LF-only text whose first word is TRACK",
         "TRACK 01 AUDIO\n  TRACK 02 AUDIO\n",
         {"", "TRACK 02 AUDIO\n"}},
        {"LF-only text whose first word is not TRACK",
         "REM a\nTRACK 01 AUDIO\n  TRACK 02 AUDIO\n",
         {"TRACK 01 AUDIO\n  TRACK 02 AUDIO\n"}},
    };
    for (const BlocksRow& row : rows) {
        CueSheet sheet;
        sheet.splitTrackBlocks(row.trackText);
        EXPECT_EQ(sheet.trackBlocks, row.blocks) << row.label;
    }
}

TEST(SplitTrackBlocksTest, AppendsToEarlierBlocks) {
    CueSheet sheet;
    sheet.splitTrackBlocks("TRACK 01 AUDIO");
    sheet.splitTrackBlocks(crlfLines({"TRACK 02 AUDIO", "TRACK 03 AUDIO"}));
    EXPECT_EQ(sheet.trackBlocks,
              (std::vector<std::string>{"TRACK 01 AUDIO", "TRACK 02 AUDIO", "TRACK 03 AUDIO"}));
}

struct TrackRow {
    const char* label;
    std::string block;
    TrackEntry expected;
};

TEST(ParseTracksTest, Table) {
    const TrackRow rows[] = {
        {"every kind of line",
         crlfLines({"TRACK 01 AUDIO", "    TITLE \"A\"", "    PERFORMER \"B\"", "    FLAGS DCP",
                    "    REM COMPOSER \"C\"", "    INDEX 00 00:00:00", "    ISRC X",
                    "    REM DATE 1999", "    INDEX 01 00:02:00"}),
         track("TRACK 01 AUDIO")
             .title("A")
             .performer("B")
             .other("FLAGS DCP\r\n    ISRC X")
             .rem("REM COMPOSER \"C\"\r\n    REM DATE 1999")
             .index("INDEX 00 00:00:00\r\n    INDEX 01 00:02:00")},
        {"no TITLE line", "TRACK 01 AUDIO", track("TRACK 01 AUDIO")},
        {"second TITLE wins", crlfLines({"TRACK 01 AUDIO", "TITLE \"A\"", "TITLE \"B\""}),
         track("TRACK 01 AUDIO").title("B")},
        {"TITLE without quotes is empty, not an other line",
         crlfLines({"TRACK 01 AUDIO", "TITLE x"}), track("TRACK 01 AUDIO")},
        {"TRACK line keeps its trailing blanks", "TRACK 01 AUDIO  ", track("TRACK 01 AUDIO  ")},
        {"lone blank line leaves other lines empty",
         crlfLines({"TRACK 01 AUDIO", "", "    INDEX 01 00:00:00"}),
         track("TRACK 01 AUDIO").index("INDEX 01 00:00:00")},
        {"blank line after an other line leaves a break at the end",
         crlfLines({"TRACK 01 AUDIO", "    FLAGS DCP", "", "    INDEX 01 00:00:00"}),
         track("TRACK 01 AUDIO").other("FLAGS DCP\r\n").index("INDEX 01 00:00:00")},
        {"blank line before an other line leaves a break at the start",
         crlfLines({"TRACK 01 AUDIO", "", "    FLAGS DCP"}),
         track("TRACK 01 AUDIO").other("\r\n    FLAGS DCP")},
        {"trailing blanks kept except at the end of a field",
         crlfLines({"TRACK 01 AUDIO", "REM A  ", "REM B  "}),
         track("TRACK 01 AUDIO").rem("REM A  \r\n    REM B")},
        {"lower-case keywords are other lines",
         crlfLines({"TRACK 01 AUDIO", "rem x", "index 01 x", "title \"t\""}),
         track("TRACK 01 AUDIO").other("rem x\r\n    index 01 x\r\n    title \"t\"")},
        {"lone keywords are other lines", crlfLines({"TRACK 01 AUDIO", "INDEX", "REM"}),
         track("TRACK 01 AUDIO").other("INDEX\r\n    REM")},
        {"CATALOG in a track is an other line", crlfLines({"TRACK 01 AUDIO", "CATALOG 1"}),
         track("TRACK 01 AUDIO").other("CATALOG 1")},
        {"full-width indentation", crlfLines({"TRACK 01 AUDIO", "\xA1\xA1INDEX 01 00:00:00"}),
         track("TRACK 01 AUDIO").index("INDEX 01 00:00:00")},
        {"GBK title", crlfLines({"TRACK 01 AUDIO", "TITLE \"\xB8\xE8\""}),  // 歌
         track("TRACK 01 AUDIO").title("\xB8\xE8")},
        {"CR as a trail byte carries the next line along",
         "TRACK 01 AUDIO\r\nREM \x81\r\nINDEX 01 00:00:00",
         track("TRACK 01 AUDIO").rem("REM \x81\r\nINDEX 01 00:00:00")},
        {"empty block", "", {}},
    };
    for (const TrackRow& row : rows) {
        CueSheet sheet;
        sheet.trackBlocks = {row.block};
        sheet.parseTracks();
        ASSERT_EQ(sheet.tracks.size(), 1u) << row.label;
        EXPECT_EQ(sheet.tracks[0], row.expected) << row.label;
    }
}

TEST(ParseTracksTest, RebuildsTheListFromScratch) {
    CueSheet sheet;
    sheet.tracks.assign(5, track("TRACK 09 AUDIO").title("old"));
    sheet.trackBlocks = {"TRACK 01 AUDIO", "TRACK 02 AUDIO"};
    sheet.parseTracks();
    EXPECT_EQ(sheet.tracks, (TrackList{track("TRACK 01 AUDIO"), track("TRACK 02 AUDIO")}));
}

TEST(LoadTextTest, WholeSheet) {
    const CueSheet sheet = loadedSheet(crlfLines({
        "REM GENRE Pop",
        "PERFORMER \"Band\"",
        "TITLE \"Album\"",
        "FILE \"Album.wav\" WAVE",
        "  TRACK 01 AUDIO",
        "    TITLE \"One\"",
        "    INDEX 01 00:00:00",
        "  TRACK 02 AUDIO",
        "    TITLE \"Two\"",
        "    PERFORMER \"Guest\"",
        "    INDEX 01 04:00:00",
    }));
    EXPECT_EQ(sheet.headerText, crlfLines({"REM GENRE Pop", "PERFORMER \"Band\"", "TITLE \"Album\"",
                                           "FILE \"Album.wav\" WAVE"}));
    EXPECT_EQ(sheet.header,
              SheetHeader(album().performer("Band").title("Album").file("Album.wav").genre("Pop")));
    EXPECT_EQ(
        sheet.tracks,
        (TrackList{
            track("TRACK 01 AUDIO").title("One").index("INDEX 01 00:00:00"),
            track("TRACK 02 AUDIO").title("Two").performer("Guest").index("INDEX 01 04:00:00")}));
}

TEST(LoadTextTest, TracksKeepTheOrderOfTheText) {
    const CueSheet sheet = loadedSheet(
        crlfLines({"TRACK 01 AUDIO", "TRACK 05 AUDIO", "TRACK 02 AUDIO", "TRACK 02 AUDIO"}));
    EXPECT_EQ(sheet.tracks, (TrackList{track("TRACK 01 AUDIO"), track("TRACK 05 AUDIO"),
                                       track("TRACK 02 AUDIO"), track("TRACK 02 AUDIO")}));
}

TEST(LoadTextTest, LfOnlySheetIsOneTrackLine) {
    const std::string text =
        "REM GENRE Pop\nPERFORMER \"P\"\n  TRACK 01 AUDIO\n    TITLE \"T\"\n    INDEX 01 "
        "00:00:00\n";
    const CueSheet sheet = loadedSheet(text);
    EXPECT_EQ(sheet.header, SheetHeader{});
    EXPECT_EQ(sheet.tracks,
              (TrackList{track("TRACK 01 AUDIO\n    TITLE \"T\"\n    INDEX 01 00:00:00\n")}));
}

}  // namespace
}  // namespace cuepad
