// Giving every track the album performer: ApplyAllCheck and the label over its caption, the copy
// on every change of AlbumPerformerBox while the box is checked, and paging back to track 1.
#include "main_window_fixture.hpp"
#include "table_rows.hpp"

namespace cuepad::testing {
namespace {

using cuepad::testing::PrintTo;

class PropagationTest : public MainWindowTest {
protected:
    void openTracks(int n) {
        start();
        openSheetWithTracks(n);
        loaded = document().documentTracks;
    }

    // The loaded tracks, each with the given performer.
    TrackList loadedWithPerformer(std::string_view performer) const {
        TrackList tracks = loaded;
        for (TrackEntry& track : tracks) track.performer = performer;
        return tracks;
    }

    int selectedTrack() const { return controls().trackList->currentItem() + 1; }
    platform::EditBox& albumPerformer() { return *controls().albumPerformerBox; }

    TrackList loaded;
};

// The two ways to toggle ApplyAllCheck: the label over its caption, or the box's own square.
struct Toggle {
    const char* name;
    bool viaLabel;
};

const Toggle kToggles[] = {{"Label", true}, {"Square", false}};

class ToggleTest : public PropagationTest, public ::testing::WithParamInterface<Toggle> {
protected:
    void toggle() {
        if (GetParam().viaLabel) {
            user.click(*controls().applyAllLabel);
        } else {
            user.click(*controls().applyAllCheck);
        }
    }
};

TEST_P(ToggleTest, TurningOnGivesEveryTrackTheAlbumPerformerAndShowsTrackOne) {
    openTracks(12);
    selectTrack(7);
    toggle();
    EXPECT_TRUE(controls().applyAllCheck->isChecked());
    EXPECT_EQ(document().documentTracks, loadedWithPerformer(kZhangXueyou));
    EXPECT_EQ(albumPerformer().text(), kZhangXueyou);
    EXPECT_EQ(selectedTrack(), 1);
    EXPECT_EQ(rows(), rowsShowing({1, 2, 3}));
    EXPECT_EQ(performerBox(3).text(), kZhangXueyou);
    std::vector<std::string> lines;
    for (const TrackEntry& track : loaded) lines.push_back(track.trackLine);
    EXPECT_EQ(items(*controls().trackList), lines);
}

TEST_P(ToggleTest, TurningOffCopiesNothingAndKeepsTheSelection) {
    openTracks(12);
    user.click(*controls().applyAllLabel);
    user.type(performerBox(2), "x");  // track 2 now differs from the album performer
    const TrackList before = document().documentTracks;
    selectTrack(5);
    const Rows shown = rows();
    toggle();
    EXPECT_FALSE(controls().applyAllCheck->isChecked());
    EXPECT_EQ(document().documentTracks, before);
    EXPECT_EQ(selectedTrack(), 5);
    EXPECT_EQ(rows(), shown);
}

TEST_P(ToggleTest, TurningOnWithAnEmptyBoxCopiesNothingUntilTheNextChange) {
    openTracks(5);
    user.replaceText(albumPerformer(), "");
    selectTrack(3);
    toggle();
    EXPECT_TRUE(controls().applyAllCheck->isChecked());
    EXPECT_EQ(document().documentTracks, loaded);
    EXPECT_EQ(selectedTrack(), 3);

    user.type(albumPerformer(), "A");
    EXPECT_EQ(document().documentTracks, loadedWithPerformer("A"));
    EXPECT_EQ(selectedTrack(), 1);
}

INSTANTIATE_TEST_SUITE_P(Ways, ToggleTest, ::testing::ValuesIn(kToggles), rowName<Toggle>);

TEST_F(PropagationTest, EachLabelPressTogglesTheBoxOnce) {
    start();
    for (const bool expected : {true, false, true}) {
        user.click(*controls().applyAllLabel);
        EXPECT_EQ(controls().applyAllCheck->isChecked(), expected);
    }
}

TEST_F(PropagationTest, WhileCheckedEveryChangeIsCopiedAndPagesBackToTrackOne) {
    openTracks(12);
    user.click(*controls().applyAllLabel);
    // 张学友 deleted one character at a time, from anywhere in the list.
    for (const std::string_view text : {"\xD5\xC5\xD1\xA7", "\xD5\xC5", ""}) {
        selectTrack(9);
        user.replaceText(albumPerformer(), text);
        EXPECT_EQ(document().documentTracks, loadedWithPerformer(text)) << ::testing::PrintToString(text);
        EXPECT_EQ(selectedTrack(), 1);
        EXPECT_EQ(rows(), rowsShowing({1, 2, 3}));
    }
    selectTrack(6);
    user.type(albumPerformer(), "\xC1\xF5!");  // 刘!
    EXPECT_EQ(document().documentTracks, loadedWithPerformer("\xC1\xF5!"));
    EXPECT_EQ(selectedTrack(), 1);
}

TEST_F(PropagationTest, WhileUncheckedEditingTheAlbumPerformerChangesNoTrack) {
    openTracks(12);
    selectTrack(6);
    const Rows shown = rows();
    user.type(albumPerformer(), "x");
    user.replaceText(albumPerformer(), "");
    EXPECT_EQ(document().documentTracks, loaded);
    EXPECT_EQ(selectedTrack(), 6);
    EXPECT_EQ(rows(), shown);
}

TEST_F(PropagationTest, WithNoSheetOpenTypingChangesNothingVisible) {
    start();
    user.click(*controls().applyAllLabel);
    ASSERT_TRUE(controls().applyAllCheck->isChecked());
    user.type(albumPerformer(), "abc");
    EXPECT_EQ(controls().trackList->itemCount(), 0);
    EXPECT_EQ(rows(), rowsShowing({0, 0, 0}));
    EXPECT_TRUE(document().documentTracks.empty());
    EXPECT_EQ(document().trackCount, 0);
}

}  // namespace
}  // namespace cuepad::testing
