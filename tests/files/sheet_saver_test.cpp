// Saving: the text built from the six album boxes, the comment items (only REM lines are kept)
// and the document's tracks, compared byte for byte; and writing it, where every failure shows
// the message once, leaves the disk exactly as it was and still keeps the filled-in defaults.
#include "engine/sheet_test_support.hpp"

#include "engine/text.hpp"
#include "files/document.hpp"
#include "files/sheet_loader.hpp"
#include "files/sheet_saver.hpp"
#include "files/strings.hpp"
#include "platform/headless/headless_system.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad {
namespace {

using cuepad::testing::rowName;

using platform::HeadlessSystem;
using test::kUnknownPerformer;
using test::track;

constexpr std::string_view kZhangGbk = "\xD5\xC5\xD1\xA7\xD3\xD1";  // 张学友
constexpr std::string_view kWenbieGbk = "\xCE\xC7\xB1\xF0";          // 吻别

std::string str(std::string_view text) { return std::string(text); }

TEST(AssembleSheetTextTest, BoxesGoIntoTheirLinesAsTheyStand) {
    AlbumBoxTexts boxes;
    boxes.catalog = "4988006";
    boxes.performer = " " + str(kZhangGbk) + " ";
    boxes.title = kWenbieGbk;
    boxes.file = str(kWenbieGbk) + ".wav";
    boxes.date = "1993 ";
    boxes.genre = "Pop";
    TrackList tracks{track("TRACK 01 AUDIO").index("INDEX 01 00:00:00")};

    const std::string expected = "CATALOG 4988006\r\n"
                                 "REM COMMENT x\r\n"
                                 "PERFORMER \" " + str(kZhangGbk) + " \"\r\n"
                                 "TITLE \"" + str(kWenbieGbk) + "\"\r\n"
                                 "FILE \"" + str(kWenbieGbk) + ".wav\" WAVE\r\n"
                                 "REM DATE 1993 \r\n"
                                 "REM GENRE Pop\r\n"
                                 "  TRACK 01 AUDIO\r\n"
                                 "    TITLE \"Track01\"\r\n"
                                 "    PERFORMER \"" + str(kUnknownPerformer) + "\"\r\n"
                                 "    INDEX 01 00:00:00";
    EXPECT_EQ(assembleSheetText(boxes, {"REM COMMENT x"}, tracks), expected);
}

// The writer works on the caller's tracks: the defaults it fills in stay there.
TEST(AssembleSheetTextTest, FillsEmptyTrackFieldsInTheGivenTracks) {
    TrackList tracks{track("TRACK 01 AUDIO"), track("TRACK 02 AUDIO").title("Kept").performer("Also kept"),
                     track("TRACK 03 AUDIO").performer("P")};
    assembleSheetText({}, {}, tracks);
    const TrackList filled{track("TRACK 01 AUDIO").title("Track01").performer(kUnknownPerformer),
                           track("TRACK 02 AUDIO").title("Kept").performer("Also kept"),
                           track("TRACK 03 AUDIO").title("Track03").performer("P")};
    EXPECT_EQ(tracks, filled);
}

struct CommentRow {
    const char* name;
    std::vector<std::string> items;
    std::vector<std::string> saved;  // the lines that reach the sheet, in order
};

void PrintTo(const CommentRow& row, std::ostream* out) { *out << row.name; }

const CommentRow kCommentRows[] = {
    {"OnlyRemItems", {"REM COMMENT x", "SONGWRITER y", "rem z"}, {"REM COMMENT x"}},
    {"OrderIsKept", {"REM B", "CDTEXTFILE \"a.cdt\"", "REM A"}, {"REM B", "REM A"}},
    {"LoneRemHasNoFirstWord", {"REM"}, {}},
    {"RemAndOneSpace", {"REM "}, {"REM "}},
    {"LeadingSpacesGo", {"   REM DISCID 8A0B5C0D"}, {"REM DISCID 8A0B5C0D"}},
    {"LeadingFullWidthSpacesGo", {"\xA1\xA1 \xA1\xA1REM DISCID 1"}, {"REM DISCID 1"}},  // full-width spaces
    {"TabIsNoBlank", {"\tREM x", "REM\tx"}, {}},
    {"LongerWord", {"REMARK x"}, {}},
    {"EmptyItem", {"", "REM x", ""}, {"REM x"}},
    {"InnerBlanksStay", {"REM  COMMENT   \"a  b\"  "}, {"REM  COMMENT   \"a  b\"  "}},
    {"ChineseValue", {"REM COMMENT " + str(kWenbieGbk)}, {"REM COMMENT " + str(kWenbieGbk)}},
};

class CommentFilterTest : public ::testing::TestWithParam<CommentRow> {};

TEST_P(CommentFilterTest, KeepsRemItems) {
    AlbumBoxTexts boxes;
    boxes.performer = "P";
    boxes.title = "T";
    boxes.file = "a.wav";
    boxes.date = "2008";
    boxes.genre = "Pop";
    TrackList tracks{track("TRACK 01 AUDIO").title("S").performer("P").index("INDEX 01 00:00:00")};

    std::string expected;
    for (const std::string& line : GetParam().saved) expected += line + "\r\n";
    expected += "PERFORMER \"P\"\r\n"
                "TITLE \"T\"\r\n"
                "FILE \"a.wav\" WAVE\r\n"
                "REM DATE 2008\r\n"
                "REM GENRE Pop\r\n"
                "  TRACK 01 AUDIO\r\n"
                "    TITLE \"S\"\r\n"
                "    PERFORMER \"P\"\r\n"
                "    INDEX 01 00:00:00";
    EXPECT_EQ(assembleSheetText(boxes, GetParam().items, tracks), expected);
}

INSTANTIATE_TEST_SUITE_P(Items, CommentFilterTest, ::testing::ValuesIn(kCommentRows), rowName<CommentRow>);

// A document opened from D:\cd\album.cue whose copy beside it was saved before.
class WriteSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        system.addFile("D:\\cd\\album.cue", "the opened sheet");
        system.addFile(target, "an earlier save");
        document.savePath = target;
        document.documentTracks = {track("TRACK 01 AUDIO").index("INDEX 01 00:00:00")};
        boxes.title = "T";
        boxes.file = "a.wav";
    }

    bool write() { return writeSheet(document, system, boxes, items); }

    // What the boxes, the items and the tracks make, the tracks filled as the writer fills them.
    std::string expectedText() const {
        TrackList tracks = document.documentTracks;
        return assembleSheetText(boxes, items, tracks);
    }

    const std::string target = "D:\\cd\\album" + str(strings::kCopySuffix);
    HeadlessSystem system;
    Document document;
    AlbumBoxTexts boxes;
    std::vector<std::string> items{"REM COMMENT x", "NOTE y"};
};

