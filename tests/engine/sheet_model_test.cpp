// The sheet object around the reader and writer: the compatibility test, a new object's empty
// state, the copies handed to the document, and what loadText's stages append to.
#include "sheet_test_support.hpp"

#include "engine/sheet.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace cuepad {
namespace {

using test::album;
using test::crlfLines;
using test::loadedSheet;
using test::track;

const std::string threeTracks = crlfLines({
    "REM COMMENT x",
    "PERFORMER \"Band\"",
    "TRACK 01 AUDIO",
    "  TITLE \"One\"",
    "TRACK 02 AUDIO",
    "TRACK 03 AUDIO",
});

struct CompatibleRow {
    const char* label;
    std::string_view text;
    bool expected;
};

TEST(IsCompatibleTest, Table) {
    const CompatibleRow rows[] = {
        {"the mark alone", "TRACK 01 AUDIO", true},
        {"only inside a comment line", "REM see TRACK 01 AUDIO\r\nTRACK 1", true},
        {"other letter case", "Track 01 Audio", false},
        {"two spaces", "TRACK  01 AUDIO", false},
        {"single-digit number", "TRACK 1 AUDIO", false},
        {"cut short", "TRACK 01 AUDI", false},
        {"empty text", "", false},
        {"after a GBK character", "\xB0\xA1TRACK 01 AUDIO", true},
        {"byte for byte even after a lone lead byte", "\x81TRACK 01 AUDIO", true},
    };
    for (const CompatibleRow& row : rows) {
        EXPECT_EQ(CueSheet::isCompatible(row.text), row.expected) << row.label;
    }
}

TEST(CueSheetTest, NewObjectIsEmpty) {
    const CueSheet sheet;
    EXPECT_EQ(sheet.headerText, "");
    EXPECT_EQ(sheet.trackText, "");
    EXPECT_EQ(sheet.header, SheetHeader{});
    EXPECT_TRUE(sheet.tracks.empty());
    EXPECT_TRUE(sheet.trackBlocks.empty());
}

TEST(CueSheetTest, CopyHeaderLeavesNoOldValueBehind) {
    const CueSheet sheet = loadedSheet(threeTracks);
    SheetHeader target = album()
                             .catalog("old")
                             .performer("old")
                             .title("old")
                             .file("old")
                             .date("old")
                             .genre("old")
                             .comments("old");
    sheet.copyHeader(target);
    EXPECT_EQ(target, SheetHeader(album().performer("Band").comments("REM COMMENT x")));
}

TEST(CueSheetTest, CopyTracksReplacesALongerList) {
    const CueSheet sheet = loadedSheet(threeTracks);
    TrackList target(5, track("TRACK 09 AUDIO").title("old"));
    sheet.copyTracks(target);
    EXPECT_EQ(target, (TrackList{track("TRACK 01 AUDIO").title("One"), track("TRACK 02 AUDIO"),
                                 track("TRACK 03 AUDIO")}));
}

TEST(CueSheetTest, CopiesAreIndependentOfTheSheet) {
    const CueSheet sheet = loadedSheet(threeTracks);
    CueSheet whole = sheet.copy();
    SheetHeader header;
    TrackList tracks;
    sheet.copyHeader(header);
    sheet.copyTracks(tracks);
    EXPECT_EQ(whole.headerText, sheet.headerText);
    EXPECT_EQ(whole.trackText, sheet.trackText);
    EXPECT_EQ(whole.trackBlocks, sheet.trackBlocks);

    whole.header.performer = "changed";
    whole.tracks[0].title = "changed";
    whole.trackBlocks[0] = "changed";
    header.performer = "changed";
    tracks[0].title = "changed";
    EXPECT_EQ(sheet.header.performer, "Band");
    EXPECT_EQ(sheet.tracks[0].title, "One");
    EXPECT_EQ(sheet.trackBlocks[0], "TRACK 01 AUDIO\r\n  TITLE \"One\"");
}

TEST(CueSheetTest, ParseHeaderAppendsToEarlierComments) {
    CueSheet sheet;
    sheet.parseHeader(crlfLines({"REM A", "TITLE \"x\""}));
    sheet.parseHeader("REM B");
    EXPECT_EQ(sheet.header.comments, "REM A\r\nREM B");
    EXPECT_EQ(sheet.header.title, "x");
}

TEST(CueSheetTest, LoadTextFillsEveryPart) {
    const CueSheet sheet = loadedSheet(threeTracks);
    EXPECT_EQ(sheet.headerText, "REM COMMENT x\r\nPERFORMER \"Band\"");
    EXPECT_EQ(sheet.trackText,
              crlfLines({"TRACK 01 AUDIO", "  TITLE \"One\"", "TRACK 02 AUDIO", "TRACK 03 AUDIO"}));
    EXPECT_EQ(sheet.trackBlocks.size(), 3u);
    EXPECT_EQ(sheet.tracks.size(), 3u);
}

}  // namespace
}  // namespace cuepad
