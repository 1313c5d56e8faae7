// Loading a sheet file into the document through the in-memory system: what a load leaves in
// the document, where the same-folder save will write, every way a file is refused (with the
// previous document kept), the zero byte and the size limit, the character conversion on
// opening, and UTF-8 sheets turned into code page 936.
#include "engine/sheet_test_support.hpp"

#include "files/document.hpp"
#include "files/sheet_encoding.hpp"
#include "files/sheet_loader.hpp"
#include "files/strings.hpp"
#include "platform/headless/headless_system.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad {
namespace {

using cuepad::testing::rowName;

using namespace std::string_literals;
using platform::HeadlessSystem;
using test::crlfLines;

// 张学友, 吻别 and 我的中国心 in code page 936, and the same in UTF-8.
constexpr std::string_view kZhangGbk = "\xD5\xC5\xD1\xA7\xD3\xD1";
constexpr std::string_view kWenbieGbk = "\xCE\xC7\xB1\xF0";
constexpr std::string_view kHeartGbk = "\xCE\xD2\xB5\xC4\xD6\xD0\xB9\xFA\xD0\xC4";
constexpr std::string_view kZhangUtf8 = "\xE5\xBC\xA0\xE5\xAD\xA6\xE5\x8F\x8B";
constexpr std::string_view kWenbieUtf8 = "\xE5\x90\xBB\xE5\x88\xAB";
// 張學友 and 吻別: the Traditional forms, in code page 936 and in UTF-8.
constexpr std::string_view kZhangTraditionalGbk = "\x8F\x88\x8C\x57\xD3\xD1";
constexpr std::string_view kWenbieTraditionalGbk = "\xCE\xC7\x84\x65";
constexpr std::string_view kZhangTraditionalUtf8 = "\xE5\xBC\xB5\xE5\xAD\xB8\xE5\x8F\x8B";
constexpr std::string_view kWenbieTraditionalUtf8 = "\xE5\x90\xBB\xE5\x88\xA5";

std::string str(std::string_view text) { return std::string(text); }
std::string quoted(std::string_view keyword, std::string_view value) {
    return str(keyword) + " \"" + str(value) + "\"";
}

// A small sheet with the given album performer and title and one track of that performer.
std::string oneTrackSheet(std::string_view performer, std::string_view title) {
    return crlfLines({quoted("PERFORMER", performer), quoted("TITLE", title), "FILE \"a.wav\" WAVE",
                      "  TRACK 01 AUDIO", quoted("    TITLE", title), quoted("    PERFORMER", performer),
                      "    INDEX 01 00:00:00"});
}

// A sheet as a Chinese ripper writes it, in code page 936 (運 has 0x5C as its second byte).
std::string gbkSheet() {
    return crlfLines({"REM GENRE Pop", "REM DATE 1993", "REM COMMENT \"ExactAudioCopy v1.3\"",
                      quoted("PERFORMER", kZhangGbk), quoted("TITLE", kWenbieGbk),
                      "FILE \"" + str(kWenbieGbk) + ".wav\" WAVE", "  TRACK 01 AUDIO",
                      quoted("    TITLE", kWenbieGbk), quoted("    PERFORMER", kZhangGbk),
                      "    INDEX 01 00:00:00", "  TRACK 02 AUDIO",
                      quoted("    TITLE", str(kHeartGbk) + " \xDF\x5C"),  // 我的中国心 運
                      quoted("    PERFORMER", kZhangGbk), "    INDEX 00 04:10:00", "    INDEX 01 04:12:00"});
}

// The document state a test can compare as a whole.
struct DocumentState {
    SheetHeader header;
    TrackList tracks;
    std::string savePath;
    bool operator==(const DocumentState&) const = default;
};

DocumentState stateOf(const Document& document) {
    return {document.documentHeader, document.documentTracks, document.savePath};
}

void PrintTo(const DocumentState& state, std::ostream* out) {
    *out << "{header " << ::testing::PrintToString(state.header) << ", " << state.tracks.size()
         << " tracks, savePath " << ::testing::PrintToString(state.savePath) << "}";
}

class SheetLoaderTest : public ::testing::Test {
protected:
    bool load(const std::string& path) { return loadSheet(document, system, path); }

