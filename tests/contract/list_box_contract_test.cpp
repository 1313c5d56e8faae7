// List boxes: the current item written from code is clamped and raises nothing, a click on an item
// selects it and raises selection-changed once, and editing the items keeps the selection on its
// item (or clears it when the item goes).
#include "contract/contract_fixture.hpp"

#include <climits>
#include <functional>
#include <ostream>
#include <string>

namespace cuepad::testing {
namespace {

using platform::ListBox;

#define REM_DATE "REM DATE 1999"
#define ZHONG_WEN "\xD6\xD0\xCE\xC4"  // 中文

class ListBoxContract : public ToolkitContract {
protected:
    void fill(int count) {
        for (int i = 1; i <= count; ++i) list.addItem("Track " + std::to_string(i));
    }
    Log items() const {
        Log texts;
        for (int i = 0; i < list.itemCount(); ++i) texts.push_back(list.itemText(i));
        return texts;
    }
    void recordSelectionChanges() {
        list.onSelectionChanged = [this] {
            log.push_back("selection changed to " + std::to_string(list.currentItem()));
        };
    }

    ListBox& list = window->addListBox("TrackList", {512, 334, 149, 310});
};

struct ClampRow {
    const char* name;
    int itemCount;
    int currentBefore;
    int written;
    int expected;
};

void PrintTo(const ClampRow& row, std::ostream* out) { *out << row.name; }

const ClampRow kClampRows[] = {
    {"FirstItem", 3, -1, 0, 0},
    {"LastItem", 3, 0, 2, 2},
    {"OneAboveTheLastSelectsTheLast", 3, 0, 3, 2},
    {"FarAboveTheLastSelectsTheLast", 3, 0, 1000, 2},
    {"MinusOneClears", 3, 1, -1, -1},
    {"BelowMinusOneClears", 3, 1, -2, -1},
    {"LowestIntegerClears", 3, 1, INT_MIN, -1},
    {"EmptyListFirstIndex", 0, -1, 0, -1},
    {"EmptyListAboveTheEnd", 0, -1, 5, -1},
    {"EmptyListMinusOne", 0, -1, -1, -1},
};

class ListBoxClampTest : public ListBoxContract, public ::testing::WithParamInterface<ClampRow> {};

TEST_P(ListBoxClampTest, WrittenCurrentItemIsClampedAndRaisesNothing) {
    fill(GetParam().itemCount);
    list.setCurrentItem(GetParam().currentBefore);
    recordSelectionChanges();

    list.setCurrentItem(GetParam().written);
    EXPECT_EQ(list.currentItem(), GetParam().expected);
    settle();
    EXPECT_EQ(log, Log{});
}

INSTANTIATE_TEST_SUITE_P(Rows, ListBoxClampTest, ::testing::ValuesIn(kClampRows), rowName<ClampRow>);

TEST_F(ListBoxContract, ClickOnAnItemSelectsItAndRaisesSelectionChangedOnce) {
    fill(5);
    recordSelectionChanges();

    user().clickItem(list, 3);
    settle();
    EXPECT_EQ(list.currentItem(), 3);
    EXPECT_EQ(log, Log{"selection changed to 3"});

    user().clickItem(list, 0);
    settle();
    EXPECT_EQ(list.currentItem(), 0);
    EXPECT_EQ(log, (Log{"selection changed to 3", "selection changed to 0"}));
}

// The right button and a double click only report; what they select is the program's business.
TEST_F(ListBoxContract, RightButtonAndDoubleClickReachTheirHandlers) {
    fill(3);
    list.onRightButtonDown = [&](platform::Point at) {
        log.push_back("right down at " + std::to_string(at.x) + "," + std::to_string(at.y));
    };
    list.onRightButtonUp = [&](platform::Point at) {
        log.push_back("right up at " + std::to_string(at.x) + "," + std::to_string(at.y));
    };
    list.onDoubleClick = [&] { log.push_back("double click on " + std::to_string(list.currentItem())); };

    user().rightPress(list, {12, 30});
    user().rightRelease(list, {12, 30});
    user().doubleClickItem(list, 2);
    settle();
    EXPECT_EQ(log, (Log{"right down at 12,30", "right up at 12,30", "double click on 2"}));
}

TEST_F(ListBoxContract, ItemTextOutsideTheListIsEmpty) {
    fill(3);
    EXPECT_EQ(list.itemText(-1), "");
    EXPECT_EQ(list.itemText(3), "");
    EXPECT_EQ(list.itemText(1000), "");
}

// One edit from code on the list "one", "two", "three" with "two" selected.
struct EditRow {
    const char* name;
    std::function<void(ListBox&)> edit;
    Log itemsAfter;
    int currentAfter;
};

void PrintTo(const EditRow& row, std::ostream* out) { *out << row.name; }

const EditRow kEditRows[] = {
    {"AddAppendsWithoutSelecting", [](ListBox& l) { l.addItem(REM_DATE); }, {"one", "two", "three", REM_DATE}, 1},
    {"AddTwoByteText", [](ListBox& l) { l.addItem(ZHONG_WEN); }, {"one", "two", "three", ZHONG_WEN}, 1},
    {"InsertBeforeTheSelection", [](ListBox& l) { l.insertItem(0, "zero"); }, {"zero", "one", "two", "three"}, 2},
    {"InsertAfterTheSelection", [](ListBox& l) { l.insertItem(2, "new"); }, {"one", "two", "new", "three"}, 1},
    {"InsertAtTheEnd", [](ListBox& l) { l.insertItem(3, "four"); }, {"one", "two", "three", "four"}, 1},
    {"RemoveTheSelectedItemClearsTheSelection", [](ListBox& l) { l.removeItem(1); }, {"one", "three"}, -1},
    {"RemoveBeforeTheSelection", [](ListBox& l) { l.removeItem(0); }, {"two", "three"}, 0},
    {"RemoveAfterTheSelection", [](ListBox& l) { l.removeItem(2); }, {"one", "two"}, 1},
    {"RemoveOutsideTheListDoesNothing",
     [](ListBox& l) {
         l.removeItem(-1);
         l.removeItem(3);
     },
     {"one", "two", "three"}, 1},
    {"SetTextOfTheSelectedItemKeepsItSelected", [](ListBox& l) { l.setItemText(1, "TWO"); },
     {"one", "TWO", "three"}, 1},
    {"SetTextOfAnotherItem", [](ListBox& l) { l.setItemText(2, ZHONG_WEN); }, {"one", "two", ZHONG_WEN}, 1},
    {"SetTextToTheSameText", [](ListBox& l) { l.setItemText(1, "two"); }, {"one", "two", "three"}, 1},
    {"SetTextOutsideTheListDoesNothing",
     [](ListBox& l) {
         l.setItemText(-1, "x");
         l.setItemText(3, "x");
     },
     {"one", "two", "three"}, 1},
    {"ClearLeavesNoItemsAndNoSelection", [](ListBox& l) { l.clear(); }, {}, -1},
};

class ListBoxEditTest : public ListBoxContract, public ::testing::WithParamInterface<EditRow> {};

TEST_P(ListBoxEditTest, ItemsChangeAndTheSelectionStaysWithItsItem) {
    for (const char* text : {"one", "two", "three"}) list.addItem(text);
    list.setCurrentItem(1);
    recordSelectionChanges();

    GetParam().edit(list);
    EXPECT_EQ(items(), GetParam().itemsAfter);
    EXPECT_EQ(list.currentItem(), GetParam().currentAfter);
    settle();
    EXPECT_EQ(log, Log{}) << "edits from code raise no selection change";
}

INSTANTIATE_TEST_SUITE_P(Rows, ListBoxEditTest, ::testing::ValuesIn(kEditRows), rowName<EditRow>);

// How the track list is refilled: drawing suspended, cleared, filled, first item selected.
TEST_F(ListBoxContract, RefillWithDrawingSuspendedReadsBackAtOnce) {
    fill(5);
    list.setCurrentItem(4);
    recordSelectionChanges();

    list.setRedraw(false);
    list.clear();
    for (const char* text : {"TRACK 01 AUDIO", "TRACK 02 AUDIO"}) list.addItem(text);
    list.setCurrentItem(0);
    EXPECT_EQ(items(), (Log{"TRACK 01 AUDIO", "TRACK 02 AUDIO"})) << "while drawing is suspended";
    EXPECT_EQ(list.currentItem(), 0);
    list.setRedraw(true);
    settle();
    EXPECT_EQ(items(), (Log{"TRACK 01 AUDIO", "TRACK 02 AUDIO"}));
    EXPECT_EQ(list.currentItem(), 0);
    EXPECT_EQ(log, Log{});
}

TEST_F(ListBoxContract, AddingToAClearedListSelectsNothing) {
    fill(3);
    list.setCurrentItem(2);
    list.clear();
    list.addItem("again");
    EXPECT_EQ(items(), Log{"again"});
    EXPECT_EQ(list.currentItem(), -1);
}

}  // namespace
}  // namespace cuepad::testing