TEST_F(WriteSheetTest, ReplacesTheTargetSilently) {
    const std::string text = expectedText();
    EXPECT_TRUE(write());
    EXPECT_EQ(system.files.at(target), text);
    EXPECT_EQ(system.files.at("D:\\cd\\album.cue"), "the opened sheet");
    EXPECT_EQ(system.files.size(), 2u) << "no file but the target is written";
    EXPECT_TRUE(system.messages.empty());
    EXPECT_EQ(document.savePath, target);
}

TEST_F(WriteSheetTest, CreatesAMissingTarget) {
    system.files.erase(target);
    const std::string text = expectedText();
    EXPECT_TRUE(write());
    EXPECT_EQ(system.files.at(target), text);
    EXPECT_TRUE(system.messages.empty());
}

// The target's folder is what precedes its last real backslash, not the 0x5C inside 誠.
TEST_F(WriteSheetTest, TargetNameWithBackslashBytesIsWritten) {
    document.savePath = "D:\\cd\\\xE5\x5C\xD5\x5C.cue";  // D:\cd\錦誠.cue
    const std::string text = expectedText();
    EXPECT_TRUE(write());
    ASSERT_EQ(system.files.count(document.savePath), 1u);
    EXPECT_EQ(system.files.at(document.savePath), text);
    EXPECT_TRUE(system.messages.empty());
}

struct FaultRow {
    const char* name;
    void (*arrange)(HeadlessSystem& system, Document& document);
};

void PrintTo(const FaultRow& row, std::ostream* out) { *out << row.name; }