    HeadlessSystem system;
    Document document;
};

TEST_F(SheetLoaderTest, LoadsHeaderTracksAndSavePath) {
    system.addFile("D:\\cd\\album.cue", gbkSheet());
    ASSERT_TRUE(load("D:\\cd\\album.cue"));

    SheetHeader header;
    header.performer = kZhangGbk;
    header.title = kWenbieGbk;
    header.file = str(kWenbieGbk) + ".wav";
    header.date = "1993";
    header.genre = "Pop";
    header.comments = "REM COMMENT \"ExactAudioCopy v1.3\"";
    EXPECT_EQ(document.documentHeader, header);
    const TrackList tracks{
        test::track("TRACK 01 AUDIO").title(kWenbieGbk).performer(kZhangGbk).index("INDEX 01 00:00:00"),
        test::track("TRACK 02 AUDIO")
            .title(str(kHeartGbk) + " \xDF\x5C")  // 我的中国心 運
            .performer(kZhangGbk)
            .index("INDEX 00 04:10:00\r\n    INDEX 01 04:12:00")};
    EXPECT_EQ(document.documentTracks, tracks);
    EXPECT_EQ(document.savePath, "D:\\cd\\album" + str(strings::kCopySuffix));
    EXPECT_TRUE(system.messages.empty());
    EXPECT_EQ(system.files.at("D:\\cd\\album.cue"), gbkSheet()) << "loading never writes";
}

TEST_F(SheetLoaderTest, SecondSheetReplacesTheWholeDocument) {
    const std::string first = crlfLines({"REM COMMENT one", "PERFORMER \"A\"", "TITLE \"First\"", "CATALOG 123",
                                         "  TRACK 01 AUDIO", "  TRACK 02 AUDIO", "  TRACK 03 AUDIO"});
    system.addFile("D:\\a\\first.cue", first);
    system.addFile("E:\\b\\second.cue", crlfLines({"TITLE \"Second\"", "TRACK 01 AUDIO"}));
    ASSERT_TRUE(load("D:\\a\\first.cue"));
    ASSERT_TRUE(load("E:\\b\\second.cue"));

    SheetHeader header;
    header.title = "Second";
    EXPECT_EQ(document.documentHeader, header) << "nothing of the first album may remain";
    EXPECT_EQ(document.documentTracks, TrackList{test::track("TRACK 01 AUDIO")});
    EXPECT_EQ(document.savePath, "E:\\b\\second" + str(strings::kCopySuffix));
}

struct SavePathRow {
    const char* name;
    std::string_view path;
    std::string_view savePathBeforeSuffix;  // the save path is this followed by -副本.cue
};

void PrintTo(const SavePathRow& row, std::ostream* out) { *out << row.name; }

const SavePathRow kSavePathRows[] = {
    {"Plain", "D:\\music\\album.cue", "D:\\music\\album"},
    {"NoExtension", "D:\\music\\album", "D:\\music\\album"},
    {"OnlyTheLastExtensionGoes", "D:\\music\\a.b.cue", "D:\\music\\a.b"},
    {"NoFolder", "album.cue", "album"},
    {"DotInFolderOnly", "D:\\my.music\\album", "D:\\my.music\\album"},
    {"NameIsAllExtension", "D:\\music\\.cue", "D:\\music\\"},
    {"NameEndsInDot", "D:\\music\\album.", "D:\\music\\album"},
    {"NameEndsInBackslashByte", "D:\\cd\\\xDF\x5C.cue", "D:\\cd\\\xDF\x5C"},             // 運.cue
    {"FolderEndsInBackslashByte", "D:\\\xDF\x5C\\album.cue", "D:\\\xDF\x5C\\album"},      // 運
    {"ExtensionEndsInBackslashByte", "D:\\cd\\a.\xE5\x5C", "D:\\cd\\a"},                  // a.錦
};

class SavePathTest : public ::testing::TestWithParam<SavePathRow> {};

TEST_P(SavePathTest, IsTheCopyBesideTheOpenedFile) {
    HeadlessSystem system;
    Document document;
    const std::string path(GetParam().path);
    system.addFile(path, crlfLines({"TITLE \"x\"", "  TRACK 01 AUDIO"}));
    ASSERT_TRUE(loadSheet(document, system, path));
    EXPECT_EQ(document.savePath, str(GetParam().savePathBeforeSuffix) + str(strings::kCopySuffix));
}

INSTANTIATE_TEST_SUITE_P(Paths, SavePathTest, ::testing::ValuesIn(kSavePathRows), rowName<SavePathRow>);

// Files that must be refused, each after a good sheet was loaded from D:\cd\album.cue.
struct RefusalRow {
    const char* name;
    std::string_view path;
    std::optional<std::string> bytes;  // nothing: no such file
    bool locked = false;               // held open without sharing by another program
};

void PrintTo(const RefusalRow& row, std::ostream* out) { *out << row.name; }

const RefusalRow kRefusalRows[] = {
    {"EmptyPath", "", std::nullopt},
    {"MissingFile", "D:\\cd\\gone.cue", std::nullopt},
    {"LockedFile", "D:\\cd\\locked.cue", oneTrackSheet("A", "B"), true},
    {"EmptyFile", "D:\\cd\\empty.cue", ""},
    // UTF-16 holds a zero byte in its first character, so its text is the mark and one letter.
    {"Utf16Sheet", "D:\\cd\\wide.cue",
     "\xFF\xFE" "T\0R\0A\0C\0K\0 \0" "0\0" "1\0 \0A\0U\0D\0I\0O\0"s},
    {"ZeroByteBeforeTheTrack", "D:\\cd\\zero.cue", "TITLE \"x\"\r\n\0  TRACK 01 AUDIO"s},
    {"DataFirstTrack", "D:\\cd\\data.cue", crlfLines({"FILE \"a.bin\" BINARY", "  TRACK 01 MODE1/2352"})},
    {"SingleDigitNumber", "D:\\cd\\digit.cue", "TRACK 1 AUDIO"},
    {"SmallLetters", "D:\\cd\\small.cue", "track 01 audio"},
    {"TwoSpaces", "D:\\cd\\spaces.cue", "TRACK 01  AUDIO"},
    {"FirstTrackNumberedTwo", "D:\\cd\\two.cue", "TRACK 02 AUDIO"},
};

class RefusalTest : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(RefusalTest, ShowsTheMessageOnceAndKeepsThePreviousSheet) {
    HeadlessSystem system;
    Document document;
    system.addFile("D:\\cd\\album.cue", gbkSheet());
    ASSERT_TRUE(loadSheet(document, system, "D:\\cd\\album.cue"));
    const DocumentState before = stateOf(document);

