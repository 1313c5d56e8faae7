// The file dialog object: the record it hands to the system's open or save dialog (filter block,
// filter index, flags, file buffer, default extension) and how it reads the answer back.
#include "dialogs/file_dialog.hpp"

#include "platform/headless/headless_toolkit.hpp"
#include "table_rows.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cuepad::dialogs {
namespace {

using cuepad::testing::PrintTo;
using cuepad::testing::rowName;

using namespace std::string_view_literals;

constexpr std::string_view kCopyName = "album-\xB8\xB1\xB1\xBE.cue";  // album-副本.cue

// The system's dialog as a user answers it: records what it was handed and writes the answer
// into the caller's buffer, as the system does.
struct ScriptedSystem {
    int result = 0;
    std::string answer;
    std::vector<platform::FileDialogCall> calls;

    ShowFileDialog dialog() {
        return [this](platform::FileDialogCall& call) {
            calls.push_back(call);
            if (result != 0) call.fileBuffer.replace(0, std::min(answer.size(), call.fileBuffer.size()), answer);
            return result;
        };
    }
};

// The text followed by zero bytes up to the total length.
std::string padded(std::string_view text, std::size_t total) {
    std::string buffer(text);
    buffer.resize(total, '\0');
    return buffer;
}

// ---- Flags ----

struct FlagsRow {
    const char* name;
    int kind;
    std::optional<bool> createPrompt, fileMustExist, overwritePrompt, pathMustExist, multipleSelection;
    std::uint32_t flags;
};

constexpr std::nullopt_t kNotGiven = std::nullopt;

const FlagsRow kFlagsRows[] = {
    {"OpenDefaults", 0, kNotGiven, kNotGiven, kNotGiven, kNotGiven, kNotGiven, 0x883806},
    {"SaveDefaults", 1, kNotGiven, kNotGiven, kNotGiven, kNotGiven, kNotGiven, 0x880802},
    {"OpenWithoutCreatePrompt", 0, false, kNotGiven, kNotGiven, kNotGiven, kNotGiven, 0x881806},
    {"OpenWithoutFileMustExist", 0, kNotGiven, false, kNotGiven, kNotGiven, kNotGiven, 0x882806},
    {"OpenWithoutOverwritePrompt", 0, kNotGiven, kNotGiven, false, kNotGiven, kNotGiven, 0x883804},
    {"OpenWithoutPathMustExist", 0, kNotGiven, kNotGiven, kNotGiven, false, kNotGiven, 0x883006},
    {"OpenMultipleSelection", 0, kNotGiven, kNotGiven, kNotGiven, kNotGiven, true, 0x883A06},
    {"OpenEverySwitchGivenOn", 0, true, true, true, true, true, 0x883A06},
    {"OpenEverySwitchGivenOff", 0, false, false, false, false, false, 0x880004},
    {"SaveIgnoresCreateAndMustExist", 1, true, true, kNotGiven, kNotGiven, kNotGiven, 0x880802},
    {"SaveWithoutOverwritePrompt", 1, kNotGiven, kNotGiven, false, kNotGiven, kNotGiven, 0x880800},
    {"SaveWithoutPathMustExist", 1, kNotGiven, kNotGiven, kNotGiven, false, kNotGiven, 0x880002},
    {"SaveMultipleSelection", 1, kNotGiven, kNotGiven, kNotGiven, kNotGiven, true, 0x880A02},
};

class FlagsTest : public ::testing::TestWithParam<FlagsRow> {};

TEST_P(FlagsTest, SwitchesGivenChangeOnlyTheirOwnFlag) {
    const FlagsRow& row = GetParam();
    FileDialogArguments arguments;
    arguments.kind = row.kind;
    arguments.createPrompt = row.createPrompt;
    arguments.fileMustExist = row.fileMustExist;
    arguments.overwritePrompt = row.overwritePrompt;
    arguments.pathMustExist = row.pathMustExist;
    arguments.multipleSelection = row.multipleSelection;
    FileDialog dialog;
    dialog.prepare(arguments);
    ScriptedSystem system;
    dialog.show(system.dialog(), nullptr);
    ASSERT_EQ(system.calls.size(), 1u);
    EXPECT_EQ(system.calls[0].flags, row.flags);
    EXPECT_EQ(system.calls[0].save, row.kind == 1);
}

INSTANTIATE_TEST_SUITE_P(Switches, FlagsTest, ::testing::ValuesIn(kFlagsRows), rowName<FlagsRow>);

TEST(FileDialogTest, EveryPrepareStartsFromTheDefaults) {
    FileDialog dialog;
    FileDialogArguments switches;
    switches.createPrompt = false;
    switches.fileMustExist = false;
    switches.overwritePrompt = false;
    switches.pathMustExist = false;
    switches.multipleSelection = true;
    switches.defaultName = "a.cue";
    dialog.prepare(switches);
    dialog.prepare({});
    ScriptedSystem system;
    dialog.show(system.dialog(), nullptr);
    EXPECT_EQ(system.calls.at(0).flags, 0x883806u);
    EXPECT_EQ(system.calls.at(0).fileBuffer, std::string(257, '\0'));
}

// ---- Filter block, filter index and default extension ----

struct FilterRow {
    const char* name;
    std::string_view filter;
    int index;
    std::string_view block;
    int filterIndex;
    std::optional<std::string> defaultExtension;  // what the system is handed
    std::string_view derivedExtension;
};

const FilterRow kFilterRows[] = {
    // CUE文件|*.cue
    {"SheetFilter", "CUE\xCE\xC4\xBC\xFE|*.cue", 0, "CUE\xCE\xC4\xBC\xFE\0*.cue\0\0"sv, 1, std::nullopt, "cue"},
    // 所有文件(*.*)|*.*
    {"NoFilterMeansAllFiles", "", 0, "\xCB\xF9\xD3\xD0\xCE\xC4\xBC\xFE(*.*)\0*.*\0\0"sv, 1, "", ""},
    {"IndexTwo", "A|*.a|B|*.b|C|*.c", 2, "A\0*.a\0B\0*.b\0C\0*.c\0\0"sv, 3, std::nullopt, "c"},
    {"IndexOne", "A|*.a|B|*.b", 1, "A\0*.a\0B\0*.b\0\0"sv, 2, std::nullopt, "b"},
    {"NegativeIndex", "A|*.a|B|*.b", -5, "A\0*.a\0B\0*.b\0\0"sv, 1, std::nullopt, "a"},
    {"IndexPastTheLastPair", "A|*.a|B|*.b", 7, "A\0*.a\0B\0*.b\0\0"sv, 8, std::nullopt, "b"},
    {"AllFilesPattern", "All|*.*", 0, "All\0*.*\0\0"sv, 1, std::nullopt, ""},
};

class FilterTest : public ::testing::TestWithParam<FilterRow> {};

TEST_P(FilterTest, TheSystemGetsTheZeroSeparatedPairs) {
    const FilterRow& row = GetParam();
    FileDialogArguments arguments;
    arguments.filter = row.filter;
    arguments.filterIndex = row.index;
    FileDialog dialog;
    dialog.prepare(arguments);
    ScriptedSystem system;
    dialog.show(system.dialog(), nullptr);
    const platform::FileDialogCall& call = system.calls.at(0);
    EXPECT_EQ(call.filterBlock, row.block);
    EXPECT_EQ(call.filterIndex, row.filterIndex);
    EXPECT_EQ(call.defaultExtension, row.defaultExtension);
    EXPECT_EQ(dialog.derivedExtension(), row.derivedExtension);
}

INSTANTIATE_TEST_SUITE_P(Filters, FilterTest, ::testing::ValuesIn(kFilterRows), rowName<FilterRow>);

TEST(FileDialogTest, ShowHandsOverOwnerTitleAndFolder) {
    platform::HeadlessWindow owner({"w", 10, 10});
    FileDialogArguments arguments;
    arguments.kind = 1;
    arguments.title = "\xC1\xED\xB4\xE6" "CUE\xCE\xC4\xBC\xFE\xB5\xBD";  // 另存CUE文件到
    arguments.filter = "CUE\xCE\xC4\xBC\xFE|*.cue";                     // CUE文件|*.cue
    arguments.initialFolder = "C:\\\xD2\xF4\xC0\xD6";                   // C:\音乐
    FileDialog dialog;
    dialog.prepare(arguments);
    ScriptedSystem system;
    dialog.show(system.dialog(), &owner);
    const platform::FileDialogCall& call = system.calls.at(0);
    EXPECT_TRUE(call.save);
    EXPECT_EQ(call.owner, &owner);
    EXPECT_EQ(call.title, arguments.title);
    EXPECT_EQ(call.initialFolder, arguments.initialFolder);
}

// ---- The file buffer ----

struct BufferRow {
    const char* name;
    std::string_view defaultName;
    std::optional<int> bufferSize;
    bool multipleSelection;
    std::string buffer;
};

const BufferRow kBufferRows[] = {
    {"CopyNameInTheDefaultSize", kCopyName, std::nullopt, false, padded(kCopyName, 257)},
    {"NoName", "", std::nullopt, false, std::string(257, '\0')},
    {"SeveralNamesForMultipleSelection", "a.wav;b.wav", std::nullopt, true, padded("a.wav\0b.wav"sv, 2049)},
    {"GivenSize", "x.cue", 10, false, padded("x.cue", 11)},
    {"NameAsLongAsTheSize", "abcd", 4, false, padded("abcd", 5)},
    {"NameLongerThanTheSizeKeepsOneZero", "abcdefgh", 4, false, padded("abcdefgh", 9)},
};

class BufferTest : public ::testing::TestWithParam<BufferRow> {};

TEST_P(BufferTest, HoldsTheProposedNamesAndZeroBytes) {
    const BufferRow& row = GetParam();
    FileDialogArguments arguments;
    arguments.defaultName = row.defaultName;
    arguments.multipleSelection = row.multipleSelection;
    FileDialog dialog;
    dialog.prepare(arguments);
    ScriptedSystem system;
    dialog.show(system.dialog(), nullptr, row.bufferSize);
    EXPECT_EQ(system.calls.at(0).fileBuffer, row.buffer);
}

INSTANTIATE_TEST_SUITE_P(Names, BufferTest, ::testing::ValuesIn(kBufferRows), rowName<BufferRow>);

// ---- What the user chose ----

TEST(FileDialogTest, ConfirmedSingleSelectionGivesTheTextUpToTheFirstZero) {
    struct Case {
        const char* name;
        std::string_view answer;
        std::string_view chosen;
    };
    const Case cases[] = {
        {"Plain", "C:\\music\\a.cue\0"sv, "C:\\music\\a.cue"},
        {"Gbk", "D:\\\xD2\xF4\xC0\xD6\\\xD4\xCB.cue\0"sv, "D:\\\xD2\xF4\xC0\xD6\\\xD4\xCB.cue"},  // D:\音乐\运.cue
        // Shorter than the proposed name: the rest of the proposal behind the zero is not read.
        {"ShorterThanTheProposal", "C:\\x.cue\0"sv, "C:\\x.cue"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileDialogArguments arguments;
        arguments.defaultName = kCopyName;
        FileDialog dialog;
        dialog.prepare(arguments);
        ScriptedSystem system{1, std::string(c.answer), {}};
        EXPECT_EQ(dialog.show(system.dialog(), nullptr), 1);
        EXPECT_EQ(dialog.chosenPath(), c.chosen);
    }
}

struct MultipleRow {
    const char* name;
    std::string_view answer;
    std::string_view chosen;
};

const MultipleRow kMultipleRows[] = {
    {"TwoFiles", "D:\\cd\0a.wav\0b.wav\0\0"sv, "D:\\cd\\a.wav;D:\\cd\\b.wav;"},
    {"OneFile", "D:\\cd\\a.wav\0\0"sv, "D:\\cd\\a.wav;"},
    {"RootFolder", "C:\\\0a.wav\0b.wav\0\0"sv, "C:\\a.wav;C:\\b.wav;"},
    {"NameWithItsOwnPath", "D:\\cd\0E:\\x\\y.wav\0b.wav\0\0"sv, "E:\\x\\y.wav;D:\\cd\\b.wav;"},
    {"NameWithoutFolder", "a.wav\0\0"sv, "a.wav;"},
    // 運 ends in the byte 0x5C, yet the folder D:\運 does not end with a backslash.
    {"FolderEndingInTrailByte5C", "D:\\\xDF\x5C\0a.wav\0b.wav\0\0"sv, "D:\\\xDF\x5C\\a.wav;D:\\\xDF\x5C\\b.wav;"},
};

class MultipleSelectionTest : public ::testing::TestWithParam<MultipleRow> {};

TEST_P(MultipleSelectionTest, GivesEveryFullPathFollowedBySemicolon) {
    FileDialogArguments arguments;
    arguments.multipleSelection = true;
    FileDialog dialog;
    dialog.prepare(arguments);
    ScriptedSystem system{1, std::string(GetParam().answer), {}};
    EXPECT_EQ(dialog.show(system.dialog(), nullptr), 1);
    EXPECT_EQ(dialog.chosenPath(), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(Answers, MultipleSelectionTest, ::testing::ValuesIn(kMultipleRows), rowName<MultipleRow>);

TEST(FileDialogTest, CancelGivesNothingEvenWithAProposedName) {
    FileDialogArguments arguments;
    arguments.defaultName = kCopyName;
    FileDialog dialog;
    dialog.prepare(arguments);
    ScriptedSystem system;
    EXPECT_EQ(dialog.show(system.dialog(), nullptr), 0);
    EXPECT_EQ(system.calls.size(), 1u);
    EXPECT_EQ(dialog.chosenPath(), "");
}

TEST(FileDialogTest, AnUnknownKindShowsNothing) {
    for (const int kind : {2, -1}) {
        FileDialogArguments arguments;
        arguments.kind = kind;
        arguments.defaultName = kCopyName;
        FileDialog dialog;
        dialog.prepare(arguments);
        ScriptedSystem system{1, "C:\\a.cue", {}};
        EXPECT_EQ(dialog.show(system.dialog(), nullptr), 0) << kind;
        EXPECT_TRUE(system.calls.empty()) << kind;
        EXPECT_EQ(dialog.chosenPath(), "") << kind;
    }
}

TEST(FileDialogTest, EveryShowStartsAgainFromTheProposedName) {
    FileDialogArguments arguments;
    arguments.defaultName = kCopyName;
    FileDialog dialog;
    dialog.prepare(arguments);
    ScriptedSystem system{1, std::string("C:\\other\\b.cue\0"sv), {}};
    dialog.show(system.dialog(), nullptr);
    EXPECT_EQ(dialog.chosenPath(), "C:\\other\\b.cue");
    system.result = 0;
    EXPECT_EQ(dialog.show(system.dialog(), nullptr), 0);
    ASSERT_EQ(system.calls.size(), 2u);
    EXPECT_EQ(system.calls[1].fileBuffer, padded(kCopyName, 257));
    EXPECT_EQ(dialog.chosenPath(), "");
}

}  // namespace
}  // namespace cuepad::dialogs
