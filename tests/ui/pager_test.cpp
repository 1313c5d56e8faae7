// The track pager: which tracks the three rows show for every selection, Up and Down in the
// track boxes, Ctrl+A, typing into a row, blank rows, tracks that share a TRACK line, and the
// order in which a page is written (each box write runs its store handler at once).
#include "main_window_fixture.hpp"
#include "table_rows.hpp"

#include <functional>

namespace cuepad::testing {
namespace {

using cuepad::testing::PrintTo;

constexpr int kKeyA = 65;
constexpr int kKeyB = 66;
constexpr int kKeyUp = 0x26;
constexpr int kKeyDown = 0x28;
constexpr int kCtrl = platform::kControlKey;
constexpr int kShift = platform::kShiftKey;
constexpr int kAlt = platform::kAltKey;

// Track k (from 1) is selected; 0 means nothing is selected.
int selectedTrack(const ui::MainWindowControls& c) { return c.trackList->currentItem() + 1; }

class PagerTest : public MainWindowTest {
protected:
    // Opens a sheet of n tracks and remembers its tracks as loaded.
    void openTracks(int n) {
        start();
        openSheetWithTracks(n);
        loaded = document().documentTracks;
    }

    // Selects track k with the mouse; 0 clears the selection with Up on the first track.
    void select(int k) {
        if (k > 0) {
            selectTrack(k);
            return;
        }
        selectTrack(1);
        user.pressKey(titleBox(1), {kKeyUp, 0});
    }