    const RefusalRow& row = GetParam();
    const std::string path(row.path);
    if (row.bytes) system.addFile(path, *row.bytes);
    if (row.locked) system.lockedFiles.insert(path);

    EXPECT_FALSE(loadSheet(document, system, path));
    EXPECT_EQ(system.messages, std::vector<std::string>{str(strings::kIncompatibleFile)});
    EXPECT_EQ(stateOf(document), before);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusalTest, ::testing::ValuesIn(kRefusalRows), rowName<RefusalRow>);

TEST_F(SheetLoaderTest, TextEndsAtTheFirstZeroByte) {
    const std::string before = crlfLines({"TITLE \"x\"", "  TRACK 01 AUDIO", "    INDEX 01 00:00:00"});
    system.addFile("a.cue", before + "\0\r\n  TRACK 02 AUDIO\r\n    TITLE \"hidden\""s);
    ASSERT_TRUE(load("a.cue"));
    EXPECT_EQ(document.documentTracks, TrackList{test::track("TRACK 01 AUDIO").index("INDEX 01 00:00:00")});
    EXPECT_EQ(readSheetText(system, "a.cue", OpenMode::AsRead), before);
}

// The 64 MiB limit, met with texts at it and just across it (some tenths of a second each).
class SheetSizeLimitTest : public SheetLoaderTest {
protected:
    static std::string sheetPaddedTo(std::size_t size) {
        std::string text = crlfLines({"TITLE \"x\"", "  TRACK 01 AUDIO", "    REM "});
        text.resize(size, 'x');
        return text;
    }
};

TEST_F(SheetSizeLimitTest, TextOneByteOverTheLimitIsRefused) {
    system.addFile("D:\\cd\\album.cue", gbkSheet());
    ASSERT_TRUE(load("D:\\cd\\album.cue"));
    const DocumentState before = stateOf(document);
    system.addFile("D:\\cd\\huge.cue", sheetPaddedTo(kMaxSheetBytes + 1));

    EXPECT_FALSE(load("D:\\cd\\huge.cue"));
    EXPECT_EQ(system.messages, std::vector<std::string>{str(strings::kIncompatibleFile)});
    EXPECT_EQ(stateOf(document), before);
}

TEST_F(SheetSizeLimitTest, TextOfExactlyTheLimitIsRead) {
    system.addFile("a.cue", sheetPaddedTo(kMaxSheetBytes));
    const std::optional<std::string> text = readSheetText(system, "a.cue", OpenMode::AsRead);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), kMaxSheetBytes);
}

struct ModeRow {
    const char* name;
    OpenMode mode;
    std::string_view performerInFile, titleInFile;
    std::string_view performerLoaded, titleLoaded;
};

void PrintTo(const ModeRow& row, std::ostream* out) { *out << row.name; }

