// Edit boxes: a write from code raises text-changed exactly once and before it returns, typing
// raises one per character, handlers nest, and key presses arrive with the modifiers held.
#include "contract/contract_fixture.hpp"

#include <functional>
#include <ostream>
#include <string>

namespace cuepad::testing {
namespace {

using platform::EditBox;
using platform::KeyPress;
using platform::kAltKey;
using platform::kControlKey;
using platform::kShiftKey;

#define ZHONG "\xD6\xD0"        // 中
#define ZHONG_WEN "\xD6\xD0\xCE\xC4"  // 中文
#define YUN "\xDF\x5C"          // 運: its second byte is 0x5C, a backslash byte

// Longer than any fixed path-sized buffer a backend might read the text back through.
std::string longText() {
    std::string text;
    while (text.size() < 5000) text += "Disc " ZHONG_WEN " ";
    return text;
}

struct WriteRow {
    const char* name;
    std::string before;
    std::string written;
};

void PrintTo(const WriteRow& row, std::ostream* out) { *out << row.name; }

const WriteRow kWriteRows[] = {
    {"EmptyToText", "", "Disc One"},
    {"TextToEmpty", "Disc One", ""},
    {"SameText", "Disc One", "Disc One"},
    {"SameEmptyText", "", ""},
    {"TwoByteCharacters", "", ZHONG_WEN},
    {"TrailByteIsABackslash", "", "D:\\" YUN ".wav"},
    {"LongText", "", longText()},
};

class EditBoxWriteTest : public ToolkitContract, public ::testing::WithParamInterface<WriteRow> {};

TEST_P(EditBoxWriteTest, RaisesTextChangedOnceWithTheNewTextInPlace) {
    EditBox& box = window->addEditBox("AlbumTitleBox", {103, 80, 549, 24});
    box.setText(GetParam().before);
    box.onTextChanged = [&] { log.push_back(box.text()); };

    box.setText(GetParam().written);
    EXPECT_EQ(log, Log{GetParam().written}) << "while the write ran";
    settle();
    EXPECT_EQ(log, Log{GetParam().written}) << "after queued work ran";
    EXPECT_EQ(box.text(), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Rows, EditBoxWriteTest, ::testing::ValuesIn(kWriteRows), rowName<WriteRow>);

struct TypeRow {
    const char* name;
    std::string typed;
    Log textAtEachChange;
};

void PrintTo(const TypeRow& row, std::ostream* out) { *out << row.name; }

const TypeRow kTypeRows[] = {
    {"Letters", "abc", {"a", "ab", "abc"}},
    {"TwoByteCharacterIsOneKeystroke", ZHONG, {ZHONG}},
    {"MixedWidths", "a" ZHONG "b", {"a", "a" ZHONG, "a" ZHONG "b"}},
    {"TrailByteIsABackslash", YUN "\\", {YUN, YUN "\\"}},
};

class EditBoxTypeTest : public ToolkitContract, public ::testing::WithParamInterface<TypeRow> {};

TEST_P(EditBoxTypeTest, RaisesTextChangedPerCharacter) {
    EditBox& box = window->addEditBox("TrackTitleBox1", {103, 354, 400, 24});
    box.onTextChanged = [&] { log.push_back(box.text()); };

    user().type(box, GetParam().typed);
    settle();
    EXPECT_EQ(log, GetParam().textAtEachChange);
    EXPECT_EQ(box.text(), GetParam().typed);
}

INSTANTIATE_TEST_SUITE_P(Rows, EditBoxTypeTest, ::testing::ValuesIn(kTypeRows), rowName<TypeRow>);

using EditBoxContract = ToolkitContract;

TEST_F(EditBoxContract, DisabledBoxIgnoresTyping) {
    EditBox& box = window->addEditBox("TrackTitleBox1", {103, 354, 400, 24});
    box.setText("kept");
    box.setEnabled(false);
    box.onTextChanged = [&] { log.push_back(box.text()); };

    user().type(box, "abc");
    settle();
    EXPECT_EQ(log, Log{});
    EXPECT_EQ(box.text(), "kept");
}

TEST_F(EditBoxContract, TypingAfterSelectAllReplacesTheWholeText) {
    EditBox& box = window->addEditBox("TrackTitleBox1", {103, 354, 400, 24});
    box.setText("old title");
    box.selectAll();
    box.onTextChanged = [&] { log.push_back(box.text()); };

    user().type(box, "ne");
    settle();
    EXPECT_EQ(log, (Log{"n", "ne"}));
    EXPECT_EQ(box.text(), "ne");
}

// How the first box of a chain gets its new text "x": written from code or typed by the user.
struct ChainRow {
    const char* name;
    std::function<void(EditBox&, platform::UserSimulator&)> change;
};

void PrintTo(const ChainRow& row, std::ostream* out) { *out << row.name; }

const ChainRow kChainRows[] = {
    {"Written", [](EditBox& box, platform::UserSimulator&) { box.setText("x"); }},
    {"Typed", [](EditBox& box, platform::UserSimulator& user) { user.type(box, "x"); }},
};

class EditBoxNestingTest : public ToolkitContract, public ::testing::WithParamInterface<ChainRow> {};

// Album performer → first track → second track, as performer propagation chains them: each
// handler writes the next box, whose handler must have finished when the write returns.
TEST_P(EditBoxNestingTest, AWriteRunsTheNextHandlerToCompletionBeforeItReturns) {
    EditBox& album = window->addEditBox("AlbumPerformerBox", {103, 116, 421, 24});
    EditBox& first = window->addEditBox("TrackPerformerBox1", {103, 393, 400, 24});
    EditBox& second = window->addEditBox("TrackPerformerBox2", {103, 494, 400, 24});
    album.onTextChanged = [&] {
        log.push_back("album holds " + album.text());
        first.setText(album.text());
        log.push_back("album done, first holds " + first.text());
    };
    first.onTextChanged = [&] {
        log.push_back("first holds " + first.text());
        second.setText(first.text());
        log.push_back("first done, second holds " + second.text());
    };
    second.onTextChanged = [&] { log.push_back("second holds " + second.text()); };

    GetParam().change(album, user());
    settle();
    log.push_back("change over");
    EXPECT_EQ(log, (Log{
                       "album holds x",
                       "first holds x",
                       "second holds x",
                       "first done, second holds x",
                       "album done, first holds x",
                       "change over",
                   }));
}

INSTANTIATE_TEST_SUITE_P(Rows, EditBoxNestingTest, ::testing::ValuesIn(kChainRows), rowName<ChainRow>);

// A backend that suppresses its native notification during a write must cope with a write that
// starts inside the handler of another write to the same box.
TEST_F(EditBoxContract, AHandlerMayRewriteItsOwnBox) {
    EditBox& box = window->addEditBox("GenreBox", {103, 269, 185, 24});
    box.onTextChanged = [&] {
        log.push_back(box.text());
        if (box.text() == "pop") box.setText("Pop");
    };

    box.setText("pop");
    log.push_back("write returned");
    settle();
    EXPECT_EQ(log, (Log{"pop", "Pop", "write returned"}));
    EXPECT_EQ(box.text(), "Pop");
}

struct KeyRow {
    const char* name;
    KeyPress key;
};

void PrintTo(const KeyRow& row, std::ostream* out) { *out << row.name; }

const KeyRow kKeyRows[] = {
    {"CtrlA", {0x41, kControlKey}},
    {"CtrlShiftA", {0x41, kControlKey | kShiftKey}},
    {"Up", {0x26, 0}},
    {"Delete", {0x2E, 0}},
    {"Return", {0x0D, 0}},
    {"ShiftEnd", {0x23, kShiftKey}},
    // Windows reports a key held with Alt as a system key, not an ordinary key-down.
    {"AltDown", {0x28, kAltKey}},
    {"CtrlAltShiftF5", {0x74, kControlKey | kShiftKey | kAltKey}},
};

std::string describe(KeyPress key) {
    return "key " + std::to_string(key.virtualKey) + " modifiers " + std::to_string(key.modifiers);
}

class EditBoxKeyTest : public ToolkitContract, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(EditBoxKeyTest, ReachesTheKeyHandlerWithTheModifiersHeld) {
    EditBox& box = window->addEditBox("PathBox", {35, 16, 530, 32});
    box.onKeyDown = [&](KeyPress key) { log.push_back(describe(key)); };

    user().pressKey(box, GetParam().key);
    settle();
    EXPECT_EQ(log, Log{describe(GetParam().key)});
}

INSTANTIATE_TEST_SUITE_P(Rows, EditBoxKeyTest, ::testing::ValuesIn(kKeyRows), rowName<KeyRow>);

}  // namespace
}  // namespace cuepad::testing
