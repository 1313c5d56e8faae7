// The comments list: the right button selects the item under the pointer and shows CommentsMenu
// beside it, a double click edits an item, and the input box gives the text for a change or a
// new item; deleting never asks.
#include "main_window_fixture.hpp"
#include "table_rows.hpp"

#include <optional>

namespace cuepad::testing {
namespace {

using cuepad::testing::PrintTo;

constexpr std::string_view kListName = "\xC1\xD0\xB1\xED\xBF\xF2\xD7\xA2\xCA\xCD";  // 列表框注释
constexpr std::string_view kMenuName = "\xCA\xFD\xBE\xDD\xB2\xCB\xB5\xA5";  // 数据菜单
constexpr std::string_view kAddText = "\xCC\xED\xBC\xD3\xCA\xFD\xBE\xDD";      // 添加数据
constexpr std::string_view kEditText = "\xD0\xDE\xB8\xC4\xCA\xFD\xBE\xDD";     // 修改数据
constexpr std::string_view kDeleteText = "\xC9\xBE\xB3\xFD\xCA\xFD\xBE\xDD";   // 删除数据
// 输入修改的内容
constexpr std::string_view kCaption = "\xCA\xE4\xC8\xEB\xD0\xDE\xB8\xC4\xB5\xC4\xC4\xDA\xC8\xDD";
// 这是修改注释与其他信息的地方
constexpr std::string_view kPrompt =
    "\xD5\xE2\xCA\xC7\xD0\xDE\xB8\xC4\xD7\xA2\xCA\xCD\xD3\xEB\xC6\xE4\xCB\xFB\xD0\xC5\xCF\xA2\xB5\xC4"
    "\xB5\xD8\xB7\xBD";
constexpr int kAddItem = 0, kEditItem = 1, kDeleteItem = 2;
const platform::Rect kListPlace{324, 208, 321, 86};

const std::vector<std::string> kFive{"REM A 1", "REM B 2", "REM C 3", "REM D 4", "REM E 5"};

// A point inside item i, in the list's client coordinates.
platform::Point inItem(int i) { return {10, i * platform::HeadlessToolkit::kItemHeight + 8}; }

// That point on the screen, where the window's client area starts at the origin.
platform::Point onScreen(platform::Point at) { return {kListPlace.x + at.x, kListPlace.y + at.y}; }

class CommentsListTest : public MainWindowTest {
protected:
    // Opens a sheet whose comment lines fill the list; nothing is selected after opening.
    void openWithComments(std::vector<std::string> comments) {
        start();
        AlbumLines album;
        album.comments = std::move(comments);
        drop(addFile("album.cue", sheetWithTracks(album, 2)));
    }

    // CommentsList and CommentsMenu, found by their form names.
    platform::HeadlessListBox& list() { return window->listBox(kListName); }
    platform::HeadlessPopupMenu& menu() { return window->popupMenu(kMenuName); }