const ModeRow kModeRows[] = {
    {"TraditionalToSimplified", OpenMode::ToSimplified, kZhangTraditionalGbk, kWenbieTraditionalGbk, kZhangGbk,
     kWenbieGbk},
    {"SimplifiedToTraditional", OpenMode::ToTraditional, kZhangGbk, kWenbieGbk, kZhangTraditionalGbk,
     kWenbieTraditionalGbk},
    {"AsReadKeepsTraditional", OpenMode::AsRead, kZhangTraditionalGbk, kWenbieTraditionalGbk,
     kZhangTraditionalGbk, kWenbieTraditionalGbk},
    {"SimplifiedStaysSimplified", OpenMode::ToSimplified, kZhangGbk, kWenbieGbk, kZhangGbk, kWenbieGbk},
};

class OpenModeTest : public ::testing::TestWithParam<ModeRow> {};

TEST_P(OpenModeTest, ConvertsHeaderAndTracksButNotTheFile) {
    HeadlessSystem system;
    Document document;
    const ModeRow& row = GetParam();
    const std::string sheet = oneTrackSheet(row.performerInFile, row.titleInFile);
    system.addFile("a.cue", sheet);
    document.openMode = row.mode;

    ASSERT_TRUE(loadSheet(document, system, "a.cue"));
    EXPECT_EQ(document.documentHeader.performer, row.performerLoaded);
    EXPECT_EQ(document.documentHeader.title, row.titleLoaded);
    ASSERT_EQ(document.documentTracks.size(), 1u);
    EXPECT_EQ(document.documentTracks[0].performer, row.performerLoaded);
    EXPECT_EQ(document.documentTracks[0].title, row.titleLoaded);
    EXPECT_EQ(document.openMode, row.mode);
    EXPECT_EQ(system.files.at("a.cue"), sheet);
}

INSTANTIATE_TEST_SUITE_P(Modes, OpenModeTest, ::testing::ValuesIn(kModeRows), rowName<ModeRow>);

// What reading makes of a file's bytes, before the open mode (which is AsRead here).
struct EncodingRow {
    const char* name;
    std::string bytes;
    std::string text;
};

void PrintTo(const EncodingRow& row, std::ostream* out) { *out << row.name; }

const std::string kMark(kUtf8ByteOrderMark);
const std::string kEmojiUtf8 = "\xF0\x9F\x98\x80";  // 😀, which code page 936 lacks

const EncodingRow kEncodingRows[] = {
    {"MarkedAscii", kMark + oneTrackSheet("A", "B"), oneTrackSheet("A", "B")},
    {"MarkedChinese", kMark + oneTrackSheet(kZhangUtf8, kWenbieUtf8), oneTrackSheet(kZhangGbk, kWenbieGbk)},
    {"UnmarkedChinese", oneTrackSheet(kZhangUtf8, kWenbieUtf8), oneTrackSheet(kZhangGbk, kWenbieGbk)},
    {"MarkedWithoutCounterpart", kMark + oneTrackSheet(kZhangUtf8, kEmojiUtf8),
     oneTrackSheet(kZhangUtf8, kEmojiUtf8)},
    {"UnmarkedWithoutCounterpart", oneTrackSheet(kZhangUtf8, kEmojiUtf8), oneTrackSheet(kZhangUtf8, kEmojiUtf8)},
    // A mark in front of code page 936 text: the text is no UTF-8, only the mark goes.
    {"MarkedGbk", kMark + gbkSheet(), gbkSheet()},
    {"GbkSheet", gbkSheet(), gbkSheet()},
    // 韦唯 in code page 936 happens to be valid two-byte UTF-8 (Greek letters): it stays GBK.
    {"GbkThatLooksLikeTwoByteUtf8", oneTrackSheet("\xCE\xA4\xCE\xA8", "B"), oneTrackSheet("\xCE\xA4\xCE\xA8", "B")},
    // Without a mark, UTF-8 holding only two-byte characters (Café) cannot be told from GBK;
    // its bytes stay as read rather than risk a GBK sheet. With a mark it is converted.
    {"UnmarkedTwoByteUtf8", oneTrackSheet("Caf\xC3\xA9", "B"), oneTrackSheet("Caf\xC3\xA9", "B")},
    {"MarkedTwoByteUtf8", kMark + oneTrackSheet("\xD0\x90", "B"), oneTrackSheet("\xA7\xA1", "B")},  // Cyrillic А
    // Overlong, surrogate, truncated: not strict UTF-8, so nothing is converted.
    {"OverlongFormBesideChinese", oneTrackSheet(kZhangUtf8, "\xC0\xAF"), oneTrackSheet(kZhangUtf8, "\xC0\xAF")},
    {"SurrogateBesideChinese", oneTrackSheet(kZhangUtf8, "\xED\xA0\x80"),
     oneTrackSheet(kZhangUtf8, "\xED\xA0\x80")},
    {"TruncatedAtTheEnd", oneTrackSheet(kZhangUtf8, "B") + "\xE5\xBC", oneTrackSheet(kZhangUtf8, "B") + "\xE5\xBC"},
    // The mark is looked for in the text as cut at the first zero byte.
    {"MarkThenZeroByte", kMark + std::string(1, '\0') + "TRACK 01 AUDIO", ""},
};