    TrackList loaded;
};

// ---- Which tracks the rows show ----

struct PageRow {
    const char* name;
    int tracks;
    int selected;  // 0: nothing selected
    std::array<int, 3> shown;  // 0: a blank row
};

const PageRow kPageRows[] = {
    {"TenSelectFirst", 10, 1, {1, 2, 3}},
    {"TenSelectSeventh", 10, 7, {7, 8, 9}},
    {"TenSelectEighth", 10, 8, {8, 9, 10}},
    {"TenSelectNinth", 10, 9, {8, 9, 10}},
    {"TenSelectLast", 10, 10, {8, 9, 10}},
    {"TenNothingSelected", 10, 0, {1, 2, 3}},
    {"FourSelectFirst", 4, 1, {1, 2, 3}},
    {"FourSelectSecond", 4, 2, {2, 3, 4}},
    {"FourSelectThird", 4, 3, {2, 3, 4}},
    {"FourSelectLast", 4, 4, {2, 3, 4}},
    {"ThreeSelectFirst", 3, 1, {1, 2, 3}},
    {"ThreeSelectSecond", 3, 2, {1, 2, 3}},
    {"ThreeSelectLast", 3, 3, {1, 2, 3}},
    {"ThreeNothingSelected", 3, 0, {1, 2, 3}},
    {"TwoSelectFirst", 2, 1, {1, 2, 0}},
    {"TwoSelectSecondStaysInRowTwo", 2, 2, {1, 2, 0}},
    {"TwoNothingSelected", 2, 0, {1, 2, 0}},
    {"OneSelected", 1, 1, {1, 0, 0}},
    {"OneNothingSelected", 1, 0, {1, 0, 0}},
};

class PageTest : public PagerTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(PageTest, RowsShowThePageOfTheSelection) {
    const PageRow& row = GetParam();
    openTracks(row.tracks);
    // From the last page first, so that every row has to be written anew.
    selectTrack(row.tracks);
    select(row.selected);
    EXPECT_EQ(selectedTrack(controls()), row.selected);
    EXPECT_EQ(rows(), rowsShowing(row.shown));
    // Filling the rows stores each shown value straight back: the tracks are as loaded.
    EXPECT_EQ(document().documentTracks, loaded);
}

INSTANTIATE_TEST_SUITE_P(Selections, PageTest, ::testing::ValuesIn(kPageRows), rowName<PageRow>);

// ---- Up, Down and other keys in the six track boxes ----

enum class Field { Title, Performer };

struct KeyRow {
    const char* name;
    int tracks;
    int selected;  // before the key; 0: nothing selected
    int row;       // the box that receives the key
    Field field;
    platform::KeyPress key;
    int selectedAfter;
    std::array<int, 3> shown;
};

const KeyRow kKeyRows[] = {
    {"UpOnFirstClearsTheSelection", 10, 1, 1, Field::Title, {kKeyUp, 0}, 0, {1, 2, 3}},
    {"UpWithNothingSelectedKeepsItEmpty", 10, 0, 2, Field::Title, {kKeyUp, 0}, 0, {1, 2, 3}},
    {"DownWithNothingSelectedSelectsFirst", 10, 0, 1, Field::Performer, {kKeyDown, 0}, 1, {1, 2, 3}},
    {"DownOnLastKeepsIt", 10, 10, 3, Field::Performer, {kKeyDown, 0}, 10, {8, 9, 10}},
    {"UpFromFifthInPerformerTwo", 10, 5, 2, Field::Performer, {kKeyUp, 0}, 4, {4, 5, 6}},
    {"DownFromFifthInTitleThree", 10, 5, 3, Field::Title, {kKeyDown, 0}, 6, {6, 7, 8}},
    {"DownIntoTheLastThree", 10, 7, 1, Field::Title, {kKeyDown, 0}, 8, {8, 9, 10}},
    {"UpOutOfTheLastThree", 10, 9, 1, Field::Title, {kKeyUp, 0}, 8, {8, 9, 10}},
    {"CtrlShiftUpStillMoves", 10, 5, 1, Field::Title, {kKeyUp, kCtrl | kShift}, 4, {4, 5, 6}},
    {"AltDownStillMoves", 4, 2, 2, Field::Title, {kKeyDown, kAlt}, 3, {2, 3, 4}},
    {"OtherKeyDoesNothing", 10, 5, 2, Field::Title, {kKeyB, kCtrl}, 5, {5, 6, 7}},
    {"DownOnLastOfTwo", 2, 2, 2, Field::Performer, {kKeyDown, 0}, 2, {1, 2, 0}},
    {"UpOnTheOnlyTrack", 1, 1, 1, Field::Performer, {kKeyUp, 0}, 0, {1, 0, 0}},
};

class TrackKeyTest : public PagerTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(TrackKeyTest, MovesTheSelectionAndPagesTheRows) {
    const KeyRow& row = GetParam();
    openTracks(row.tracks);
    select(row.selected);
    platform::EditBox& box = row.field == Field::Title ? titleBox(row.row) : performerBox(row.row);
    user.pressKey(box, row.key);
    EXPECT_EQ(selectedTrack(controls()), row.selectedAfter);
    // The box that got the key keeps it and now shows its row's new track.
    EXPECT_EQ(rows(), rowsShowing(row.shown));
    EXPECT_EQ(document().documentTracks, loaded);
}

INSTANTIATE_TEST_SUITE_P(Keys, TrackKeyTest, ::testing::ValuesIn(kKeyRows), rowName<KeyRow>);

TEST_F(PagerTest, UpAndDownBeforeAnySheetChangeNothing) {
    start();
    const Rows blank = rowsShowing({0, 0, 0});
    for (int row = 1; row <= 3; ++row) {
        for (platform::EditBox* box : {&titleBox(row), &performerBox(row)}) {
            user.pressKey(*box, {kKeyDown, 0});
            user.pressKey(*box, {kKeyUp, 0});
            user.pressKey(*box, {kKeyDown, kCtrl});
        }
    }
    EXPECT_EQ(rows(), blank);
    EXPECT_EQ(controls().trackList->itemCount(), 0);
    EXPECT_EQ(controls().trackList->currentItem(), -1);
}

// ---- Ctrl+A ----

struct SelectAllRow {
    const char* name;
    int modifiers;
    bool selectsAll;
};

const SelectAllRow kSelectAllRows[] = {
    {"Ctrl", kCtrl, true},          {"CtrlShift", kCtrl | kShift, false}, {"CtrlAlt", kCtrl | kAlt, false},
    {"Plain", 0, false},            {"Shift", kShift, false},
};

class SelectAllTest : public PagerTest, public ::testing::WithParamInterface<SelectAllRow> {};

TEST_P(SelectAllTest, OnlyCtrlAloneSelectsTheWholeText) {
    openTracks(10);
    selectTrack(4);
    const Rows before = rows();
    for (int row = 1; row <= 3; ++row) {
        for (platform::EditBox* box : {&titleBox(row), &performerBox(row)}) {
            user.pressKey(*box, {kKeyA, GetParam().modifiers});
            EXPECT_EQ(static_cast<platform::HeadlessEditBox*>(box)->allSelected, GetParam().selectsAll) << row;
        }
    }
    EXPECT_EQ(selectedTrack(controls()), 4);
    EXPECT_EQ(rows(), before);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, SelectAllTest, ::testing::ValuesIn(kSelectAllRows), rowName<SelectAllRow>);

TEST_F(PagerTest, TypingAfterCtrlAReplacesTheTrackTitle) {
    openTracks(5);
    selectTrack(2);
    user.pressKey(titleBox(3), {kKeyA, kCtrl});
    user.type(titleBox(3), "\xCE\xC7");  // 吻
    EXPECT_EQ(document().documentTracks[3].title, "\xCE\xC7");
}

// ---- Typing into the rows ----

struct TypingRow {
    const char* name;
    int row;
    Field field;
};

const TypingRow kTypingRows[] = {
    {"TitleOne", 1, Field::Title},         {"PerformerOne", 1, Field::Performer},
    {"TitleTwo", 2, Field::Title},         {"PerformerTwo", 2, Field::Performer},
    {"TitleThree", 3, Field::Title},       {"PerformerThree", 3, Field::Performer},
};

class TypingTest : public PagerTest, public ::testing::WithParamInterface<TypingRow> {};

TEST_P(TypingTest, EachKeystrokeReachesTheRowsTrack) {
    const TypingRow& row = GetParam();
    openTracks(10);
    selectTrack(5);  // rows show tracks 5, 6 and 7
    const std::size_t track = static_cast<std::size_t>(4 + row.row - 1);
    const auto field = [&](TrackEntry& entry) -> std::string& {
        return row.field == Field::Title ? entry.title : entry.performer;
    };
    platform::EditBox& box = row.field == Field::Title ? titleBox(row.row) : performerBox(row.row);
    TrackList expected = loaded;
    for (std::string_view keystroke : {"\xB8\xE8", "x", "\xA1\xA1"}) {  // 歌, x, a full-width space
        user.type(box, keystroke);
        field(expected[track]) += keystroke;
        EXPECT_EQ(document().documentTracks, expected) << "after " << ::testing::PrintToString(keystroke);
    }
    // The list still shows the TRACK lines, and paging away and back shows the typed text.
    EXPECT_EQ(items(*controls().trackList)[track], loaded[track].trackLine);
    selectTrack(1);
    selectTrack(5);
    EXPECT_EQ(box.text(), field(expected[track]));
    EXPECT_EQ(document().documentTracks, expected);
}

INSTANTIATE_TEST_SUITE_P(Boxes, TypingTest, ::testing::ValuesIn(kTypingRows), rowName<TypingRow>);

TEST_F(PagerTest, EmptyingPerformerBoxOneEmptiesThatTracksPerformer) {
    openTracks(3);
    user.replaceText(performerBox(1), "");
    TrackList expected = loaded;
    expected[0].performer.clear();
    EXPECT_EQ(document().documentTracks, expected);
}

struct BlankRowCase {
    const char* name;
    int tracks;
    int row;
    Field field;
};

const BlankRowCase kBlankRowCases[] = {
    {"OneTrackTitleTwo", 1, 2, Field::Title},
    {"OneTrackPerformerThree", 1, 3, Field::Performer},
    {"TwoTracksTitleThree", 2, 3, Field::Title},
    {"TwoTracksPerformerThree", 2, 3, Field::Performer},
};

class BlankRowTest : public PagerTest, public ::testing::WithParamInterface<BlankRowCase> {};

TEST_P(BlankRowTest, TypingStoresNothingAndTheNextRefillClearsIt) {
    const BlankRowCase& row = GetParam();
    openTracks(row.tracks);
    platform::EditBox& box = row.field == Field::Title ? titleBox(row.row) : performerBox(row.row);
    user.type(box, "abc");
    EXPECT_EQ(document().documentTracks, loaded);
    EXPECT_EQ(box.text(), "abc");
    selectTrack(1);
    EXPECT_EQ(box.text(), "");
    EXPECT_EQ(document().documentTracks, loaded);
}

INSTANTIATE_TEST_SUITE_P(Rows, BlankRowTest, ::testing::ValuesIn(kBlankRowCases), rowName<BlankRowCase>);

TEST_F(PagerTest, TypingBeforeAnySheetStoresNothingAndTouchesNoOtherControl) {
    start();
    for (int row = 1; row <= 3; ++row) {
        for (platform::EditBox* typed : {&titleBox(row), &performerBox(row)}) {
            user.type(*typed, "ab");
            for (const auto& [name, control] : window->controls()) {
                if (auto* box = dynamic_cast<platform::HeadlessEditBox*>(control); box && box != typed) {
                    EXPECT_EQ(box->text(), "") << name;
                }
            }
            for (platform::Label* caption : controls().trackCaptions) {
                EXPECT_EQ(caption->caption(), strings::kBlankTrackCaption);
            }
            EXPECT_EQ(controls().trackList->itemCount(), 0);
            EXPECT_TRUE(document().documentTracks.empty());
            user.replaceText(*typed, "");
        }
    }
}

// ---- Tracks that share a TRACK line ----

// A malformed sheet may repeat a TRACK line; each row still edits the track it shows.
TEST_F(PagerTest, RowsWithTheSameTrackLineEditTheirOwnTracks) {
    start();
    const std::string one = trackLineOf(1);
    drop(addFile("twice.cue", sheetWithTrackLines(AlbumLines{}, {one, one, trackLineOf(3), trackLineOf(3)})));
    loaded = document().documentTracks;
    ASSERT_EQ(loaded.size(), 4u);
    EXPECT_EQ(loaded[1].title, songOf(2));
    EXPECT_EQ(rows(), rowsShowing({1, 2, 3}));

    user.type(titleBox(2), "!");
    user.type(performerBox(1), "?");
    TrackList expected = loaded;
    expected[1].title += "!";
    expected[0].performer += "?";
    EXPECT_EQ(document().documentTracks, expected);

    selectTrack(4);  // rows show tracks 2, 3 and 4; tracks 3 and 4 share a line
    EXPECT_EQ(rows(), rowsShowing({2, 3, 4}));
    user.type(performerBox(3), "#");
    expected[3].performer += "#";
    EXPECT_EQ(document().documentTracks, expected);
}

// ---- The order of the writes of one page ----

// Chained in front of the pager's own text-changed handlers of the six track boxes: records
// which box changed, its text, and the three captions at that moment.
class RowWriteRecorder {
public:
    explicit RowWriteRecorder(const ui::MainWindowControls& controls) : controls_(controls) {
        for (std::size_t i = 0; i < 3; ++i) {
            chain(*controls.trackTitleBoxes[i], "T" + std::to_string(i + 1));
            chain(*controls.trackPerformerBoxes[i], "P" + std::to_string(i + 1));
        }
    }
    RowWriteRecorder(const RowWriteRecorder&) = delete;
    RowWriteRecorder& operator=(const RowWriteRecorder&) = delete;