const FaultRow kFaultRows[] = {
    {"DiskFullAtOnce", [](HeadlessSystem& s, Document&) { s.diskFullAfterBytes = 0; }},
    {"DiskFullMidway", [](HeadlessSystem& s, Document&) { s.diskFullAfterBytes = 10; }},
    {"RenameRefused", [](HeadlessSystem& s, Document&) { s.refuseRename = true; }},
    {"FolderMissing", [](HeadlessSystem&, Document& d) { d.savePath = "E:\\gone\\album.cue"; }},
    {"ReadOnlyTarget", [](HeadlessSystem& s, Document& d) { s.readOnlyFiles.insert(d.savePath); }},
    {"ReadOnlyFolder", [](HeadlessSystem& s, Document&) { s.readOnlyFolders.insert("D:\\cd"); }},
    {"TargetOpenWithoutSharing", [](HeadlessSystem& s, Document& d) { s.lockedFiles.insert(d.savePath); }},
    {"EmptySavePath", [](HeadlessSystem&, Document& d) { d.savePath.clear(); }},
};

class WriteFailureTest : public WriteSheetTest, public ::testing::WithParamInterface<FaultRow> {};

TEST_P(WriteFailureTest, ShowsTheMessageOnceAndLosesNothing) {
    GetParam().arrange(system, document);
    const std::map<std::string, std::string> filesBefore = system.files;
    const std::string savePathBefore = document.savePath;

    EXPECT_FALSE(write());
    EXPECT_EQ(system.messages, std::vector<std::string>{str(strings::kWriteFailed)});
    EXPECT_EQ(system.files, filesBefore) << "the target is unchanged and nothing is added";
    EXPECT_EQ(system.temporaryFilesLeft(), 0);
    EXPECT_EQ(document.savePath, savePathBefore);
    // The defaults the writer filled in stay, even though nothing was written.
    ASSERT_EQ(document.documentTracks.size(), 1u);
    EXPECT_EQ(document.documentTracks[0].title, "Track01");
    EXPECT_EQ(document.documentTracks[0].performer, kUnknownPerformer);
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteFailureTest, ::testing::ValuesIn(kFaultRows), rowName<FaultRow>);

// A failed save leaves the next one free to succeed: no stale state in between.
TEST_F(WriteSheetTest, SaveAfterAFailureSucceeds) {
    system.refuseRename = true;
    EXPECT_FALSE(write());
    system.refuseRename = false;
    const std::string text = expectedText();
    EXPECT_TRUE(write());
    EXPECT_EQ(system.files.at(target), text);
    EXPECT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.temporaryFilesLeft(), 0);
}

// A UTF-8 sheet is opened as code page 936 and saved as code page 936, without the mark.
TEST(OpenAndSaveTest, Utf8SheetIsSavedAsCodePage936) {
    HeadlessSystem system;
    Document document;
    system.addFile("D:\\cd\\album.cue",
                   "\xEF\xBB\xBF"  // the UTF-8 byte-order mark
                   "REM COMMENT \xE5\x90\xBB\xE5\x88\xAB\r\n"                // 吻别
                   "PERFORMER \"\xE5\xBC\xA0\xE5\xAD\xA6\xE5\x8F\x8B\"\r\n"  // 张学友
                   "FILE \"a.wav\" WAVE\r\n"
                   "  TRACK 01 AUDIO\r\n"
                   "    TITLE \"\xE5\x90\xBB\xE5\x88\xAB\"\r\n"  // 吻别
                   "    INDEX 01 00:00:00");
    ASSERT_TRUE(loadSheet(document, system, "D:\\cd\\album.cue"));
    const SheetHeader& header = document.documentHeader;
    const AlbumBoxTexts boxes{header.catalog, header.performer, header.title,
                              header.file,    header.date,      header.genre};
    ASSERT_TRUE(writeSheet(document, system, boxes, splitText(header.comments, kLineBreak)));

    const std::string expected = "REM COMMENT " + str(kWenbieGbk) + "\r\n"
                                 "PERFORMER \"" + str(kZhangGbk) + "\"\r\n"
                                 "TITLE \"" + str(test::kUnknownTitle) + "\"\r\n"
                                 "FILE \"a.wav\" WAVE\r\n"
                                 "REM DATE \r\n"
                                 "REM GENRE \r\n"
                                 "  TRACK 01 AUDIO\r\n"
                                 "    TITLE \"" + str(kWenbieGbk) + "\"\r\n"
                                 "    PERFORMER \"" + str(kUnknownPerformer) + "\"\r\n"
                                 "    INDEX 01 00:00:00";
    EXPECT_EQ(system.files.at("D:\\cd\\album" + str(strings::kCopySuffix)), expected);
}

}  // namespace
}  // namespace cuepad
