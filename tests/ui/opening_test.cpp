// Opening a sheet from the window: the open dialog behind OpenButton, files dropped on the window,
// what an opening writes into the window, refused files, and the conversion chosen with Up and
// Down in PathBox.
#include "main_window_fixture.hpp"

#include "files/strings.hpp"
#include "table_rows.hpp"

#include <functional>

namespace cuepad::testing {
namespace {

using cuepad::testing::PrintTo;

using namespace std::string_view_literals;

constexpr int kKeyUp = 0x26;
constexpr int kKeyDown = 0x28;
constexpr std::string_view kDialogClass = "#32770";
// 张学友 and 吻别 in their Traditional forms, 張學友 and 吻別.
constexpr std::string_view kZhangTraditional = "\x8F\x88\x8C\x57\xD3\xD1";
constexpr std::string_view kWenbieTraditional = "\xCE\xC7\x84\x65";

class OpeningTest : public MainWindowTest {
protected:
    // Every control of the window as one line, in creation order: what a user can see.
    std::vector<std::string> windowState() const {
        std::vector<std::string> state;
        for (const auto& [name, control] : window->controls()) {
            std::string line = name + ":";
            if (auto* box = dynamic_cast<platform::HeadlessEditBox*>(control)) line += " text " + box->text();
            if (auto* label = dynamic_cast<platform::HeadlessLabel*>(control)) {
                line += " caption " + label->caption() + (label->isEnabled() ? "" : " disabled");
            }
            if (auto* check = dynamic_cast<platform::HeadlessCheckBox*>(control)) {
                line += check->isChecked() ? " checked" : " unchecked";
            }
            if (auto* list = dynamic_cast<platform::HeadlessListBox*>(control)) {
                line += " current " + std::to_string(list->currentItem());
                for (const std::string& item : items(*list)) line += " [" + item + "]";
            }
            state.push_back(line);
        }
        return state;
    }

    // The state with PathBox's line showing the given text.
    std::vector<std::string> withPathBox(std::vector<std::string> state, const std::string& text) const {
        const auto& all = window->controls();
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i].second == controls().pathBox) state[i] = all[i].first + ": text " + text;
        }
        return state;
    }

    // A second album that differs from the default one in every field.
    static AlbumLines otherAlbum() {
        AlbumLines album;
        album.catalog = "0000000000001";
        album.performer = std::string(kLiuDehua);
        album.title = "Other";
        album.file = "other.flac";
        album.date.clear();
        album.genre.clear();
        album.comments = {"REM X"};
        return album;
    }
};

TEST_F(OpeningTest, OpenButtonAsksForASheetAndOpensTheChosenOne) {
    start();
    const std::string path = addFile("album.cue", sheetWithTracks(AlbumLines{}, 4));
    fileDialogs.answers.push_back(path);
    const platform::WindowHandle dialog = 7;
    std::size_t workersWhileShown = 0;
    fileDialogs.whileShown = [&] {
        workersWhileShown = desktop.workers.size();
        desktop.windows[dialog] = {std::string(kDialogClass), std::string(strings::kOpenSheetTitle),
                                   {40, 40, 500, 400}};
        desktop.runWorkers();  // the click cue and the placement run while the dialog is up
    };
    user.click(*controls().openButton);

    ASSERT_EQ(fileDialogs.calls.size(), 1u);
    const platform::FileDialogCall& call = fileDialogs.calls[0];
    EXPECT_FALSE(call.save);
    EXPECT_EQ(call.owner, static_cast<platform::Window*>(window));
    EXPECT_EQ(call.title, strings::kOpenSheetTitle);
    EXPECT_EQ(call.filterBlock, "CUE\xCE\xC4\xBC\xFE\0*.cue\0\0"sv);  // CUE文件
    EXPECT_EQ(call.filterIndex, 1);
    EXPECT_EQ(call.initialFolder, "");
    EXPECT_EQ(call.defaultExtension, std::nullopt);
    EXPECT_EQ(call.flags, 0x883806u);
    EXPECT_EQ(call.fileBuffer, std::string(257, '\0'));

    EXPECT_EQ(workersWhileShown, 2u);
    EXPECT_EQ(sounds.played, 1);
    ASSERT_EQ(desktop.moves.size(), 1u);
    EXPECT_EQ(desktop.moves[0].first, dialog);

    EXPECT_EQ(controls().pathBox->text(), path);
    EXPECT_EQ(controls().albumPerformerBox->text(), kZhangXueyou);
    EXPECT_EQ(controls().trackList->itemCount(), 4);
    EXPECT_EQ(rows(), rowsShowing({1, 2, 3}));
    EXPECT_TRUE(controls().saveHereButton->isEnabled());
    EXPECT_TRUE(system.messages.empty());
}

