// cuetool's commands run against the in-memory system: exact output of rewrite, save and
// convert, save matching what the editor writes when a sheet is opened and saved at once, the
// refusals (status 1, nothing on standard output) and wrong usage (status 2).
#include "engine/sheet_test_support.hpp"

#include "cuetool.hpp"
#include "engine/text.hpp"
#include "files/document.hpp"
#include "files/sheet_loader.hpp"
#include "files/sheet_saver.hpp"
#include "files/strings.hpp"
#include "platform/headless/headless_system.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad {
namespace {

using cuepad::testing::rowName;

using platform::HeadlessSystem;
using test::crlfLines;
using test::kUnknownPerformer;

// Code page 936 texts: 张学友, 吻别, 我的中国心, 张明敏; 張學友 and 吻別 in Traditional characters.
constexpr std::string_view kZhang = "\xD5\xC5\xD1\xA7\xD3\xD1";
constexpr std::string_view kWenbie = "\xCE\xC7\xB1\xF0";
constexpr std::string_view kHeart = "\xCE\xD2\xB5\xC4\xD6\xD0\xB9\xFA\xD0\xC4";
constexpr std::string_view kZhangMingmin = "\xD5\xC5\xC3\xF7\xC3\xF4";
constexpr std::string_view kZhangTraditional = "\x8F\x88\x8C\x57\xD3\xD1";
constexpr std::string_view kWenbieTraditional = "\xCE\xC7\x84\x65";

const std::string kAlbum = "D:\\cd\\album.cue";
const std::string kTraditional = "D:\\cd\\trad.cue";
const std::string kUtf8 = "D:\\cd\\utf8.cue";
const std::string kJunk = "D:\\cd\\junk.txt";
const std::string kMissing = "D:\\cd\\missing.cue";

std::string str(std::string_view text) { return std::string(text); }
std::string quoted(std::string_view keyword, std::string_view value) {
    return str(keyword) + " \"" + str(value) + "\"";
}

// A ripper's sheet with a header line that is no REM line (CDTEXTFILE) and an indented REM line.
std::string albumSheet() {
    return crlfLines({"REM GENRE Pop", "REM DATE 1993", "REM COMMENT \"EAC\"", "CDTEXTFILE \"album.cdt\"",
                      "  REM DISCID 8A0B5C0D", quoted("PERFORMER", kZhang), quoted("TITLE", kWenbie),
                      "FILE \"" + str(kWenbie) + ".wav\" WAVE", "  TRACK 01 AUDIO", "    INDEX 01 00:00:00",
                      "  TRACK 02 AUDIO", quoted("    TITLE", kHeart), quoted("    PERFORMER", kZhangMingmin),
                      "    FLAGS DCP", "    INDEX 00 04:10:00", "    INDEX 01 04:12:00"});
}

// What the writer makes of albumSheet(); the editor's save leaves out the CDTEXTFILE line.
std::string albumWritten(bool withNonRemLines) {
    std::string text = "REM COMMENT \"EAC\"\r\n";
    if (withNonRemLines) text += "CDTEXTFILE \"album.cdt\"\r\n";
    return text + "REM DISCID 8A0B5C0D\r\n" +
           crlfLines({quoted("PERFORMER", kZhang), quoted("TITLE", kWenbie),
                      "FILE \"" + str(kWenbie) + ".wav\" WAVE", "REM DATE 1993", "REM GENRE Pop",
                      "  TRACK 01 AUDIO", "    TITLE \"Track01\"", quoted("    PERFORMER", kUnknownPerformer),
                      "    INDEX 01 00:00:00", "  TRACK 02 AUDIO", quoted("    TITLE", kHeart),
                      quoted("    PERFORMER", kZhangMingmin), "    FLAGS DCP", "    INDEX 00 04:10:00",
                      "    INDEX 01 04:12:00"});
}

std::string smallSheet(std::string_view performer, std::string_view title) {
    return crlfLines({quoted("PERFORMER", performer), quoted("TITLE", title), "FILE \"a.wav\" WAVE",
                      "  TRACK 01 AUDIO", quoted("    TITLE", title), "    INDEX 01 00:00:00"});
}

std::string smallSheetSaved(std::string_view performer, std::string_view title) {
    return crlfLines({quoted("PERFORMER", performer), quoted("TITLE", title), "FILE \"a.wav\" WAVE",
                      "REM DATE ", "REM GENRE ", "  TRACK 01 AUDIO", quoted("    TITLE", title),
                      quoted("    PERFORMER", kUnknownPerformer), "    INDEX 01 00:00:00"});
}

class CuetoolTest : public ::testing::Test {
protected:
    void SetUp() override {
        system.addFile(kAlbum, albumSheet());
        system.addFile(kTraditional, smallSheet(kZhangTraditional, kWenbieTraditional));
        system.addFile(kUtf8, "\xEF\xBB\xBF"                                    // the byte-order mark
                              "PERFORMER \"\xE5\xBC\xA0\xE5\xAD\xA6\xE5\x8F\x8B\"\r\n"  // 张学友
                              "TITLE \"\xE5\x90\xBB\xE5\x88\xAB\"\r\n"                  // 吻别
                              "FILE \"a.wav\" WAVE\r\n"
                              "  TRACK 01 AUDIO\r\n"
                              "    TITLE \"\xE5\x90\xBB\xE5\x88\xAB\"\r\n"  // 吻别
                              "    INDEX 01 00:00:00");
        system.addFile(kJunk, "just some notes\r\nTRACK 1 AUDIO");
    }