    std::vector<std::string> events;

private:
    // "TRACK 04 AUDIO" is shown as 04, the blank caption as N.
    static std::string shortCaption(const std::string& caption) {
        if (caption == strings::kBlankTrackCaption) return "N";
        return caption.size() == 14 && caption.starts_with("TRACK ") ? caption.substr(6, 2) : caption;
    }

    void chain(platform::EditBox& box, std::string name) {
        std::function<void()> next = box.onTextChanged;
        box.onTextChanged = [this, &box, name, next] {
            std::string event = name + " " + box.text() + " |";
            for (platform::Label* caption : controls_.trackCaptions) event += " " + shortCaption(caption->caption());
            events.push_back(event);
            if (next) next();
        };
    }

    const ui::MainWindowControls& controls_;
};

struct WriteOrderRow {
    const char* name;
    int nextSheetTracks;  // 0: select track 1 of the open sheet instead of opening another
    std::vector<std::string> events;
};

const WriteOrderRow kWriteOrderRows[] = {
    {"ThreeRows", 0,
     {"T1 Song 1 | 01 05 06", "P1 Singer 1 | 01 05 06", "T2 Song 2 | 01 02 06", "P2 Singer 2 | 01 02 06",
      "T3 Song 3 | 01 02 03", "P3 Singer 3 | 01 02 03"}},
    {"TwoTracks", 2,
     {"T1 Song 1 | 01 05 06", "P1 Singer 1 | 01 05 06", "T2 Song 2 | 01 02 06", "P2 Singer 2 | 01 02 06",
      "T3  | 01 02 N", "P3  | 01 02 N"}},
    // One track: both blank captions are written before any box of rows two and three.
    {"OneTrack", 1,
     {"T1 Song 1 | 01 05 06", "P1 Singer 1 | 01 05 06", "T2  | 01 N N", "P2  | 01 N N", "T3  | 01 N N",
      "P3  | 01 N N"}},
};

class WriteOrderTest : public PagerTest, public ::testing::WithParamInterface<WriteOrderRow> {};

TEST_P(WriteOrderTest, EachCaptionIsWrittenBeforeTheBoxesOfItsRow) {
    openTracks(10);
    selectTrack(4);  // captions read TRACK 04, 05 and 06
    RowWriteRecorder recorder(controls());
    if (GetParam().nextSheetTracks == 0) {
        selectTrack(1);
    } else {
        openSheetWithTracks(GetParam().nextSheetTracks, "next.cue");
    }
    EXPECT_EQ(recorder.events, GetParam().events);
    // The next sheet's tracks are the first tracks of this one; no write changed any of them.
    const std::size_t count = GetParam().nextSheetTracks == 0 ? loaded.size()
                                                              : static_cast<std::size_t>(GetParam().nextSheetTracks);
    const TrackList expected(loaded.begin(), loaded.begin() + static_cast<std::ptrdiff_t>(count));
    EXPECT_EQ(document().documentTracks, expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, WriteOrderTest, ::testing::ValuesIn(kWriteOrderRows), rowName<WriteOrderRow>);

}  // namespace
}  // namespace cuepad::testing