    // The right button pressed and released over the list, with `menuItem` chosen from the menu.
    void rightClick(platform::Point at, int menuItem) {
        user.rightPress(list(), at);
        menu().answer = menuItem;
        user.rightRelease(list(), at);
    }
};

TEST_F(CommentsListTest, TheMenuOffersAddEditAndDeleteInThisOrder) {
    start();
    std::vector<std::string> texts;
    for (const auto& item : menu().items) texts.push_back(item.text);
    const std::vector<std::string> expected{std::string(kAddText), std::string(kEditText), std::string(kDeleteText)};
    EXPECT_EQ(texts, expected);
}

TEST_F(CommentsListTest, TheItemIsSelectedWhenTheButtonGoesDownAndTheMenuShowsWhenItComesUp) {
    openWithComments(kFive);
    user.clickItem(list(), 0);
    user.rightPress(list(), inItem(3));
    EXPECT_EQ(list().currentItem(), 3);
    EXPECT_TRUE(menu().shownAt.empty());

    // The menu follows the pointer where the button is released; that does not select again.
    const platform::Point release{40, 5};
    user.rightRelease(list(), release);
    EXPECT_EQ(list().currentItem(), 3);
    ASSERT_EQ(menu().shownAt.size(), 1u);
    EXPECT_EQ(menu().shownAt[0].x, onScreen(release).x + 3);
    EXPECT_EQ(menu().shownAt[0].y, onScreen(release).y + 3);
    EXPECT_EQ(items(list()), kFive);
    EXPECT_TRUE(toolkit.inputBoxes.empty());
}

enum class Gesture {
    DoubleClick,   // on the item
    RightClick,    // pressed and released on the item, then a menu item
    ReleaseOnly,   // pressed elsewhere, released over the list: nothing gets selected
};

struct EditRow {
    const char* name;
    Gesture gesture;
    int item;
    int menuItem;
    std::optional<std::string> answer;       // nothing: Cancel
    std::optional<std::string> initialText;  // nothing: no input box is shown
    std::vector<std::string> items;          // the list afterwards
    int current;                             // its current item afterwards
};

std::vector<std::string> fiveWith(int index, std::string text) {
    std::vector<std::string> items = kFive;
    items[static_cast<std::size_t>(index)] = std::move(text);
    return items;
}
std::vector<std::string> fiveAnd(std::string text) {
    std::vector<std::string> items = kFive;
    items.push_back(std::move(text));
    return items;
}
std::vector<std::string> fiveWithout(int index) {
    std::vector<std::string> items = kFive;
    items.erase(items.begin() + index);
    return items;
}

const EditRow kEditRows[] = {
    {"DoubleClickReplacesTheItemInPlace", Gesture::DoubleClick, 2, -1, "REM NEW", "REM C 3", fiveWith(2, "REM NEW"), 2},
    {"DoubleClickOkWithTheSameText", Gesture::DoubleClick, 2, -1, "REM C 3", "REM C 3", kFive, 2},
    {"DoubleClickCancel", Gesture::DoubleClick, 2, -1, std::nullopt, "REM C 3", kFive, 2},
    {"DoubleClickEmptyText", Gesture::DoubleClick, 0, -1, "", "REM A 1", fiveWith(0, ""), 0},
    {"DoubleClickTextKeepsItsBlanks", Gesture::DoubleClick, 4, -1, "  x  ", "REM E 5", fiveWith(4, "  x  "), 4},
    {"EditItemChangesTheItemUnderThePointer", Gesture::RightClick, 3, kEditItem, "SONGWRITER y", "REM D 4",
     fiveWith(3, "SONGWRITER y"), 3},
    {"EditItemCancel", Gesture::RightClick, 3, kEditItem, std::nullopt, "REM D 4", kFive, 3},
    {"EditItemWithNothingSelected", Gesture::ReleaseOnly, 3, kEditItem, "X", "", kFive, -1},
    {"AddItemAppendsWithoutSelecting", Gesture::RightClick, 1, kAddItem, "REM NEW", "", fiveAnd("REM NEW"), 1},
    {"AddItemEmptyText", Gesture::RightClick, 1, kAddItem, "", "", fiveAnd(""), 1},
    {"AddItemCancel", Gesture::RightClick, 1, kAddItem, std::nullopt, "", kFive, 1},
    {"AddItemWithNothingSelected", Gesture::ReleaseOnly, 1, kAddItem, "REM NEW", "", fiveAnd("REM NEW"), -1},
    {"DeleteItemRemovesTheItemUnderThePointer", Gesture::RightClick, 2, kDeleteItem, std::nullopt, std::nullopt,
     fiveWithout(2), -1},
    {"DeleteItemFirst", Gesture::RightClick, 0, kDeleteItem, std::nullopt, std::nullopt, fiveWithout(0), -1},
    {"DeleteItemLast", Gesture::RightClick, 4, kDeleteItem, std::nullopt, std::nullopt, fiveWithout(4), -1},
    {"DeleteItemWithNothingSelected", Gesture::ReleaseOnly, 2, kDeleteItem, std::nullopt, std::nullopt, kFive, -1},
};

class CommentEditTest : public CommentsListTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(CommentEditTest, ChangesTheListAsTheUserAsked) {
    const EditRow& row = GetParam();
    openWithComments(kFive);
    ASSERT_EQ(items(list()), kFive);
    ASSERT_EQ(list().currentItem(), -1);
    if (row.initialText) user.answerNextInputBox(row.answer);