    int run(const std::vector<std::string>& arguments) { return cuetool::run(system, arguments); }

    HeadlessSystem system;
};

TEST_F(CuetoolTest, RewritePrintsTheWriterOutput) {
    EXPECT_EQ(run({"rewrite", kAlbum}), cuetool::kSuccess);
    EXPECT_EQ(system.standardOutput, albumWritten(true));
    EXPECT_EQ(system.standardError, "");
}

TEST_F(CuetoolTest, SavePrintsWhatTheEditorWrites) {
    EXPECT_EQ(run({"save", kAlbum}), cuetool::kSuccess);
    EXPECT_EQ(system.standardOutput, albumWritten(false));
    EXPECT_EQ(system.standardError, "");
    EXPECT_EQ(system.files.at(kAlbum), albumSheet()) << "the sheet itself is only read";
}

TEST_F(CuetoolTest, SaveConvertsAsTheOpenModeSays) {
    EXPECT_EQ(run({"save", kTraditional, "--simplified"}), cuetool::kSuccess);
    EXPECT_EQ(system.standardOutput, smallSheetSaved(kZhang, kWenbie));
}

TEST_F(CuetoolTest, SaveOfAUtf8SheetPrintsCodePage936) {
    EXPECT_EQ(run({"save", kUtf8}), cuetool::kSuccess);
    EXPECT_EQ(system.standardOutput, smallSheetSaved(kZhang, kWenbie));
}

// `save` against the editor's own path: open with the mode, fill the boxes and the comment items
// as the window does, save to the copy beside the file, and compare the bytes.
struct EditorRow {
    const char* name;
    std::string file;
    std::vector<std::string> options;
    OpenMode mode;
};

void PrintTo(const EditorRow& row, std::ostream* out) { *out << row.name; }

const EditorRow kEditorRows[] = {
    {"AsRead", kAlbum, {}, OpenMode::AsRead},
    {"Simplified", kTraditional, {"--simplified"}, OpenMode::ToSimplified},
    {"Traditional", kAlbum, {"--traditional"}, OpenMode::ToTraditional},
    {"Utf8", kUtf8, {}, OpenMode::AsRead},
    {"Utf8Traditional", kUtf8, {"--traditional"}, OpenMode::ToTraditional},
};

class SaveLikeTheEditorTest : public CuetoolTest, public ::testing::WithParamInterface<EditorRow> {};

TEST_P(SaveLikeTheEditorTest, GivesTheSameBytes) {
    const EditorRow& row = GetParam();
    std::vector<std::string> arguments{"save", row.file};
    arguments.insert(arguments.end(), row.options.begin(), row.options.end());
    ASSERT_EQ(run(arguments), cuetool::kSuccess);

    Document document;
    document.openMode = row.mode;
    ASSERT_TRUE(loadSheet(document, system, row.file));
    const SheetHeader& header = document.documentHeader;
    const AlbumBoxTexts boxes{header.catalog, header.performer, header.title,
                              header.file,    header.date,      header.genre};
    ASSERT_TRUE(writeSheet(document, system, boxes, splitText(header.comments, kLineBreak)));
    EXPECT_EQ(system.standardOutput, system.files.at(document.savePath));
}

INSTANTIATE_TEST_SUITE_P(Sheets, SaveLikeTheEditorTest, ::testing::ValuesIn(kEditorRows), rowName<EditorRow>);

// The editor refuses to save a sheet without an image file name; so does `save`, while
// `rewrite` has no such rule.
struct NoImageRow {
    const char* name;
    const char* sheet;
};

void PrintTo(const NoImageRow& row, std::ostream* out) { *out << row.name; }

const NoImageRow kNoImageRows[] = {
    {"NoFileLine", "PERFORMER \"A\"\r\n  TRACK 01 AUDIO"},
    {"NameWithoutQuotes", "FILE a.wav WAVE\r\n  TRACK 01 AUDIO"},
    {"EmptyName", "FILE \"\" WAVE\r\n  TRACK 01 AUDIO"},
};

class SaveWithoutImageNameTest : public CuetoolTest, public ::testing::WithParamInterface<NoImageRow> {};

TEST_P(SaveWithoutImageNameTest, IsRefused) {
    system.addFile("D:\\cd\\noimage.cue", GetParam().sheet);
    EXPECT_EQ(run({"save", "D:\\cd\\noimage.cue"}), cuetool::kFailure);
    EXPECT_EQ(system.standardOutput, "");
    EXPECT_NE(system.standardError.find(strings::kImageNameMissing), std::string::npos) << system.standardError;
    EXPECT_EQ(run({"rewrite", "D:\\cd\\noimage.cue"}), cuetool::kSuccess);
}

INSTANTIATE_TEST_SUITE_P(Sheets, SaveWithoutImageNameTest, ::testing::ValuesIn(kNoImageRows),
                         rowName<NoImageRow>);

TEST_F(CuetoolTest, ConvertPrintsTheConvertedText) {
    EXPECT_EQ(run({"convert", kTraditional, "--simplified"}), cuetool::kSuccess);
    EXPECT_EQ(system.standardOutput, smallSheet(kZhang, kWenbie));
    EXPECT_EQ(system.standardError, "");
}

TEST_F(CuetoolTest, ConvertWorksOnTheUtf8SheetAsCodePage936) {
    EXPECT_EQ(run({"convert", kUtf8, "--traditional"}), cuetool::kSuccess);
    EXPECT_EQ(system.standardOutput, crlfLines({quoted("PERFORMER", kZhangTraditional),
                                                quoted("TITLE", kWenbieTraditional), "FILE \"a.wav\" WAVE",
                                                "  TRACK 01 AUDIO", quoted("    TITLE", kWenbieTraditional),
                                                "    INDEX 01 00:00:00"}));
}

TEST_F(CuetoolTest, ConvertWritesTheOutputFile) {
    const std::string out = "D:\\cd\\simplified.cue";
    system.addFile(out, "an older conversion");
    EXPECT_EQ(run({"convert", kTraditional, "--simplified", "-o", out}), cuetool::kSuccess);
    EXPECT_EQ(system.files.at(out), smallSheet(kZhang, kWenbie));
    EXPECT_EQ(system.files.at(kTraditional), smallSheet(kZhangTraditional, kWenbieTraditional));
    EXPECT_EQ(system.standardOutput, "");
    EXPECT_EQ(system.standardError, "");
}

TEST_F(CuetoolTest, ConvertOutputFileFailureLeavesItAsItWas) {
    const std::string locked = "D:\\cd\\open-elsewhere.cue";
    system.addFile(locked, "held by another program");
    system.lockedFiles.insert(locked);
    const auto filesBefore = system.files;

    EXPECT_EQ(run({"convert", kTraditional, "--simplified", "-o", "E:\\gone\\out.cue"}), cuetool::kFailure);
    EXPECT_EQ(run({"convert", kTraditional, "--simplified", "-o", locked}), cuetool::kFailure);
    EXPECT_EQ(system.files, filesBefore);
    EXPECT_EQ(system.temporaryFilesLeft(), 0);
    EXPECT_EQ(system.standardOutput, "");
    EXPECT_NE(system.standardError, "");
}

// Asking for an output file and getting the text on standard output instead is no success.
TEST_F(CuetoolTest, ConvertToAnEmptyOutputNameFails) {
    EXPECT_NE(run({"convert", kTraditional, "--simplified", "-o", ""}), cuetool::kSuccess);
    EXPECT_EQ(system.standardOutput, "");
    EXPECT_NE(system.standardError, "");
}

TEST_F(CuetoolTest, DumpShowsEachByteOrDecodedText) {
    EXPECT_EQ(run({"dump", kAlbum}), cuetool::kSuccess);
    const std::string& json = system.standardOutput;
    EXPECT_NE(json.find("\"compatible\": true"), std::string::npos) << json;
    EXPECT_NE(json.find("\"performer\": \"\\u00d5\\u00c5\\u00d1\\u00a7\\u00d3\\u00d1\""), std::string::npos)
        << json;
    EXPECT_NE(json.find("\"comments\": \"REM COMMENT \\\"EAC\\\"\\r\\nCDTEXTFILE"), std::string::npos) << json;

    system.standardOutput.clear();
    EXPECT_EQ(run({"dump", kAlbum, "--utf8"}), cuetool::kSuccess);
    EXPECT_NE(system.standardOutput.find("\"performer\": \"\xE5\xBC\xA0\xE5\xAD\xA6\xE5\x8F\x8B\""),  // 张学友
              std::string::npos)
        << system.standardOutput;
}

// A sheet that cannot be read or is no sheet: status 1, the reason on standard error, and no
// byte on standard output, so that a redirected output never holds half a result.
struct RefusalRow {
    const char* name;
    std::vector<std::string> arguments;
    bool incompatible;  // the editor's incompatibility message is expected on standard error
};

void PrintTo(const RefusalRow& row, std::ostream* out) { *out << row.name; }

const RefusalRow kRefusalRows[] = {
    {"DumpMissing", {"dump", kMissing}, false},
    {"DumpJunk", {"dump", kJunk}, true},
    {"RewriteMissing", {"rewrite", kMissing}, false},
    {"RewriteJunk", {"rewrite", kJunk}, true},
    {"SaveMissing", {"save", kMissing}, false},
    {"SaveJunk", {"save", kJunk, "--simplified"}, true},
    {"ConvertMissing", {"convert", kMissing, "--traditional"}, false},
    {"ConvertJunk", {"convert", kJunk, "--simplified"}, true},
    {"ConvertJunkToFile", {"convert", kJunk, "--simplified", "-o", "D:\\cd\\out.cue"}, true},
};

class CuetoolRefusalTest : public CuetoolTest, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(CuetoolRefusalTest, ExitsWithOneAndPrintsNothing) {
    const auto filesBefore = system.files;
    EXPECT_EQ(run(GetParam().arguments), cuetool::kFailure);
    EXPECT_EQ(system.standardOutput, "");
    EXPECT_NE(system.standardError, "");
    if (GetParam().incompatible) {
        EXPECT_NE(system.standardError.find(strings::kIncompatibleFile), std::string::npos) << system.standardError;
    }
    EXPECT_EQ(system.files, filesBefore);
    EXPECT_TRUE(system.messages.empty()) << "a console program shows no message box";
}

INSTANTIATE_TEST_SUITE_P(Commands, CuetoolRefusalTest, ::testing::ValuesIn(kRefusalRows), rowName<RefusalRow>);

TEST_F(CuetoolTest, SheetOverTheSizeLimitIsRefused) {
    std::string huge = "  TRACK 01 AUDIO\r\n    REM ";
    huge.resize(kMaxSheetBytes + 1, 'x');
    system.addFile("D:\\cd\\huge.cue", std::move(huge));
    EXPECT_EQ(run({"rewrite", "D:\\cd\\huge.cue"}), cuetool::kFailure);
    EXPECT_EQ(system.standardOutput, "");
}

// Wrong usage: status 2 and the usage text on standard error, whatever the file holds (every
// file named here is a good sheet, so no refusal can hide the usage error).
struct UsageRow {
    const char* name;
    std::vector<std::string> arguments;
};

void PrintTo(const UsageRow& row, std::ostream* out) { *out << row.name; }

const UsageRow kUsageRows[] = {
    {"NoArguments", {}},
    {"CommandWithoutFile", {"dump"}},
    {"UnknownCommand", {"print", kAlbum}},
    {"TwoFiles", {"rewrite", kAlbum, kTraditional}},
    {"DumpUnknownOption", {"dump", kAlbum, "--simplified"}},
    {"DumpToFile", {"dump", kAlbum, "-o", "D:\\cd\\out.json"}},
    {"RewriteWithOption", {"rewrite", kAlbum, "--utf8"}},
    {"RewriteToFile", {"rewrite", kAlbum, "-o", "D:\\cd\\out.cue"}},
    {"SaveBothModes", {"save", kAlbum, "--simplified", "--traditional"}},
    {"SaveUnknownOption", {"save", kAlbum, "--utf8"}},
    {"SaveToFile", {"save", kAlbum, "-o", "D:\\cd\\out.cue"}},
    {"ConvertWithoutMode", {"convert", kAlbum}},
    {"ConvertBothModes", {"convert", kAlbum, "--traditional", "--simplified"}},
    {"ConvertUnknownOption", {"convert", kAlbum, "--simple"}},
    {"OutputWithoutName", {"convert", kAlbum, "--simplified", "-o"}},
    {"TwoOutputs", {"convert", kAlbum, "--simplified", "-o", "D:\\cd\\a.cue", "-o", "D:\\cd\\b.cue"}},
    {"HelpWithMore", {"--help", kAlbum}},
};

class CuetoolUsageTest : public CuetoolTest, public ::testing::WithParamInterface<UsageRow> {};

TEST_P(CuetoolUsageTest, ExitsWithTwo) {
    const auto filesBefore = system.files;
    EXPECT_EQ(run(GetParam().arguments), cuetool::kUsage);
    EXPECT_EQ(system.standardOutput, "");
    EXPECT_NE(system.standardError.find("usage"), std::string::npos) << system.standardError;
    EXPECT_EQ(system.files, filesBefore);
}

INSTANTIATE_TEST_SUITE_P(Arguments, CuetoolUsageTest, ::testing::ValuesIn(kUsageRows), rowName<UsageRow>);

TEST_F(CuetoolTest, HelpGoesToStandardOutput) {
    EXPECT_EQ(run({"--help"}), cuetool::kSuccess);
    EXPECT_NE(system.standardOutput.find("usage"), std::string::npos);
    EXPECT_EQ(system.standardError, "");
}

}  // namespace
}  // namespace cuepad