TEST_F(OpeningTest, CancellingTheDialogChangesNothingButSoundsTheClick) {
    start();
    openSheetWithTracks(5);
    selectTrack(4);
    user.type(*controls().pathBox, "typed");
    desktop.runWorkers();
    const int played = sounds.played;
    const std::vector<std::string> before = windowState();
    const Document documentBefore = document();

    user.click(*controls().openButton);
    desktop.runWorkers();
    EXPECT_EQ(fileDialogs.calls.size(), 1u);
    EXPECT_EQ(sounds.played, played + 1);
    EXPECT_EQ(windowState(), before);
    EXPECT_EQ(document().documentTracks, documentBefore.documentTracks);
    EXPECT_EQ(document().savePath, documentBefore.savePath);
    EXPECT_TRUE(system.messages.empty());
}

// Files that opening refuses, and the ways they arrive.
struct RefusedRow {
    const char* name;
    bool viaDialog;
    std::optional<std::string> bytes;  // nothing: no such file
};

const RefusedRow kRefusedRows[] = {
    {"DroppedMissingFile", false, std::nullopt},
    {"DroppedTextWithoutTrackOne", false, "TITLE \"x\"\r\nTRACK 02 AUDIO\r\n"},
    {"DroppedEmptyFile", false, ""},
    {"ChosenMissingFile", true, std::nullopt},
    {"ChosenPlaylist", true, "#EXTM3U\r\na.mp3\r\n"},
};

class RefusedFileTest : public OpeningTest, public ::testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedFileTest, KeepsTheOpenSheetAndShowsTheNewPath) {
    start();
    openSheetWithTracks(5);
    selectTrack(3);
    user.type(titleBox(1), "!");
    const std::vector<std::string> expected = windowState();
    const TrackList tracks = document().documentTracks;
    const SheetHeader header = document().documentHeader;
    const std::string savePath = document().savePath;

    const std::string path = std::string(kMusicFolder) + "refused.cue";
    if (GetParam().bytes) system.addFile(path, *GetParam().bytes);
    if (GetParam().viaDialog) {
        fileDialogs.answers.push_back(path);
        user.click(*controls().openButton);
    } else {
        drop(path);
    }
    EXPECT_EQ(system.messages, std::vector<std::string>{std::string(strings::kIncompatibleFile)});
    EXPECT_EQ(windowState(), withPathBox(expected, path));  // PathBox keeps the new path
    EXPECT_EQ(document().documentTracks, tracks);
    EXPECT_EQ(document().documentHeader, header);
    EXPECT_EQ(document().trackCount, 5);
    EXPECT_EQ(document().savePath, savePath);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedFileTest, ::testing::ValuesIn(kRefusedRows), rowName<RefusedRow>);

TEST_F(OpeningTest, ARefusedFirstFileLeavesTheWindowAsStarted) {
    start();
    const std::vector<std::string> before = windowState();
    drop(addFile("notes.txt", "hello"));
    EXPECT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(windowState(), withPathBox(before, std::string(kMusicFolder) + "notes.txt"));
    EXPECT_FALSE(controls().saveHereButton->isEnabled());
    EXPECT_FALSE(controls().saveAsButton->isEnabled());
}

TEST_F(OpeningTest, ASecondSheetReplacesEverything) {
    start();
    openSheetWithTracks(5);
    selectTrack(4);
    user.type(*controls().genreBox, "!");
    const std::string second = addFile("second.cue", sheetWithTracks(otherAlbum(), 2));
    drop(second);

    EXPECT_EQ(controls().pathBox->text(), second);
    EXPECT_EQ(controls().mediaCodeBox->text(), "0000000000001");
    EXPECT_EQ(controls().albumPerformerBox->text(), kLiuDehua);
    EXPECT_EQ(controls().albumTitleBox->text(), "Other");
    EXPECT_EQ(controls().imageFileBox->text(), "other.flac");
    EXPECT_EQ(controls().dateBox->text(), "");
    EXPECT_EQ(controls().genreBox->text(), "");
    EXPECT_EQ(items(*controls().commentsList), std::vector<std::string>{"REM X"});
    EXPECT_EQ(items(*controls().trackList), (std::vector<std::string>{trackLineOf(1), trackLineOf(2)}));
    EXPECT_EQ(controls().trackList->currentItem(), 0);
    EXPECT_EQ(document().trackCount, 2);
    EXPECT_EQ(rows(), rowsShowing({1, 2, 0}));
    EXPECT_EQ(document().savePath, std::string(kMusicFolder) + "second" + std::string(strings::kCopySuffix));
    EXPECT_TRUE(system.messages.empty());
}

