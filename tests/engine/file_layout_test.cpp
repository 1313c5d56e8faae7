// FILE lines inside track blocks. In sheets with one file per track a FILE line stands between
// two tracks (at the end of the earlier block) or between a track's INDEX 00 and INDEX 01; it is
// kept among the INDEX lines in file order, so that index times stay with their audio file.
#include "sheet_test_support.hpp"

#include "engine/sheet.hpp"

#include <gtest/gtest.h>

#include <string>

namespace cuepad {
namespace {

using test::crlfLines;
using test::kUnknownPerformer;
using test::loadedSheet;
using test::track;

const std::string unknownPerformerLine = "    PERFORMER \"" + std::string(kUnknownPerformer) + "\"";

// One file per track, each FILE line in front of its TRACK line.
const std::string fileBetweenTracks = crlfLines({
    "REM GENRE Pop",
    "PERFORMER \"Band\"",
    "TITLE \"Album\"",
    "FILE \"01.wav\" WAVE",
    "  TRACK 01 AUDIO",
    "    TITLE \"One\"",
    "    INDEX 01 00:00:00",
    "FILE \"02.wav\" WAVE",
    "  TRACK 02 AUDIO",
    "    TITLE \"Two\"",
    "    FLAGS DCP",
    "    INDEX 01 00:00:00",
});

// Gaps appended to the previous file: INDEX 00 of a track lies in the earlier file, and the
// FILE line stands between INDEX 00 and INDEX 01.
const std::string fileBetweenIndexes = crlfLines({
    "PERFORMER \"Band\"",
    "TITLE \"Album\"",
    "FILE \"01.wav\" WAVE",
    "  TRACK 01 AUDIO",
    "    TITLE \"One\"",
    "    INDEX 01 00:00:00",
    "  TRACK 02 AUDIO",
    "    TITLE \"Two\"",
    "    INDEX 00 03:58:20",
    "FILE \"02.wav\" WAVE",
    "    REM X",
    "    ISRC 000000000000",
    "    INDEX 01 00:00:00",
});

TEST(FileLayoutTest, FileBetweenTracksEndsTheEarlierTracksIndexLines) {
    const CueSheet sheet = loadedSheet(fileBetweenTracks);
    EXPECT_EQ(sheet.header.file, "01.wav");
    EXPECT_EQ(
        sheet.tracks,
        (TrackList{
            track("TRACK 01 AUDIO")
                .title("One")
                .index("INDEX 01 00:00:00\r\n    FILE \"02.wav\" WAVE"),
            track("TRACK 02 AUDIO").title("Two").other("FLAGS DCP").index("INDEX 01 00:00:00")}));
}

TEST(FileLayoutTest, FileBetweenTracksIsWrittenBeforeTheNextTrack) {
    CueSheet sheet = loadedSheet(fileBetweenTracks);
    const std::string expected = crlfLines({
        "PERFORMER \"Band\"",
        "TITLE \"Album\"",
        "FILE \"01.wav\" WAVE",
        "REM DATE ",
        "REM GENRE Pop",
        "  TRACK 01 AUDIO",
        "    TITLE \"One\"",
        unknownPerformerLine,
        "    INDEX 01 00:00:00",
        "    FILE \"02.wav\" WAVE",
        "  TRACK 02 AUDIO",
        "    TITLE \"Two\"",
        unknownPerformerLine,
        "    FLAGS DCP",
        "    INDEX 01 00:00:00",
    });
    EXPECT_EQ(CueSheet::generateText(sheet.header, sheet.tracks), expected);
}

TEST(FileLayoutTest, FileBetweenIndexesKeepsItsPlace) {
    const CueSheet sheet = loadedSheet(fileBetweenIndexes);
    EXPECT_EQ(sheet.header.file, "01.wav");
    ASSERT_EQ(sheet.tracks.size(), 2u);
    EXPECT_EQ(sheet.tracks[0].indexLines, "INDEX 01 00:00:00");
    EXPECT_EQ(sheet.tracks[1],
              TrackEntry(track("TRACK 02 AUDIO")
                             .title("Two")
                             .other("ISRC 000000000000")
                             .rem("REM X")
                             .index("INDEX 00 03:58:20\r\n    FILE \"02.wav\" WAVE\r\n"
                                    "    INDEX 01 00:00:00")));
}

TEST(FileLayoutTest, FileBetweenIndexesIsWrittenBetweenThem) {
    CueSheet sheet = loadedSheet(fileBetweenIndexes);
    const std::string expected = crlfLines({
        "PERFORMER \"Band\"",
        "TITLE \"Album\"",
        "FILE \"01.wav\" WAVE",
        "REM DATE ",
        "REM GENRE ",
        "  TRACK 01 AUDIO",
        "    TITLE \"One\"",
        unknownPerformerLine,
        "    INDEX 01 00:00:00",
        "  TRACK 02 AUDIO",
        "    TITLE \"Two\"",
        unknownPerformerLine,
        "    ISRC 000000000000",
        "    REM X",
        "    INDEX 00 03:58:20",
        "    FILE \"02.wav\" WAVE",
        "    INDEX 01 00:00:00",
    });
    EXPECT_EQ(CueSheet::generateText(sheet.header, sheet.tracks), expected);
}

TEST(FileLayoutTest, EveryFileLineSurvivesARoundTrip) {
    for (const std::string* text : {&fileBetweenTracks, &fileBetweenIndexes}) {
        CueSheet first = loadedSheet(*text);
        const std::string written = CueSheet::generateText(first.header, first.tracks);
        const CueSheet second = loadedSheet(written);
        EXPECT_EQ(second.tracks, first.tracks) << written;
        EXPECT_EQ(second.header.file, first.header.file) << written;
    }
}

TEST(FileLayoutTest, SingleFileSheetHasNoFileLineInItsTracks) {
    const CueSheet sheet = loadedSheet(crlfLines({
        "FILE \"Album.wav\" WAVE",
        "  TRACK 01 AUDIO",
        "    INDEX 01 00:00:00",
        "  TRACK 02 AUDIO",
        "    INDEX 00 03:58:20",
        "    INDEX 01 04:00:00",
    }));
    EXPECT_EQ(sheet.header.file, "Album.wav");
    EXPECT_EQ(
        sheet.tracks,
        (TrackList{track("TRACK 01 AUDIO").index("INDEX 01 00:00:00"),
                   track("TRACK 02 AUDIO").index("INDEX 00 03:58:20\r\n    INDEX 01 04:00:00")}));
}

TEST(FileLayoutTest, OnlyTheCapitalKeywordCountsAsFile) {
    const CueSheet sheet = loadedSheet(crlfLines({
        "TRACK 01 AUDIO",
        "  INDEX 01 00:00:00",
        "  file \"02.wav\" WAVE",
        "  FILE",
    }));
    ASSERT_EQ(sheet.tracks.size(), 1u);
    EXPECT_EQ(sheet.tracks[0].indexLines, "INDEX 01 00:00:00");
    EXPECT_EQ(sheet.tracks[0].otherLines, "file \"02.wav\" WAVE\r\n    FILE");
}

}  // namespace
}  // namespace cuepad