    const platform::Point at = inItem(row.item);
    switch (row.gesture) {
    case Gesture::DoubleClick: user.doubleClickItem(list(), row.item); break;
    case Gesture::RightClick: rightClick(at, row.menuItem); break;
    case Gesture::ReleaseOnly:
        menu().answer = row.menuItem;
        user.rightRelease(list(), at);
        break;
    }

    if (row.initialText) {
        ASSERT_EQ(toolkit.inputBoxes.size(), 1u);
        EXPECT_EQ(toolkit.inputBoxes[0].caption, kCaption);
        EXPECT_EQ(toolkit.inputBoxes[0].prompt, kPrompt);
        EXPECT_EQ(toolkit.inputBoxes[0].initialText, *row.initialText);
    } else {
        EXPECT_TRUE(toolkit.inputBoxes.empty());
    }
    EXPECT_EQ(items(list()), row.items);
    EXPECT_EQ(list().currentItem(), row.current);
    if (row.gesture == Gesture::DoubleClick) {
        EXPECT_TRUE(menu().shownAt.empty());
    } else {
        ASSERT_EQ(menu().shownAt.size(), 1u);
        EXPECT_EQ(menu().shownAt[0].x, onScreen(at).x + 3);
        EXPECT_EQ(menu().shownAt[0].y, onScreen(at).y + 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Edits, CommentEditTest, ::testing::ValuesIn(kEditRows), rowName<EditRow>);

TEST_F(CommentsListTest, AnEmptyListStillOffersTheMenu) {
    openWithComments({});
    ASSERT_EQ(list().itemCount(), 0);
    user.answerNextInputBox("X");
    rightClick(inItem(0), kEditItem);  // nothing to change
    EXPECT_EQ(list().itemCount(), 0);
    rightClick(inItem(0), kDeleteItem);
    EXPECT_EQ(list().itemCount(), 0);
    user.answerNextInputBox("REM FIRST");
    rightClick(inItem(0), kAddItem);
    EXPECT_EQ(items(list()), std::vector<std::string>{"REM FIRST"});
    EXPECT_EQ(list().currentItem(), -1);
    EXPECT_EQ(menu().shownAt.size(), 3u);
    ASSERT_EQ(toolkit.inputBoxes.size(), 2u);
    EXPECT_EQ(toolkit.inputBoxes[0].initialText, "");
    EXPECT_EQ(toolkit.inputBoxes[1].initialText, "");
}

TEST_F(CommentsListTest, EditsReachTheSavedSheetOnlyAsRemLines) {
    openWithComments({"REM A 1", "REM B 2"});
    user.answerNextInputBox("SONGWRITER y");
    rightClick(inItem(1), kAddItem);
    user.answerNextInputBox("REM NEW");
    rightClick(inItem(1), kAddItem);
    user.answerNextInputBox("REM CHANGED");
    user.doubleClickItem(list(), 0);
    EXPECT_EQ(items(list()), (std::vector<std::string>{"REM CHANGED", "REM B 2", "SONGWRITER y", "REM NEW"}));

    user.click(*controls().saveHereButton);
    const std::string saved = fileText(document().savePath);
    EXPECT_NE(saved.find("CATALOG 4988006123456\r\nREM CHANGED\r\nREM B 2\r\nREM NEW\r\nPERFORMER"), std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("SONGWRITER"), std::string::npos);
    EXPECT_TRUE(system.messages.empty());
}

}  // namespace
}  // namespace cuepad::testing
