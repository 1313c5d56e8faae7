// The window's own events and its modal helpers: dropped files, Esc, the pop-up menu and the
// input box.
#include "contract/contract_fixture.hpp"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace cuepad::testing {

void PrintTo(const InputBoxShown& box, std::ostream* out) {
    *out << "{caption \"" << box.caption << "\", prompt \"" << box.prompt << "\", initial text \""
         << box.initialText << "\"}";
}

namespace {

#define YIN_YUE "\xD2\xF4\xC0\xD6"  // 音乐
#define YUN "\xDF\x5C"              // 運: its second byte is 0x5C, a backslash byte
#define ZHONG_WEN "\xD6\xD0\xCE\xC4"  // 中文
#define ADD_ITEM "\xCC\xED\xBC\xD3\xCA\xFD\xBE\xDD"     // 添加数据
#define EDIT_ITEM "\xD0\xDE\xB8\xC4\xCA\xFD\xBE\xDD"    // 修改数据
#define DELETE_ITEM "\xC9\xBE\xB3\xFD\xCA\xFD\xBE\xDD"  // 删除数据
#define EDIT_CAPTION "\xCA\xE4\xC8\xEB\xD0\xDE\xB8\xC4\xB5\xC4\xC4\xDA\xC8\xDD"  // 输入修改的内容
// 这是修改注释与其他信息的地方
#define EDIT_PROMPT \
    "\xD5\xE2\xCA\xC7\xD0\xDE\xB8\xC4\xD7\xA2\xCA\xCD\xD3\xEB\xC6\xE4\xCB\xFB\xD0\xC5\xCF\xA2\xB5\xC4\xB5\xD8\xB7\xBD"

using WindowEvents = ToolkitContract;

TEST_F(WindowEvents, DroppedFilesArriveOneAtATimeInOrder) {
    std::string deepPath = "E:\\";
    while (deepPath.size() < 300) deepPath += YIN_YUE "\\";  // longer than a Windows path buffer
    deepPath += "album.cue";
    const std::vector<std::string> paths = {
        "C:\\cd\\album one.cue",
        "D:\\" YIN_YUE "\\" YUN "\\" ZHONG_WEN ".cue",
        deepPath,
    };
    window->onFileDropped = [&](const std::string& path) { log.push_back(path); };

    user().dropFiles(*window, paths);
    settle();
    EXPECT_EQ(log, paths);
}

// The window holds an edit box, as the real one does, so Esc must close it even when a control
// could take the key.
TEST_F(WindowEvents, EscapeClosesTheWindowAndRunsOnClosingOnce) {
    window->addEditBox("PathBox", {35, 16, 530, 32});
    window->onClosing = [&] { log.push_back("closing"); };

    user().pressEscape(*window);
    settle();
    EXPECT_EQ(log, Log{"closing"});
    window->close();
    settle();
    EXPECT_EQ(log, Log{"closing"}) << "a closed window does not close again";
}

struct MenuRow {
    const char* name;
    int chosen;
    Log callbacks;
};

void PrintTo(const MenuRow& row, std::ostream* out) { *out << row.name; }

const MenuRow kMenuRows[] = {
    {"FirstItem", 0, {"add"}},
    {"MiddleItem", 1, {"edit"}},
    {"LastItem", 2, {"delete"}},
    {"Dismissed", -1, {}},
};

class PopupMenuTest : public ToolkitContract, public ::testing::WithParamInterface<MenuRow> {
protected:
    platform::PopupMenu& menu = window->addPopupMenu("CommentsMenu");

    void SetUp() override {
        ToolkitContract::SetUp();
        menu.addItem(ADD_ITEM, [this] { log.push_back("add"); });
        menu.addItem(EDIT_ITEM, [this] { log.push_back("edit"); });
        menu.addItem(DELETE_ITEM, [this] { log.push_back("delete"); });
    }
};

TEST_P(PopupMenuTest, ShowingItRunsTheChosenItemOnly) {
    chooseOnNextShow(backend, menu, GetParam().chosen);
    menu.showAt({400, 300});
    settle();
    EXPECT_EQ(log, GetParam().callbacks);
}

INSTANTIATE_TEST_SUITE_P(Rows, PopupMenuTest, ::testing::ValuesIn(kMenuRows), rowName<MenuRow>);

TEST_F(WindowEvents, EveryShowingOfAMenuTakesItsOwnChoice) {
    platform::PopupMenu& menu = window->addPopupMenu("CommentsMenu");
    menu.addItem("first", [this] { log.push_back("first"); });
    menu.addItem("second", [this] { log.push_back("second"); });

    for (const int chosen : {1, -1, 0, 1}) {
        chooseOnNextShow(backend, menu, chosen);
        menu.showAt({400, 300});
        settle();
    }
    EXPECT_EQ(log, (Log{"second", "first", "second"}));
}

struct InputRow {
    const char* name;
    std::optional<std::string> answer;
};

void PrintTo(const InputRow& row, std::ostream* out) { *out << row.name; }

const InputRow kInputRows[] = {
    {"Answered", "REM GENRE Pop"},
    {"AnsweredWithTwoByteText", "REM COMMENT " ZHONG_WEN},
    {"AnsweredWithAnEmptyField", ""},
    {"Cancelled", std::nullopt},
};

class InputBoxTest : public ToolkitContract, public ::testing::WithParamInterface<InputRow> {};

TEST_P(InputBoxTest, GivesTheAnswerAndShowsWhatWasAsked) {
    user().answerNextInputBox(GetParam().answer);
    const std::optional<std::string> answer =
        backend.toolkit->askText(*window, EDIT_CAPTION, EDIT_PROMPT, "REM DATE 1999");
    EXPECT_EQ(answer, GetParam().answer);
    EXPECT_EQ(shownInputBoxes(backend), (std::vector<InputBoxShown>{{EDIT_CAPTION, EDIT_PROMPT, "REM DATE 1999"}}));
}

INSTANTIATE_TEST_SUITE_P(Rows, InputBoxTest, ::testing::ValuesIn(kInputRows), rowName<InputRow>);

TEST_F(WindowEvents, EveryInputBoxIsRecordedInOrder) {
    user().answerNextInputBox("first answer");
    EXPECT_EQ(backend.toolkit->askText(*window, EDIT_CAPTION, EDIT_PROMPT, ""), "first answer");
    user().answerNextInputBox(std::nullopt);
    EXPECT_EQ(backend.toolkit->askText(*window, "Second", "Name the track", ZHONG_WEN), std::nullopt);

    EXPECT_EQ(shownInputBoxes(backend), (std::vector<InputBoxShown>{
                                            {EDIT_CAPTION, EDIT_PROMPT, ""},
                                            {"Second", "Name the track", ZHONG_WEN},
                                        }));
}

}  // namespace
}  // namespace cuepad::testing