TEST_F(OpeningTest, TheAlbumBoxesAreWrittenInOrderAndEveryCommentLineBecomesAnItem) {
    start();
    std::vector<std::string> writes;
    const std::pair<platform::EditBox*, const char*> boxes[] = {
        {controls().mediaCodeBox, "code"}, {controls().albumPerformerBox, "performer"},
        {controls().albumTitleBox, "title"}, {controls().imageFileBox, "file"},
        {controls().dateBox, "date"},        {controls().genreBox, "genre"}};
    for (const auto& [box, name] : boxes) {
        std::function<void()> next = box->onTextChanged;
        box->onTextChanged = [&writes, box = box, name = std::string(name), next] {
            writes.push_back(name + " " + box->text());
            if (next) next();
        };
    }
    AlbumLines album;
    album.comments = {"REM A", "", "REM B"};
    drop(addFile("album.cue", sheetWithTracks(album, 1)));
    EXPECT_EQ(writes, (std::vector<std::string>{"code 4988006123456", "performer " + std::string(kZhangXueyou),
                                                 "title " + std::string(kWenbie), "file album.wav", "date 1993",
                                                 "genre Pop"}));
    EXPECT_EQ(items(*controls().commentsList), (std::vector<std::string>{"REM A", "", "REM B"}));

    album.comments.clear();
    drop(addFile("plain.cue", sheetWithTracks(album, 1)));
    EXPECT_EQ(controls().commentsList->itemCount(), 0);
}

TEST_F(OpeningTest, SeveralDroppedFilesOpenInTurnAndTheLastStays) {
    start();
    std::vector<std::string> paths;
    std::function<void()> next = controls().albumPerformerBox->onTextChanged;
    controls().albumPerformerBox->onTextChanged = [&] {
        paths.push_back(controls().pathBox->text());
        if (next) next();
    };
    const std::string first = addFile("first.cue", sheetWithTracks(AlbumLines{}, 3));
    const std::string second = addFile("second.cue", sheetWithTracks(otherAlbum(), 2));
    user.dropFiles(*window, {first, second});
    EXPECT_EQ(paths, (std::vector<std::string>{first, second}));
    EXPECT_EQ(desktop.workers.size(), 2u);  // a click cue for each file
    EXPECT_EQ(controls().pathBox->text(), second);
    EXPECT_EQ(controls().albumPerformerBox->text(), kLiuDehua);
    EXPECT_EQ(document().trackCount, 2);

    // A refused last file leaves the one before it in the window.
    user.dropFiles(*window, {first, std::string(kMusicFolder) + "missing.cue"});
    EXPECT_EQ(controls().albumPerformerBox->text(), kZhangXueyou);
    EXPECT_EQ(document().trackCount, 3);
    EXPECT_EQ(system.messages.size(), 1u);
}

TEST_F(OpeningTest, OpeningEnablesTheSaveLabelsInTheSchemesTextColour) {
    start();
    user.click(*controls().swatches[2]);  // Swatch1: scheme 1
    EXPECT_EQ(controls().saveHereButton->textColour(), 0x808080u);
    openSheetWithTracks(3);
    for (platform::Label* label : {controls().saveHereButton, controls().saveAsButton}) {
        EXPECT_TRUE(label->isEnabled());
        EXPECT_EQ(label->textColour(), 0xDDDDDDu);
    }
}

TEST_F(OpeningTest, TypingAPathOpensNothing) {
    start();
    const std::string path = addFile("album.cue", sheetWithTracks(AlbumLines{}, 3));
    user.type(*controls().pathBox, path);
    EXPECT_EQ(controls().trackList->itemCount(), 0);
    EXPECT_EQ(controls().albumPerformerBox->text(), "");
    EXPECT_TRUE(fileDialogs.calls.empty());
    EXPECT_TRUE(system.messages.empty());
}

