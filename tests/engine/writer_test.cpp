// The writer, compared byte for byte: the album lines with their GBK defaults, every track's
// lines in their fixed order, defaults written back into the track list, and the collapsing of
// empty lines that leaves no line break at either end.
#include "sheet_test_support.hpp"

#include "engine/sheet.hpp"
#include "engine/sheet_writer.hpp"
#include "engine/text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace cuepad {
namespace {

using test::album;
using test::crlfLines;
using test::kUnknownPerformer;
using test::kUnknownTitle;
using test::track;

std::string quoted(std::string_view keyword, std::string_view value) {
    return std::string(keyword) + " \"" + std::string(value) + "\"";
}

TEST(GenerateTextTest, TwoTrackAlbumByteForByte) {
    const SheetHeader header = album()
                                   .performer("Some Artist")
                                   .title("Some Album")
                                   .file("Some Album.wav")
                                   .date("2008")
                                   .genre("Pop")
                                   .comments("REM COMMENT \"ripped\"");
    TrackList tracks{track("TRACK 01 AUDIO").index("INDEX 01 00:00:00"),
                     track("TRACK 02 AUDIO")
                         .title("Second Song")
                         .performer("Some Artist")
                         .other("FLAGS DCP")
                         .index("INDEX 00 03:58:20\r\n    INDEX 01 04:00:00")};
    const std::string expected =
        "REM COMMENT \"ripped\"\r\n"
        "PERFORMER \"Some Artist\"\r\n"
        "TITLE \"Some Album\"\r\n"
        "FILE \"Some Album.wav\" WAVE\r\n"
        "REM DATE 2008\r\n"
        "REM GENRE Pop\r\n"
        "  TRACK 01 AUDIO\r\n"
        "    TITLE \"Track01\"\r\n"
        "    PERFORMER \"\xCE\xB4\xD6\xAA\xD2\xD5\xCA\xF5\xBC\xD2\"\r\n"  // 未知艺术家
        "    INDEX 01 00:00:00\r\n"
        "  TRACK 02 AUDIO\r\n"
        "    TITLE \"Second Song\"\r\n"
        "    PERFORMER \"Some Artist\"\r\n"
        "    FLAGS DCP\r\n"
        "    INDEX 00 03:58:20\r\n"
        "    INDEX 01 04:00:00";
    EXPECT_EQ(CueSheet::generateText(header, tracks), expected);
    EXPECT_EQ(tracks[0].title, "Track01");
    EXPECT_EQ(tracks[0].performer, kUnknownPerformer);
    EXPECT_EQ(tracks[1].title, "Second Song");
}

TEST(GenerateTextTest, CommentsEndingInALineBreakGiveTheSameText) {
    SheetHeader header = album().performer("P").title("T").comments("REM A");
    TrackList none;
    const std::string plain = CueSheet::generateText(header, none);
    header.comments = "REM A\r\n";  // as saving fills it, every kept line followed by CR LF
    EXPECT_EQ(CueSheet::generateText(header, none), plain);
}

struct HeaderLinesRow {
    const char* label;
    SheetHeader header;
    std::string expected;  // the whole text, as there are no tracks
};

TEST(GenerateTextTest, HeaderLines) {
    const std::string defaultPerformer = quoted("PERFORMER", kUnknownPerformer);
    const std::string defaultTitle = quoted("TITLE", kUnknownTitle);
    const HeaderLinesRow rows[] = {
        {"empty header: defaults, blank after the tags, nothing after the last line",
         {},
         crlfLines({defaultPerformer, defaultTitle, "FILE \"\" WAVE", "REM DATE ", "REM GENRE "})},
        {"catalog first, then comments", album().catalog("0000000000000").comments("REM A"),
         crlfLines({"CATALOG 0000000000000", "REM A", defaultPerformer, defaultTitle,
                    "FILE \"\" WAVE", "REM DATE ", "REM GENRE "})},
        {"empty comment lines vanish", album().comments("\r\nREM A\r\n\r\n\r\nREM B\r\n"),
         crlfLines({"REM A", "REM B", defaultPerformer, defaultTitle, "FILE \"\" WAVE", "REM DATE ",
                    "REM GENRE "})},
        {"values are written as they are",
         album()
             .performer(" x")
             .title("a\"b")
             .file("c:\\d.flac")
             .date("\"2008\"")
             .genre("\xC1\xF7\xD0\xD0"),  // 流行
         crlfLines({"PERFORMER \" x\"", "TITLE \"a\"b\"", "FILE \"c:\\d.flac\" WAVE",
                    "REM DATE \"2008\"", "REM GENRE \xC1\xF7\xD0\xD0"})},
        {"a line break inside a value goes out as it is", album().title("a\r\nb"),
         crlfLines(
             {defaultPerformer, "TITLE \"a", "b\"", "FILE \"\" WAVE", "REM DATE ", "REM GENRE "})},
    };
    for (const HeaderLinesRow& row : rows) {
        TrackList none;
        EXPECT_EQ(CueSheet::generateText(row.header, none), row.expected) << row.label;
    }
}

// The text of the tracks alone: what follows the REM GENRE line of an empty header.
std::string trackPart(const std::string& text) {
    const std::string genreLine = "REM GENRE \r\n";
    const auto at = text.find(genreLine);
    return at == std::string::npos ? text : text.substr(at + genreLine.size());
}

TEST(GenerateTextTest, TrackLinesInTheirOrder) {
    TrackList tracks{track("TRACK 01 AUDIO")
                         .title("T")
                         .performer("P")
                         .other("FLAGS DCP\r\n    ISRC X")
                         .rem("REM A\r\n    REM B")
                         .index("INDEX 01 00:00:00"),
                     track("TRACK 02 AUDIO").title("U").performer("Q")};
    const std::string text = CueSheet::generateText({}, tracks);
    EXPECT_EQ(trackPart(text),
              crlfLines({
                  "  TRACK 01 AUDIO", "    TITLE \"T\"", "    PERFORMER \"P\"", "    FLAGS DCP",
                  "    ISRC X", "    REM A", "    REM B", "    INDEX 01 00:00:00",
                  "  TRACK 02 AUDIO", "    TITLE \"U\"", "    PERFORMER \"Q\"",
                  "    ",  // no INDEX lines: four blanks close the block
              }));
}

TEST(GenerateTextTest, FieldWithALeadingLineBreakGivesABlankLine) {
    TrackList tracks{track("TRACK 01 AUDIO")
                         .title("T")
                         .performer("P")
                         .other("\r\n    FLAGS DCP")
                         .index("INDEX 01 00:00:00")};
    EXPECT_EQ(trackPart(CueSheet::generateText({}, tracks)),
              crlfLines({"  TRACK 01 AUDIO", "    TITLE \"T\"", "    PERFORMER \"P\"", "    ",
                         "    FLAGS DCP", "    INDEX 01 00:00:00"}));
}

TEST(GenerateTextTest, EmptyTitlesAndPerformersGetDefaultsByPosition) {
    TrackList tracks(100, track("TRACK 07 AUDIO").index("INDEX 01 1"));
    tracks[1].title = "Kept";
    tracks[1].performer = "Someone";
    const std::string text = CueSheet::generateText({}, tracks);

    const struct {
        std::size_t index;
        std::string_view title;
    } titles[] = {{0, "Track01"}, {1, "Kept"},     {2, "Track03"},  {8, "Track09"},
                  {9, "Track10"}, {98, "Track99"}, {99, "Track100"}};
    for (const auto& row : titles) {
        EXPECT_EQ(tracks[row.index].title, row.title) << "entry " << row.index;
        EXPECT_NE(text.find(quoted("    TITLE", row.title) + "\r\n"), std::string::npos)
            << row.title;
    }
    EXPECT_EQ(tracks[0].performer, kUnknownPerformer);
    EXPECT_EQ(tracks[1].performer, "Someone");
    EXPECT_EQ(tracks[99].performer, kUnknownPerformer);
}

TEST(GenerateTextTest, NoEmptyLineAndNoBreakAtEitherEnd) {
    const SheetHeader headers[] = {
        {},
        album().catalog("1").comments("\r\n\r\nREM A\r\n\r\n"),
        album().comments("\r\n"),
    };
    const TrackList trackLists[] = {
        {},
        {track("TRACK 01 AUDIO").other("\r\n\r\n").rem("\r\n")},
        {track().index("INDEX 01 1\r\n\r\n"), track().other("X\r\n")},
    };
    for (const SheetHeader& header : headers) {
        for (TrackList tracks : trackLists) {
            const std::string text = CueSheet::generateText(header, tracks);
            SCOPED_TRACE(::testing::PrintToString(text));
            EXPECT_NE(text.substr(0, 2), "\r\n");
            EXPECT_FALSE(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n");
            EXPECT_EQ(findText(text, "\r\n\r\n"), -1);
        }
    }
}

TEST(GenerateTextTest, SecondCallGivesTheSameTextAndChangesNothing) {
    const SheetHeader header = album().title("A").comments("REM X");
    TrackList tracks{track("TRACK 01 AUDIO"),
                     track("TRACK 02 AUDIO").title("B").index("INDEX 01 1")};
    const std::string first = CueSheet::generateText(header, tracks);
    const TrackList afterFirst = tracks;
    EXPECT_EQ(CueSheet::generateText(header, tracks), first);
    EXPECT_EQ(tracks, afterFirst);
}

TEST(TwoDigitNumberTest, Table) {
    const struct {
        int n;
        std::string_view expected;
    } rows[] = {{1, "01"}, {9, "09"}, {10, "10"}, {99, "99"}, {123, "123"}, {0, "00"}};
    for (const auto& row : rows) EXPECT_EQ(twoDigitNumber(row.n), row.expected) << row.n;
}

struct CollapseRow {
    const char* label;
    std::string_view text;
    std::string_view expected;
};

TEST(CollapseBlankLinesTest, Table) {
    const CollapseRow rows[] = {
        {"run of three breaks", "a\r\n\r\n\r\nb", "a\r\nb"},
        {"two breaks alone", "\r\n\r\n", "\r\n"},
        {"breaks at the end", "a\r\n\r\n", "a\r\n"},
        {"single breaks stay", "a\r\nb\r\nc", "a\r\nb\r\nc"},
        {"a blank line is not empty", "a\r\n \r\nb", "a\r\n \r\nb"},
        {"CR CR LF LF is not two breaks", "a\r\r\n\nb", "a\r\r\n\nb"},
        {"a trail-byte CR is no break", "\x81\r\n\r\n", "\x81\r\n\r\n"},
        {"breaks after a trail-byte CR collapse", "\x81\r\n\r\n\r\n", "\x81\r\n\r\n"},
        {"empty", "", ""},
    };
    for (const CollapseRow& row : rows)
        EXPECT_EQ(collapseBlankLines(row.text), row.expected) << row.label;
}

}  // namespace
}  // namespace cuepad