class SheetEncodingTest : public ::testing::TestWithParam<EncodingRow> {};

TEST_P(SheetEncodingTest, GivesCodePage936Text) {
    HeadlessSystem system;
    system.addFile("a.cue", GetParam().bytes);
    EXPECT_EQ(readSheetText(system, "a.cue", OpenMode::AsRead), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Files, SheetEncodingTest, ::testing::ValuesIn(kEncodingRows), rowName<EncodingRow>);

// Without the conversion the mark would glue itself to the first keyword.
TEST_F(SheetLoaderTest, MarkedUtf8SheetKeepsItsFirstKeyword) {
    system.addFile("a.cue", kMark + oneTrackSheet(kZhangUtf8, kWenbieUtf8));
    ASSERT_TRUE(load("a.cue"));
    EXPECT_EQ(document.documentHeader.performer, kZhangGbk);
    EXPECT_EQ(document.documentHeader.comments, "");
    EXPECT_EQ(document.documentTracks.at(0).title, kWenbieGbk);
}

// Simplifying works on code page 936 characters, so the UTF-8 text must be converted first.
TEST_F(SheetLoaderTest, Utf8IsConvertedBeforeTheOpenMode) {
    system.addFile("a.cue", oneTrackSheet(kZhangTraditionalUtf8, kWenbieTraditionalUtf8));
    document.openMode = OpenMode::ToSimplified;
    ASSERT_TRUE(load("a.cue"));
    EXPECT_EQ(document.documentHeader.performer, kZhangGbk);
    EXPECT_EQ(document.documentHeader.title, kWenbieGbk);
}

struct Utf8Row {
    const char* name;
    std::string_view bytes;
    bool strict;
};

void PrintTo(const Utf8Row& row, std::ostream* out) { *out << row.name; }

const Utf8Row kUtf8Rows[] = {
    {"Empty", "", true},
    {"Ascii", "TRACK 01 AUDIO", true},
    {"Chinese", "\xE5\xBC\xA0\xE5\xAD\xA6\xE5\x8F\x8B", true},  // 张学友
    {"LowestTwoByte", "\xC2\x80", true},
    {"HighestTwoByte", "\xDF\xBF", true},
    {"LowestThreeByte", "\xE0\xA0\x80", true},
    {"BelowSurrogates", "\xED\x9F\xBF", true},
    {"AboveSurrogates", "\xEE\x80\x80", true},
    {"LowestFourByte", "\xF0\x90\x80\x80", true},
    {"HighestCodePoint", "\xF4\x8F\xBF\xBF", true},
    {"OverlongNul", "\xC0\x80", false},
    {"OverlongTwoByte", "\xC1\xBF", false},
    {"OverlongThreeByte", "\xE0\x9F\xBF", false},
    {"OverlongFourByte", "\xF0\x8F\xBF\xBF", false},
    {"FirstSurrogate", "\xED\xA0\x80", false},
    {"LastSurrogate", "\xED\xBF\xBF", false},
    {"AboveHighestCodePoint", "\xF4\x90\x80\x80", false},
    {"LeadF5", "\xF5\x80\x80\x80", false},
    {"ByteFF", "\xFF", false},
    {"LoneContinuation", "\x80", false},
    {"TruncatedTwoByte", "a\xC2", false},
    {"TruncatedThreeByte", "\xE5\xBC", false},
    {"TruncatedFourByte", "\xF0\x9F\x98", false},
    {"BadSecondByte", "\xE5\x41\xA0", false},
    {"BadThirdByte", "\xE5\xBC\x41", false},
    {"BadFourthByte", "\xF0\x9F\x98\x41", false},
    {"Gbk", "\xD5\xC5\xD1\xA7\xD3\xD1", false},  // 张学友 in code page 936
};

class StrictUtf8Test : public ::testing::TestWithParam<Utf8Row> {};

TEST_P(StrictUtf8Test, Decides) { EXPECT_EQ(isStrictUtf8(GetParam().bytes), GetParam().strict); }

INSTANTIATE_TEST_SUITE_P(Texts, StrictUtf8Test, ::testing::ValuesIn(kUtf8Rows), rowName<Utf8Row>);

}  // namespace
}  // namespace cuepad