TEST_F(OpeningTest, WithApplyAllCheckedEveryTrackGetsTheNewAlbumPerformer) {
    start();
    user.click(*controls().applyAllLabel);  // the box is empty: nothing to copy yet
    ASSERT_TRUE(controls().applyAllCheck->isChecked());
    openSheetWithTracks(4);
    for (const TrackEntry& track : document().documentTracks) EXPECT_EQ(track.performer, kZhangXueyou);
    EXPECT_EQ(controls().trackList->currentItem(), 0);
    EXPECT_EQ(rows(), rowsShowing({1, 2, 3}));
    EXPECT_EQ(performerBox(1).text(), kZhangXueyou);

    // A sheet without an album PERFORMER line empties every track's performer.
    AlbumLines album;
    album.performer.clear();
    drop(addFile("nobody.cue", sheetWithTracks(album, 5)));
    ASSERT_EQ(document().documentTracks.size(), 5u);
    for (const TrackEntry& track : document().documentTracks) EXPECT_EQ(track.performer, "");
    EXPECT_EQ(rows(), rowsShowing({1, 2, 3}));
    EXPECT_EQ(document().documentTracks[4].title, songOf(5));
}

// ---- The conversion chosen with Up and Down in PathBox ----

constexpr std::string_view kCaptions[] = {strings::kOpen, strings::kOpenSimplified, strings::kOpenTraditional};

struct ModeKeyRow {
    const char* name;
    int modeBefore;
    platform::KeyPress key;
    int modeAfter;
    bool hoverCue;
};

const ModeKeyRow kModeKeyRows[] = {
    {"UpAtAsReadGivesTraditional", 0, {kKeyUp, 0}, 2, true},
    {"UpAtTraditionalGivesSimplified", 2, {kKeyUp, 0}, 1, true},
    {"UpAtSimplifiedGivesAsRead", 1, {kKeyUp, 0}, 0, true},
    {"DownAtAsReadGivesSimplified", 0, {kKeyDown, 0}, 1, true},
    {"DownAtSimplifiedGivesTraditional", 1, {kKeyDown, 0}, 2, true},
    {"DownAtTraditionalGivesAsRead", 2, {kKeyDown, 0}, 0, true},
    {"CtrlDownStillCounts", 0, {kKeyDown, platform::kControlKey}, 1, true},
    // Any other key shows the mode again without changing it.
    {"LetterKeepsSimplified", 1, {65, 0}, 1, false},
    {"EnterKeepsTraditional", 2, {0x0D, 0}, 2, false},
};

class ModeKeyTest : public OpeningTest, public ::testing::WithParamInterface<ModeKeyRow> {};

TEST_P(ModeKeyTest, SetsTheModeAndTheOpenButtonsCaption) {
    const ModeKeyRow& row = GetParam();
    start();
    user.type(*controls().pathBox, "C:\\a.cue");
    document().openMode = static_cast<OpenMode>(row.modeBefore);
    user.pressKey(*controls().pathBox, row.key);
    EXPECT_EQ(static_cast<int>(document().openMode), row.modeAfter);
    EXPECT_EQ(controls().openButton->caption(), kCaptions[row.modeAfter]);
    // The hover cue plays at once on the window's thread, not on a worker.
    EXPECT_EQ(sounds.played, row.hoverCue ? 1 : 0);
    EXPECT_TRUE(desktop.workers.empty());
    EXPECT_EQ(controls().pathBox->text(), "C:\\a.cue");
    EXPECT_EQ(controls().trackList->itemCount(), 0);
    EXPECT_TRUE(system.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, ModeKeyTest, ::testing::ValuesIn(kModeKeyRows), rowName<ModeKeyRow>);

TEST_F(OpeningTest, TheModeAppliesToLaterOpeningsOnly) {
    start();
    AlbumLines traditional;
    traditional.performer = std::string(kZhangTraditional);
    traditional.title = std::string(kWenbieTraditional);
    const std::string path = addFile("traditional.cue", sheetWithTracks(traditional, 1));

    user.pressKey(*controls().pathBox, {kKeyDown, 0});  // to Simplified
    drop(path);
    EXPECT_EQ(controls().albumPerformerBox->text(), kZhangXueyou);
    EXPECT_EQ(controls().albumTitleBox->text(), kWenbie);

    user.pressKey(*controls().pathBox, {kKeyUp, 0});  // as read: the open sheet stays converted
    EXPECT_EQ(controls().albumPerformerBox->text(), kZhangXueyou);
    drop(path);
    EXPECT_EQ(controls().albumPerformerBox->text(), kZhangTraditional);

    user.pressKey(*controls().pathBox, {kKeyUp, 0});  // to Traditional
    openSheetWithTracks(1);
    EXPECT_EQ(controls().albumPerformerBox->text(), kZhangTraditional);
    EXPECT_EQ(controls().albumTitleBox->text(), kWenbieTraditional);
}

}  // namespace
}  // namespace cuepad::testing
