// The path helpers on Windows paths in code page 936: the file name follows the last backslash,
// the extension runs from the file name's last dot, and a two-byte character whose second byte
// is 0x5C (a backslash byte) never splits a path.
#include "files/path_helpers.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace cuepad {
namespace {

using cuepad::testing::rowName;

// Characters that trip a byte-wise search: the second byte of 運, 錦 and 誠 is 0x5C, and 斑 ends
// in 0xDF, a lead-byte value, so a real backslash after it looks like a trail byte to a search
// that only peeks at the byte before.
#define YUN "\xDF\x5C"         // 運
#define JIN_CHENG "\xE5\x5C\xD5\x5C"  // 錦誠
#define BAN "\xB0\xDF"         // 斑

struct SplitRow {
    const char* name;
    std::string_view path;
    std::string_view directory;
    std::string_view fileName;
};

void PrintTo(const SplitRow& row, std::ostream* out) { *out << row.name; }

const SplitRow kSplitRows[] = {
    {"FolderAndName", "D:\\cd\\album.cue", "D:\\cd\\", "album.cue"},
    {"NoBackslash", "album.cue", "", "album.cue"},
    {"Empty", "", "", ""},
    {"TrailingBackslash", "D:\\cd\\", "D:\\cd\\", ""},
    {"NetworkPath", "\\\\server\\share\\a.cue", "\\\\server\\share\\", "a.cue"},
    {"DotInFolder", "D:\\my.music\\album", "D:\\my.music\\", "album"},
    // Only the backslash separates: a forward slash is part of the name.
    {"ForwardSlashIsNoSeparator", "C:/music/a.cue", "", "C:/music/a.cue"},
    {"NameEndingInBackslashByte", "D:\\" YUN, "D:\\", YUN},
    {"NameWithBackslashBytes", "D:\\cd\\" JIN_CHENG ".cue", "D:\\cd\\", JIN_CHENG ".cue"},
    {"FolderWithBackslashByte", "D:\\" YUN "\\a.cue", "D:\\" YUN "\\", "a.cue"},
    {"BackslashAfterLeadByteValue", "D:\\" BAN "\\a.cue", "D:\\" BAN "\\", "a.cue"},
};

class SplitPathTest : public ::testing::TestWithParam<SplitRow> {};

TEST_P(SplitPathTest, GivesFolderAndFileName) {
    const SplitPath parts = splitPath(GetParam().path);
    EXPECT_EQ(parts.directory, GetParam().directory);
    EXPECT_EQ(parts.fileName, GetParam().fileName);
}

// pathPart answers the same question in its two modes.
TEST_P(SplitPathTest, PathPartAgrees) {
    EXPECT_EQ(pathPart(GetParam().path, 0), GetParam().directory);
    EXPECT_EQ(pathPart(GetParam().path, 1), GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(Paths, SplitPathTest, ::testing::ValuesIn(kSplitRows), rowName<SplitRow>);

TEST(PathPartTest, OtherModesGiveNothing) {
    for (const int mode : {-1, 2, 3}) {
        EXPECT_EQ(pathPart("D:\\cd\\album.cue", mode), "") << "mode " << mode;
    }
}

struct ExtensionRow {
    const char* name;
    std::string_view fileName;
    std::string_view withoutExtension;  // mode 0
    std::string_view withoutDot;        // mode 1
    std::string_view withDot;           // mode 2
};

void PrintTo(const ExtensionRow& row, std::ostream* out) { *out << row.name; }

const ExtensionRow kExtensionRows[] = {
    {"Plain", "album.cue", "album", "cue", ".cue"},
    {"OnlyTheLastDot", "a.b.cue", "a.b", "cue", ".cue"},
    {"NoDot", "album", "album", "", ""},
    {"Empty", "", "", "", ""},
    {"DotFirstIsAllExtension", ".hidden", "", "hidden", ".hidden"},
    {"DotLast", "a.", "a", "", "."},
    {"DotInFolderOnly", "D:\\my.music\\album", "D:\\my.music\\album", "", ""},
    {"DotInFolderAndName", "D:\\my.music\\album.cue", "D:\\my.music\\album", "cue", ".cue"},
    // The extension runs to the end of the name, blanks and all.
    {"BlankAfterTheDot", "my song.b c", "my song", "b c", ".b c"},
    {"ChineseName", YUN ".cue", YUN, "cue", ".cue"},
    // A byte-wise backslash search would see an empty file name here and find no extension.
    {"ExtensionEndingInBackslashByte", "D:\\cd\\a." YUN, "D:\\cd\\a", YUN, "." YUN},
};

class SplitExtensionTest : public ::testing::TestWithParam<ExtensionRow> {};

TEST_P(SplitExtensionTest, ModesGiveNameAndExtension) {
    EXPECT_EQ(splitExtension(GetParam().fileName, 0), GetParam().withoutExtension);
    EXPECT_EQ(splitExtension(GetParam().fileName, 1), GetParam().withoutDot);
    EXPECT_EQ(splitExtension(GetParam().fileName, 2), GetParam().withDot);
}

INSTANTIATE_TEST_SUITE_P(Names, SplitExtensionTest, ::testing::ValuesIn(kExtensionRows), rowName<ExtensionRow>);

TEST(SplitExtensionModeTest, OtherModesGiveNothing) {
    for (const int mode : {-1, 3, 4}) {
        EXPECT_EQ(splitExtension("album.cue", mode), "") << "mode " << mode;
    }
}

}  // namespace
}  // namespace cuepad
